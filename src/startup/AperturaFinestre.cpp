#include "startup/AperturaFinestre.h"

#include <QCoreApplication>

#include "mainwindow/ApriFinestraPrincipale.h"
#include "windows/frmSplash.h"

bool ApriFinestreIniziali(const PercorsiProgramma& percorsi) {
  // The splash is on screen before the main window starts loading.
  auto* splash = new frmSplash(percorsi);
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();
  QWidget* principale = ApriFinestraPrincipale();
  delete splash;
  return principale != nullptr;
}
