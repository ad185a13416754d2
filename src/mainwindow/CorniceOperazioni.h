#pragma once
#include <functional>
#include <memory>

#include "mainwindow/Messaggi.h"
#include "ordine/OperazioneAPassi.h"

class CicloOperazione;
class QProgressBar;
class QWidget;

// The frame of the main window's operations. A long one disables the commands
// and shows the busy pointer from the first that starts to the last that ends;
// a short one shows the busy pointer only. Behind a modal window of the program
// the commands stay off.
class CorniceOperazioni {
 public:
  // abilita(valore, alberoUsabile, dietroFinestraModale) turns the window's commands on or off.
  using Abilitazione = std::function<void(bool valore, bool alberoUsabile, bool dietroFinestraModale)>;

  CorniceOperazioni(QWidget& finestra, QProgressBar* barra, Abilitazione abilita);

  bool InCorso() const { return operazioniInCorso_ > 0; }
  // An operation runs or a modal window of the program is open.
  bool Occupata() const { return InCorso() || finestreModaliAperte_ > 0; }
  // The folder's own reload leaves the tree usable: a new choice replaces it.
  void Inizia(bool alberoUsabile = false);
  void Finisci();
  void Lunga(const std::function<void()>& comando);
  void ConPuntatoreOccupato(const std::function<void()>& comando);
  // The long frame around an operation run step by step; its finito must call Finisci.
  CicloOperazione* NuovoCiclo(std::shared_ptr<OperazioneAPassi> operazione, const DomandaMessaggio& interruzione);
  // The "Annulla" buttons: the running operation asks before its next step.
  void Annulla() { annulla_ = true; }
  // The commands as the operations and the modal windows want them.
  void AggiornaComandi();
  // Runs a modal window of the program, the commands behind it off meanwhile.
  void Modale(const std::function<void()>& esegui);

 private:
  QWidget& finestra_;
  QProgressBar* const barra_;
  const Abilitazione abilita_;
  bool annulla_ = false;
  int operazioniInCorso_ = 0;
  int finestreModaliAperte_ = 0;
  // Busy pointers of short commands that outlived them, cleared with the operation's.
  int puntatoriDaRilasciare_ = 0;
};
