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
    ASSERT_EQ(FileNellaCartella(utente_), FileNellaCartella(CartellaDati()));
    for (const QString& nome : FileNellaCartella(CartellaDati()))
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
  EXPECT_EQ(FileNellaCartella(eseguibile_.percorso()), QStringList{QStringLiteral("Velistra.ini")});
}

TEST_F(CartellaDelProgrammaTest, WithoutSettingsOrWritesTheUserFolderIsSeededOnce) {
  EXPECT_EQ(Scegli(), utente_);
  AttesiUgualiAiForniti();
  // The customer's folder and files are the customer's only.
  const auto soloUtente = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                          QFileDevice::WriteUser;
  EXPECT_EQ(QFile::permissions(utente_), soloUtente | QFileDevice::ExeOwner | QFileDevice::ExeUser);
  for (const QString& nome : FileNellaCartella(utente_))
    if (QFileInfo(utente_ + nome).isFile()) EXPECT_EQ(QFile::permissions(utente_ + nome), soloUtente) << nome.toStdString();

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

TEST_F(CartellaDelProgrammaTest, AReadOnlyPortableFolderSeedsTheUserFolderWithItsOwnFiles) {
  // Unpacked under /opt by an administrator: every file beside the executable,
  // an album of an earlier run among them, and no installed data folder.
  const CartellaProgrammaProva portatile;
  portatile.Scrivi(QStringLiteral("Velistra.ini"), "[Opzioni]\nFormatoDefault=13x18\n");
  portatile.Scrivi(QStringLiteral("Velistra.xml"), "<xml/>");
  QString scelta;
  {
    const CartellaSoloLettura soloLettura(portatile.percorso());
    scelta = CartellaDelProgramma(portatile.percorso(), portatile.file(QStringLiteral("../share/velistra")), utente_);
  }
  EXPECT_EQ(scelta, utente_);
  EXPECT_EQ(FileNellaCartella(utente_), FileNellaCartella(CartellaDati()));
  EXPECT_EQ(LeggiFile(utente_ + QStringLiteral("Velistra.ini")), "[Opzioni]\nFormatoDefault=13x18\n");
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
