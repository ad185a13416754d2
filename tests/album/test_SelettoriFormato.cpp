#include <gtest/gtest.h>

#include "AlbumDiProva.h"
#include "album/CatalogoFormati.h"
#include "album/SelettoriFormato.h"
#include "support/CartellaProgrammaProva.h"

namespace {

const QString kSeleziona = QStringLiteral("Seleziona per mostrare solamente i formati digitali amatoriali (4:3)");
const QString kDeseleziona =
    QStringLiteral("Deseleziona per mostrare solamente i formati digitali professionali (3:2)");

class Selettori : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  CatalogoFormati catalogo{cartella.percorsi()};
  SelettoriFormato selettori{catalogo};

  Selettori() { cartella.Scrivi(QStringLiteral("Formati.xml"), CatalogoTreFormati()); }
};

TEST_F(Selettori, AtStartEveryListHoldsTheAmateurFormatsAndEachFilterSwitchesOnlyItsOwnList) {
  selettori.CaricaFormatiFotografici(false);
  EXPECT_TRUE(selettori.FormatiCaricati());
  for (SceltaFormato* s : {&selettori.Copia(), &selettori.Foto(), &selettori.Operazioni()}) {
    EXPECT_EQ(s->formati(), (QStringList{"13x9", "15x10"}));
    EXPECT_EQ(s->formato(), QStringLiteral("15x10"));
    EXPECT_TRUE(s->amatoriale());
    EXPECT_EQ(s->toolTipCasella(), kDeseleziona);
  }
  EXPECT_EQ(selettori.Copia().testoEtichetta(), QStringLiteral("Copia fotografie nel formato: Stampa 10 x 15"));
  EXPECT_EQ(selettori.Foto().testoEtichetta(), QStringLiteral("Filtra fotografie con formato: Stampa 10 x 15"));
  EXPECT_EQ(selettori.Operazioni().testoEtichetta(),
            QStringLiteral("Copia o sposta fotografie nel formato: Stampa 10 x 15"));

  // Unchecking one filter shows only professional formats in that list.
  selettori.Copia().ImpostaAmatoriale(false);
  EXPECT_EQ(selettori.Copia().formati(), QStringList{"15x10P"});
  EXPECT_EQ(selettori.Copia().formato(), QStringLiteral("15x10P"));
  EXPECT_EQ(selettori.Copia().toolTipCasella(), kSeleziona);
  EXPECT_EQ(selettori.Foto().formati(), (QStringList{"13x9", "15x10"}));
  selettori.Copia().ImpostaAmatoriale(true);
  EXPECT_EQ(selettori.Copia().formato(), QStringLiteral("15x10"));
}

TEST_F(Selettori, ReloadingKeepsEachFilterAndChoiceWhereTheCatalogueStillHasThem) {
  selettori.CaricaFormatiFotografici(false);
  ASSERT_TRUE(selettori.Operazioni().ImpostaFormato(QStringLiteral("13x9")));
  selettori.Foto().ImpostaAmatoriale(false);

  selettori.CaricaFormatiFotografici(true);
  EXPECT_EQ(selettori.Operazioni().formato(), QStringLiteral("13x9"));
  EXPECT_EQ(selettori.Operazioni().formati(), (QStringList{"13x9", "15x10"}));
  EXPECT_FALSE(selettori.Foto().amatoriale());
  EXPECT_EQ(selettori.Foto().formati(), QStringList{"15x10P"});
  EXPECT_EQ(selettori.Copia().formato(), QStringLiteral("15x10"));

  // A choice that left the catalogue falls back to the default, then the first.
  cartella.Scrivi(QStringLiteral("Formati.xml"),
                  TestoCatalogo({"18x13|a|1|59", "15x10|b|1|25", "20x13P|c|0|79"}));
  selettori.CaricaFormatiFotografici(true);
  EXPECT_EQ(selettori.Operazioni().formato(), QStringLiteral("15x10"));
  EXPECT_EQ(selettori.Foto().formato(), QStringLiteral("20x13P"));
  cartella.Scrivi(QStringLiteral("Formati.xml"), TestoCatalogo({"18x13|a|1|59", "20x13P|c|0|79"}));
  selettori.CaricaFormatiFotografici(false);
  for (SceltaFormato* s : {&selettori.Copia(), &selettori.Foto(), &selettori.Operazioni()})
    EXPECT_EQ(s->formato(), QStringLiteral("18x13"));
}

TEST_F(Selettori, AnEmptyCatalogueLeavesEmptyListsAndBareLabels) {
  QFile::remove(cartella.file(QStringLiteral("Formati.xml")));
  selettori.CaricaFormatiFotografici(false);
  EXPECT_TRUE(selettori.Foto().formati().isEmpty());
  EXPECT_EQ(selettori.Foto().formato(), QString());
  EXPECT_EQ(selettori.Foto().testoEtichetta(), QStringLiteral("Filtra fotografie con formato: "));
  selettori.Foto().ImpostaAmatoriale(false);
  EXPECT_TRUE(selettori.Foto().formati().isEmpty());
  EXPECT_FALSE(selettori.Foto().ImpostaFormato(QStringLiteral("15x10")));
}

TEST_F(Selettori, OnlyAFilterChoiceMadeAfterLoadingAsksForTheFormatView) {
  int ricariche = 0;
  QObject::connect(&selettori, &SelettoriFormato::ricaricaVistaFormato, [&ricariche] { ++ricariche; });
  selettori.CaricaFormatiFotografici(false);
  selettori.CaricaFormatiFotografici(true);
  EXPECT_EQ(ricariche, 0);

  selettori.Foto().ImpostaFormato(QStringLiteral("13x9"));
  EXPECT_EQ(ricariche, 1);
  selettori.Foto().ImpostaFormato(QStringLiteral("13x9"));  // no change
  selettori.Copia().ImpostaFormato(QStringLiteral("15x10"));
  EXPECT_EQ(ricariche, 1);
  selettori.Foto().ImpostaAmatoriale(false);  // refilled: 15x10P chosen
  EXPECT_EQ(ricariche, 2);

  selettori.ImpostaFormatiCaricati(false);
  selettori.Foto().ImpostaAmatoriale(true);
  EXPECT_EQ(ricariche, 2);
}

}  // namespace
