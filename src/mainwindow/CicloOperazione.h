#pragma once
#include <QString>
#include <atomic>
#include <functional>

#include "windows/Piattaforma.h"

class QProgressBar;
class QWidget;

// The loop of every long photo operation: the progress bar and the
// interruption question, asked before the next photo once an "Annulla" click
// cleared the continue flag. It may run on a worker: the bar is set on the GUI
// thread and the question hops there by itself.
class CicloOperazione {
 public:
  CicloOperazione(QProgressBar* barra, std::atomic<bool>& continuaOperazione, QWidget* proprietario);

  // Runs passo for k = 1 to n; passo returns false to end the loop. False when
  // the user answered Yes to the question.
  bool Esegui(int n, const QString& domandaInterruzione, const std::function<bool(int k)>& passo);
  // The question's icon and default button; no icon and Yes unless set.
  void ImpostaDomanda(IconaMessaggio icona, RispostaMessaggio predefinita);

 private:
  void ImpostaBarra(int massimo, int valore);

  QProgressBar* barra_;
  std::atomic<bool>& continua_;
  QWidget* proprietario_;
  IconaMessaggio icona_ = IconaMessaggio::Nessuna;
  RispostaMessaggio predefinita_ = RispostaMessaggio::Si;
};
