#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "startup/CartellaDelProgramma.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SenzaPermessiRoot.h"

namespace {

QByteArray Leggi(const QString& percorso) {
  QFile file(percorso);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Scrivi(const QString& percorso, const QByteArray& contenuto) {
  QFile file(percorso);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(contenuto);
}

// Every shipped file, as a path relative to the data folder.
QStringList FileForniti() {
  const QDir dati(CartellaDati());
  QStringList nomi;
  QDirIterator it(dati.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) nomi.append(dati.relativeFilePath(it.next()));
  nomi.sort();
  return nomi;
}

// Every file in the folder, hidden ones too, relative to it.
QStringList FileIn(const QString& cartella) {
  const QDir radice(cartella);
  QStringList nomi;
  QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) nomi.append(radice.relativeFilePath(it.next()));
  nomi.sort();
  return nomi;
}

void AttesiUgualiAiForniti(const QString& cartellaUtente) {
  ASSERT_EQ(FileIn(cartellaUtente), FileForniti());
  for (const QString& nome : FileForniti())
    EXPECT_EQ(Leggi(cartellaUtente + u'/' + nome), Leggi(CartellaDati() + u'/' + nome))
        << nome.toStdString();
}

// An executable's folder, a home with no per-user folder yet, and the shipped data.
class CartellaDelProgrammaTest : public ::testing::Test {
 protected:
  QString Scegli() const { return CartellaDelProgramma(eseguibile_.path(), CartellaDati(), utente_); }
  QTemporaryDir eseguibile_;
  QTemporaryDir casa_;
  const QString utente_ = casa_.path() + QStringLiteral("/.local/share/Velistra");
};

TEST_F(CartellaDelProgrammaTest, AWritableFolderWithTheSettingsIsUsedAsItIs) {
  Scrivi(eseguibile_.filePath(QStringLiteral("Velistra.ini")), "[Opzioni]\n");
  EXPECT_EQ(Scegli(), eseguibile_.path());
  EXPECT_FALSE(QDir(utente_).exists());
  // Nothing left behind by the write probe.
  EXPECT_EQ(FileIn(eseguibile_.path()), QStringList{QStringLiteral("Velistra.ini")});
}

TEST_F(CartellaDelProgrammaTest, WithoutSettingsOrWritesTheUserFolderIsSeededOnce) {
  EXPECT_EQ(Scegli(), utente_);
  AttesiUgualiAiForniti(utente_);

  // The user's settings and a downloaded price list survive the next starts,
  // also of an installed copy whose folder is read-only.
  Scrivi(utente_ + QStringLiteral("/Velistra.ini"), "[Opzioni]\nContatoreFoto=7\n");
  Scrivi(utente_ + QStringLiteral("/Formati.xml"), "<formati/>");
  Scrivi(eseguibile_.filePath(QStringLiteral("Velistra.ini")), "[Opzioni]\n");
  {
    const CartellaSoloLettura soloLettura(eseguibile_.path());
    EXPECT_EQ(Scegli(), utente_);
  }
  EXPECT_EQ(Leggi(utente_ + QStringLiteral("/Velistra.ini")), "[Opzioni]\nContatoreFoto=7\n");
  EXPECT_EQ(Leggi(utente_ + QStringLiteral("/Formati.xml")), "<formati/>");
}

TEST_F(CartellaDelProgrammaTest, AnInterruptedSeedingIsCompletedWithNoPartialFile) {
  // Killed while copying the catalogue: the settings are in, the catalogue is
  // only half a temporary file, the rest is missing.
  ASSERT_TRUE(QDir().mkpath(utente_));
  QFile::copy(CartellaDati() + QStringLiteral("/Velistra.ini"), utente_ + QStringLiteral("/Velistra.ini"));
  Scrivi(utente_ + QStringLiteral("/Formati.xml.a1B2c3"),
         Leggi(CartellaDati() + QStringLiteral("/Formati.xml")).left(40));

  EXPECT_EQ(Scegli(), utente_);
  AttesiUgualiAiForniti(utente_);
}

}  // namespace
