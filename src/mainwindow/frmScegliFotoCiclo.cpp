// The main window's life: load, first activation, close and unload.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>

#include "album/TabellaRidimensionamento.h"
#include "mainwindow/DivisoreTrascinabile.h"
#include "mainwindow/GeometriaFinestra.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/frmScegliFoto.h"
#include "settings/Impostazioni.h"
#include "windows/AvvisoSalvataggio.h"
#include "windows/TestoVersione.h"
#include "windows/frmDatiUtente.h"
#include "windows/frmMessaggioAvviso.h"

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
  QComboBox* ridimensiona = controlli_.cmbRidimensiona;
  ridimensiona->clear();
  for (const ModoRidimensionamento& modo : TabellaRidimensionamento())
    ridimensiona->addItem(modo.etichetta, static_cast<int>(modo.codice));
  ridimensiona->setCurrentIndex(0);

  if (!ordine_.FTPInCorso() && !chiusuraOk) AvvisaChiusuraNonCorretta(this);

  if (!ordine_.album().CaricaVelistra(ordine_.catalogo().TuttiGliIdFormati()))
    AvvisaAlbumNonSalvato(percorsi_.PercorsoVelistraXML, this);

  cornice_.AggiornaComandi();
  controlli_.Prepara(dimensioni.picResizer2);
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
    ricarica_.Formato();
  }, Qt::SingleShotConnection);
  ricarica_.Cartella(false);
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
  cornice_.Modale([this, &finestra] { EseguiFinestraModale(finestra); });
}

void frmScegliFoto::EseguiFinestraModale(QDialog& finestra) { finestra.exec(); }

void frmScegliFoto::closeEvent(QCloseEvent* evento) {
  if (cornice_.Occupata()) {
    AvvisaOperazioneInCorso(this);
    evento->ignore();
    return;
  }
  // The album's last save ends first; the close's own save comes after it.
  if (ordine_.SalvataggioInCorso()) {
    evento->ignore();
    return DopoISalvataggi([this] { close(); });
  }
  evento->accept();
  SalvaAllaChiusura();
}

void frmScegliFoto::SalvaAllaChiusura() {
  if (scaricata_) return;
  scaricata_ = true;
  cornice_.ConPuntatoreOccupato([this] {
    SalvaDimensioniFinestra();
    if (ordine_.album().Caricato()) AvvisaSalvataggio(ordine_.SalvaOra(), percorsi_, this);
  });
}

void frmScegliFoto::SalvaDimensioniFinestra() {
  const Impostazioni impostazioni(percorsi_);
  if (!impostazioni.ScriviChiusuraOk(true)) AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIni, this);
  ordine_.album().SalvaContatoreFoto();
  // A maximised close keeps the last normal size.
  impostazioni.ScriviDimensioni(DimensioniDaFinestra(this, controlli_.picResizer2->x()), !isMaximized());
}
