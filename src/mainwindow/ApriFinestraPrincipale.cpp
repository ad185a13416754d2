#include "mainwindow/ApriFinestraPrincipale.h"

#include "mainwindow/frmScegliFoto.h"

QWidget* ApriFinestraPrincipale() {
  auto* finestra = new frmScegliFoto;
  finestra->setAttribute(Qt::WA_DeleteOnClose);
  finestra->Form_Load();
  finestra->show();
  // Asked for, so that the first activation comes even where no window
  // manager activates a new window.
  finestra->activateWindow();
  return finestra;
}
