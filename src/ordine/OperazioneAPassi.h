#pragma once
#include <QFuture>
#include <QObject>
#include <QString>
#include <optional>

// What one step of an operation of the order did, applied on the GUI thread.
struct PassoOperazione {
  // Steps done and steps in all, for the progress bar.
  int fatti = 0;
  int totale = 0;
  // Nothing follows.
  bool ultimo = false;
  // Photos done and in all, for the count panel; 0 in all: no count.
  int foto = 0;
  int fotoTotali = 0;
  // The entry this step added, for a view that shows its format.
  QString copia;
  QString titolo;
  QString formato;
  // The step's photo is already in its format: the next step waits for
  // Rispondi with whether to add it all the same.
  bool doppia = false;
};

// A long operation of the order, one step at a time. Each step's file work
// runs as a task; its result is applied to the order on the thread of the
// context (the GUI thread), which also asks the questions between steps.
class OperazioneAPassi {
 public:
  virtual ~OperazioneAPassi() = default;
  // Starts the next step; its result, once applied, is delivered on
  // contesto's thread (and not at all once contesto is gone).
  virtual QFuture<PassoOperazione> Avanza(QObject* contesto) = 0;
  // The answer to a step that asked (doppia); what it added, if anything.
  virtual PassoOperazione Rispondi(bool) { return {}; }
  // The user chose to stop before the next step.
  virtual void Interrompi() = 0;
};
