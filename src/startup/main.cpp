#include <QApplication>

#include "windows/Piattaforma.h"
#include "startup/modMain.h"
#include "windows/PiattaformaDesktop.h"
#include "windows/TraduzioniQt.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velistra"));
  QApplication::setApplicationVersion(QStringLiteral(VELISTRA_VERSIONE));
  // Ties the windows to the installed menu entry (its icon, on Wayland too).
  QGuiApplication::setDesktopFileName(QStringLiteral("velistra"));
  CaricaTraduzioniQt(app);
  PiattaformaDesktop desktop;
  ImpostaPiattaformaPredefinita(&desktop);
  if (!Main(AmbienteDesktop())) return 0;
  const int esito = QApplication::exec();
  FineProgramma();
  return esito;
}
