#include "startup/AperturaFinestre.h"

#include "mainwindow/ApriFinestraPrincipale.h"
#include "startup/DopoLaPrimaPittura.h"
#include "windows/frmSplash.h"

bool ApriFinestreIniziali() {
  // The main window loads once the event loop has painted the splash.
  auto* splash = new frmSplash;
  splash->show();
  DopoLaPrimaPittura(splash, [splash] {
    ApriFinestraPrincipale();
    delete splash;
  });
  return true;
}
