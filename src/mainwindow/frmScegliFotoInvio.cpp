// The windows the commands open: the send, the price list and its breakdown,
// the history; and the customer sheet the send asks for.
#include "mainwindow/Messaggi.h"
#include "mainwindow/frmDettaglioPrezzo.h"
#include "mainwindow/frmFTP.h"
#include "mainwindow/frmScegliFoto.h"
#include "mainwindow/frmStoricoOrdini.h"
#include "ordine/FoglioClienteJpeg.h"
#include "settings/Impostazioni.h"

void frmScegliFoto::ScaricaPrezziario() {
  frmFTP finestra(ordine_, *this, percorsi_, server_, true, this);
  MostraFinestraModale(finestra);
  RicaricaCatalogo();
  if (finestra.ChiudereApplicazione) close();
}

void frmScegliFoto::MostraDettaglioPrezzo() {
  if (cornice_.InCorso()) return;
  frmDettaglioPrezzo finestra(CalcolaDettaglioPrezzo(ordine_.album().Formati(), ordine_.catalogo(),
                                                     Impostazioni(percorsi_).ListinoScaricato()),
                              this);
  MostraFinestraModale(finestra);
}

void frmScegliFoto::ApriInvio() {
  if (!ordine_.FTPInCorso() && ordine_.NumeroVoci({}) == 0) {
    AvvisaNessunaFotoDaInviare(this);
    return;
  }
  // A send under way was confirmed when it started.
  if (ordine_.FTPInCorso()) return MostraInvio();
  ConfermaQualitaStampa().then(this, [this](bool avanti) {
    if (avanti) MostraInvio();
  });
}

void frmScegliFoto::MostraInvio() {
  // The send uploads the album's file: it waits for the last change to be in it.
  if (ordine_.SalvataggioInCorso()) return DopoISalvataggi([this] { MostraInvio(); });
  frmFTP finestra(ordine_, *this, percorsi_, server_, false, this);
  MostraFinestraModale(finestra);
  RicaricaCatalogo();
  // Closed during a send: the program ends and reopens the send at the next start.
  if (finestra.ChiudereApplicazione) close();
}

void frmScegliFoto::ApriStoricoOrdini() {
  frmStoricoOrdini finestra(StoricoOrdini(percorsi_.PercorsoStorico).Leggi(), this);
  MostraFinestraModale(finestra);
  if (const std::optional<OrdineStorico> ordine = finestra.OrdineDaRipetere()) RipetiOrdine(*ordine);
}

QString frmScegliFoto::getDatiUtente() const {
  const DatiUtente dati = Impostazioni(percorsi_).LeggiDatiUtente();
  return dati.Cognome + u' ' + dati.Nome + QStringLiteral("\r\n") + dati.Citta + QStringLiteral("\r\n") + dati.Via;
}

bool frmScegliFoto::CreaFotografiaTesto(const QString& percorso, const QString& testo) {
  return ScriviFoglioClienteJpeg(percorso, testo);
}
