#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "common/Piattaforma.h"
#include "startup/TraduzioniQt.h"
#include "windows/PiattaformaDesktop.h"

// Every test executable runs with a QApplication (offscreen in CI) and the
// Italian locale unless a test sets another.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  CaricaTraduzioniQt(app);
  PiattaformaDesktop desktop;
  ImpostaPiattaformaPredefinita(&desktop);
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  return RUN_ALL_TESTS();
}
