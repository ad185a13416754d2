#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CartellaOrdineProva.h"
#include "ordine/OrdineVelistra.h"
#include "ordine/StoricoOrdini.h"
#include "support/CartellaProgrammaProva.h"
#include "support/SvolgiOperazione.h"

namespace {

// A photo of the history as one line: file name, copy, format, prints and fit mode.
QString Descrivi(const FotoStorico& foto) {
  return QStringList{QFileInfo(foto.originale).fileName(), foto.copia, foto.titolo, foto.formato,
                     QString::number(foto.quantita), foto.ridimensionamento}
      .join(u' ');
}

OrdineStorico Ordine(const QString& quando, TipoOrdine tipo, const QString& destinazione) {
  OrdineStorico ordine;
  ordine.quando = QDateTime::fromString(quando, Qt::ISODate);
  ordine.tipo = tipo;
  ordine.destinazione = destinazione;
  ordine.importo = 175;
  ordine.foto.append({QStringLiteral("/home/anna/Perù & <mare>.jpg"), QStringLiteral("imgVE_000007.jpg"),
                      QStringLiteral("Perù & <mare>.jpg"), QStringLiteral("15x10"), 3, QStringLiteral("FITIN")});
  return ordine;
}

// A customer's folder with a.jpg and b.png, and an order of the installed
// catalogue (15x10 at 25 cents, 13x9 at 19).
class StoricoDelModello : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  QTemporaryDir cliente;
  QTemporaryDir supporto;
  FoglioProva foglio;
  QString a = cliente.filePath(QStringLiteral("a.jpg"));
  QString b = cliente.filePath(QStringLiteral("b.png"));

  void SetUp() override {
    QDir().mkpath(programma.percorsi().CartellaLavoro);
    for (const QString& foto : {a, b}) ASSERT_TRUE(ScriviFile(foto, foto.toUtf8()));
  }
  static void Carica(OrdineVelistra& ordine) {
    ordine.catalogo().CaricaFormati();
    ASSERT_TRUE(ordine.album().CaricaVelistra(ordine.catalogo().TuttiGliIdFormati()));
  }
  QList<OrdineStorico> Storico() const { return StoricoOrdini(programma.percorsi().PercorsoStorico).Leggi(); }
};

}  // namespace

TEST(StoricoOrdini, KeepsEveryFieldListsNewestFirstAndStartsAgainAfterADamagedFile) {
  CartellaProgrammaProva programma;
  const StoricoOrdini storico(programma.file(QStringLiteral("Storico.xml")));
  EXPECT_TRUE(storico.Leggi().isEmpty());
  ASSERT_TRUE(storico.Aggiungi(Ordine(QStringLiteral("2026-12-08T10:00:00+01:00"), TipoOrdine::Invio, "T-17")));
  ASSERT_TRUE(storico.Aggiungi(Ordine(QStringLiteral("2026-12-08T11:30:00+01:00"), TipoOrdine::Cartella, "/m/VE1/")));

  const QList<OrdineStorico> ordini = storico.Leggi();
  ASSERT_EQ(ordini.size(), 2);
  EXPECT_EQ(ordini[0].destinazione, QStringLiteral("/m/VE1/"));
  EXPECT_EQ(ordini[0].tipo, TipoOrdine::Cartella);
  EXPECT_EQ(ordini[1].tipo, TipoOrdine::Invio);
  EXPECT_EQ(ordini[1].destinazione, QStringLiteral("T-17"));
  EXPECT_EQ(ordini[1].quando, QDateTime::fromString(QStringLiteral("2026-12-08T09:00:00Z"), Qt::ISODate));
  EXPECT_EQ(ordini[1].importo, 175);
  ASSERT_EQ(ordini[1].foto.size(), 1);
  EXPECT_EQ(ordini[1].foto[0].originale, QStringLiteral("/home/anna/Perù & <mare>.jpg"));
  EXPECT_EQ(Descrivi(ordini[1].foto[0]),
            QStringLiteral("Perù & <mare>.jpg imgVE_000007.jpg Perù & <mare>.jpg 15x10 3 FITIN"));

  // A cut-off file is kept for the lab and a new history begins.
  const QByteArray danneggiato = programma.Leggi(QStringLiteral("Storico.xml")).left(120);
  programma.Scrivi(QStringLiteral("Storico.xml"), danneggiato);
  EXPECT_TRUE(storico.Leggi().isEmpty());
  EXPECT_EQ(programma.Leggi(QStringLiteral("Storico.xml.illeggibile")), danneggiato);
  ASSERT_TRUE(storico.Aggiungi(Ordine(QStringLiteral("2026-12-09T08:00:00+01:00"), TipoOrdine::Invio, "T-18")));
  const QList<OrdineStorico> dopo = storico.Leggi();
  ASSERT_EQ(dopo.size(), 1);
  EXPECT_EQ(dopo[0].destinazione, QStringLiteral("T-18"));
}

TEST_F(StoricoDelModello, AWholeOrderFolderIsRecordedWithTheCustomersFilesAnInterruptedOneIsNot) {
  {
    OrdineVelistra ordine(programma.percorsi());
    Carica(ordine);
    const QString copiaA = Copia(ordine.CopiaNelFormato(QStringLiteral("15x10"), DaCopiare({a}))).copia();
    const QString copiaB = Copia(ordine.CopiaNelFormato(QStringLiteral("13x9"), DaCopiare({b}))).copia();
    // A copy between formats comes from the customer's file too.
    Copia(ordine.CopiaTraFormati(QStringLiteral("15x10"), QStringLiteral("13x9"), DaCopiare({copiaA}, {"a.jpg"})));
    ordine.ImpostaQuantita(QStringLiteral("13x9"), {copiaB}, 4);
    ordine.ImpostaRidimensionamento(QStringLiteral("15x10"), {copiaA}, QStringLiteral("NONE"));
    ASSERT_EQ(AttendiSalvataggi(ordine), EsitoSalvataggio::Salvato);
  }
  // The origins outlive the run, like the album.
  OrdineVelistra ordine(programma.percorsi());
  Carica(ordine);
  ordine.CalcolaImportoVelistra();
  const QString cartella = supporto.filePath(QStringLiteral("VE2612081200/"));
  QDir().mkpath(cartella);
  EXPECT_EQ(ScriviCartella(ordine, cartella, foglio, true).esito, EsitoCartella::Interrotta);
  const QString primaCopia = ordine.album().Voci({}).value(0).copia;
  QFile::remove(primaCopia);
  EXPECT_EQ(ScriviCartella(ordine, cartella, foglio).esito, EsitoCartella::FotoRimossa);
  EXPECT_TRUE(Storico().isEmpty());

  QFile::copy(b, primaCopia);
  const RisultatoCartella risultato = ScriviCartella(ordine, cartella, foglio);
  ASSERT_EQ(risultato.esito, EsitoCartella::Creata);
  EXPECT_FALSE(risultato.storicoNonSalvato);
  const QList<OrdineStorico> storico = Storico();
  ASSERT_EQ(storico.size(), 1);
  EXPECT_EQ(storico[0].tipo, TipoOrdine::Cartella);
  EXPECT_EQ(storico[0].destinazione, cartella);
  EXPECT_LE(qAbs(storico[0].quando.secsTo(QDateTime::currentDateTime())), 60);
  // 25 + 4 x 19 + 19 cents.
  EXPECT_EQ(storico[0].importo, 120);
  ASSERT_EQ(storico[0].foto.size(), 3);
  // Formats in catalogue order, 13x9 first.
  QStringList viste;
  for (const FotoStorico& foto : storico[0].foto) viste.append(Descrivi(foto));
  EXPECT_EQ(viste, (QStringList{"b.png imgVE_000002.png b.png 13x9 4 FILLIN",
                                "a.jpg imgVE_000003.jpg a.jpg 13x9 1 FILLIN",
                                "a.jpg imgVE_000001.jpg a.jpg 15x10 1 NONE"}));
  EXPECT_EQ(storico[0].foto[0].originale, b);
}

TEST_F(StoricoDelModello, ARepeatTakesFormatsPrintsAndFitModesAndNamesTheFilesThatAreGone) {
  OrdineVelistra ordine(programma.percorsi());
  Carica(ordine);
  OrdineStorico vecchio;
  vecchio.foto.append({a, "imgVE_000003.jpg", "a.jpg", "13x9", 2, "FITIN"});
  vecchio.foto.append({b, "imgVE_000004.png", "b.png", "15x10", 5, "NONE"});
  vecchio.foto.append({a, "imgVE_000005.jpg", "a.jpg", "15x10", 1, "FILLIN"});
  QFile::remove(b);

  const RisultatoOperazione risultato = Copia(ordine.RipetiOrdine(vecchio)).risultato;
  EXPECT_EQ(risultato.esito, EsitoFoto::Fatto);
  EXPECT_FALSE(risultato.interrotta);
  EXPECT_EQ(risultato.nonTrovate, QStringList{b});
  QStringList viste;
  for (const FormatoAlbum& formato : ordine.album().Formati())
    for (const VoceAlbum& voce : formato.voci)
      viste.append(QStringLiteral("%1 %2 %3 %4").arg(formato.id).arg(voce.quantita).arg(voce.ridimensionamento, voce.titolo));
  viste.sort();
  EXPECT_EQ(viste, (QStringList{"13x9 2 FITIN a.jpg", "15x10 1 FILLIN a.jpg"}));
  // 2 x 19 + 25 cents.
  EXPECT_EQ(ordine.ImportoCorrente(), 63);
}

// The lab's price list no longer has 13x9, and a photo of the order is gone.
TEST_F(StoricoDelModello, ARepeatAfterAPriceListWithoutAFormatAddsTheRestAndNamesThatFormatOnce) {
  OrdineVelistra ordine(programma.percorsi());
  Carica(ordine);
  auto listino = CreaDocumentoXML(programma.percorsi().PercorsoFormati);
  NodoXML tredici = listino->selezionaNodo("/xml/formato[@id='13x9']");
  tredici.genitore().rimuoviFiglio(tredici);
  ordine.SostituisciCatalogo(std::move(listino));
  ordine.CreaNuovoVelistra();
  const QString sparita = cliente.filePath(QStringLiteral("c.jpg"));
  OrdineStorico vecchio;
  vecchio.foto.append({a, "imgVE_000001.jpg", "a.jpg", "13x9", 2, "FITIN"});
  vecchio.foto.append({b, "imgVE_000002.png", "b.png", "15x10", 1, "FILLIN"});
  vecchio.foto.append({sparita, "imgVE_000003.jpg", "c.jpg", "15x10", 1, "FILLIN"});
  vecchio.foto.append({b, "imgVE_000004.png", "b.png", "13x9", 1, "FILLIN"});

  const RisultatoOperazione risultato = Copia(ordine.RipetiOrdine(vecchio)).risultato;
  EXPECT_EQ(risultato.esito, EsitoFoto::Fatto);
  EXPECT_EQ(risultato.formatiNonOfferti, QStringList{"13x9"});
  EXPECT_EQ(risultato.nonTrovate, QStringList{sparita});
  EXPECT_EQ(ordine.NumeroVoci({}), 1);
  EXPECT_EQ(ordine.NumeroVoci(QStringLiteral("15x10")), 1);
  // Nothing was copied for the photos left out.
  EXPECT_EQ(QDir(programma.percorsi().CartellaLavoro).entryList(QDir::Files), QStringList{"imgVE_000001.png"});
  EXPECT_EQ(ordine.ImportoCorrente(), 25);
}
