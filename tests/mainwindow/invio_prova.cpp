// The whole program started as the customer starts it, in a program folder of
// the test's choosing, playing the customer at the send window: whenever the
// send window is open it logs in with the given user and presses the send
// button once; "FINE" is printed when the send window has closed. With "premi"
// it also presses the main window's "FTP" button.
// Messages are printed as "MSG <icon>:<text>"; the process lives until its
// standard input closes or it is killed.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "support/PiattaformaStampata.h"
#include "support/ProgrammaFiglio.h"

int main(int argc, char* argv[]) {
  if (argc < 4) return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PiattaformaStampata stampata;
  ImpostaPiattaforma(&stampata);
  const QString utente = QString::fromUtf8(argv[2]);
  const QString password = QString::fromUtf8(argv[3]);
  bool premi = argc > 4 && QByteArray(argv[4]) == "premi";

  // The login and the send run on workers: each step waits for the last one's end.
  enum class Passo { Accesso, Invio, Fine, Finito } passo = Passo::Accesso;
  QPointer<QWidget> invio;
  QTimer controllo;
  QObject::connect(&controllo, &QTimer::timeout, [&] {
    QWidget* modale = QApplication::activeModalWidget();
    const auto pulsante = [&invio](const char* nome) {
      return invio->findChild<QPushButton*>(QString::fromLatin1(nome));
    };
    if (passo == Passo::Accesso && modale && modale->objectName() == QStringLiteral("frmFTP")) {
      passo = Passo::Invio;
      invio = modale;
      modale->findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(utente);
      modale->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
      pulsante("cmdAccedi")->click();
      return;
    }
    if (passo == Passo::Invio && invio && pulsante("cmdInviaVelistra")->isEnabled()) {
      passo = Passo::Fine;
      std::printf("INVIO\n");
      std::fflush(stdout);
      pulsante("cmdInviaVelistra")->click();
      return;
    }
    if (passo == Passo::Fine && (!invio || !invio->isVisible())) {
      passo = Passo::Finito;
      std::printf("FINE\n");
      std::fflush(stdout);
      return;
    }
    for (QWidget* finestra : QApplication::topLevelWidgets()) {
      if (!premi || finestra->objectName() != QStringLiteral("frmScegliFoto")) continue;
      if (QAction* ftp = finestra->findChild<QAction*>(QStringLiteral("FTP")); ftp && ftp->isEnabled()) {
        premi = false;
        // The first activation may disable the toolbar in between: then try again.
        QTimer::singleShot(0, ftp, [&premi, ftp] {
          if (ftp->isEnabled())
            ftp->trigger();
          else
            premi = true;
        });
      }
    }
  });
  controllo.start(50);

  if (!Main(AmbienteProva(argv[1], 1280))) return 1;
  return EseguiFinoAFineIngresso();
}
