#pragma once
#include <QString>
#include <functional>

#include "common/Piattaforma.h"

class QProgressBar;
class QWidget;

// The loop of every long photo operation: the progress bar, pending events
// once per photo (where an "Annulla" click clears the continue flag) and the
// interruption question, asked before the next photo.
class CicloOperazione {
 public:
  CicloOperazione(QProgressBar* barra, bool& continuaOperazione, QWidget* proprietario);

  // Runs passo for k = 1 to n; passo returns false to end the loop. False when
  // the user answered Yes to the question.
  bool Esegui(int n, const QString& domandaInterruzione, const std::function<bool(int k)>& passo);
  // The question's icon and default button; no icon and Yes unless set.
  void ImpostaDomanda(IconaMessaggio icona, RispostaMessaggio predefinita);

 private:
  QProgressBar* barra_;
  bool& continua_;
  QWidget* proprietario_;
  IconaMessaggio icona_ = IconaMessaggio::Nessuna;
  RispostaMessaggio predefinita_ = RispostaMessaggio::Si;
};
