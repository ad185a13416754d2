// The whole program started as the customer starts it, in a program folder of
// the test's choosing, playing the customer at the send window: whenever the
// send window is open it logs in with the given user and presses the send
// button once. With "premi" it also presses the main window's "FTP" button.
// Messages are printed as "MSG <icon>:<text>"; the process lives until its
// standard input closes or it is killed.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
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

  bool inviato = false;
  QTimer controllo;
  QObject::connect(&controllo, &QTimer::timeout, [&] {
    QWidget* modale = QApplication::activeModalWidget();
    if (!inviato && modale && modale->objectName() == QStringLiteral("frmFTP")) {
      inviato = true;
      modale->findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(utente);
      modale->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
      modale->findChild<QPushButton*>(QStringLiteral("cmdAccedi"))->click();
      std::printf("INVIO\n");
      std::fflush(stdout);
      modale->findChild<QPushButton*>(QStringLiteral("cmdInviaVelistra"))->click();
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
