// The reloads of the two views: the listing and the thumbnails on a worker,
// each thumbnail added on the GUI thread, "Annulla" asked about before the next.
#include "album/FiltroFormato.h"
#include "album/TabellaRidimensionamento.h"
#include "common/Lavoro.h"
#include "common/Percorsi.h"
#include "common/Piattaforma.h"
#include "mainwindow/frmScegliFoto.h"
#include "thumbview/ctrFotoView.h"
#include "windows/AlberoCartelle.h"

namespace {

const QString kDomandaCaricamento = QStringLiteral("Interrompere il caricamento?");

bool VistaPronta(const ctrFotoView* vista, QWidget* finestra) {
  if (vista->Inizializzato()) return true;
  MsgBox(QStringLiteral("Errore di inizializzazione."), IconaMessaggio::Nessuna, PulsantiMessaggio::OK, finestra);
  return false;
}

// What the format view shows of an album entry, read before the worker starts.
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

void frmScegliFoto::RefreshFoto(std::function<void()> poi) {
  if (!ricaricaCartella_.Accetta(std::move(poi))) return;
  fvFotoCartella_->CancellaThumbs();
  MostraNumeroFoto(sepNumFotoDir_, 0);
  MostraConteggio(0, 0);
  const QString selezionata = ftvFile_->CartellaSelezionata();
  const QString cartella = selezionata.isEmpty() ? QString() : AggiungiBarra(selezionata);
  // A request while the listing runs drops it: its frame is already open. The
  // tree stays usable once the window is activated, when its choices reload.
  if (!elencoCartellaInCorso_) IniziaOperazione(FinestraAttivata_);
  elencoCartellaInCorso_ = true;
  elencoFoto_.Richiedi(cartella, [this, cartella](const QStringList& foto) {
    elencoCartellaInCorso_ = false;
    ricaricaCartella_.IniziaMiniature();
    const int n = static_cast<int>(foto.size());
    const auto fine = [this] {
      MostraNumeroFoto(sepNumFotoDir_, fvFotoCartella_->TotFile());
      FineRicarica(ricaricaCartella_, [this] { RefreshFoto(); });
    };
    if (n == 0 || !VistaPronta(fvFotoCartella_, this)) return fine();
    fvFotoCartella_->AnticipaCartella(cartella, foto);
    CaricaMiniature(n, [this, cartella, foto, n](int k) {
      // Another folder chosen meanwhile: its reload follows at once.
      if (ricaricaCartella_.Pendente()) return false;
      if (fvFotoCartella_->AggiungiThumbs(cartella + foto[k - 1], true)) MostraConteggio(k, n);
      return true;
    }, fine);
  });
}

void frmScegliFoto::RefreshFotoFormato(std::function<void()> poi) {
  if (!ricaricaFormato_.Accetta(std::move(poi))) return;
  IniziaOperazione();
  ricaricaFormato_.IniziaMiniature();
  fvFotoFormato_->CancellaThumbs();
  MostraNumeroFoto(sepNumFotoFormato_, 0);
  MostraConteggio(0, 0);
  MostraImporto(ordine_.getImportoCorrenteEuro());
  const QList<VoceVista> voci = VociVista(ordine_.album(), FormatoVista());
  const auto fine = [this] { FineRicarica(ricaricaFormato_, [this] { RefreshFotoFormato(); }); };
  if (voci.isEmpty() || !VistaPronta(fvFotoFormato_, this)) return fine();
  const int n = static_cast<int>(voci.size());
  CaricaMiniature(n, [this, voci, n](int k) {
    const VoceVista& voce = voci[k - 1];
    fvFotoFormato_->AggiungiThumbs(voce.nomecompleto, true, voce.titolo, voce.quantita, voce.formato,
                                   voce.ridimensionamento);
    MostraConteggio(k, n);
    return true;
  }, [this, fine] {
    MostraNumeroFoto(sepNumFotoFormato_, fvFotoFormato_->TotFile());
    ordine_.CalcolaImportoVelistra();
    fine();
  });
}

void frmScegliFoto::CaricaMiniature(int n, std::function<bool(int k)> aggiungi, std::function<void()> fine) {
  AvviaLavoro(
      this,
      [this, n, aggiungi = std::move(aggiungi)] {
        Esegui(n, kDomandaCaricamento, [&](int k) { return SulThreadGrafico([&] { return aggiungi(k); }); });
      },
      std::move(fine));
}

void frmScegliFoto::FineRicarica(RicaricaVista& ricarica, const std::function<void()>& ancora) {
  FinisciOperazione();
  QList<std::function<void()>> poi;
  if (ricarica.FinisciMiniature(poi)) return ancora();
  for (const std::function<void()>& passo : poi) passo();
}
