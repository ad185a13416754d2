#pragma once
#include <QObject>
#include <QString>
#include <memory>

#include "mainwindow/Messaggi.h"
#include "mainwindow/RisposteDuplicato.h"
#include "ordine/OperazioneAPassi.h"

class QProgressBar;
class QWidget;

// Runs an operation of the order on the GUI thread, one step at a time: each
// step starts from the event loop once the last one's result was applied, so
// the window stays responsive and never waits. Between steps it shows the
// progress, asks a step's duplicate question (the next step starts with the
// answer) and, once "Annulla" was clicked, whether to stop. It deletes itself
// after finito.
class CicloOperazione : public QObject {
  Q_OBJECT

 public:
  // annulla is the window's "Annulla" flag; it is cleared at the start.
  CicloOperazione(std::shared_ptr<OperazioneAPassi> operazione, DomandaMessaggio interruzione, QProgressBar* barra,
                  bool& annulla, QWidget* finestra);
  void Avvia();

 Q_SIGNALS:
  void passoFatto(const PassoOperazione& passo);
  void finito(bool interrotta);

 private:
  void Prossimo();
  void Applica(const PassoOperazione& passo);
  void Mostra(const PassoOperazione& passo);
  void Fine(bool interrotta);

  std::shared_ptr<OperazioneAPassi> operazione_;
  // Asked after "Annulla".
  const DomandaMessaggio interruzione_;
  QProgressBar* barra_;
  bool& annulla_;
  QWidget* finestra_;
  RisposteDuplicato risposte_;
};
