// The main window's life: load, first activation, close and unload.
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QKeySequence>
#include <QShortcut>
#include <QToolBar>
#include <utility>

#include "album/TabellaRidimensionamento.h"
#include "windows/AvvisoSalvataggio.h"
#include "windows/CampiInput.h"
#include "windows/PannelloSfumato.h"
#include "windows/TestoVersione.h"
#include "windows/Piattaforma.h"
#include "windows/AlberoCartelle.h"
#include "mainwindow/CampoNumeroFoto.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/DivisoreTrascinabile.h"
#include "mainwindow/FrecceNumero.h"
#include "mainwindow/GeometriaFinestra.h"
#include "mainwindow/GuidaInLinea.h"
#include "mainwindow/SelettoreFormato.h"
#include "mainwindow/frmScegliFoto.h"
#include "settings/Impostazioni.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"
#include "windows/frmDatiUtente.h"
#include "windows/frmMessaggioAvviso.h"

void frmScegliFoto::CollegaComandi() {
  connect(picResizer2_, &DivisoreTrascinabile::rilasciato, this, &frmScegliFoto::DisponiControlli);
  connect(ftvFile_, &AlberoCartelle::cartellaCambiata, this, [this] {
    if (FinestraAttivata_) RefreshFoto();
  });
  connect(&selettori_, &SelettoriFormato::ricaricaVistaFormato, this, [this] { RefreshFotoFormato(); });
  CollegaQualitaStampa();
  auto* guida = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(guida, &QShortcut::activated, this, [this] { ApriGuidaInLinea(percorsi_, this); });
}

void frmScegliFoto::ImpostaTitolo() {
  // Without the program file's date the caption stays as designed.
  const QDateTime modifica = UltimaModificaProgramma();
  if (!modifica.isValid()) return;
  setWindowTitle(QStringLiteral("Velistra - ver. ") + QStringLiteral(VELISTRA_VERSIONE) + QStringLiteral(" (") +
                 modifica.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(")"));
}

void frmScegliFoto::CaricaFinestra() {
  ImpostaTitolo();

  const Impostazioni impostazioni(percorsi_);
  ordine_.album().LeggiContatoreFoto();
  const bool chiusuraOk = impostazioni.ChiusuraOk();
  if (!impostazioni.ScriviChiusuraOk(false)) AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIni, this);
  NonMostrareMessaggio_ = impostazioni.NonMostrareMessaggio();
  DatiUtenteOk_ = impostazioni.DatiUtenteOk();
  ordine_.LeggiFTPInCorso();
  ordine_.catalogo().LeggiFormatoDefault();
  const DimensioniFinestra dimensioni = impostazioni.Dimensioni();

  const QRect memorizzata = GeometriaDaTwips(dimensioni, this);
  const QRect geometria = AdattaAllAreaDisponibile(memorizzata, AreaDisponibile(memorizzata, this));
  move(geometria.topLeft());
  resize(geometria.size());
  if (dimensioni.FormMassimizzata) setWindowState(windowState() | Qt::WindowMaximized);

  selettori_.CaricaFormatiFotografici(false);
  cmbRidimensiona_->clear();
  for (const ModoRidimensionamento& modo : TabellaRidimensionamento())
    cmbRidimensiona_->addItem(modo.etichetta, static_cast<int>(modo.codice));
  cmbRidimensiona_->setCurrentIndex(0);

  if (!ordine_.FTPInCorso() && !chiusuraOk) AvvisaChiusuraNonCorretta(this);

  if (!ordine_.album().CaricaVelistra(ordine_.catalogo().TuttiGliIdFormati()))
    AvvisaAlbumNonSalvato(percorsi_.PercorsoVelistraXML, this);

  fvFotoCartella_->setpicPreview(picZoom_);
  fvFotoFormato_->setpicPreview(picZoom_);
  ColoreBarraProgresso(pbAvanzamento_, ColoreBGR(0xFFFFC0));
  ColoreSfondoProgresso(pbAvanzamento_, ColoreBGR(0xC0C000));
  for (SelettoreFormato* selettore : {selettoreCopia_, selettoreFoto_, selettoreOperazioni_})
    selettore->CambiaToolTipFormatoAmatoriale(selettore->casella());
  AbilitaComandi(true);
  // Placed once the lists are filled: their widths decide where the splitter fits.
  picResizer2_->ImpostaPosizioneScelta(dimensioni.picResizer2);
  DisponiControlli();
}

void frmScegliFoto::changeEvent(QEvent* evento) {
  QWidget::changeEvent(evento);
  // Queued, so that the window is on screen before the first steps open their windows.
  if (evento->type() == QEvent::ActivationChange && isActiveWindow() && !primaAttivazioneFatta_)
    QMetaObject::invokeMethod(this, &frmScegliFoto::EseguiPrimaAttivazione, Qt::QueuedConnection);
}

void frmScegliFoto::EseguiPrimaAttivazione() {
  // Marked at once: another activation may come while the views are filled.
  if (primaAttivazioneFatta_) return;
  primaAttivazioneFatta_ = true;
  if (ordine_.FTPInCorso()) return FinisciAttivazione();
  // The folder's photos first, then the album's, then the customer's data.
  connect(this, &frmScegliFoto::vistaCartellaCaricata, this, [this] {
    connect(this, &frmScegliFoto::vistaFormatoCaricata, this, &frmScegliFoto::DopoLeVisteIniziali,
            Qt::SingleShotConnection);
    RefreshFotoFormato();
  }, Qt::SingleShotConnection);
  RefreshFoto();
}

void frmScegliFoto::DopoLeVisteIniziali() {
  ordine_.CalcolaImportoVelistra();
  if (!DatiUtenteOk_) {
    frmDatiUtente finestra(percorsi_, this);
    MostraFinestraModale(finestra);
  }
  FinisciAttivazione();
}

void frmScegliFoto::FinisciAttivazione() {
  FinestraAttivata_ = true;
  if (!NonMostrareMessaggio_) {
    frmMessaggioAvviso finestra(percorsi_, this);
    MostraFinestraModale(finestra);
  }
  if (ordine_.FTPInCorso()) {
    AvvisaInvioDaRiprendere(this);
    ApriInvio();
  }
}

void frmScegliFoto::MostraFinestraModale(QDialog& finestra) {
  // Qt's modality stops the mouse and the keys, not a screen reader's press:
  // the commands behind the window are off until it closes.
  ++finestreModaliAperte_;
  AbilitaComandi(false);
  EseguiFinestraModale(finestra);
  --finestreModaliAperte_;
  AbilitaComandi(!OperazioneInCorso());
}

void frmScegliFoto::EseguiFinestraModale(QDialog& finestra) { finestra.exec(); }

void frmScegliFoto::closeEvent(QCloseEvent* evento) {
  if (!Pulsante(tbCartella_, QStringLiteral("Aggiorna"))->isEnabled()) {
    AvvisaOperazioneInCorso(this);
    evento->ignore();
    return;
  }
  evento->accept();
  SalvaAllaChiusura();
}

void frmScegliFoto::SalvaAllaChiusura() {
  if (scaricata_) return;
  scaricata_ = true;
  ConPuntatoreOccupato([this] {
    SalvaDimensioniFinestra();
    if (ordine_.album().Caricato()) AvvisaSalvataggio(ordine_.Salva(), percorsi_, this);
  });
}

void frmScegliFoto::SalvaDimensioniFinestra() {
  const Impostazioni impostazioni(percorsi_);
  if (!impostazioni.ScriviChiusuraOk(true)) AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIni, this);
  ordine_.album().SalvaContatoreFoto();
  // A maximised close keeps the last normal size.
  impostazioni.ScriviDimensioni(DimensioniDaFinestra(this, picResizer2_->x()), !isMaximized());
}

void frmScegliFoto::AbilitaComandi(bool valore, bool alberoUsabile) {
  const bool dietroFinestraModale = finestreModaliAperte_ > 0;
  if (dietroFinestraModale) valore = alberoUsabile = false;
  for (QToolBar* barra : {tbCartella_, tbGruppo_})
    Pulsante(barra, QStringLiteral("Annulla"))->setEnabled(!dietroFinestraModale);
  ftvFile_->setEnabled(valore || alberoUsabile);
  fvFotoCartella_->ImpostaEnabled(valore);
  fvFotoFormato_->ImpostaEnabled(valore);
  picResizer2_->setEnabled(valore);
  const QStringList annulla{QStringLiteral("Annulla")};
  AbilitaPulsantiToolbar(tbCartella_, valore, annulla);
  AbilitaPulsantiToolbar(tbGruppo_, valore, annulla);
  AbilitaPulsantiToolbar(tbOperazioni_, valore);
  selettoreOperazioni_->lista()->setEnabled(valore);
  selettoreCopia_->lista()->setEnabled(valore);
  cmbRidimensiona_->setEnabled(valore);
  txtNumFoto_->setEnabled(valore);
  udNumFoto_->setEnabled(valore);
  selettoreFoto_->lista()->setEnabled(valore && FiltroPremuto());
  // A check box changed mid-operation would refill its list and could reload a view.
  for (SelettoreFormato* selettore : {selettoreCopia_, selettoreFoto_, selettoreOperazioni_})
    selettore->casella()->setEnabled(valore);
}

bool frmScegliFoto::FiltroPremuto() const { return Pulsante(tbGruppo_, QStringLiteral("Filtro"))->isChecked(); }

void frmScegliFoto::IniziaOperazione(bool alberoUsabile) {
  // Nested frames (a copy that ends by reloading the format view) keep the
  // commands disabled and the pointer busy until the outermost one ends.
  if (operazioniInCorso_++ > 0) return;
  AbilitaComandi(false, alberoUsabile);
  piattaforma().ImpostaPuntatoreOccupato(this, true);
}

void frmScegliFoto::FinisciOperazione() {
  if (--operazioniInCorso_ > 0) return;
  for (int i = std::exchange(puntatoriDaRilasciare_, 0); i >= 0; --i)
    piattaforma().ImpostaPuntatoreOccupato(this, false);
  AbilitaComandi(true);
}

void frmScegliFoto::OperazioneLunga(const std::function<void()>& comando) {
  IniziaOperazione();
  comando();
  FinisciOperazione();
}

void frmScegliFoto::ConPuntatoreOccupato(const std::function<void()>& comando) {
  piattaforma().ImpostaPuntatoreOccupato(this, true);
  comando();
  // A long operation still running (a reload the command started) keeps the
  // pointer busy until it ends.
  if (operazioniInCorso_ > 0)
    ++puntatoriDaRilasciare_;
  else
    piattaforma().ImpostaPuntatoreOccupato(this, false);
}
