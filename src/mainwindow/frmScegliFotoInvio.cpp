// The send window, the price list and its breakdown, and the customer sheet they ask for.
#include "common/Piattaforma.h"
#include "mainwindow/frmScegliFoto.h"
#include "send/frmFTP.h"
#include "thumbview/ctrFotoView.h"
#include "settings/Impostazioni.h"
#include "mainwindow/frmDettaglioPrezzo.h"

void frmScegliFoto::ScaricaPrezziario() {
  frmFTP finestra(ordine_, *this, percorsi_, server_, true, this);
  MostraFinestraModale(finestra);
  RicaricaCatalogo();
  if (finestra.ChiudereApplicazione) close();
}

void frmScegliFoto::MostraDettaglioPrezzo() {
  if (OperazioneInCorso()) return;
  frmDettaglioPrezzo finestra(CalcolaDettaglioPrezzo(ordine_.album().Formati(), ordine_.catalogo(),
                                                     Impostazioni(percorsi_).ListinoScaricato()),
                              this);
  MostraFinestraModale(finestra);
}

void frmScegliFoto::ApriInvio() {
  if (!ordine_.FTPInCorso() && ordine_.NumeroVoci({}) == 0) {
    MsgBox(QStringLiteral("Nessuna fotografia presente nel Velistra."), IconaMessaggio::Informazione,
           PulsantiMessaggio::OK, this);
    return;
  }
  // A send under way was confirmed when it started.
  if (ordine_.FTPInCorso()) return MostraInvio();
  ConfermaQualitaStampa([this] { MostraInvio(); });
}

void frmScegliFoto::MostraInvio() {
  frmFTP finestra(ordine_, *this, percorsi_, server_, false, this);
  MostraFinestraModale(finestra);
  RicaricaCatalogo();
  // Closed during a send: the program ends and reopens the send at the next start.
  if (finestra.ChiudereApplicazione) close();
}

QString frmScegliFoto::getDatiUtente() const {
  const DatiUtente dati = Impostazioni(percorsi_).LeggiDatiUtente();
  return dati.Cognome + u' ' + dati.Nome + QStringLiteral("\r\n") + dati.Citta + QStringLiteral("\r\n") + dati.Via;
}

bool frmScegliFoto::CreaFotografiaTesto(const QString& percorso, const QString& testo) {
  // Called on the order's worker without a hop: the view only lends the sheet
  // font fixed at its creation, and saving the picture on the GUI thread would
  // stall it behind the medium's pending writes (over half a second).
  return fvFotoFormato_->CreaFotografiaTesto(percorso, testo);
}
