#include <gtest/gtest.h>

#include <QLocale>
#include <QSet>
#include <algorithm>
#include <limits>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "support/CartellaProgrammaProva.h"

namespace {

constexpr std::int32_t kMassimo = std::numeric_limits<std::int32_t>::max();

class Catalogo : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  CatalogoFormati catalogo{cartella.percorsi()};

  void Installa(const QByteArray& testo) {
    cartella.Scrivi(QStringLiteral("Formati.xml"), testo);
    catalogo.CaricaFormati();
  }
};

TEST_F(Catalogo, LooksUpDescriptionsAndPricesWithDefaultsForAnythingMissing) {
  Installa("<xml><formato id=\"15x10\" descrizione=\"Dieci per quindici\" amatoriale=\"1\"> 25 </formato>"
           "<formato id=\"vuoto\" descrizione=\"d\" amatoriale=\"1\"></formato>"
           "<formato id=\"testo\" amatoriale=\"0\">venti</formato>"
           "<formato id=\"virgola\" amatoriale=\"0\">2,5</formato>"
           "<formato id=\"d'Arte &quot; &amp; &lt;\" descrizione=\"strano\" amatoriale=\"0\">7</formato>"
           "<altro id=\"altro\" descrizione=\"non un formato\">3</altro></xml>");
  EXPECT_EQ(catalogo.getDescrizioneFormato("15x10"), QStringLiteral("Dieci per quindici"));
  EXPECT_EQ(catalogo.getPrezzoFormato("15x10"), 25);
  EXPECT_EQ(catalogo.getPrezzoFormato("vuoto"), 0);
  EXPECT_EQ(catalogo.getPrezzoFormato("testo"), 0);
  EXPECT_EQ(catalogo.getPrezzoFormato("virgola"), 0);
  EXPECT_EQ(catalogo.getDescrizioneFormato("testo"), QString());
  EXPECT_EQ(catalogo.getPrezzoFormato("d'Arte \" & <"), 7);
  EXPECT_EQ(catalogo.getDescrizioneFormato("d'Arte \" & <"), QStringLiteral("strano"));
  EXPECT_EQ(catalogo.getPrezzoFormato("manca"), 0);
  EXPECT_EQ(catalogo.getDescrizioneFormato("manca"), QString());
  // Lookups take formato elements only.
  EXPECT_EQ(catalogo.getPrezzoFormato("altro"), 0);
}

TEST_F(Catalogo, ListsFormatsOfOneKindInCatalogueOrderSkippingThoseWithoutIdentifier) {
  Installa("<xml><formato id=\"b\" amatoriale=\"1\">1</formato><formato id=\"p\" amatoriale=\"0\">1</formato>"
           "<formato amatoriale=\"1\">1</formato><formato id=\"\" amatoriale=\"1\">1</formato>"
           "<formato id=\"senza\">1</formato><formato id=\"a\" amatoriale=\"01\">1</formato></xml>");
  EXPECT_EQ(catalogo.IdFormati(1), (QStringList{"b", "a"}));
  EXPECT_EQ(catalogo.IdFormati(0), QStringList{"p"});
}

TEST_F(Catalogo, AMissingOrBrokenCatalogueIsEmpty) {
  catalogo.CaricaFormati();
  EXPECT_TRUE(catalogo.IdFormati(1).isEmpty());
  Installa("<xml><formato id=\"15x10\" amatoriale=\"1\">25</formato>");
  EXPECT_TRUE(catalogo.IdFormati(1).isEmpty());
  EXPECT_EQ(catalogo.getPrezzoFormato("15x10"), 0);
}

TEST_F(Catalogo, AmountSumsPriceTimesQuantityAndReadsAsEuro) {
  Installa(CatalogoTreFormati());
  AlbumVelistra album{cartella.percorsi()};
  ASSERT_TRUE(album.CaricaVelistra(catalogo.XMLDOMFormati()));
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 0);
  EXPECT_EQ(catalogo.getImportoCorrenteEuro(), QStringLiteral("€ 0,00"));

  album.AggiungiFileVelistra("15x10", "/l/a.jpg", "a", "FILLIN");
  album.AggiungiFileVelistra("15x10", "/l/b.jpg", "b", "FILLIN");
  NodoXML a, b;
  album.TrovaFileVelistra("15x10", "/l/a.jpg", a);
  album.TrovaFileVelistra("15x10", "/l/b.jpg", b);
  a.selezionaNodo("quantita").impostaTesto("2");
  b.selezionaNodo("quantita").impostaTesto("3");
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 125);
  EXPECT_EQ(catalogo.ImportoCorrente(), 125);
  EXPECT_EQ(catalogo.getImportoCorrenteEuro(), QStringLiteral("€ 1,25"));

  // The entry's own format child sets the price, not the format holding it.
  b.selezionaNodo("formato").impostaTesto("15x10P");
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 2 * 25 + 3 * 29);
  // Entries whose format left the catalogue or whose quantity is no number add nothing.
  b.selezionaNodo("formato").impostaTesto("sparito");
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 50);
  a.selezionaNodo("quantita").impostaTesto("due");
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 0);

  // Another catalogue document (a downloaded price list) prices the same album.
  auto listino = CreaDocumentoXML();
  listino->caricaTesto("<xml><formato id=\"sparito\" amatoriale=\"1\">100</formato></xml>");
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album, *listino), 300);
}

TEST_F(Catalogo, AnEntryThatWouldOverflowTheAmountAddsNothing) {
  Installa(TestoCatalogo({"caro|c|1|2000000000", "poco|p|1|1"}));
  AlbumVelistra album{cartella.percorsi()};
  ASSERT_TRUE(album.CaricaVelistra(catalogo.XMLDOMFormati()));
  album.AggiungiFileVelistra("poco", "/l/1.jpg", "1", "FILLIN");
  album.AggiungiFileVelistra("caro", "/l/2.jpg", "2", "FILLIN");
  album.AggiungiFileVelistra("caro", "/l/3.jpg", "3", "FILLIN");
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 2000000001);

  NodoXML voce;
  album.TrovaFileVelistra("", "/l/3.jpg", voce);
  album.Documento().selezionaNodo("/xml/formato[@id='caro']/files").rimuoviFiglio(voce);
  album.TrovaFileVelistra("", "/l/2.jpg", voce);
  voce.selezionaNodo("quantita").impostaTesto("999");  // price × quantity does not fit
  EXPECT_EQ(catalogo.CalcolaImportoVelistra(album), 1);
}

TEST_F(Catalogo, IncrementsAndDecrementsRefuseOverflowAndLeaveTheAmount) {
  EXPECT_TRUE(catalogo.IncrementaImportoVelistra(25));
  EXPECT_TRUE(catalogo.IncrementaImportoVelistra(25, 3));
  EXPECT_TRUE(catalogo.DecrementaImportoVelistra(19, 2));
  EXPECT_EQ(catalogo.ImportoCorrente(), 62);

  EXPECT_FALSE(catalogo.IncrementaImportoVelistra(kMassimo));
  EXPECT_FALSE(catalogo.IncrementaImportoVelistra(1000000, 10000));
  EXPECT_EQ(catalogo.ImportoCorrente(), 62);
  EXPECT_TRUE(catalogo.IncrementaImportoVelistra(kMassimo - 62));
  EXPECT_FALSE(catalogo.IncrementaImportoVelistra(1));
  EXPECT_EQ(catalogo.ImportoCorrente(), kMassimo);
  EXPECT_TRUE(catalogo.DecrementaImportoVelistra(kMassimo));
  EXPECT_TRUE(catalogo.DecrementaImportoVelistra(kMassimo));
  EXPECT_FALSE(catalogo.DecrementaImportoVelistra(2));
  EXPECT_EQ(catalogo.ImportoCorrente(), -kMassimo);
}

TEST(ImportoInEuro, GroupsDigitsWithTheUsersSeparators) {
  EXPECT_EQ(ImportoInEuro(123456), QStringLiteral("€ 1.234,56"));
  EXPECT_EQ(ImportoInEuro(5), QStringLiteral("€ 0,05"));
  EXPECT_EQ(ImportoInEuro(kMassimo), QStringLiteral("€ 21.474.836,47"));
  const QLocale italiano;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(ImportoInEuro(123456), QStringLiteral("€ 1,234.56"));
  QLocale::setDefault(italiano);
}

TEST(CatalogoInstallato, HoldsAmateurAndProfessionalFormatsWithPricesAndTheDefault) {
  CartellaProgrammaProva cartella;
  CatalogoFormati catalogo{cartella.percorsi()};
  catalogo.CaricaFormati();
  const QStringList amatoriali = catalogo.IdFormati(1);
  const QStringList professionali = catalogo.IdFormati(0);
  EXPECT_GE(std::min(amatoriali.size(), professionali.size()), 3);
  EXPECT_TRUE(amatoriali.contains(QStringLiteral("15x10")));
  // Every element is a format with its own identifier, a description and a price.
  EXPECT_EQ(catalogo.XMLDOMFormati().selezionaNodi("/xml/*").size(), amatoriali.size() + professionali.size());
  const QStringList tutti = amatoriali + professionali;
  EXPECT_EQ(QSet<QString>(tutti.begin(), tutti.end()).size(), tutti.size());
  for (const QString& id : tutti) {
    EXPECT_FALSE(catalogo.getDescrizioneFormato(id).isEmpty()) << id.toStdString();
    EXPECT_GT(catalogo.getPrezzoFormato(id), 0) << id.toStdString();
  }
}

}  // namespace
