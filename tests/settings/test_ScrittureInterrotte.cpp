#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include "VariantiScrittura.h"
#include "common/ScritturaAtomica.h"
#include "support/CartellaProgrammaProva.h"

namespace {

QStringList Avanzi(const QString& percorso) {
  const QFileInfo info(percorso);
  return info.absoluteDir().entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

// A child rewrites a settings file or the catalogue in a loop and is killed at
// random moments: every time the file is whole, the old or the new content,
// and the next start's clean-up removes what the interrupted save left.
class ScrittureInterrotte : public ::testing::TestWithParam<QString> {};

TEST_P(ScrittureInterrotte, AKilledRewriteLeavesTheOldOrTheNewFile) {
  CartellaProgrammaProva cartella;
  const QString modo = GetParam();
  const QString file = FileDelModo(cartella.percorsi(), modo);
  ASSERT_TRUE(ScriviVariante(cartella.percorsi(), modo, true));
  const QByteArray seconda = LeggiFile(file);
  ASSERT_TRUE(ScriviVariante(cartella.percorsi(), modo, false));
  const QByteArray prima = LeggiFile(file);
  ASSERT_NE(prima, seconda);

  int uccisioni = 0, conAvanzi = 0;
  QElapsedTimer tempo;
  tempo.start();
  while (uccisioni < 60 && tempo.elapsed() < 30000) {
    QProcess figlio;
    figlio.start(QStringLiteral(SCRITTURA_CONTINUA), {cartella.percorso(), modo});
    ASSERT_TRUE(figlio.waitForStarted(10000));
    while (!figlio.canReadLine() && figlio.state() == QProcess::Running) figlio.waitForReadyRead(100);
    ASSERT_EQ(figlio.readLine(), QByteArray("pronto\n"));
    QThread::usleep(QRandomGenerator::global()->bounded(200, 15000));
    figlio.kill();
    ASSERT_TRUE(figlio.waitForFinished(10000));
    ASSERT_EQ(figlio.exitStatus(), QProcess::CrashExit) << "the child stopped by itself";
    ++uccisioni;

    const QByteArray letto = LeggiFile(file);
    ASSERT_TRUE(letto == prima || letto == seconda) << "broken file after kill " << uccisioni;
    if (!Avanzi(file).isEmpty()) ++conAvanzi;
    RimuoviAvanziScritturaAtomica(file);
    EXPECT_TRUE(Avanzi(file).isEmpty()) << Avanzi(file).join(u' ').toStdString();
  }
  EXPECT_GE(uccisioni, 30);
  std::printf("%s: %d kills survived, %d left a temporary file, 0 corrupt\n", qPrintable(modo),
              uccisioni, conAvanzi);
}

INSTANTIATE_TEST_SUITE_P(FileDelProgramma, ScrittureInterrotte, ::testing::ValuesIn(kModiScrittura),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
