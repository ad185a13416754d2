#include "mainwindow/frmFTP.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <utility>

#include "windows/AvvisoSalvataggio.h"
#include "windows/CampiInput.h"
#include "windows/ControlloPerNome.h"
#include "windows/PannelloSfumato.h"
#include "windows/Piattaforma.h"
#include "mainwindow/Messaggi.h"
#include "windows/clsMouse.h"
#include "send/AccessoLaboratorio.h"
#include "send/InvioVelistra.h"
#include "send/PasswordMemorizzata.h"
#include "send/PortachiaviPassword.h"
#include "ordine/OrdineVelistra.h"
#include "settings/Impostazioni.h"

namespace {

const QColor kSfumaturaSinistra = ColoreBGR(0xC0C000);
const QColor kSfumaturaDestra = ColoreBGR(0xFFFFC0);

template <typename T>
T* Controllo(T* controllo, const QString& nome, const QString& accessibile) {
  controllo->setObjectName(nome);
  controllo->setAccessibleName(accessibile);
  return controllo;
}

QLineEdit* Campo(const QString& nome, const QString& etichetta, int lunghezza) {
  auto* campo = Controllo(new QLineEdit, nome, etichetta);
  campo->setMaxLength(lunghezza);
  return campo;
}

// The width at which the box shows its longest password whole.
int LarghezzaPassword(const QLineEdit* campo) {
  QStyleOptionFrame opzione;
  opzione.initFrom(campo);
  const QChar eco(campo->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, &opzione, campo));
  const QMargins testo = campo->textMargins();
  const QMargins bordo = campo->contentsMargins();
  // Two pixels of the line edit's own margin on each side, one for the cursor.
  const int larghezza = campo->fontMetrics().horizontalAdvance(QString(campo->maxLength(), eco)) + 2 * 2 + 1 +
                        testo.left() + testo.right() + bordo.left() + bordo.right();
  opzione.lineWidth = campo->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, campo);
  return campo->style()
      ->sizeFromContents(QStyle::CT_LineEdit, &opzione, QSize(larghezza, campo->sizeHint().height()), campo)
      .width();
}

QPushButton* Pulsante(const QString& nome, const QString& testo) {
  return Controllo(new QPushButton(testo), nome, testo);
}

QWidget* Separatore(const QString& nome, const QString& titolo, const PercorsiProgramma& percorsi,
                    QWidget* genitore) {
  QWidget* separatore = CreaControlloPerNome(QStringLiteral("Kelmora.KvSeparatore"), percorsi, genitore);
  if (!separatore) return new QLabel(titolo, genitore);
  separatore->setObjectName(nome);
  separatore->setAccessibleName(titolo);
  separatore->setProperty("Caption", titolo);
  return separatore;
}

}  // namespace

frmFTP::frmFTP(OrdineVelistra& ordine, FoglioCliente& foglio, const PercorsiProgramma& percorsi,
               const DatiServer& server, bool soloPrezziario, QWidget* genitore)
    : QDialog(genitore), SoloPrezziario(soloPrezziario), ordine_(ordine), percorsi_(percorsi), server_(server),
      invio_(std::make_unique<InvioVelistra>(*this, ordine, foglio, percorsi, server)) {
  connect(invio_.get(), &InvioVelistra::finita, this, &frmFTP::FineOperazione);
  setObjectName(QStringLiteral("frmFTP"));
  setModal(true);
  CreaControlli();
  // Opening: before the login only "Accedi", the settings and "Chiudi" work.
  AbilitaComandiInvio(false);
  CaricaImpostazioni();
  ColoreBarraProgresso(pbAvanzamento_, kSfumaturaDestra);
  ColoreSfondoProgresso(pbAvanzamento_, kSfumaturaSinistra);
  MostraStato(QStringLiteral("Premi Accedi per connetterti"));
}

frmFTP::~frmFTP() = default;

void frmFTP::CreaControlli() {
  setWindowTitle(SoloPrezziario ? QStringLiteral("Aggiorna prezziario") : QStringLiteral("Invio fotografie"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Separatore(QStringLiteral("sepConnessione"), QStringLiteral("Dati per la connessione"), percorsi_, this));
  auto* spiegazione = new QLabel(QStringLiteral(
      "Inserisci Username e Password che ti sono stati comunicati dal fotografo (per ottenerli rivolgiti "
      "direttamente a lui)"));
  spiegazione->setWordWrap(true);
  layout->addWidget(spiegazione);

  auto* griglia = new QGridLayout;
  txtUsername_ = Campo(QStringLiteral("txtUsername"), QStringLiteral("Username:"), 25);
  txtPassword_ = Campo(QStringLiteral("txtPassword"), QStringLiteral("Password:"), 25);
  txtPassword_->setEchoMode(QLineEdit::Password);
  txtPassword_->setMinimumWidth(LarghezzaPassword(txtPassword_));
  txtProxy_ = Campo(QStringLiteral("txtProxy"), QStringLiteral("Se utilizzi un proxy, indica il nome:"), 50);
  int riga = 0;
  for (QLineEdit* campo : {txtUsername_, txtPassword_, txtProxy_}) {
    auto* etichetta = new QLabel(campo->accessibleName());
    etichetta->setBuddy(campo);
    griglia->addWidget(etichetta, riga, 0);
    griglia->addWidget(campo, riga++, 1);
  }
  layout->addLayout(griglia);
  chkFTPPassivo_ = Controllo(new QCheckBox(QStringLiteral("Sono dietro ad un NAT, utilizzare FTP passivo")),
                             QStringLiteral("chkFTPPassivo"),
                             QStringLiteral("Sono dietro ad un NAT, utilizzare FTP passivo"));
  layout->addWidget(chkFTPPassivo_);
  cmdAccedi_ = Pulsante(QStringLiteral("cmdAccedi"), QStringLiteral("Accedi"));
  cmdSalvaImpostazioni_ =
      Pulsante(QStringLiteral("cmdSalvaImpostazioni"), QStringLiteral("Salva i dati per la connessione al server"));
  auto* connessione = new QHBoxLayout;
  connessione->addWidget(cmdAccedi_);
  connessione->addWidget(cmdSalvaImpostazioni_);
  layout->addLayout(connessione);
  lblPerScaricoPrezziario_ = Controllo(
      new QLabel(QStringLiteral("Se il fotografo non ti ha ancora dato un account, per scaricare il prezziario "
                                "puoi usare lo Username \"guest\".")),
      QStringLiteral("lblPerScaricoPrezziario"), QStringLiteral("Account per il prezziario"));
  lblPerScaricoPrezziario_->setWordWrap(true);
  lblPerScaricoPrezziario_->setVisible(SoloPrezziario);
  layout->addWidget(lblPerScaricoPrezziario_);

  layout->addWidget(Separatore(QStringLiteral("sepInvio"), QStringLiteral("Invio Velistra"), percorsi_, this));
  cmdScaricaPrezziario_ = Pulsante(QStringLiteral("cmdScaricaPrezziario"), QStringLiteral("Scarica prezziario"));
  cmdInviaVelistra_ = Pulsante(QStringLiteral("cmdInviaVelistra"), QStringLiteral("Invia Velistra"));
  cmdAnnullaOperazione_ =
      Pulsante(QStringLiteral("cmdAnnullaOperazione"), QStringLiteral("Interrompi invio Velistra"));
  cmdCancellaInvioVelistra_ =
      Pulsante(QStringLiteral("cmdCancellaInvioVelistra"), QStringLiteral("Elimina Velistra dal server"));
  cmdChiudi_ = Pulsante(QStringLiteral("cmdChiudi"), QStringLiteral("Chiudi"));
  for (QPushButton* p : {cmdScaricaPrezziario_, cmdInviaVelistra_, cmdAnnullaOperazione_,
                         cmdCancellaInvioVelistra_, cmdChiudi_})
    layout->addWidget(p);
  // The two modes: the hidden buttons leave no gap, so "Chiudi" moves up.
  cmdScaricaPrezziario_->setVisible(SoloPrezziario);
  for (QPushButton* p : {cmdInviaVelistra_, cmdAnnullaOperazione_, cmdCancellaInvioVelistra_})
    p->setVisible(!SoloPrezziario);

  auto* stato = Controllo(new QStatusBar, QStringLiteral("sbStato"), QStringLiteral("Stato"));
  stato->setSizeGripEnabled(false);
  pbAvanzamento_ = Controllo(new QProgressBar, QStringLiteral("pbAvanzamento"), QStringLiteral("Avanzamento"));
  pbAvanzamento_->setTextVisible(false);
  pbAvanzamento_->setValue(0);
  pnlMessaggio_ = new PannelloSfumato(QStringLiteral("Messaggio"));
  stato->addWidget(pbAvanzamento_, 1);
  stato->addWidget(pnlMessaggio_, 3);
  layout->addWidget(stato);
  lblAndamento_ = Controllo(new QLabel, QStringLiteral("lblAndamento"), QStringLiteral("Byte inviati"));
  // The line keeps its room while empty, so the window does not jump when a send starts.
  lblAndamento_->setMinimumHeight(lblAndamento_->fontMetrics().height());
  lblAndamento_->setVisible(!SoloPrezziario);
  layout->addWidget(lblAndamento_);

  connect(cmdAccedi_, &QPushButton::clicked, this, [this] { Accedi(); });
  connect(cmdSalvaImpostazioni_, &QPushButton::clicked, this, [this] { SalvaImpostazioni(); });
  connect(cmdScaricaPrezziario_, &QPushButton::clicked, this, [this] { ScaricaPrezziario(); });
  connect(cmdInviaVelistra_, &QPushButton::clicked, this, [this] { InviaVelistra(); });
  connect(cmdAnnullaOperazione_, &QPushButton::clicked, this, [this] { invio_->Interrompi(); });
  connect(cmdCancellaInvioVelistra_, &QPushButton::clicked, this, [this] { Cancella(); });
  connect(cmdChiudi_, &QPushButton::clicked, this, [this] { ChiudiFinestra(); });
}

void frmFTP::CaricaImpostazioni() {
  const DatiConnessione connessione = Impostazioni(percorsi_).LeggiConnessione();
  txtUsername_->setText(connessione.Username);
  txtPassword_->setText(DecodificaPassword(connessione.PasswordMemorizzata));
  LeggiDalPortachiavi(server_.DatiFTPBase, connessione.Username, this, [this](std::optional<QString> password) {
    if (password && !txtPassword_->isModified()) txtPassword_->setText(*password);
  });
  txtProxy_->setText(connessione.Proxy);
  chkFTPPassivo_->setChecked(connessione.FTPPassivo);
}

void frmFTP::AbilitaComandiInvio(bool v) {
  cmdInviaVelistra_->setEnabled(v);
  cmdCancellaInvioVelistra_->setEnabled(v);
  cmdScaricaPrezziario_->setEnabled(v);
  cmdAnnullaOperazione_->setEnabled(false);
  cmdChiudi_->setEnabled(true);
}

void frmFTP::ComandiDuranteOperazione(bool interrompibile) {
  for (QPushButton* p : {cmdAccedi_, cmdSalvaImpostazioni_, cmdScaricaPrezziario_, cmdInviaVelistra_,
                         cmdCancellaInvioVelistra_, cmdChiudi_})
    p->setEnabled(false);
  cmdAnnullaOperazione_->setEnabled(interrompibile);
}

void frmFTP::ComandiSenzaOperazione() {
  const bool collegato = invio_->accesso().UtenteEsiste;
  cmdAccedi_->setEnabled(!collegato);
  cmdSalvaImpostazioni_->setEnabled(true);
  AbilitaComandiInvio(collegato);
}

void frmFTP::AbilitaAnnullaOperazione(bool abilitato) { cmdAnnullaOperazione_->setEnabled(abilitato); }

CredenzialiInvio frmFTP::Credenziali() const {
  return {txtUsername_->text(), txtPassword_->text(), txtProxy_->text(), chkFTPPassivo_->isChecked()};
}

void frmFTP::Accedi() {
  if (!SoloPrezziario && UsernameOspite(txtUsername_->text())) {
    Avvisa({AvvisoInvio::Tipo::UsernameOspite});
    return;
  }
  Operazione([this] { invio_->Accedi(Credenziali()); });
}

void frmFTP::SalvaImpostazioni() {
  clsMouse mouse;
  mouse.setOggetto(this);
  TrimCampi(this);
  if (CampoVuoto(txtUsername_, true, true, QStringLiteral("Inserire lo username"))) return;
  if (CampoVuoto(txtPassword_, true, true, QStringLiteral("Inserire la password"))) return;
  const DatiConnessione connessione{txtUsername_->text(), {}, txtProxy_->text(), chkFTPPassivo_->isChecked()};
  if (!SalvaConnessione(percorsi_, server_.DatiFTPBase, connessione, txtPassword_->text(), this,
                         [this] { MostraAvvisoInvio({AvvisoInvio::Tipo::PasswordNelFile}, this); }))
    AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIniFTP, this);
}

void frmFTP::ScaricaPrezziario() {
  Operazione([this] { invio_->AggiornaPrezziario(Credenziali()); });
}

void frmFTP::InviaVelistra() {
  Operazione([this] { invio_->Invia(Credenziali()); }, true);
}

void frmFTP::Cancella() {
  Operazione([this] { invio_->Cancella(Credenziali()); }, true);
}

void frmFTP::Operazione(const std::function<void()>& avvia, bool interrompibile) {
  if (invio_->operazioneInCorso()) return;
  // Off before the command starts: no click queued meanwhile finds a command on.
  ComandiDuranteOperazione(interrompibile);
  piattaforma().ImpostaPuntatoreOccupato(this, true);
  avvia();
}

void frmFTP::FineOperazione() {
  if (invio_->accesso().UtenteEsiste && chkFTPPassivo_->isEnabled()) {
    BloccaControlli(this, QColor(230, 230, 230), true);
    chkFTPPassivo_->setEnabled(false);
  }
  ComandiSenzaOperazione();
  piattaforma().ImpostaPuntatoreOccupato(this, false);
  ChiudiSeRichiesto();
}

bool frmFTP::operazioneInCorso() const { return invio_->operazioneInCorso(); }

void frmFTP::RichiediChiusura(Chiusura modo) {
  chiusuraRichiesta_ = modo;
  invio_->Interrompi();
}

void frmFTP::ChiudiSeRichiesto() {
  const Chiusura richiesta = std::exchange(chiusuraRichiesta_, Chiusura::Nessuna);
  if (chiusuraAllaFine_) {
    chiusuraAllaFine_ = false;
    done(QDialog::Accepted);
  } else if (richiesta == Chiusura::Pulsante) {
    ChiudiFinestra();
  } else if (richiesta == Chiusura::Finestra) {
    close();
  }
}

void frmFTP::ChiudiFinestra() {
  // The button is off while work runs: a press that arrives anyway waits for
  // the work's end like the close box, for the window may not go under it.
  if (invio_->operazioneInCorso()) return RichiediChiusura(Chiusura::Pulsante);
  if (ordine_.FTPInCorso() == 1) {
    Avvisa({AvvisoInvio::Tipo::InvioNonTerminato});
    ChiudereApplicazione = true;
  }
  done(QDialog::Accepted);
}

void frmFTP::closeEvent(QCloseEvent* evento) {
  // The close box during an operation interrupts it; the window closes after.
  if (invio_->operazioneInCorso()) {
    RichiediChiusura(Chiusura::Finestra);
    evento->ignore();
    return;
  }
  QDialog::closeEvent(evento);
}

void frmFTP::reject() {
  if (invio_->operazioneInCorso()) return RichiediChiusura(Chiusura::Finestra);
  QDialog::reject();
}

void frmFTP::Chiudi() { chiusuraAllaFine_ = true; }

bool frmFTP::Avvisa(const AvvisoInvio& avviso) { return MostraAvvisoInvio(avviso, this) == RispostaMessaggio::Si; }

void frmFTP::ApriPaginaPagamento(const QString& indirizzo) { piattaforma().ApriDocumento(this, indirizzo); }

void frmFTP::MostraStato(const QString& testo) {
  pnlMessaggio_->Disegna(testo, kSfumaturaSinistra, kSfumaturaDestra);
}

void frmFTP::ImpostaAvanzamento(int valore, int massimo) {
  pbAvanzamento_->setMaximum(massimo);
  pbAvanzamento_->setValue(std::min(valore, massimo));
}

void frmFTP::MostraAndamento(const QString& testo) {
  lblAndamento_->setText(testo);
  // Read out as the status panel is: the name says what the line is, the description what it says.
  lblAndamento_->setAccessibleDescription(testo);
}

