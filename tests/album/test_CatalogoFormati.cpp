#include <gtest/gtest.h>

#include <QSet>
#include <algorithm>
#include <limits>

#include "album/CatalogoFormati.h"
#include "support/CartellaProgrammaProva.h"
#include "support/LocaleProvvisorio.h"

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
  EXPECT_EQ(catalogo.Prezzi(), (PrezziFormati{{"15x10", 25}, {"vuoto", 0}, {"testo", 0}, {"virgola", 0},
                                              {"d'Arte \" & <", 7}}));
  EXPECT_EQ(catalogo.TuttiGliIdFormati(),
            (QStringList{"15x10", "vuoto", "testo", "virgola", "d'Arte \" & <", "altro"}));
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

TEST(ImportoInEuro, GroupsDigitsWithTheUsersSeparators) {
  EXPECT_EQ(ImportoInEuro(123456), QStringLiteral("€ 1.234,56"));
  EXPECT_EQ(ImportoInEuro(5), QStringLiteral("€ 0,05"));
  EXPECT_EQ(ImportoInEuro(kMassimo), QStringLiteral("€ 21.474.836,47"));
  const LocaleProvvisorio inglese(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(ImportoInEuro(123456), QStringLiteral("€ 1,234.56"));
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
  EXPECT_EQ(catalogo.TuttiGliIdFormati().size(), amatoriali.size() + professionali.size());
  const QStringList tutti = amatoriali + professionali;
  EXPECT_EQ(QSet<QString>(tutti.begin(), tutti.end()).size(), tutti.size());
  for (const QString& id : tutti) {
    EXPECT_FALSE(catalogo.getDescrizioneFormato(id).isEmpty()) << id.toStdString();
    EXPECT_GT(catalogo.getPrezzoFormato(id), 0) << id.toStdString();
  }
}

}  // namespace
