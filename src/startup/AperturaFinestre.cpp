#include "startup/AperturaFinestre.h"

#include "mainwindow/ApriFinestraPrincipale.h"
#include "startup/DopoLaPrimaPittura.h"
#include "windows/frmSplash.h"

bool ApriFinestreIniziali(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine) {
  // The main window loads once the event loop has painted the splash.
  auto* splash = new frmSplash(percorsi);
  splash->show();
  DopoLaPrimaPittura(splash, [splash, percorsi, server, &ordine] {
    ApriFinestraPrincipale(percorsi, server, ordine);
    delete splash;
  });
  return true;
}
