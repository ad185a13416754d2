#pragma once
#include "send/VistaInvio.h"

// The send window for a sequence running on a worker: every call is made by
// the GUI thread, which owns the widgets behind the real view.
class VistaSulThreadGrafico final : public VistaInvio {
 public:
  explicit VistaSulThreadGrafico(VistaInvio& vista) : vista_(vista) {}

  QWidget* finestra() override;
  QString username() const override;
  QString password() const override;
  QString proxy() const override;
  bool ftpPassivo() const override;
  void MostraStato(const QString& testo) override;
  void ImpostaAvanzamento(int valore, int massimo) override;
  int valoreAvanzamento() const override;
  int massimoAvanzamento() const override;
  void MostraAndamento(const QString& testo) override;
  void AbilitaAnnullaOperazione(bool abilitato) override;
  void Chiudi() override;

 private:
  VistaInvio& vista_;
};
