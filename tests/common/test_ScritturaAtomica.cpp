#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "common/ScritturaAtomica.h"
#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"
#include "support/DiscoPieno.h"

namespace {

// Small writes are the dangerous ones: they sit in a buffer until the file is
// closed, and a failure there must still stop the replacement.
TEST(ScritturaAtomica, OnAFullDiskEveryWriteFailsAndTheOldFileStaysWhole) {
  DiscoPieno disco(1 << 20);
  if (!disco.valido()) GTEST_SKIP() << "mounting a small file system needs root";
  const QString file = disco.percorso() + QStringLiteral("Velistra.ini");
  const QByteArray vecchio = "[Opzioni]\r\nChiusuraOk=1\r\n";
  ASSERT_TRUE(ScriviFileAtomico(file, vecchio));
  disco.Riempi();
  for (const qsizetype dimensione : {qsizetype{1}, qsizetype{200}, qsizetype{20000}, qsizetype{3 << 20}})
    EXPECT_FALSE(ScriviFileAtomico(file, QByteArray(dimensione, 'x'))) << dimensione;
  EXPECT_EQ(cINIProfiles().WritePrivateProfileString("Opzioni", "ChiusuraOk", "0", file), 0);
  EXPECT_EQ(LeggiFile(file), vecchio);
  EXPECT_EQ(QDir(disco.percorso()).entryList(QDir::Files), QStringList{"Velistra.ini"});
  disco.Svuota();
  EXPECT_TRUE(ScriviFileAtomico(file, "nuovo"));
  EXPECT_EQ(LeggiFile(file), "nuovo");
}

}  // namespace
