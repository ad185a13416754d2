#include <gtest/gtest.h>

#include <QDir>

#include "startup/CartellaDelProgramma.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SenzaPermessiRoot.h"

namespace {

// An executable's folder, a home with no per-user folder yet, and the shipped data.
class CartellaDelProgrammaTest : public ::testing::Test {
 protected:
  QString Scegli() const { return CartellaDelProgramma(eseguibile_.percorso(), CartellaDati(), utente_); }
  void AttesiUgualiAiForniti() const {
    ASSERT_EQ(FileIn(utente_), FileIn(CartellaDati()));
    for (const QString& nome : FileIn(CartellaDati()))
      EXPECT_EQ(LeggiFile(utente_ + nome), LeggiFile(CartellaDati() + u'/' + nome)) << nome.toStdString();
  }
  const CartellaProgrammaProva eseguibile_{false};
  const CartellaProgrammaProva casa_{false};
  const QString utente_ = casa_.file(QStringLiteral(".local/share/Velistra/"));
};

TEST_F(CartellaDelProgrammaTest, AWritableFolderWithTheSettingsIsUsedAsItIs) {
  eseguibile_.Scrivi(QStringLiteral("Velistra.ini"), "[Opzioni]\n");
  EXPECT_EQ(Scegli(), eseguibile_.percorso());
  EXPECT_FALSE(QDir(utente_).exists());
  // Nothing left behind by the write probe.
  EXPECT_EQ(FileIn(eseguibile_.percorso()), QStringList{QStringLiteral("Velistra.ini")});
}

TEST_F(CartellaDelProgrammaTest, WithoutSettingsOrWritesTheUserFolderIsSeededOnce) {
  EXPECT_EQ(Scegli(), utente_);
  AttesiUgualiAiForniti();

  // The user's settings and a downloaded price list survive the next starts,
  // also of an installed copy whose folder is read-only.
  casa_.Scrivi(QStringLiteral(".local/share/Velistra/Velistra.ini"), "[Opzioni]\nContatoreFoto=7\n");
  casa_.Scrivi(QStringLiteral(".local/share/Velistra/Formati.xml"), "<formati/>");
  eseguibile_.Scrivi(QStringLiteral("Velistra.ini"), "[Opzioni]\n");
  {
    const CartellaSoloLettura soloLettura(eseguibile_.percorso());
    EXPECT_EQ(Scegli(), utente_);
  }
  EXPECT_EQ(LeggiFile(utente_ + QStringLiteral("Velistra.ini")), "[Opzioni]\nContatoreFoto=7\n");
  EXPECT_EQ(LeggiFile(utente_ + QStringLiteral("Formati.xml")), "<formati/>");
}

TEST_F(CartellaDelProgrammaTest, AnInterruptedSeedingIsCompletedWithNoPartialFile) {
  // Killed while copying the catalogue: the settings are in, the catalogue is
  // only half a temporary file, the rest is missing.
  casa_.Scrivi(QStringLiteral(".local/share/Velistra/Velistra.ini"),
               LeggiFile(CartellaDati() + QStringLiteral("/Velistra.ini")));
  casa_.Scrivi(QStringLiteral(".local/share/Velistra/Formati.xml.a1B2c3"),
               LeggiFile(CartellaDati() + QStringLiteral("/Formati.xml")).left(40));

  EXPECT_EQ(Scegli(), utente_);
  AttesiUgualiAiForniti();
}

}  // namespace
