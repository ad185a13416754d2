#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "common/DocumentoXML.h"
#include "common/ScritturaAtomica.h"
#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"
#include "support/DiscoPieno.h"
#include "support/SupportoRimovibile.h"

namespace {

QFileDevice::Permissions Modi(const QString& percorso) {
  // Qt adds the owner's bits as "user" bits too; only the owner's count here.
  return QFile::permissions(percorso) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

// The settings, the album and the history are created readable by their owner
// only; a file that exists keeps the modes it has, and other writes follow the umask.
TEST(ScritturaAtomica, PrivateWritesCreateFilesForTheOwnerOnlyAndKeepAnExistingFilesModes) {
  const mode_t vecchiaMaschera = ::umask(022);
  const CartellaProgrammaProva cartella(false);
  const auto privato = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  const auto comune = privato | QFileDevice::ReadGroup | QFileDevice::ReadOther;
  const auto documento = CreaDocumentoXML();
  documento->caricaTesto(QStringLiteral("<album/>"));
  struct Caso {
    const char* nome;
    std::function<bool(const QString&)> scrivi;
    QFileDevice::Permissions nuovo;
  };
  const QList<Caso> casi{
      {"settings", [](const QString& f) { return cINIProfiles().WritePrivateProfileString("Opzioni", "A", "1", f) != 0; },
       privato},
      {"album-history", [&documento](const QString& f) { return documento->salva(f); }, privato},
      {"order file", [](const QString& f) { return ScriviFileAtomico(f, "x"); }, comune},
  };
  for (const Caso& caso : casi) {
    const QString nuovo = cartella.file(QStringLiteral("nuovo-") + QString::fromLatin1(caso.nome));
    ASSERT_TRUE(caso.scrivi(nuovo)) << caso.nome;
    EXPECT_EQ(Modi(nuovo), caso.nuovo) << caso.nome;
    const QString esistente = cartella.file(QStringLiteral("esistente-") + QString::fromLatin1(caso.nome));
    cartella.Scrivi(QFileInfo(esistente).fileName(), "[Opzioni]\r\n");
    QFile::setPermissions(esistente, comune | QFileDevice::WriteGroup);
    ASSERT_TRUE(caso.scrivi(esistente)) << caso.nome;
    EXPECT_EQ(Modi(esistente), comune | QFileDevice::WriteGroup) << caso.nome;
  }
  ::umask(vecchiaMaschera);
}

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

// On a file system without a journal the name that a save gives its file at
// the end counts only once the file and its folder are flushed under it.
TEST(ScritturaAtomica, ASavedFileIsWholeOnAnExt2MediumPulledOutAtOnce) {
  SupportoRimovibile chiavetta(FileSystemProva::Ext2);
  if (!chiavetta.montato()) GTEST_SKIP() << chiavetta.motivo().toStdString();
  const QString file = chiavetta.percorso() + QStringLiteral("Velistra.ini");
  ASSERT_TRUE(ScriviFileAtomico(file, "[Opzioni]\r\nChiusuraOk=0\r\n"));
  ASSERT_TRUE(ScriviFileAtomico(file, "[Opzioni]\r\nChiusuraOk=1\r\n"));
  ASSERT_TRUE(ScriviFileAtomico(chiavetta.percorso() + QStringLiteral("End.txt"), {}));
  SupportoRimovibile estratta(FileSystemProva::Ext2, chiavetta.Estrai());
  ASSERT_TRUE(estratta.montato()) << estratta.motivo().toStdString();
  EXPECT_EQ(LeggiDalSupporto(estratta.percorso() + QStringLiteral("Velistra.ini")), "[Opzioni]\r\nChiusuraOk=1\r\n");
  EXPECT_EQ(LeggiDalSupporto(estratta.percorso() + QStringLiteral("End.txt")), "");
}

}  // namespace
