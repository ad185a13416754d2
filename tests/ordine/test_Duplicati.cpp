#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "album/ImprontaFile.h"
#include "ordine/OrdineVelistra.h"
#include "support/CartellaProgrammaProva.h"

namespace {

const QString k15x10 = QStringLiteral("15x10");

// A customer's folder with a photo a, its twin b under another name, and c of
// the same size with other bytes.
class Duplicati : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  QTemporaryDir cliente;
  std::unique_ptr<OrdineVelistra> ordine = NuovoOrdine();
  QString a = Scrivi(QStringLiteral("a.jpg"), QByteArray(300000, 'x'));
  QString b = Scrivi(QStringLiteral("b.jpg"), QByteArray(300000, 'x'));
  QString c = Scrivi(QStringLiteral("c.jpg"), QByteArray(299999, 'x') + 'y');
  int domande = 0;

  std::unique_ptr<OrdineVelistra> NuovoOrdine() const {
    auto nuovo = std::make_unique<OrdineVelistra>(programma.percorsi());
    nuovo->catalogo().CaricaFormati();
    nuovo->album().LeggiContatoreFoto();
    nuovo->album().CaricaVelistra(nuovo->catalogo().TuttiGliIdFormati());
    return nuovo;
  }
  QString Scrivi(const QString& nome, const QByteArray& byte) const {
    QFile file(cliente.filePath(nome));
    file.open(QIODevice::WriteOnly);
    file.write(byte);
    return file.fileName();
  }
  // Copies with the check, answering risposta when asked.
  EsitoFoto Copia(const QString& foto, bool risposta, const QString& formato = k15x10) {
    return ordine->CopiaNelFormato(formato, foto, QStringLiteral("titolo"), [&] {
      ++domande;
      return risposta;
    }).esito;
  }
  int FileLavoro() const {
    return static_cast<int>(QDir(programma.percorsi().CartellaLavoro).entryList(QDir::Files).size());
  }
};

TEST_F(Duplicati, OnlyTheSameBytesInTheSameFormatAskAndNoLeavesNothingBehind) {
  EXPECT_EQ(Copia(a, false), EsitoFoto::Fatto);
  EXPECT_EQ(Copia(c, false), EsitoFoto::Fatto);
  EXPECT_EQ(Copia(b, true, QStringLiteral("13x9")), EsitoFoto::Fatto);
  EXPECT_EQ(domande, 0);

  EXPECT_EQ(Copia(b, false), EsitoFoto::Saltata);
  EXPECT_EQ(domande, 1);
  EXPECT_EQ(ordine->NumeroVoci(k15x10), 2);
  EXPECT_EQ(FileLavoro(), 3);
  EXPECT_EQ(ordine->ImportoCorrente(), 25 + 25 + 19);

  EXPECT_EQ(Copia(b, true), EsitoFoto::Fatto);
  EXPECT_EQ(ordine->NumeroVoci(k15x10), 3);
  EXPECT_EQ(FileLavoro(), 4);
}

TEST_F(Duplicati, CopiesOfAnEarlierRunAreReadWhenNeededAndRemovedEntriesNoLongerCount) {
  ASSERT_EQ(Copia(a, true), EsitoFoto::Fatto);
  ASSERT_EQ(ordine->Salva(true), EsitoSalvataggio::Salvato);
  ordine = NuovoOrdine();
  EXPECT_EQ(Copia(b, false), EsitoFoto::Saltata);
  EXPECT_EQ(domande, 1);

  const QString copia = ordine->album().CopieDelFormato(k15x10).value(0);
  ASSERT_EQ(ordine->Cancella(k15x10, copia), EsitoFoto::Fatto);
  EXPECT_EQ(Copia(b, false), EsitoFoto::Fatto);
  EXPECT_EQ(domande, 1);
}

TEST_F(Duplicati, ANewAlbumForgetsTheContentsOfTheNamesItGivesAgain) {
  // c, of a's size, makes the model read a's copy.
  ASSERT_EQ(Copia(a, true), EsitoFoto::Fatto);
  ASSERT_EQ(Copia(c, true), EsitoFoto::Fatto);
  ordine->CreaNuovoVelistra();
  // Copied without the check, under the name a's copy had.
  ASSERT_EQ(ordine->CopiaNelFormato(k15x10, c, QStringLiteral("c")).esito, EsitoFoto::Fatto);
  EXPECT_EQ(Copia(b, false), EsitoFoto::Fatto);
  EXPECT_EQ(domande, 0);
}

TEST(ImprontaFile, TheCopyCarriesTheDigestOfItsBytesAndNeverOverwrites) {
  QTemporaryDir cartella;
  const QString origine = cartella.filePath(QStringLiteral("origine"));
  QByteArray byte;
  for (int i = 0; i < 3 * 1024 * 1024 + 17; ++i) byte.append(static_cast<char>(i * 7));
  QFile file(origine);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(byte);
  file.close();

  const QString copia = cartella.filePath(QStringLiteral("copia"));
  const auto impronta = CopiaConImpronta(origine, copia);
  ASSERT_TRUE(impronta);
  EXPECT_EQ(impronta->dimensione, byte.size());
  EXPECT_EQ(impronta->md5, QCryptographicHash::hash(byte, QCryptographicHash::Md5));
  EXPECT_EQ(LeggiImpronta(copia), impronta);
  // An existing file is never overwritten.
  EXPECT_FALSE(CopiaConImpronta(origine, copia));
  EXPECT_EQ(LeggiFile(copia), byte);
}

}  // namespace
