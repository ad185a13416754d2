#pragma once
#include <QDialog>
#include <functional>
#include <memory>

#include "send/DatiInvio.h"
#include "send/VistaInvio.h"
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class FoglioCliente;
class InvioVelistra;
class OrdineVelistra;
class PannelloSfumato;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The send window: connection settings, login, price-list download and the
// send of the album. Opened modal by the main window in one of two modes.
class frmFTP : public QDialog, public VistaInvio {
  Q_OBJECT

 public:
  // soloPrezziario: opened only to download the price list.
  frmFTP(OrdineVelistra& ordine, FoglioCliente& foglio, const PercorsiProgramma& percorsi, const DatiServer& server,
         bool soloPrezziario, QWidget* genitore = nullptr);
  ~frmFTP() override;

  const bool SoloPrezziario;
  // Set when the window closed during a send: the whole program is to close.
  bool ChiudereApplicazione = false;

  void AbilitaComandiInvio(bool v);
  // True from a command's press to the end of its last step.
  bool operazioneInCorso() const;

  // VistaInvio
  void MostraStato(const QString& testo) override;
  void ImpostaAvanzamento(int valore, int massimo) override;
  void MostraAndamento(const QString& testo) override;
  void AbilitaAnnullaOperazione(bool abilitato) override;
  bool Avvisa(const AvvisoInvio& avviso) override;
  void ApriPaginaPagamento(const QString& indirizzo) override;
  // Asked for by the send at its end: the window closes once the command has ended.
  void Chiudi() override;

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void reject() override;

 private:
  void CreaControlli();
  void CaricaImpostazioni();
  void Accedi();
  void SalvaImpostazioni();
  void ScaricaPrezziario();
  void InviaVelistra();
  void Cancella();
  // The "Chiudi" button: warns when the send is unfinished, then closes.
  void ChiudiFinestra();
  // How a close asked for while work runs is taken up once it has ended.
  enum class Chiusura { Nessuna, Finestra, Pulsante };

  // The connection fields as they stand.
  CredenzialiInvio Credenziali() const;
  // Starts a command of the send under the busy pointer; every command is off
  // from the press to its end (but the interruption, when it takes one), and a
  // close asked for meanwhile interrupts it and takes effect after it.
  void Operazione(const std::function<void()>& avvia, bool interrompibile = false);
  // The command's end: the window as the login leaves it, the commands as they stand.
  void FineOperazione();
  void ComandiDuranteOperazione(bool interrompibile);
  // The commands once no work runs, from the login state alone.
  void ComandiSenzaOperazione();
  void RichiediChiusura(Chiusura modo);
  void ChiudiSeRichiesto();

  OrdineVelistra& ordine_;
  const PercorsiProgramma percorsi_;
  const DatiServer server_;
  std::unique_ptr<InvioVelistra> invio_;
  QLineEdit* txtUsername_ = nullptr;
  QLineEdit* txtPassword_ = nullptr;
  QLineEdit* txtProxy_ = nullptr;
  QCheckBox* chkFTPPassivo_ = nullptr;
  QPushButton* cmdAccedi_ = nullptr;
  QPushButton* cmdSalvaImpostazioni_ = nullptr;
  QPushButton* cmdScaricaPrezziario_ = nullptr;
  QPushButton* cmdInviaVelistra_ = nullptr;
  QPushButton* cmdAnnullaOperazione_ = nullptr;
  QPushButton* cmdCancellaInvioVelistra_ = nullptr;
  QPushButton* cmdChiudi_ = nullptr;
  QLabel* lblPerScaricoPrezziario_ = nullptr;
  QProgressBar* pbAvanzamento_ = nullptr;
  QLabel* lblAndamento_ = nullptr;
  PannelloSfumato* pnlMessaggio_ = nullptr;
  Chiusura chiusuraRichiesta_ = Chiusura::Nessuna;
  bool chiusuraAllaFine_ = false;
};
