#include "mainwindow/RicaricaViste.h"

#include <memory>

#include "album/FiltroFormato.h"
#include "album/TabellaRidimensionamento.h"
#include "common/Compito.h"
#include "common/Percorsi.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/ControlliScegliFoto.h"
#include "mainwindow/CorniceOperazioni.h"
#include "mainwindow/ElencoFoto.h"
#include "mainwindow/Messaggi.h"
#include "mainwindow/PassiGrafici.h"
#include "ordine/OrdineVelistra.h"
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

RicaricaViste::RicaricaViste(QWidget& finestra, ControlliScegliFoto& controlli, CorniceOperazioni& cornice,
                             OrdineVelistra& ordine)
    : finestra_(finestra), controlli_(controlli), cornice_(cornice), ordine_(ordine) {}

void RicaricaViste::Cartella(bool alberoUsabile) {
  const quint64 richiesta = ++richiestaCartella_;
  ctrFotoView* vista = controlli_.fvFotoCartella;
  vista->CancellaThumbs();
  controlli_.MostraNumeroFotoCartella(0);
  controlli_.MostraConteggio(0, 0);
  const QString selezionata = controlli_.ftvFile->CartellaSelezionata();
  const QString cartella = selezionata.isEmpty() ? QString() : AggiungiBarra(selezionata);
  // A request while one runs keeps its frame.
  if (!cartellaInCorso_) cornice_.Inizia(alberoUsabile);
  cartellaInCorso_ = true;
  AvviaCompito(this, [cartella] { return ElencoFotoCartella(cartella); },
               [this, vista, richiesta, cartella](const QStringList& foto) {
                 // Another folder chosen meanwhile: its own listing follows.
                 if (richiesta != richiestaCartella_) return;
                 const int n = static_cast<int>(foto.size());
                 if (n == 0 || !VistaPronta(vista, &finestra_)) return FineCartella();
                 vista->AnticipaCartella(cartella, foto);
                 CicloOperazione* ciclo = cornice_.NuovoCiclo(
                     std::make_shared<PassiGrafici>(n,
                                                    [this, vista, richiesta, cartella, foto, n](int k) {
                                                      if (richiesta != richiestaCartella_) return false;
                                                      if (vista->AggiungiThumbs(cartella + foto[k - 1], true))
                                                        controlli_.MostraConteggio(k, n);
                                                      return true;
                                                    }),
                     DomandaInterruzioneCaricamento());
                 connect(ciclo, &CicloOperazione::finito, this, [this, richiesta] {
                   cornice_.Finisci();
                   if (richiesta == richiestaCartella_) FineCartella();
                 });
                 ciclo->Avvia();
               });
}

void RicaricaViste::FineCartella() {
  cartellaInCorso_ = false;
  controlli_.MostraNumeroFotoCartella(controlli_.fvFotoCartella->TotFile());
  cornice_.Finisci();
  Q_EMIT vistaCartellaCaricata();
}

void RicaricaViste::Formato() {
  const quint64 richiesta = ++richiestaFormato_;
  if (!formatoInCorso_) cornice_.Inizia();
  formatoInCorso_ = true;
  ctrFotoView* vista = controlli_.fvFotoFormato;
  vista->CancellaThumbs();
  controlli_.MostraNumeroFotoFormato(0);
  controlli_.MostraConteggio(0, 0);
  controlli_.MostraImporto(ordine_.getImportoCorrenteEuro());
  const QList<VoceVista> voci = VociVista(ordine_.album(), controlli_.FormatoVista());
  if (voci.isEmpty() || !VistaPronta(vista, &finestra_)) return FineFormato();
  const int n = static_cast<int>(voci.size());
  CicloOperazione* ciclo =
      cornice_.NuovoCiclo(std::make_shared<PassiGrafici>(n,
                                                         [this, vista, richiesta, voci, n](int k) {
                                                           if (richiesta != richiestaFormato_) return false;
                                                           const VoceVista& voce = voci[k - 1];
                                                           vista->AggiungiThumbs(voce.nomecompleto, true, voce.titolo,
                                                                                 voce.quantita, voce.formato,
                                                                                 voce.ridimensionamento);
                                                           controlli_.MostraConteggio(k, n);
                                                           return true;
                                                         }),
                          DomandaInterruzioneCaricamento());
  connect(ciclo, &CicloOperazione::finito, this, [this, vista, richiesta] {
    cornice_.Finisci();
    if (richiesta != richiestaFormato_) return;
    controlli_.MostraNumeroFotoFormato(vista->TotFile());
    ordine_.CalcolaImportoVelistra();
    FineFormato();
  });
  ciclo->Avvia();
}

void RicaricaViste::FineFormato() {
  formatoInCorso_ = false;
  cornice_.Finisci();
  Q_EMIT vistaFormatoCaricata();
}
