#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QWidget>
#include <csignal>

#include "startup/DopoLaPrimaPittura.h"
#include "support/Attesa.h"
#include "support/CartellaProgrammaProva.h"

namespace {

const QString kRisoluzione = QStringLiteral("MSG 1:La risoluzione minima richiesta è 1024x768.");
const QString kGiaAttiva = QStringLiteral(
    "MSG 2:Un'istanza del programma è già attiva.\\nScegliere l'icona corrispondente dalla barra delle applicazioni.");
const QString kNoConfigurazione = QStringLiteral("MSG 3:File di configurazione non trovato.");

// One start of the program through the test driver.
class Avvio {
 public:
  Avvio(const QString& cartella, int larghezza) {
    processo_.start(QStringLiteral(VELISTRA_AVVIO_PROVA), {cartella, QString::number(larghezza)});
    processo_.waitForStarted(10000);
    while (!righe_.contains(u"ESITO") && processo_.waitForReadyRead(20000))
      righe_ += QString::fromUtf8(processo_.readAll());
  }
  ~Avvio() { Chiudi(); }

  QStringList Messaggi() const {
    QStringList messaggi;
    for (const QString& riga : righe_.split(u'\n'))
      if (riga.startsWith(QStringLiteral("MSG "))) messaggi.append(riga);
    return messaggi;
  }
  bool Aperto() const { return righe_.contains(QStringLiteral("ESITO 1")); }
  void Chiudi() {
    processo_.closeWriteChannel();
    if (!processo_.waitForFinished(10000)) processo_.kill();
    processo_.waitForFinished(5000);
  }
  void Uccidi() {
    ::kill(static_cast<pid_t>(processo_.processId()), SIGKILL);
    processo_.waitForFinished(5000);
  }

 private:
  QProcess processo_;
  QString righe_;
};

TEST(Avvio, OnlyTheScreenWidthIsChecked) {
  CartellaProgrammaProva programma;
  {
    Avvio stretto(programma.percorso(), 1023);
    EXPECT_FALSE(stretto.Aperto());
    EXPECT_EQ(stretto.Messaggi(), QStringList{kRisoluzione});
  }
  // Nothing was written before the check: not even the work folder.
  EXPECT_FALSE(QDir(programma.file(QStringLiteral("Velistra"))).exists());
  Avvio giusto(programma.percorso(), 1024);
  EXPECT_TRUE(giusto.Aperto());
  EXPECT_TRUE(giusto.Messaggi().isEmpty()) << giusto.Messaggi().join(u'|').toStdString();
  EXPECT_TRUE(QDir(programma.file(QStringLiteral("Velistra"))).exists());
}

TEST(Avvio, AMissingSettingsFileStopsTheStartAfterTheWorkFolderIsMade) {
  CartellaProgrammaProva programma;
  QFile::remove(programma.file(QStringLiteral("Velistra.ini")));
  Avvio avvio(programma.percorso(), 1280);
  EXPECT_FALSE(avvio.Aperto());
  EXPECT_EQ(avvio.Messaggi(), QStringList{kNoConfigurazione});
  EXPECT_TRUE(QDir(programma.file(QStringLiteral("Velistra"))).exists());
  EXPECT_FALSE(QFile::exists(programma.file(QStringLiteral("Velistra.ini"))));
}

TEST(Avvio, WithoutConnectionSettingsTheStartGoesOnAndRemovesWhatInterruptedSavesLeft) {
  CartellaProgrammaProva programma;
  QFile::remove(programma.file(QStringLiteral("VelistraFTP.ini")));
  const QStringList avanzi{"Velistra.ini.Ab12Cd", "VelistraFTP.ini.x9Y8z7", "Formati.xml.QwErTy"};
  for (const QString& nome : avanzi) programma.Scrivi(nome, "[Opzioni]\r\nChius");
  programma.Scrivi(QStringLiteral("Velistra.ini.copia"), "una copia dell'utente");
  Avvio avvio(programma.percorso(), 1280);
  ASSERT_TRUE(avvio.Aperto());
  EXPECT_TRUE(avvio.Messaggi().isEmpty());
  EXPECT_FALSE(QFile::exists(programma.file(QStringLiteral("VelistraFTP.ini"))));
  for (const QString& nome : avanzi) EXPECT_FALSE(QFile::exists(programma.file(nome))) << nome.toStdString();
  EXPECT_TRUE(QFile::exists(programma.file(QStringLiteral("Velistra.ini.copia"))));
}

TEST(Avvio, ASecondStartOfTheSameFolderIsRefusedUntilTheFirstEndsEvenByACrash) {
  CartellaProgrammaProva programma;
  CartellaProgrammaProva altroProgramma;
  Avvio primo(programma.percorso(), 1280);
  ASSERT_TRUE(primo.Aperto());
  const QByteArray impostazioni = programma.Leggi(QStringLiteral("Velistra.ini"));
  {
    Avvio secondo(programma.percorso(), 1280);
    EXPECT_FALSE(secondo.Aperto());
    EXPECT_EQ(secondo.Messaggi(), QStringList{kGiaAttiva});
  }
  {
    // The screen comes first.
    Avvio stretto(programma.percorso(), 800);
    EXPECT_EQ(stretto.Messaggi(), QStringList{kRisoluzione});
  }
  {
    Avvio altrove(altroProgramma.percorso(), 1280);
    EXPECT_TRUE(altrove.Aperto());
  }
  EXPECT_EQ(programma.Leggi(QStringLiteral("Velistra.ini")), impostazioni);
  primo.Uccidi();
  // The crash left no lock behind, only the unclean-stop notice of the main window.
  Avvio dopo(programma.percorso(), 1280);
  EXPECT_TRUE(dopo.Aperto());
  ASSERT_EQ(dopo.Messaggi().size(), 1);
  EXPECT_TRUE(dopo.Messaggi()[0].startsWith(
      QStringLiteral("MSG 1:Il programma non è stato chiuso correttamente nella precedente sessione di lavoro.")));
}

class FinestraDipinta : public QWidget {
 public:
  bool dipinta = false;

 protected:
  void paintEvent(QPaintEvent*) override { dipinta = true; }
};

TEST(DopoLaPrimaPittura, TheLoadWaitsInTheEventLoopForTheSplashToBePainted) {
  FinestraDipinta splash;
  splash.show();
  bool dipintaPrima = false;
  bool eseguito = false;
  DopoLaPrimaPittura(&splash, [&] {
    eseguito = true;
    dipintaPrima = splash.dipinta;
  });
  EXPECT_FALSE(eseguito);
  ASSERT_TRUE(AttendiFinche([&] { return eseguito; }));
  EXPECT_TRUE(dipintaPrima);
  // A window that is never painted does not hold the start up.
  QWidget nascosta;
  bool proseguito = false;
  DopoLaPrimaPittura(&nascosta, [&] { proseguito = true; });
  EXPECT_TRUE(AttendiFinche([&] { return proseguito; }, 2000));
}

TEST(TraduzioniQt, TheToolkitsOwnButtonsReadInItalian) {
  // main_test loads them as the program does.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
}

}  // namespace
