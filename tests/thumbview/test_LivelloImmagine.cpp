#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

#include "support/FotoProva.h"
#include "support/InchiostroProva.h"
#include "thumbview/LivelloImmagine.h"

namespace {

// The columns of the picture that hold anything but white.
int UltimaColonnaDisegnata(const QImage& immagine) {
  for (int x = immagine.width() - 1; x >= 0; --x)
    for (int y = 0; y < immagine.height(); ++y)
      if (immagine.pixelColor(x, y) != QColor(Qt::white)) return x;
  return -1;
}

TEST(LivelloImmagine, OpeningGivesStatusZeroAndAnUprightPictureOrNothing) {
  QTemporaryDir cartella;
  const QString buona = cartella.filePath(QStringLiteral("buona.jpg"));
  ScriviFoto(buona, ConExif(Codifica(ImmagineADueBande({80, 40}, Qt::red, Qt::blue), "jpeg"), 8));
  QImage immagine;
  ASSERT_EQ(ApriImmagine(buona, immagine), kStatoRiuscito);
  EXPECT_EQ(immagine.size(), QSize(40, 80));
  const QString rotta = cartella.filePath(QStringLiteral("rotta.jpg"));
  ScriviFoto(rotta, "GIF89a? no");
  EXPECT_NE(ApriImmagine(rotta, immagine), kStatoRiuscito);
  EXPECT_TRUE(immagine.isNull());
}

TEST(LivelloImmagine, NewPicturesAre24BitWhite) {
  const QImage foglio = NuovaImmagine(640, 480);
  EXPECT_EQ(foglio.format(), QImage::Format_RGB888);
  EXPECT_EQ(foglio.pixelColor(639, 479), QColor(Qt::white));
}

TEST(LivelloImmagine, AnOutlineCoversTheRightAndBottomEdgeToo) {
  QImage superficie = NuovaImmagine(20, 20);
  QPainter pittore(&superficie);
  ImpostaQualita(pittore, QualitaVelocita, QualitaVelocita);
  ContornaRettangolo(pittore, QRect(2, 3, 10, 5), QColor(50, 0, 255));
  pittore.end();
  EXPECT_EQ(superficie.pixelColor(2, 3), QColor(50, 0, 255));
  EXPECT_EQ(superficie.pixelColor(12, 8), QColor(50, 0, 255));
  EXPECT_EQ(superficie.pixelColor(13, 8), QColor(Qt::white));
  EXPECT_EQ(superficie.pixelColor(7, 5), QColor(Qt::white));
}

TEST(LivelloImmagine, GradientRunsFromTheFirstColourOnTheLeftToTheSecond) {
  QImage superficie = NuovaImmagine(100, 10);
  QPainter pittore(&superficie);
  RiempiSfumato(pittore, superficie.rect(), QColor(0, 192, 192), QColor(192, 255, 255));
  pittore.end();
  EXPECT_LT(superficie.pixelColor(0, 5).red(), 10);
  EXPECT_GT(superficie.pixelColor(99, 5).red(), 180);
}

TEST(LivelloImmagine, LongTextStaysOnOneLineInsideItsBox) {
  QImage superficie = NuovaImmagine(300, 40);
  QPainter pittore(&superficie);
  DisegnaTesto(pittore, QRectF(10, 5, 84, 10),
               QStringLiteral("una_fotografia_dal_nome_molto_lungo_davvero.jpg"), QFont(),
               QColor(50, 0, 255), false);
  pittore.end();
  const int ultima = UltimaColonnaDisegnata(superficie);
  EXPECT_GT(ultima, 50);
  EXPECT_LT(ultima, 94);
  // Nothing of a second line.
  for (int x = 0; x < 300; ++x) EXPECT_EQ(superficie.pixelColor(x, 35), QColor(Qt::white));
}

TEST(LivelloImmagine, LineBreaksStartNewLines) {
  QImage superficie = NuovaImmagine(300, 200);
  QPainter pittore(&superficie);
  DisegnaTesto(pittore, QRectF(0, 0, 300, 200),
               QStringLiteral("Rossi Anna\r\nMilano\r\nVia Roma 1"), QFont(), Qt::black, false);
  pittore.end();
  EXPECT_EQ(BandeDiTesto(superficie, superficie.rect()).size(), 3);
}

TEST(LivelloImmagine, FixedSizeStretchesOntoWhite) {
  QImage sorgente(40, 20, QImage::Format_ARGB32);
  sorgente.fill(Qt::transparent);
  QPainter pittore(&sorgente);
  pittore.fillRect(0, 0, 20, 20, Qt::red);
  pittore.end();
  const QImage copia = FixedSize(sorgente, 80, 10);
  EXPECT_EQ(copia.size(), QSize(80, 10));
  EXPECT_EQ(copia.format(), QImage::Format_RGB888);
  EXPECT_EQ(copia.pixelColor(10, 5), QColor(Qt::red));
  EXPECT_EQ(copia.pixelColor(70, 5), QColor(Qt::white));
}

}  // namespace
