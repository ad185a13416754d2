#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include "album/ImprontaFile.h"
#include "ordine/OrdineVelistra.h"
#include "support/CartellaProgrammaProva.h"
#include "support/FotoHeifProva.h"
#include "support/FotoProva.h"
#include "support/SvolgiOperazione.h"

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
  const QByteArray heic = CodificaHeif(ImmagineADueBande({64, 48}, Qt::red, Qt::blue));
  int domande = 0;

  std::unique_ptr<OrdineVelistra> NuovoOrdine() const {
    auto nuovo = std::make_unique<OrdineVelistra>(programma.percorsi());
    nuovo->catalogo().CaricaFormati();
    nuovo->album().LeggiContatoreFoto();
    nuovo->album().CaricaVelistra(nuovo->catalogo().TuttiGliIdFormati());
    return nuovo;
  }
  QString Scrivi(const QString& nome, const QByteArray& byte) const {
    ScriviFile(cliente.filePath(nome), byte);
    return cliente.filePath(nome);
  }
  // Copies with the check, answering risposta when asked.
  EsitoFoto Copia(const QString& foto, bool risposta, const QString& formato = k15x10) {
    const Copiate copiate = ::Copia(ordine->CopiaNelFormato(formato, DaCopiare({foto})), [&](const PassoOperazione&) {
      ++domande;
      return risposta;
    });
    return copiate.risultato.saltate.isEmpty() ? copiate.risultato.esito : EsitoFoto::Saltata;
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
  ordine->Salva(true);
  ASSERT_EQ(AttendiSalvataggi(*ordine), EsitoSalvataggio::Salvato);
  ordine = NuovoOrdine();
  EXPECT_EQ(Copia(b, false), EsitoFoto::Saltata);
  EXPECT_EQ(domande, 1);

  const QString copia = ordine->album().CopieDelFormato(k15x10).value(0);
  ASSERT_EQ(ordine->Cancella(k15x10, {copia}).esito, EsitoFoto::Fatto);
  EXPECT_EQ(Copia(b, false), EsitoFoto::Fatto);
  EXPECT_EQ(domande, 1);
}

// The copy of a HEIC is its JPEG, which no second copy resembles byte for byte:
// the customer's files are what is compared, and what tells them outlives a restart.
TEST_F(Duplicati, ASecondCopyOfTheSameHeicIsADuplicateBeforeAndAfterARestart) {
  ASSERT_EQ(Copia(Scrivi(QStringLiteral("uno.heic"), heic), false), EsitoFoto::Fatto);
  EXPECT_EQ(Copia(Scrivi(QStringLiteral("due.HEIC"), heic), false), EsitoFoto::Saltata);
  ASSERT_EQ(AttendiSalvataggi(*ordine), EsitoSalvataggio::Salvato);
  ordine = NuovoOrdine();
  EXPECT_EQ(Copia(Scrivi(QStringLiteral("tre.heic"), heic), false), EsitoFoto::Saltata);
  EXPECT_EQ(domande, 2);
}

// The kept digest belongs to the copy, not to its name: a counter that fell
// behind gives a removed copy's name to another photo.
TEST_F(Duplicati, ANameGivenAgainAfterARestartDropsTheKeptDigest) {
  const QString uno = Scrivi(QStringLiteral("uno.heic"), heic);
  const std::int32_t contatore = ordine->album().ContatoreFoto();
  ASSERT_EQ(Copia(uno, false), EsitoFoto::Fatto);
  const QString copia = ordine->album().CopieDelFormato(k15x10).value(0);
  ASSERT_EQ(ordine->Cancella(k15x10, {copia}).esito, EsitoFoto::Fatto);
  ASSERT_EQ(AttendiSalvataggi(*ordine), EsitoSalvataggio::Salvato);
  ordine = NuovoOrdine();
  ordine->album().ImpostaContatoreFoto(contatore);
  ASSERT_EQ(Copia(a, false), EsitoFoto::Fatto);
  ASSERT_EQ(ordine->album().CopieDelFormato(k15x10), QStringList{copia});
  EXPECT_EQ(Copia(uno, false), EsitoFoto::Fatto);
  EXPECT_EQ(domande, 0);
}

TEST_F(Duplicati, ANewAlbumForgetsTheContentsOfTheNamesItGivesAgain) {
  // c, of a's size, makes the model read a's copy.
  ASSERT_EQ(Copia(a, true), EsitoFoto::Fatto);
  ASSERT_EQ(Copia(c, true), EsitoFoto::Fatto);
  ordine->CreaNuovoVelistra();
  // Copied without the check, under the name a's copy had.
  ASSERT_EQ(::Copia(ordine->RipetiOrdine({{}, TipoOrdine::Cartella, {}, 0, {{c, {}, QStringLiteral("c"), k15x10, 1, {}}}}))
                .risultato.esito,
            EsitoFoto::Fatto);
  EXPECT_EQ(Copia(b, false), EsitoFoto::Fatto);
  EXPECT_EQ(domande, 0);
}

// One copy of a list: each twin, of an earlier copy or of one the same list
// made, asks with its title and format, a no leaves it out (named in the
// result) and the others are copied and priced.
TEST_F(Duplicati, ACopyOfAListLeavesOutTheTwinsAnsweredNoAndCountsTheRest) {
  ASSERT_EQ(Copia(a, true), EsitoFoto::Fatto);
  const QString d = Scrivi(QStringLiteral("d.jpg"), QByteArray(300000, 'x'));
  const QString e = Scrivi(QStringLiteral("e.jpg"), QByteArray(299999, 'x') + 'y');
  QStringList domandeFatte;
  const Copiate copiate =
      ::Copia(ordine->CopiaNelFormato(k15x10, DaCopiare({b, c, d, e})), [&](const PassoOperazione& passo) {
        domandeFatte.append(passo.titolo + u' ' + passo.formato);
        return false;
      });
  EXPECT_EQ(domandeFatte, (QStringList{"b.jpg 15x10", "d.jpg 15x10", "e.jpg 15x10"}));
  EXPECT_EQ(copiate.risultato.esito, EsitoFoto::Fatto);
  EXPECT_EQ(copiate.risultato.saltate, (QStringList{b, d, e}));
  EXPECT_EQ(copiate.risultato.fatte, 1);
  EXPECT_EQ(ordine->NumeroVoci(k15x10), 2);
  EXPECT_EQ(FileLavoro(), 2);
  EXPECT_EQ(ordine->ImportoCorrente(), 2 * 25);
}

TEST(ImprontaFile, TheCopyCarriesTheDigestOfItsBytesAndNeverOverwrites) {
  QTemporaryDir cartella;
  const QString origine = cartella.filePath(QStringLiteral("origine"));
  QByteArray byte;
  for (int i = 0; i < 3 * 1024 * 1024 + 17; ++i) byte.append(static_cast<char>(i * 7));
  ASSERT_TRUE(ScriviFile(origine, byte));

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
