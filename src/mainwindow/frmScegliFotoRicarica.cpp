// The reloads of the two views: the folder listed by a task, the thumbnails
// added on the GUI thread one a step, "Annulla" asked about before the next.
// A newer request of the same view replaces the one under way, which stops
// at its next step; the view's signal tells when the last one is done.
#include <memory>

#include "album/FiltroFormato.h"
#include "album/TabellaRidimensionamento.h"
#include "common/Compito.h"
#include "common/Percorsi.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/ElencoFoto.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/PassiGrafici.h"
#include "mainwindow/frmScegliFoto.h"
#include "thumbview/ctrFotoView.h"
#include "windows/AlberoCartelle.h"

namespace {

bool VistaPronta(const ctrFotoView* vista, QWidget* finestra) {
  if (vista->Inizializzato()) return true;
  AvvisaVistaNonPronta(finestra);
  return false;
}

// What the format view shows of an album entry.
struct VoceVista {
  QString nomecompleto;
  QString titolo;
  std::int16_t quantita = 0;
  QString formato;
  QString ridimensionamento;
};

QList<VoceVista> VociVista(const AlbumVelistra& album, const QString& formato) {
  QList<VoceVista> voci;
  for (const VoceAlbum& voce : OrdinaPerTitolo(album.Voci(formato)))
    voci.append({voce.copia, voce.titolo, static_cast<std::int16_t>(voce.quantita), voce.formato,
                 DescrizioneRidimensionamento(voce.ridimensionamento)});
  return voci;
}

}  // namespace

void frmScegliFoto::RefreshFoto() {
  const quint64 richiesta = ++richiestaCartella_;
  fvFotoCartella_->CancellaThumbs();
  MostraNumeroFoto(sepNumFotoDir_, 0);
  MostraConteggio(0, 0);
  const QString selezionata = ftvFile_->CartellaSelezionata();
  const QString cartella = selezionata.isEmpty() ? QString() : AggiungiBarra(selezionata);
  // A request while one runs keeps its frame. The tree stays usable once the
  // window is activated, when its choices reload.
  if (!ricaricaCartellaInCorso_) IniziaOperazione(FinestraAttivata_);
  ricaricaCartellaInCorso_ = true;
  AvviaCompito(this, [cartella] { return ElencoFotoCartella(cartella); },
               [this, richiesta, cartella](const QStringList& foto) {
                 // Another folder chosen meanwhile: its own listing follows.
                 if (richiesta != richiestaCartella_) return;
                 const int n = static_cast<int>(foto.size());
                 if (n == 0 || !VistaPronta(fvFotoCartella_, this)) return FineRicaricaCartella();
                 fvFotoCartella_->AnticipaCartella(cartella, foto);
                 CicloOperazione* ciclo = NuovoCiclo(
                     std::make_shared<PassiGrafici>(n,
                                                    [this, richiesta, cartella, foto, n](int k) {
                                                      if (richiesta != richiestaCartella_) return false;
                                                      if (fvFotoCartella_->AggiungiThumbs(cartella + foto[k - 1], true))
                                                        MostraConteggio(k, n);
                                                      return true;
                                                    }),
                     DomandaInterruzioneCaricamento());
                 connect(ciclo, &CicloOperazione::finito, this, [this, richiesta] {
                   FinisciOperazione();
                   if (richiesta == richiestaCartella_) FineRicaricaCartella();
                 });
                 ciclo->Avvia();
               });
}

void frmScegliFoto::FineRicaricaCartella() {
  ricaricaCartellaInCorso_ = false;
  MostraNumeroFoto(sepNumFotoDir_, fvFotoCartella_->TotFile());
  FinisciOperazione();
  Q_EMIT vistaCartellaCaricata();
}

void frmScegliFoto::RefreshFotoFormato() {
  const quint64 richiesta = ++richiestaFormato_;
  if (!ricaricaFormatoInCorso_) IniziaOperazione();
  ricaricaFormatoInCorso_ = true;
  fvFotoFormato_->CancellaThumbs();
  MostraNumeroFoto(sepNumFotoFormato_, 0);
  MostraConteggio(0, 0);
  MostraImporto(ordine_.getImportoCorrenteEuro());
  const QList<VoceVista> voci = VociVista(ordine_.album(), FormatoVista());
  if (voci.isEmpty() || !VistaPronta(fvFotoFormato_, this)) return FineRicaricaFormato();
  const int n = static_cast<int>(voci.size());
  CicloOperazione* ciclo = NuovoCiclo(std::make_shared<PassiGrafici>(n,
                                                                     [this, richiesta, voci, n](int k) {
                                                                       if (richiesta != richiestaFormato_) return false;
                                                                       const VoceVista& voce = voci[k - 1];
                                                                       fvFotoFormato_->AggiungiThumbs(
                                                                           voce.nomecompleto, true, voce.titolo,
                                                                           voce.quantita, voce.formato,
                                                                           voce.ridimensionamento);
                                                                       MostraConteggio(k, n);
                                                                       return true;
                                                                     }),
                                      DomandaInterruzioneCaricamento());
  connect(ciclo, &CicloOperazione::finito, this, [this, richiesta] {
    FinisciOperazione();
    if (richiesta != richiestaFormato_) return;
    MostraNumeroFoto(sepNumFotoFormato_, fvFotoFormato_->TotFile());
    ordine_.CalcolaImportoVelistra();
    FineRicaricaFormato();
  });
  ciclo->Avvia();
}

void frmScegliFoto::FineRicaricaFormato() {
  ricaricaFormatoInCorso_ = false;
  FinisciOperazione();
  Q_EMIT vistaFormatoCaricata();
}
