// Runs the start-up sequence in a program folder of the test's choosing, with a
// given screen width. Every message box is printed as "MSG <icon>:<text>" (line
// breaks as "\n") and answered with its default; then "ESITO 1" when a window
// opened (the process then lives until its standard input closes) or "ESITO 0".
// The main window loads from the event loop after the splash: "ESITO 1" comes
// once it is shown, so that every message of the start is printed before it.
#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "support/Attesa.h"

#include "windows/Piattaforma.h"
#include "support/PiattaformaStampata.h"
#include "support/ProgrammaFiglio.h"

int main(int argc, char* argv[]) {
  if (argc < 3) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PiattaformaStampata stampata;
  ImpostaPiattaforma(&stampata);

  const bool aperto = Main(AmbienteProva(argv[1], QByteArray(argv[2]).toInt()));
  if (aperto)
    AttendiFinche([] {
      for (const QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra->objectName() == QStringLiteral("frmScegliFoto") && finestra->isVisible()) return true;
      return false;
    });
  std::printf("ESITO %d\n", aperto ? 1 : 0);
  std::fflush(stdout);
  if (!aperto) return 0;
  return EseguiFinoAFineIngresso();
}
