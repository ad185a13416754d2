#include "mainwindow/CicloOperazione.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "common/Piattaforma.h"

CicloOperazione::CicloOperazione(QProgressBar* barra, bool& continuaOperazione, QWidget* proprietario)
    : barra_(barra), continua_(continuaOperazione), proprietario_(proprietario) {}

void CicloOperazione::ImpostaDomanda(IconaMessaggio icona, RispostaMessaggio predefinita) {
  icona_ = icona;
  predefinita_ = predefinita;
}

bool CicloOperazione::Esegui(int n, const QString& domandaInterruzione,
                             const std::function<bool(int k)>& passo) {
  // A maximum of 1 would show a full bar before the only photo is done.
  barra_->setMaximum(n == 1 ? 2 : n);
  barra_->setValue(0);
  continua_ = true;
  for (int k = 1; k <= n; ++k) {
    if (!continua_) {
      if (MsgBox(domandaInterruzione, icona_, PulsantiMessaggio::SiNo, predefinita_, proprietario_) ==
          RispostaMessaggio::Si)
        return false;
      continua_ = true;
    }
    const bool avanti = passo(k);
    barra_->setValue(k);
    QCoreApplication::processEvents();
    if (!avanti) break;
  }
  barra_->setValue(barra_->maximum());
  return true;
}
