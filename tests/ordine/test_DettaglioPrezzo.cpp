#include <gtest/gtest.h>

#include <algorithm>

#include "album/CatalogoFormati.h"
#include "album/ImportoAlbum.h"
#include "ordine/DettaglioPrezzo.h"
#include "settings/Impostazioni.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// An album on the installed catalogue (13x9 at 19 cents, 15x10 at 25, 40x30 at 590).
class Dettaglio : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  CatalogoFormati catalogo{programma.percorsi()};
  QList<FormatoAlbum> album;

  void SetUp() override { catalogo.CaricaFormati(); }

  // An entry of the format priced by its own format, as a hand-edited album may hold it.
  void Voce(const QString& formato, std::int32_t quantita, const QString& proprio = {}) {
    auto posto = std::find_if(album.begin(), album.end(), [&](const FormatoAlbum& f) { return f.id == formato; });
    if (posto == album.end()) posto = album.insert(album.end(), {formato, {}});
    const QString copia = QStringLiteral("/lavoro/%1.jpg").arg(posto->voci.size());
    posto->voci.append({copia, copia, quantita, proprio.isEmpty() ? formato : proprio, QStringLiteral("FILLIN")});
  }
  DettaglioPrezzo Calcola(const std::optional<QDateTime>& scaricato = std::nullopt) const {
    return CalcolaDettaglioPrezzo(album, catalogo, scaricato);
  }
  std::int32_t Importo() const { return ImportoAlbum(album, catalogo.Prezzi()); }
};

std::vector<std::string> Righe(const DettaglioPrezzo& dettaglio) {
  std::vector<std::string> righe;
  for (const RigaPrezzo& riga : dettaglio.righe) righe.push_back(CelleRiga(riga).join(u'|').toStdString());
  return righe;
}

TEST_F(Dettaglio, OneRowPerFormatWithPhotosInCatalogueOrderAddingUpToTheAmount) {
  Voce("40x30", 1);
  Voce("15x10", 3);
  Voce("13x9", 2);
  Voce("15x10", 1);
  const DettaglioPrezzo dettaglio = Calcola();
  EXPECT_EQ(Righe(dettaglio),
            (std::vector<std::string>{
                "13x9|Stampa 9 x 13 cm su carta lucida, formato digitale 4:3|2|€ 0,19|€ 0,38",
                "15x10|Stampa 10 x 15 cm su carta lucida, formato digitale 4:3|4|€ 0,25|€ 1,00",
                "40x30|Poster 30 x 40 cm su carta opaca, formato digitale 4:3|1|€ 5,90|€ 5,90"}));
  EXPECT_EQ(dettaglio.totale, 38 + 100 + 590);
  EXPECT_EQ(dettaglio.totale, Importo());
  EXPECT_EQ(TestoTotale(dettaglio.totale), QStringLiteral("Totale: ") + ImportoInEuro(Importo()));
}

TEST_F(Dettaglio, EntriesTheAmountCannotCountAreInNoRowAndGoneFormatsComeLastAtNoPrice) {
  Voce("15x10", 2);
  // Too many prints for the amount to hold.
  Voce("15x10", 2147483647);
  Voce("13x9", 1, "9x9");
  Voce("13x9", 1);

  const DettaglioPrezzo dettaglio = Calcola();
  EXPECT_EQ(Righe(dettaglio), (std::vector<std::string>{
                                  "13x9|Stampa 9 x 13 cm su carta lucida, formato digitale 4:3|1|€ 0,19|€ 0,19",
                                  "15x10|Stampa 10 x 15 cm su carta lucida, formato digitale 4:3|2|€ 0,25|€ 0,50",
                                  "9x9||1|€ 0,00|€ 0,00"}));
  EXPECT_EQ(dettaglio.totale, 69);
  EXPECT_EQ(dettaglio.totale, Importo());
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
  Voce("15x10", 3);
  EXPECT_EQ(TestoDettaglioPrezzo(Calcola(QDateTime(QDate(2026, 1, 2), QTime(9, 5)))),
            QStringLiteral("Formato\tDescrizione\tStampe\tPrezzo unitario\tSubtotale\n"
                           "15x10\tStampa 10 x 15 cm su carta lucida, formato digitale 4:3\t3\t€ 0,25\t€ 0,75\n"
                           "Totale: € 0,75\n"
                           "Listino scaricato il 02/01/2026 alle 09:05\n"));
}

}  // namespace
