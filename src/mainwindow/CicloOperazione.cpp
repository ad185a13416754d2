#include "mainwindow/CicloOperazione.h"

#include <QProgressBar>
#include <QTimer>

CicloOperazione::CicloOperazione(std::shared_ptr<OperazioneAPassi> operazione, DomandaMessaggio interruzione,
                                 QProgressBar* barra, bool& annulla, QWidget* finestra)
    : QObject(finestra), operazione_(std::move(operazione)), interruzione_(std::move(interruzione)), barra_(barra),
      annulla_(annulla), finestra_(finestra), risposte_(finestra) {}

void CicloOperazione::Avvia() {
  annulla_ = false;
  barra_->setValue(0);
  Prossimo();
}

void CicloOperazione::Prossimo() {
  if (annulla_) {
    if (MsgBox(interruzione_.testo, interruzione_.icona, PulsantiMessaggio::SiNo, interruzione_.predefinita,
               finestra_) == RispostaMessaggio::Si) {
      operazione_->Interrompi();
      return Fine(true);
    }
    annulla_ = false;
  }
  operazione_->Avanza(this).then(this, [this](const PassoOperazione& passo) { Applica(passo); });
}

void CicloOperazione::Applica(const PassoOperazione& passo) {
  Mostra(passo);
  if (passo.doppia) Mostra(operazione_->Rispondi(risposte_.Aggiungere(passo.titolo, passo.formato)));
  if (passo.ultimo) return Fine(false);
  // Through the event loop: the clicks and paints of the step get their turn.
  QTimer::singleShot(0, this, &CicloOperazione::Prossimo);
}

void CicloOperazione::Mostra(const PassoOperazione& passo) {
  // A maximum of 1 would show a full bar before the only photo is done.
  barra_->setMaximum(passo.totale == 1 ? 2 : std::max(passo.totale, 1));
  barra_->setValue(passo.fatti);
  Q_EMIT passoFatto(passo);
}

void CicloOperazione::Fine(bool interrotta) {
  barra_->setValue(barra_->maximum());
  Q_EMIT finito(interrotta);
  deleteLater();
}
