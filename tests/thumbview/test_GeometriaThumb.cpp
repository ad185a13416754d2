#include <gtest/gtest.h>

#include "thumbview/Arrotondamento.h"
#include "thumbview/GeometriaThumb.h"

namespace {

TEST(Arrotondato, HalvesGoToTheEvenNeighbour) {
  for (const auto [valore, atteso] : {std::pair{67.5, 68}, {112.5, 112}, {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0},
                                      {-1.5, -2}, {2.4999, 2}, {2.5001, 3}})
    EXPECT_EQ(Arrotondato(valore), atteso) << valore;
}

TEST(GeometriaThumb, ColumnsNeverFallBelowOneAndDropOneWhenTheFrameIsTight) {
  EXPECT_EQ(CalcolaColonne(61, 78), 1);  // 0.5 rounds to 0
  EXPECT_EQ(CalcolaColonne(0, 17), 1);
  EXPECT_EQ(CalcolaColonne(62, 79), 1);
  EXPECT_EQ(CalcolaColonne(183, 254), 2);  // 1.5 rounds to 2
  EXPECT_EQ(CalcolaColonne(183, 200), 1);  // ... and the frame is too narrow for 2
  EXPECT_EQ(CalcolaColonne(305, 322), 2);  // 2.5 rounds to 2
  // Two columns need a frame of 2 x 122 + 10 = 254.
  EXPECT_EQ(CalcolaColonne(220, 253), 1);
  EXPECT_EQ(CalcolaColonne(220, 254), 2);
  EXPECT_EQ(CalcolaColonne(623, 640), 5);
  EXPECT_EQ(CalcolaColonne(583, 600), 4);
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
  const auto pagina = [](int riga, int totale) {
    const PaginaThumb p = CalcolaPagina(riga, 5, 400, 110, totale);
    return std::pair(p.prima, p.ultima);
  };
  // 400 / 116 = 3.45 rounds to 3 rows, plus one.
  EXPECT_EQ(pagina(0, 100), std::pair(0, 19));
  EXPECT_EQ(pagina(2, 100), std::pair(10, 29));
  // The bound is TotFile itself: the index the next thumbnail will take.
  EXPECT_EQ(pagina(0, 7), std::pair(0, 7));
  // 348 / 116 = 3 exactly; 406 / 116 = 3.5 rounds to 4.
  EXPECT_EQ(CalcolaPagina(0, 1, 348, 110, 100).ultima, 3);
  EXPECT_EQ(CalcolaPagina(0, 1, 406, 110, 100).ultima, 4);
}

TEST(GeometriaThumb, CaptionLinesStackBelowThePictureWithoutOverlapping) {
  // A 14-pixel check box at (2, 2): the name starts 2 pixels right of it.
  const RettangoliCella prima = CalcolaRettangoliCella(0, 5, 110, 14);
  EXPECT_EQ(prima.cella, QRect(0, 2, 120, 110));
  EXPECT_EQ(prima.riga1, QRect(18, 4, 100, 14));
  const RettangoliCella settima = CalcolaRettangoliCella(6, 5, 138, 14);  // column 1, row 1
  EXPECT_EQ(settima.cella, QRect(122, 142, 120, 138));
  EXPECT_EQ(settima.riga2, QRect(126, 250, 112, 14));
  EXPECT_EQ(settima.riga3, QRect(124, 264, 116, 14));
  // Picture (top + 18, 90 high), line 2, line 3, outline: in this order.
  const int fineImmagine = settima.alto + 18 + kLatoMiniatura;
  EXPECT_LE(fineImmagine, settima.riga2.top());
  EXPECT_LT(settima.riga2.bottom(), settima.riga3.top());
  EXPECT_LT(settima.riga3.bottom(), settima.cella.bottom());
  EXPECT_EQ(SinistraImmagineInCella(122, 68), 148);
  EXPECT_EQ(SinistraImmagineInCella(0, 67), 26);  // 26.5 rounds to 26
  EXPECT_EQ(SinistraImmagineInCella(0, 65), 28);  // 27.5 rounds to 28
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
  // A smaller square keeps the shapes: the portrait three quarters of its side high.
  EXPECT_EQ(RettangoloAnteprima({3000, 4000}, 160), QRect(35, 20, 90, 120));
  // The square fits the box: never above 200, centred across a wider one.
  EXPECT_EQ(QuadratoAnteprima({190, 190}), QRect(0, 0, 190, 190));
  EXPECT_EQ(QuadratoAnteprima({250, 190}), QRect(30, 0, 190, 190));
  EXPECT_EQ(QuadratoAnteprima({300, 240}), QRect(50, 0, 200, 200));
}

TEST(RaggruppaIntervalli, ConsecutiveIndicesCollapseIntoAscendingRuns) {
  using Intervalli = QList<QPair<int, int>>;
  EXPECT_EQ(RaggruppaIntervalli({1, 2, 3, 7}), (Intervalli{{1, 3}, {7, 7}}));
  EXPECT_EQ(RaggruppaIntervalli({0}), (Intervalli{{0, 0}}));
  EXPECT_EQ(RaggruppaIntervalli({0, 2, 4, 5}), (Intervalli{{0, 0}, {2, 2}, {4, 5}}));
  EXPECT_TRUE(RaggruppaIntervalli({}).isEmpty());
}

}  // namespace
