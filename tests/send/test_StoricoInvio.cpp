#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ProvaInvio.h"
#include "support/SvolgiOperazione.h"

namespace {

class StoricoInvio : public ProvaInvio {
 protected:
  QTemporaryDir cliente;
  QStringList originali;

  // Two photos of the customer's in "15x10" and the affiliated customer logged in.
  void SetUp() override {
    ProvaInvio::SetUp();
    ordine.Carica();
    for (const char* nome : {"a.jpg", "b.jpg"}) {
      originali.append(cliente.filePath(QString::fromLatin1(nome)));
      ASSERT_TRUE(ScriviFile(originali.last(), QByteArray(300000, nome[0])));
    }
    const Copiate copiate = Copia(ordine.CopiaNelFormato(QStringLiteral("15x10"), DaCopiare(originali)));
    ASSERT_EQ(copiate.risultato.esito, EsitoFoto::Fatto);
    ASSERT_EQ(AttendiSalvataggi(ordine), EsitoSalvataggio::Salvato);
    Accedi(QStringLiteral("convenzionato"));
  }
  QList<OrdineStorico> Storico() const { return StoricoOrdini(percorsi.PercorsoStorico).Leggi(); }
};

}  // namespace

TEST_F(StoricoInvio, OnlyTheSendThatEndsIsRecordedWithItsTransactionAndTheAlbumThatLeft) {
  ASSERT_TRUE(banco.TaglioFTP(100000, QStringLiteral("imgVE_000002.jpg")));
  Invia();
  EXPECT_TRUE(vista.avvisi.contains(AvvisoInvio{AvvisoInvio::Tipo::ErroriDuranteInvio}));
  EXPECT_TRUE(Storico().isEmpty());

  Invia();
  ASSERT_EQ(ordine.nuoviAlbum, 1);
  const auto transazioni = banco.Transazioni();
  ASSERT_EQ(transazioni.size(), 1);
  const QList<OrdineStorico> storico = Storico();
  ASSERT_EQ(storico.size(), 1);
  EXPECT_EQ(storico[0].tipo, TipoOrdine::Invio);
  EXPECT_EQ(storico[0].destinazione, transazioni[0].id);
  // Two prints at the lab's 25 cents.
  EXPECT_EQ(storico[0].importo, 50);
  ASSERT_EQ(storico[0].foto.size(), 2);
  EXPECT_EQ((QStringList{storico[0].foto[0].originale, storico[0].foto[1].originale}), originali);
  EXPECT_EQ(storico[0].foto[1].copia, QStringLiteral("imgVE_000002.jpg"));
}
