#include "mainwindow/ApriFinestraPrincipale.h"

#include "mainwindow/frmScegliFoto.h"

QWidget* ApriFinestraPrincipale(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine) {
  auto* finestra = new frmScegliFoto(percorsi, server, ordine);
  finestra->setAttribute(Qt::WA_DeleteOnClose);
  finestra->CaricaFinestra();
  finestra->show();
  // Asked for, so that the first activation comes even where no window
  // manager activates a new window.
  finestra->activateWindow();
  return finestra;
}
