#pragma once
#include <QString>

class QWidget;

// The send window as the send sequence sees it: the connection fields as they
// stand, the status text, the progress bar, the byte count under it, the
// interruption command and the close at the end. The other commands are the
// window's own: off from a press to the end of its work.
class VistaInvio {
 public:
  virtual ~VistaInvio() = default;

  virtual QWidget* finestra() = 0;
  virtual QString username() const = 0;
  virtual QString password() const = 0;
  virtual QString proxy() const = 0;
  virtual bool ftpPassivo() const = 0;

  // An empty text clears the status panel.
  virtual void MostraStato(const QString& testo) = 0;
  virtual void ImpostaAvanzamento(int valore, int massimo) = 0;
  virtual int valoreAvanzamento() const = 0;
  virtual int massimoAvanzamento() const = 0;
  // The line under the progress bar; an empty text clears it.
  virtual void MostraAndamento(const QString& testo) = 0;
  virtual void AbilitaAnnullaOperazione(bool abilitato) = 0;
  virtual void Chiudi() = 0;
};
