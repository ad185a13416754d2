#include <gtest/gtest.h>

#include <QLocale>

// Built once for each kind of layer: the layers with widgets need a
// QApplication, the window layers also Qt's Italian texts and the desktop's
// dialogs; the layers below them run without any widget.
#ifdef VELISTRA_PROVE_WIDGET
#include <QApplication>
using ApplicazioneProva = QApplication;
#else
#include <QGuiApplication>
using ApplicazioneProva = QGuiApplication;
#endif
#ifdef VELISTRA_PROVE_FINESTRE
#include "windows/Piattaforma.h"
#include "windows/PiattaformaDesktop.h"
#include "windows/TraduzioniQt.h"
#endif

// Every test executable runs offscreen in CI and with the Italian locale
// unless a test sets another.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ApplicazioneProva app(argc, argv);
#ifdef VELISTRA_PROVE_FINESTRE
  CaricaTraduzioniQt(app);
  PiattaformaDesktop desktop;
  ImpostaPiattaformaPredefinita(&desktop);
#endif
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  return RUN_ALL_TESTS();
}
