#pragma once
#include <QDialog>
#include <functional>
#include <memory>

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
  // True from a command's press to the end of its work on the worker; the
  // commands stay off a little longer, until its last step on the GUI thread.
  bool operazioneInCorso() const;

  // VistaInvio
  QWidget* finestra() override { return this; }
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
  // Asked for by the send at its end: the window closes once the worker is done.
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
  // The "Chiudi" button: warns when the send is unfinished, then closes.
  void ChiudiFinestra();
  // How a close asked for while work runs is taken up once it has ended.
  enum class Chiusura { Nessuna, Finestra, Pulsante };

  // Runs lavoro on a worker under the busy pointer, then dopo on the GUI
  // thread; every command is off from the press to the end of dopo (but the
  // interruption, when the work takes one), and a close asked for meanwhile
  // interrupts the work and takes effect after it.
  void Operazione(std::function<void()> lavoro, std::function<void()> dopo = {}, bool interrompibile = false);
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
