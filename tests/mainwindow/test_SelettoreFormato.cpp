#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "FinestraProva.h"
#include "album/CatalogoFormati.h"
#include "album/SelettoriFormato.h"
#include "mainwindow/SelettoreFormato.h"
#include "support/CartellaProgrammaProva.h"

namespace {

class Selettore : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  CatalogoFormati catalogo{cartella.percorsi()};
  SelettoriFormato selettori{catalogo};
  QWidget finestra;
  SelettoreFormato* copia;
  SelettoreFormato* foto;
  SelettoreFormato* operazioni;

  Selettore() {
    cartella.Scrivi(QStringLiteral("Formati.xml"),
                    "<xml><formato id=\"13x9\" descrizione=\"Stampa 9 x 13\" amatoriale=\"1\">19</formato>"
                    "<formato id=\"15x10\" descrizione=\"Stampa 10 x 15\" amatoriale=\"1\">25</formato>"
                    "<formato id=\"15x10P\" descrizione=\"Professionale 10 x 15\" amatoriale=\"0\">29</formato></xml>");
    copia = new SelettoreFormato(selettori.Copia(), &finestra);
    foto = new SelettoreFormato(selettori.Foto(), &finestra);
    operazioni = new SelettoreFormato(selettori.Operazioni(), &finestra);
    selettori.CaricaFormatiFotografici(false);
    finestra.show();
  }
};

// The lists' contents, filters and labels are the logic's (album tests); here
// only that the controls show it and pass the user's choices on.
TEST_F(Selettore, ControlsShowTheLogicAndPassClicksAndChoicesOn) {
  EXPECT_EQ(finestra.findChild<QCheckBox*>("chkFormatiCopia"), copia->casella());
  EXPECT_EQ(finestra.findChild<QComboBox*>("cmbFormatiFoto"), foto->lista());
  EXPECT_EQ(finestra.findChild<QLabel*>("lblFormatiOperazioni"), operazioni->etichetta());
  EXPECT_EQ(copia->lista()->toolTip(), QStringLiteral("Formato fotografico per copia"));
  EXPECT_EQ(foto->lista()->toolTip(), QStringLiteral("Formato fotografico per filtro"));
  EXPECT_EQ(operazioni->lista()->accessibleName(), QStringLiteral("Formato fotografico per copia e sposta"));
  EXPECT_FALSE(copia->lista()->isEditable());
  EXPECT_EQ(VociLista(foto->lista()), (QStringList{"13x9", "15x10"}));
  EXPECT_EQ(foto->lista()->currentText(), QStringLiteral("15x10"));

  copia->casella()->click();
  EXPECT_FALSE(selettori.Copia().amatoriale());
  EXPECT_EQ(VociLista(copia->lista()), QStringList{"15x10P"});
  EXPECT_EQ(copia->casella()->toolTip(), selettori.Copia().toolTipCasella());
  EXPECT_EQ(copia->casella()->accessibleName(), copia->casella()->toolTip());
  EXPECT_EQ(copia->etichetta()->text(), QStringLiteral("Copia fotografie nel formato: Professionale 10 x 15"));

  int ricariche = 0;
  QObject::connect(&selettori, &SelettoriFormato::ricaricaVistaFormato, [&ricariche] { ++ricariche; });
  foto->lista()->setCurrentIndex(0);
  EXPECT_EQ(selettori.Foto().formato(), QStringLiteral("13x9"));
  EXPECT_EQ(foto->etichetta()->text(), QStringLiteral("Filtra fotografie con formato: Stampa 9 x 13"));
  EXPECT_EQ(ricariche, 1);
}

TEST_F(Selettore, TheLabelGoesWithTheSelector) {
  QPointer<QLabel> etichetta = copia->etichetta();
  delete copia;
  EXPECT_TRUE(etichetta.isNull());
}

}  // namespace
