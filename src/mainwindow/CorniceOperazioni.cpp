#include "mainwindow/CorniceOperazioni.h"

#include <utility>

#include "mainwindow/CicloOperazione.h"
#include "windows/Piattaforma.h"

CorniceOperazioni::CorniceOperazioni(QWidget& finestra, QProgressBar* barra, Abilitazione abilita)
    : finestra_(finestra), barra_(barra), abilita_(std::move(abilita)) {}

void CorniceOperazioni::Inizia(bool alberoUsabile) {
  // Nested frames (a copy that ends by reloading the format view) keep the
  // commands disabled and the pointer busy until the outermost one ends.
  if (operazioniInCorso_++ > 0) return;
  abilita_(false, alberoUsabile, finestreModaliAperte_ > 0);
  piattaforma().ImpostaPuntatoreOccupato(&finestra_, true);
}

void CorniceOperazioni::Finisci() {
  if (--operazioniInCorso_ > 0) return;
  for (int i = std::exchange(puntatoriDaRilasciare_, 0); i >= 0; --i)
    piattaforma().ImpostaPuntatoreOccupato(&finestra_, false);
  AggiornaComandi();
}

void CorniceOperazioni::Lunga(const std::function<void()>& comando) {
  Inizia();
  comando();
  Finisci();
}

void CorniceOperazioni::ConPuntatoreOccupato(const std::function<void()>& comando) {
  piattaforma().ImpostaPuntatoreOccupato(&finestra_, true);
  comando();
  // A long operation still running (a reload the command started) keeps the
  // pointer busy until it ends.
  if (InCorso())
    ++puntatoriDaRilasciare_;
  else
    piattaforma().ImpostaPuntatoreOccupato(&finestra_, false);
}

CicloOperazione* CorniceOperazioni::NuovoCiclo(std::shared_ptr<OperazioneAPassi> operazione,
                                                const DomandaMessaggio& interruzione) {
  Inizia();
  return new CicloOperazione(std::move(operazione), interruzione, barra_, annulla_, &finestra_);
}

void CorniceOperazioni::AggiornaComandi() { abilita_(!InCorso(), false, finestreModaliAperte_ > 0); }

void CorniceOperazioni::Modale(const std::function<void()>& esegui) {
  // Qt's modality stops the mouse and the keys, not a screen reader's press:
  // the commands behind the window are off until it closes.
  ++finestreModaliAperte_;
  AggiornaComandi();
  esegui();
  --finestreModaliAperte_;
  AggiornaComandi();
}
