#include "mainwindow/CicloOperazione.h"

#include <QProgressBar>

#include "common/Lavoro.h"

CicloOperazione::CicloOperazione(QProgressBar* barra, std::atomic<bool>& continuaOperazione, QWidget* proprietario)
    : barra_(barra), continua_(continuaOperazione), proprietario_(proprietario) {}

void CicloOperazione::ImpostaDomanda(IconaMessaggio icona, RispostaMessaggio predefinita) {
  icona_ = icona;
  predefinita_ = predefinita;
}

void CicloOperazione::ImpostaBarra(int massimo, int valore) {
  SulThreadGrafico([this, massimo, valore] {
    if (massimo >= 0) barra_->setMaximum(massimo);
    barra_->setValue(valore < 0 ? barra_->maximum() : valore);
  });
}

bool CicloOperazione::Esegui(int n, const QString& domandaInterruzione,
                             const std::function<bool(int k)>& passo) {
  // A maximum of 1 would show a full bar before the only photo is done.
  ImpostaBarra(n == 1 ? 2 : n, 0);
  continua_ = true;
  for (int k = 1; k <= n; ++k) {
    if (!continua_) {
      if (MsgBox(domandaInterruzione, icona_, PulsantiMessaggio::SiNo, predefinita_, proprietario_) ==
          RispostaMessaggio::Si)
        return false;
      continua_ = true;
    }
    const bool avanti = passo(k);
    ImpostaBarra(-1, k);
    if (!avanti) break;
  }
  ImpostaBarra(-1, -1);
  return true;
}
