#include "startup/AperturaFinestre.h"

#include <QCoreApplication>

#include "mainwindow/ApriFinestraPrincipale.h"
#include "windows/frmSplash.h"

bool ApriFinestreIniziali() {
  // 11. The splash is on screen before the main window starts loading.
  auto* splash = new frmSplash;
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();
  // 12.
  QWidget* principale = ApriFinestraPrincipale();
  // 13.
  delete splash;
  return principale != nullptr;
}
