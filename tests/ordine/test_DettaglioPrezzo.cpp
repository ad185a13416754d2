#include <gtest/gtest.h>

#include "album/CatalogoFormati.h"
#include "ordine/DettaglioPrezzo.h"
#include "ordine/OrdineVelistra.h"
#include "settings/Impostazioni.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// An order on the installed catalogue (13x9 at 19 cents, 15x10 at 25, 40x30 at 590).
class Dettaglio : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  OrdineVelistra ordine{programma.percorsi()};
  int contatore = 0;

  void SetUp() override {
    ordine.catalogo().CaricaFormati();
    ASSERT_TRUE(ordine.album().CaricaVelistra(ordine.catalogo().XMLDOMFormati()));
  }

  void Voce(const QString& formato, const QString& quantita) {
    const QString copia = QStringLiteral("/lavoro/%1.jpg").arg(++contatore);
    ASSERT_TRUE(ordine.album().AggiungiFileVelistra(formato, copia, copia, QStringLiteral("FILLIN")));
    NodoXML voce;
    ASSERT_TRUE(ordine.album().TrovaFileVelistra(formato, copia, voce));
    voce.selezionaNodo(QStringLiteral("quantita")).impostaTesto(quantita);
  }
  DettaglioPrezzo Calcola(const std::optional<QDateTime>& scaricato = std::nullopt) const {
    return CalcolaDettaglioPrezzo(ordine.album(), ordine.catalogo().XMLDOMFormati(), scaricato);
  }
};

std::vector<std::string> Righe(const DettaglioPrezzo& dettaglio) {
  std::vector<std::string> righe;
  for (const RigaPrezzo& riga : dettaglio.righe) righe.push_back(CelleRiga(riga).join(u'|').toStdString());
  return righe;
}

TEST_F(Dettaglio, OneRowPerFormatWithPhotosInCatalogueOrderAddingUpToTheAmount) {
  Voce(QStringLiteral("40x30"), QStringLiteral("1"));
  Voce(QStringLiteral("15x10"), QStringLiteral("3"));
  Voce(QStringLiteral("13x9"), QStringLiteral("2"));
  Voce(QStringLiteral("15x10"), QStringLiteral("1"));
  const DettaglioPrezzo dettaglio = Calcola();
  EXPECT_EQ(Righe(dettaglio),
            (std::vector<std::string>{
                "13x9|Stampa 9 x 13 cm su carta lucida, formato digitale 4:3|2|€ 0,19|€ 0,38",
                "15x10|Stampa 10 x 15 cm su carta lucida, formato digitale 4:3|4|€ 0,25|€ 1,00",
                "40x30|Poster 30 x 40 cm su carta opaca, formato digitale 4:3|1|€ 5,90|€ 5,90"}));
  EXPECT_EQ(dettaglio.totale, 38 + 100 + 590);
  EXPECT_EQ(dettaglio.totale, ordine.CalcolaImportoVelistra());
  EXPECT_EQ(TestoTotale(dettaglio.totale), QStringLiteral("Totale: ") + ordine.getImportoCorrenteEuro());
}

TEST_F(Dettaglio, EntriesTheAmountCannotCountAreInNoRowAndGoneFormatsComeLastAtNoPrice) {
  Voce(QStringLiteral("15x10"), QStringLiteral("2"));
  // Unreadable, and too many prints for the amount to hold.
  Voce(QStringLiteral("15x10"), QStringLiteral("molte"));
  Voce(QStringLiteral("15x10"), QStringLiteral("2147483647"));
  Voce(QStringLiteral("13x9"), QStringLiteral("1"));
  // A format of an older price list, priced by the entry's own format child.
  NodoXML voce;
  ASSERT_TRUE(ordine.album().TrovaFileVelistra(QStringLiteral("13x9"), QStringLiteral("/lavoro/4.jpg"), voce));
  voce.selezionaNodo(QStringLiteral("formato")).impostaTesto(QStringLiteral("9x9"));
  Voce(QStringLiteral("13x9"), QStringLiteral("1"));

  const DettaglioPrezzo dettaglio = Calcola();
  EXPECT_EQ(Righe(dettaglio), (std::vector<std::string>{
                                  "13x9|Stampa 9 x 13 cm su carta lucida, formato digitale 4:3|1|€ 0,19|€ 0,19",
                                  "15x10|Stampa 10 x 15 cm su carta lucida, formato digitale 4:3|2|€ 0,25|€ 0,50",
                                  "9x9||1|€ 0,00|€ 0,00"}));
  EXPECT_EQ(dettaglio.totale, 69);
  EXPECT_EQ(dettaglio.totale, ordine.CalcolaImportoVelistra());
}

TEST_F(Dettaglio, ThePriceListLineNamesTheLastDownloadStoredInTheSettings) {
  const Impostazioni impostazioni(programma.percorsi());
  EXPECT_EQ(Calcola(impostazioni.ListinoScaricato()).listino, QStringLiteral("Listino predefinito del programma"));
  ASSERT_TRUE(impostazioni.ScriviListinoScaricato(QDateTime(QDate(2026, 12, 8), QTime(10, 15, 42))));
  EXPECT_EQ(Calcola(impostazioni.ListinoScaricato()).listino,
            QStringLiteral("Listino scaricato il 08/12/2026 alle 10:15"));
  // A hand-edited value that is no time is as if no download had happened.
  programma.Scrivi(QStringLiteral("Velistra.ini"), "[Opzioni]\r\nListinoScaricato=ieri\r\n");
  EXPECT_FALSE(impostazioni.ListinoScaricato());
}

TEST_F(Dettaglio, TheTextForTheClipboardHoldsEveryRowTheTotalAndTheSource) {
  Voce(QStringLiteral("15x10"), QStringLiteral("3"));
  EXPECT_EQ(TestoDettaglioPrezzo(Calcola(QDateTime(QDate(2026, 1, 2), QTime(9, 5)))),
            QStringLiteral("Formato\tDescrizione\tStampe\tPrezzo unitario\tSubtotale\n"
                           "15x10\tStampa 10 x 15 cm su carta lucida, formato digitale 4:3\t3\t€ 0,25\t€ 0,75\n"
                           "Totale: € 0,75\n"
                           "Listino scaricato il 02/01/2026 alle 09:05\n"));
}

}  // namespace
