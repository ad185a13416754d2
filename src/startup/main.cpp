#include <QApplication>

#include "startup/TraduzioniQt.h"
#include "startup/modMain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velistra"));
  QApplication::setApplicationVersion(QStringLiteral(VELISTRA_VERSIONE));
  CaricaTraduzioniQt(app);
  if (!Main(AmbienteDesktop())) return 0;
  const int esito = QApplication::exec();
  FineProgramma();
  return esito;
}
