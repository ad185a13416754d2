#include <gtest/gtest.h>

#include "thumbview/Arrotondamento.h"
#include "thumbview/GeometriaThumb.h"

namespace {

TEST(Arrotondato, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Arrotondato(67.5), 68);
  EXPECT_EQ(Arrotondato(112.5), 112);
  EXPECT_EQ(Arrotondato(0.5), 0);
  EXPECT_EQ(Arrotondato(1.5), 2);
  EXPECT_EQ(Arrotondato(2.5), 2);
  EXPECT_EQ(Arrotondato(-0.5), 0);
  EXPECT_EQ(Arrotondato(-1.5), -2);
  EXPECT_EQ(Arrotondato(2.4999), 2);
  EXPECT_EQ(Arrotondato(2.5001), 3);
}

TEST(GeometriaThumb, CellHeightGrowsByTenForEachCaptionLine) {
  EXPECT_EQ(CalcolaAltezzaCella(false, false), 110);
  EXPECT_EQ(CalcolaAltezzaCella(true, false), 120);
  EXPECT_EQ(CalcolaAltezzaCella(false, true), 120);
  EXPECT_EQ(CalcolaAltezzaCella(true, true), 130);
}

TEST(GeometriaThumb, ColumnsNeverFallBelowOneAndDropOneWhenTheFrameIsTight) {
  EXPECT_EQ(CalcolaColonne(56, 73), 1);  // 0.5 rounds to 0
  EXPECT_EQ(CalcolaColonne(10, 27), 1);
  EXPECT_EQ(CalcolaColonne(0, 17), 1);
  EXPECT_EQ(CalcolaColonne(57, 74), 1);
  EXPECT_EQ(CalcolaColonne(168, 234), 2);  // 1.5 rounds to 2
  EXPECT_EQ(CalcolaColonne(168, 185), 1);  // ... and the frame is too narrow for 2
  EXPECT_EQ(CalcolaColonne(280, 297), 2);  // 2.5 rounds to 2
  // Two columns need a frame of 2 x 112 + 10 = 234.
  EXPECT_EQ(CalcolaColonne(200, 233), 1);
  EXPECT_EQ(CalcolaColonne(200, 234), 2);
  EXPECT_EQ(CalcolaColonne(583, 600), 5);
}

TEST(GeometriaThumb, ScrollMaximumCountsRowsBeyondTheWholeOnes) {
  EXPECT_EQ(MassimoScorrimento(5, 5, 400, 110), 0);  // not above the columns
  EXPECT_EQ(MassimoScorrimento(0, 5, 400, 110), 0);
  EXPECT_EQ(MassimoScorrimento(20, 5, 400, 110), 1);  // 4 rows, 3 whole visible
  EXPECT_EQ(MassimoScorrimento(21, 5, 400, 110), 2);  // a partial fifth row
  EXPECT_EQ(MassimoScorrimento(16, 5, 400, 110), 1);
  EXPECT_EQ(MassimoScorrimento(15, 5, 400, 110), 0);
  EXPECT_EQ(MassimoScorrimento(100, 5, 400, 130), 18);  // 20 rows, 400 / 136 = 2 visible
}

TEST(GeometriaThumb, PageReachesOneRowFurtherAndIsBoundByTheCount) {
  // 400 / 116 = 3.45 rounds to 3 rows, plus one.
  PaginaThumb pagina = CalcolaPagina(0, 5, 400, 110, 100);
  EXPECT_EQ(pagina.prima, 0);
  EXPECT_EQ(pagina.ultima, 19);
  pagina = CalcolaPagina(2, 5, 400, 110, 100);
  EXPECT_EQ(pagina.prima, 10);
  EXPECT_EQ(pagina.ultima, 29);
  // The bound is TotFile itself: the index the next thumbnail will take.
  pagina = CalcolaPagina(0, 5, 400, 110, 7);
  EXPECT_EQ(pagina.ultima, 7);
  // 348 / 116 = 3 exactly; 406 / 116 = 3.5 rounds to 4.
  EXPECT_EQ(CalcolaPagina(0, 1, 348, 110, 100).ultima, 3);
  EXPECT_EQ(CalcolaPagina(0, 1, 406, 110, 100).ultima, 4);
}

TEST(GeometriaThumb, CellAndCaptionRectangles) {
  const RettangoliCella prima = CalcolaRettangoliCella(0, 5, 110);
  EXPECT_EQ(prima.cella, QRect(0, 2, 110, 110));
  EXPECT_EQ(prima.riga1, QRect(14, 4, 84, 10));
  EXPECT_EQ(prima.riga2, QRect(14, 90, 84, 10));
  EXPECT_EQ(prima.riga3, QRect(0, 100, 106, 10));
  const RettangoliCella settima = CalcolaRettangoliCella(6, 5, 130);  // column 1, row 1
  EXPECT_EQ(settima.cella, QRect(112, 134, 110, 130));
  EXPECT_EQ(settima.riga2, QRect(126, 242, 84, 10));
  EXPECT_EQ(settima.riga3, QRect(112, 252, 106, 10));
  EXPECT_EQ(SinistraImmagineInCella(112, 68), 133);
  EXPECT_EQ(SinistraImmagineInCella(0, 67), 22);  // 21.5 rounds to 22
  EXPECT_EQ(SinistraImmagineInCella(0, 65), 22);  // 22.5 rounds to 22
}

TEST(GeometriaThumb, NinetyPixelCopiesKeepTheProportions) {
  EXPECT_EQ(MisuraMiniatura({600, 800}), QSize(68, 90));
  EXPECT_EQ(MisuraMiniatura({1000, 750}), QSize(90, 68));
  EXPECT_EQ(MisuraMiniatura({500, 500}), QSize(90, 90));
  EXPECT_EQ(MisuraMiniatura({4000, 3000}), QSize(90, 68));
  // A strip keeps at least one pixel across.
  EXPECT_EQ(MisuraMiniatura({1, 30000}), QSize(1, 90));
  EXPECT_EQ(MisuraMiniatura({30000, 1}), QSize(90, 1));
}

TEST(GeometriaThumb, PreviewIsCentredInTheSquareAndAPortraitIs150High) {
  EXPECT_EQ(RettangoloAnteprima({3000, 4000}), QRect(44, 25, 112, 150));
  EXPECT_EQ(RettangoloAnteprima({4000, 3000}), QRect(0, 25, 200, 150));
  EXPECT_EQ(RettangoloAnteprima({800, 800}), QRect(0, 0, 200, 200));
  EXPECT_EQ(MisuraAnteprima({3000, 4000}), QSize(112, 150));
}

TEST(RaggruppaIntervalli, ConsecutiveIndicesCollapseIntoAscendingRuns) {
  using Intervalli = QList<QPair<int, int>>;
  EXPECT_EQ(RaggruppaIntervalli({1, 2, 3, 7}), (Intervalli{{1, 3}, {7, 7}}));
  EXPECT_EQ(RaggruppaIntervalli({0}), (Intervalli{{0, 0}}));
  EXPECT_EQ(RaggruppaIntervalli({0, 2, 4, 5}), (Intervalli{{0, 0}, {2, 2}, {4, 5}}));
  EXPECT_TRUE(RaggruppaIntervalli({}).isEmpty());
}

}  // namespace
