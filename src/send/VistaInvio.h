#pragma once
#include <QString>

struct AvvisoInvio;

// The send window as the send sequence sees it, always from the GUI thread:
// the status text, the progress bar, the byte count under it, the
// interruption command, the messages and questions, the payment page and the
// close at the end. The other commands are the window's own.
class VistaInvio {
 public:
  virtual ~VistaInvio() = default;

  // An empty text clears the status panel.
  virtual void MostraStato(const QString& testo) = 0;
  virtual void ImpostaAvanzamento(int valore, int massimo) = 0;
  // The line under the progress bar; an empty text clears it.
  virtual void MostraAndamento(const QString& testo) = 0;
  virtual void AbilitaAnnullaOperazione(bool abilitato) = 0;
  // Shows a message of the send; for a question, true when the answer is yes.
  virtual bool Avvisa(const AvvisoInvio& avviso) = 0;
  virtual void ApriPaginaPagamento(const QString& indirizzo) = 0;
  // Asked for at the end of a completed send.
  virtual void Chiudi() = 0;
};
