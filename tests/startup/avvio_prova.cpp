// Runs the start-up sequence in a program folder of the test's choosing, with a
// given screen width. Every message box is printed as "MSG <icon>:<text>" (line
// breaks as "\n") and answered with its default; then "ESITO 1" when a window
// opened (the process then lives until its standard input closes) or "ESITO 0".
#include <QApplication>
#include <QSocketNotifier>
#include <unistd.h>

#include "common/Piattaforma.h"
#include "startup/modMain.h"
#include "support/PiattaformaStampata.h"

int main(int argc, char* argv[]) {
  if (argc < 3) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PiattaformaStampata stampata;
  ImpostaPiattaforma(&stampata);

  AmbienteAvvio ambiente;
  ambiente.cartellaProgramma = QString::fromLocal8Bit(argv[1]);
  const int larghezza = QByteArray(argv[2]).toInt();
  ambiente.larghezzaSchermo = [larghezza] { return larghezza; };

  const bool aperto = Main(ambiente);
  std::printf("ESITO %d\n", aperto ? 1 : 0);
  std::fflush(stdout);
  if (!aperto) return 0;
  QSocketNotifier ingresso(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&ingresso, &QSocketNotifier::activated, &app, [] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) QApplication::quit();
  });
  const int esito = QApplication::exec();
  FineProgramma();
  return esito;
}
