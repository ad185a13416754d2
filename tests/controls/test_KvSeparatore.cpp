#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>

#include "controls/KvBorsaProprieta.h"
#include "controls/KvGeometria.h"
#include "controls/KvSeparatore.h"

namespace {

TEST(GeometriaSeparatore, HeightLinesAndCaptionFollowTheLabel) {
  const KvGeometriaSeparatore vuoto = CalcolaGeometriaSeparatore(1500, false, 0, 0);
  EXPECT_EQ(vuoto.altezza, 60);
  EXPECT_EQ(vuoto.lineaGrigioScuro, QLine(0, 0, 1500, 0));
  EXPECT_EQ(vuoto.lineaBianca, QLine(0, 15, 1500, 15));

  const KvGeometriaSeparatore testo = CalcolaGeometriaSeparatore(1500, true, 601, 195);
  EXPECT_EQ(testo.altezza, 195);
  EXPECT_EQ(testo.lineaGrigioScuro, QLine(0, 98, 1500, 98));
  EXPECT_EQ(testo.lineaBianca, QLine(0, 113, 1500, 113));
  EXPECT_DOUBLE_EQ(testo.sinistraTesto, 449.5);
}

TEST(GeometriaSeparatore, HalvesRoundToTheEvenNeighbour) {
  // Halves of 97.5, 98.5, 96.5, 97, -1.5 and 0.
  for (const auto [valore, atteso] : {std::pair{195, 98}, {197, 98}, {193, 96}, {194, 97}, {-3, -2}, {0, 0}})
    EXPECT_EQ(MetaArrotondataPari(valore), atteso) << valore;
}

// A separator 1500 twips wide on a window, recording the properties it reports changed.
struct Separatore {
  Separatore() : controllo(&finestra) {
    finestra.resize(400, 100);
    controllo.resize(100, 10);
    finestra.show();
    QObject::connect(&controllo, &KvSuperficie::proprietaCambiata,
                     [this](const QString& nome) { cambiate.append(nome); });
  }
  int AltezzaTwip() const { return TwipDaPixel(controllo.height()); }
  QWidget finestra;
  KvSeparatore controllo;
  QStringList cambiate;
};

TEST(KvSeparatore, WideningStretchesTheRuleAndCentresTheCaption) {
  Separatore s;
  s.controllo.setCaption(QStringLiteral("Invio Velistra"));
  const int larghezzaTesto = s.controllo.lblTesto()->width();
  ASSERT_LT(larghezzaTesto, 100);
  s.controllo.resize(250, s.controllo.height());
  EXPECT_EQ(s.controllo.LineaGrigioScuro().x2(), 3750);
  EXPECT_EQ(s.controllo.LineaBianca().x2(), 3750);
  EXPECT_LE(std::abs(2 * s.controllo.lblTesto()->x() + larghezzaTesto - 250), 1);
  EXPECT_EQ(s.controllo.lblTesto()->y(), 0);
}

TEST(KvSeparatore, ALargerFontMakesItTallerAndClearingTheCaptionLeavesA60TwipRule) {
  Separatore s;
  s.controllo.setCaption(QStringLiteral("Fotografie: 12"));
  const int prima = s.AltezzaTwip();
  EXPECT_EQ(prima, TwipDaPixel(s.controllo.lblTesto()->height()));
  QFont grande = s.controllo.Font();
  grande.setPixelSize(40);
  s.cambiate.clear();
  s.controllo.setFont(grande);
  EXPECT_EQ(s.cambiate, QStringList{QStringLiteral("Font")});
  EXPECT_GT(s.AltezzaTwip(), prima);
  EXPECT_EQ(s.AltezzaTwip(), TwipDaPixel(s.controllo.lblTesto()->height()));
  EXPECT_EQ(s.controllo.LineaGrigioScuro().y1(), MetaArrotondataPari(s.AltezzaTwip()));
  s.cambiate.clear();
  s.controllo.setCaption(QString());
  EXPECT_EQ(s.AltezzaTwip(), 60);
  EXPECT_EQ(s.controllo.LineaGrigioScuro().y1(), 0);
  EXPECT_TRUE(s.controllo.lblTesto()->isHidden());
  const QImage immagine = s.controllo.grab().toImage();
  EXPECT_EQ(immagine.pixelColor(50, 0), QColor(0x7F, 0x7F, 0x7F));
  EXPECT_EQ(immagine.pixelColor(50, 1), QColor(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(s.cambiate, QStringList{QStringLiteral("Caption")});
}

TEST(KvSeparatore, ANewControlShowsTestoInTheFontOfItsWindow) {
  Separatore s;
  QFont carattere = s.finestra.font();
  carattere.setPointSize(15);
  s.finestra.setFont(carattere);
  s.controllo.InizializzaProprieta();
  EXPECT_EQ(s.controllo.Caption(), QStringLiteral("Testo"));
  EXPECT_FALSE(s.controllo.lblTesto()->isHidden());
  EXPECT_EQ(s.controllo.Font().pointSize(), 15);
  EXPECT_EQ(s.cambiate, (QStringList{QStringLiteral("Font"), QStringLiteral("Caption")}));
}

TEST(KvSeparatore, StoredPropertiesComeBackAndAnEmptyDesignGivesTheDefaults) {
  Separatore primo;
  QFont carattere = primo.finestra.font();
  carattere.setPixelSize(30);
  primo.controllo.setFont(carattere);
  primo.controllo.setCaption(QString());
  KvBorsaProprieta borsa;
  primo.controllo.ScriviProprieta(borsa);
  EXPECT_TRUE(borsa.Contiene(QStringLiteral("Caption")));

  Separatore secondo;
  secondo.controllo.LeggiProprieta(borsa);
  EXPECT_EQ(secondo.controllo.Caption(), QString());
  EXPECT_EQ(secondo.controllo.Font().pixelSize(), 30);
  EXPECT_EQ(secondo.AltezzaTwip(), 60);

  Separatore terzo;
  terzo.controllo.LeggiProprieta(KvBorsaProprieta());
  EXPECT_EQ(terzo.controllo.Caption(), QStringLiteral("Testo"));
  EXPECT_EQ(terzo.controllo.BackStyle(), 1);
  KvBorsaProprieta predefinita;
  terzo.controllo.ScriviProprieta(predefinita);
  EXPECT_TRUE(predefinita.Nomi().isEmpty());
}

}  // namespace
