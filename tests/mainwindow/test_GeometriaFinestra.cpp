#include <gtest/gtest.h>

#include <QRect>

#include "mainwindow/GeometriaFinestra.h"

namespace {

TEST(AdattaAllAreaDisponibile, ALargerWindowShrinksAndEveryWindowIsMovedWhollyOnScreen) {
  const QRect schermo(0, 0, 1024, 768);
  // 1200 x 900 stored on a larger screen: all of it on a 1024 x 768 one.
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(50, 50, 1200, 900), schermo), schermo);
  // Only as wide as the screen: the height stays, the window is moved up.
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(0, 500, 1100, 600), schermo), QRect(0, 168, 1024, 600));
  // Off the right and bottom edges, or the left and top ones: moved in, size kept.
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(900, 700, 800, 600), schermo), QRect(224, 168, 800, 600));
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(-100, -50, 800, 600), schermo), QRect(0, 0, 800, 600));
  // A window already on screen is left where it is.
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(3, 3, 600, 400), schermo), QRect(3, 3, 600, 400));
}

TEST(AdattaAllAreaDisponibile, ThePanelsAndASecondScreenAreRespected) {
  // A top panel of 32 pixels on a second screen right of a 1280-pixel one.
  const QRect disponibile(1280, 32, 1024, 736);
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(1280, 0, 1200, 900), disponibile), disponibile);
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(1300, 40, 800, 600), disponibile), QRect(1300, 40, 800, 600));
  EXPECT_EQ(AdattaAllAreaDisponibile(QRect(2000, 10, 800, 600), disponibile), QRect(1504, 32, 800, 600));
}

}  // namespace
