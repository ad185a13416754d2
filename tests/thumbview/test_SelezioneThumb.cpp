#include <QScrollBar>

#include "VistaProva.h"

namespace {

using Selezione = VistaProva;

// Ten photos of different colours, with their own attributes.
class SelezioneDieci : public VistaProva {
 protected:
  void SetUp() override {
    VistaProva::SetUp();
    for (int i = 0; i < 10; ++i) {
      const QString nome = QStringLiteral("f%1.png").arg(i);
      ASSERT_TRUE(
          vista->AggiungiThumbs(Foto(nome, {100 + 10 * i, 100}, QColor(20 * i, 100, 0), "png"),
                                true, QStringLiteral("Titolo %1").arg(i), std::int16_t(i),
                                QStringLiteral("F%1").arg(i), QStringLiteral("R%1").arg(i)));
    }
    AttendiCopie();
  }
  void Spunta(int indice) {
    ASSERT_NE(vista->Spunte().CasellaThumb(indice), nullptr);
    vista->Spunte().CasellaThumb(indice)->click();
  }
};

TEST_F(SelezioneDieci, RemovingTheCheckedDrawsTheRecordsMovedDownAndRemovingAllEmptiesTheView) {
  for (const int i : {1, 2, 3, 7}) Spunta(i);
  const QImage quarto = vista->Thumbs()[4].Miniatura;
  vista->Spunte().CancellaThumbSelezionate();
  ASSERT_EQ(vista->TotFile(), 6);
  // The former thumbnail 4 is now the second cell, with its box there.
  const DatiThumb& spostato = vista->Thumbs()[1];
  EXPECT_EQ(spostato.Miniatura, quarto);
  EXPECT_EQ(spostato.AreaCella, QRect(122, 2, 120, 110));
  EXPECT_EQ(vista->Spunte().CasellaThumb(1)->toolTip(), foto.filePath(QStringLiteral("f4.png")));
  EXPECT_FALSE(vista->Spunte().CasellaThumb(1)->isChecked());
  EXPECT_EQ(vista->Spunte().CasellaThumb(6), nullptr);
  EXPECT_EQ(vista->UltimaThumbVisibile(), 6);
  EXPECT_TRUE(vista->Spunte().ElencoFotoSelezionate().isEmpty());
  vista->Spunte().CheckaTutto(true);
  vista->Spunte().CancellaThumbSelezionate();
  EXPECT_EQ(vista->TotFile(), 0);
  EXPECT_FALSE(Superficie()->isVisible());
}

TEST_F(SelezioneDieci, SettersChangeTheCheckedAndRedrawThemStillChecked) {
  Spunta(3);
  vista->Spunte().ImpostaNumeroFotoThumbSelezionate(12);
  vista->Spunte().ImpostaRidimensionamentoThumbSelezionate(QStringLiteral("Nessuno"));
  EXPECT_EQ(vista->Thumbs()[3].NumeroFoto, 12);
  EXPECT_EQ(vista->Thumbs()[3].Ridimensionamento, QStringLiteral("Nessuno"));
  EXPECT_EQ(vista->Thumbs()[4].NumeroFoto, 4);
  EXPECT_TRUE(vista->Spunte().CasellaThumb(3)->isChecked());
  EXPECT_FALSE(vista->Spunte().CasellaThumb(4)->isChecked());
}

TEST_F(Selezione, CheckAllReachesThumbnailsOffThePage) {
  vista->Spunte().CheckaTutto(true);  // nothing to check
  Aggiungi(30);
  vista->Spunte().CheckaTutto(true);
  EXPECT_EQ(vista->Spunte().ElencoFotoSelezionate().size(), 30);
  vista->findChild<QScrollBar*>(QStringLiteral("vsbSlide"))->setValue(2);
  ASSERT_NE(vista->Spunte().CasellaThumb(29), nullptr);
  EXPECT_TRUE(vista->Spunte().CasellaThumb(29)->isChecked());
  vista->Spunte().CheckaTutto(false);
  EXPECT_FALSE(vista->Spunte().CasellaThumb(29)->isChecked());
  EXPECT_TRUE(vista->Spunte().ElencoFotoSelezionate().isEmpty());
}

TEST_F(Selezione, HoverTextNamesTheCellAndIsEmptyInTheGaps) {
  Aggiungi(3);
  // 120 and 121 are the 2-pixel gap between the cells, y 1 the margin above them.
  const std::pair<QPoint, QString> casi[] = {{{50, 50}, "foto00.jpg"}, {{119, 50}, "foto00.jpg"}, {{120, 50}, ""},
                                             {{121, 50}, ""}, {{122, 50}, "foto01.jpg"}, {{50, 1}, ""}};
  for (const auto& [punto, testo] : casi) {
    Muovi(punto);
    EXPECT_EQ(Superficie()->toolTip(), testo) << punto.x() << ',' << punto.y();
  }
  EXPECT_EQ(vista->TrovaThumbInPunto({400, 300}).NomeFile, QString());
}

// Where each shape goes in the square is GeometriaThumb's; here the click shows
// it, a gap or a photo gone from the disk leaves the square white.
TEST_F(Selezione, PreviewIsCentredInThe200Square) {
  SuperficieDisegno anteprima;
  anteprima.resize(200, 200);
  vista->setpicPreview(&anteprima);
  ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("alta.jpg"), {3000, 4000}, Qt::red), true));
  ASSERT_TRUE(
      vista->AggiungiThumbs(Foto(QStringLiteral("larga.png"), {400, 300}, Qt::blue, "png"), true));
  const auto colore = [&anteprima](int x, int y) { return anteprima.immagine().pixelColor(x, y); };
  Premi({50, 50});  // 112 x 150 at (44, 25)
  EXPECT_EQ(colore(43, 100), QColor(Qt::white));
  EXPECT_GT(colore(45, 26).red(), 200);
  Premi({160, 50});  // 200 x 150 at (0, 25)
  EXPECT_GT(colore(0, 30).blue(), 200);
  EXPECT_EQ(colore(100, 24), QColor(Qt::white));
  Premi({121, 50});  // a gap: left white
  EXPECT_EQ(colore(100, 100), QColor(Qt::white));
  QFile::remove(foto.filePath(QStringLiteral("larga.png")));
  Premi({160, 50});  // gone from the disk: white
  EXPECT_EQ(colore(100, 100), QColor(Qt::white));
}

// The click that brings a half-shown row into view previews the photo that was
// under the pointer, not the one the grid moved there.
TEST_F(Selezione, AClickOnTheHalfShownRowPreviewsThePhotoUnderThePointer) {
  SuperficieDisegno anteprima;
  anteprima.resize(200, 200);
  vista->setpicPreview(&anteprima);
  const auto colore = [](int i) { return QColor::fromHsv(i * 14, 255, 220); };
  for (int i = 0; i < 25; ++i)
    ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("c%1.png").arg(i), {200, 200}, colore(i), "png"), true));
  AttendiCopie();
  const QRect cella = vista->Thumbs()[16].AreaCella;
  ASSERT_GT(cella.bottom(), Superficie()->height());  // the fourth row, cut at the bottom
  Premi({cella.center().x(), cella.top() + 10});
  EXPECT_EQ(vista->IndiceFuoco(), 16);
  const QColor trovato = anteprima.immagine().pixelColor(100, 100);
  EXPECT_LT(std::abs(trovato.hue() - colore(16).hue()), 3) << trovato.name().toStdString();
}

}  // namespace
