// The commands on the photos of the folder and of the album.
#include <QDir>
#include <memory>

#include "album/TabellaRidimensionamento.h"
#include "windows/AvvisoSalvataggio.h"
#include "windows/PannelloSfumato.h"
#include "mainwindow/frmStoricoOrdini.h"
#include "common/Piattaforma.h"
#include "common/Lavoro.h"
#include "common/NumeriCliente.h"
#include "mainwindow/RisposteDuplicato.h"
#include "mainwindow/frmScegliFoto.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kNessunaSelezione = QStringLiteral("Nessuna fotografia selezionata.");
const QString kDomandaCopia = QStringLiteral("Interrompere la copia?");
const QColor kSfumaturaSinistra = ColoreBGR(0xC0C000);
const QColor kSfumaturaDestra = ColoreBGR(0xFFFFC0);

void AvvisaNessunaSelezione(QWidget* finestra) {
  MsgBox(kNessunaSelezione, IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, finestra);
}

void AvvisaNonTrovata(QWidget* finestra) {
  MsgBox(QStringLiteral("Fotografia non trovata."), IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

// A photo that could not be copied (gone from its folder, a full disk): the
// loop stops there and keeps what was copied before it.
void AvvisaCopiaNonRiuscita(const QString& foto, QWidget* finestra) {
  MsgBox(QStringLiteral("Impossibile copiare la fotografia \"") + foto +
             QStringLiteral("\" nella cartella del Velistra.\nLe fotografie copiate fino a questo punto sono state "
                            "conservate."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

// No new copy can be named before a new album.
void AvvisaContatoreEsaurito(QWidget* finestra) {
  MsgBox(QStringLiteral("Il contatore delle fotografie ha raggiunto il valore massimo.\n"
                        "Creare un nuovo Velistra per poter aggiungere altre fotografie."),
         IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, finestra);
}

// An empty format list (a catalogue without formats of that kind).
bool FormatoScelto(const QString& formato, QWidget* finestra) {
  if (!formato.isEmpty()) return true;
  MsgBox(QStringLiteral("Nessun formato selezionato per la copia."), IconaMessaggio::Esclamazione,
         PulsantiMessaggio::OK, finestra);
  return false;
}

// A format that neither the album nor the catalogue has: the loop stopped at
// its first photo.
void AvvisaFormatoAssente(const QString& formato, QWidget* finestra) {
  MsgBox(QStringLiteral("Il formato ") + formato +
             QStringLiteral(" non è più disponibile nel listino: nessuna fotografia vi è stata aggiunta."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

// The end of a copy that did not fail; photos refused as already in the
// format were not copied.
void AvvisaCopiaEseguita(const QString& formato, int copiate, QWidget* finestra) {
  MsgBox((copiate > 0 ? QStringLiteral("Copia eseguita nel formato ")
                      : QStringLiteral("Nessuna fotografia è stata copiata nel formato ")) +
             formato + QStringLiteral("."),
         IconaMessaggio::Informazione, PulsantiMessaggio::OK, finestra);
}

// What a repeated order left out, in one message: the customer's files that
// are gone and the formats the price list no longer has.
void AvvisaFotoNonAggiunte(const RisultatoRipeti& risultato, QWidget* finestra) {
  QStringList righe;
  if (!risultato.nonTrovate.isEmpty()) {
    QStringList percorsi;
    for (const QString& foto : risultato.nonTrovate) percorsi.append(QDir::toNativeSeparators(foto));
    righe.append(QStringLiteral("Non trovate: ") + percorsi.join(QStringLiteral(", ")));
  }
  if (!risultato.formatiNonOfferti.isEmpty())
    righe.append(QStringLiteral("Formati non più disponibili nel listino: ") +
                 risultato.formatiNonOfferti.join(QStringLiteral(", ")) +
                 QStringLiteral(". Le fotografie di questi formati non sono state aggiunte."));
  if (!righe.isEmpty())
    MsgBox(righe.join(u'\n'), IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, finestra);
}

// What went wrong with one photo of an operation, told in one place.
void AvvisaEsito(EsitoFoto esito, const QString& foto, const QString& formato, QWidget* finestra) {
  switch (esito) {
    case EsitoFoto::Fatto:
    case EsitoFoto::Saltata: return;
    case EsitoFoto::NonTrovata: return AvvisaNonTrovata(finestra);
    case EsitoFoto::CopiaNonRiuscita: return AvvisaCopiaNonRiuscita(foto, finestra);
    case EsitoFoto::ContatoreEsaurito: return AvvisaContatoreEsaurito(finestra);
    case EsitoFoto::FormatoAssente: return AvvisaFormatoAssente(formato, finestra);
  }
}

const QString kFiltroNecessario = QStringLiteral(
    "Per eseguire una copia tra formati fotografici differenti, attivare il filtro sul formato fotografico.");

}  // namespace

void frmScegliFoto::MostraConteggio(int k, int n) {
  pnlConteggio_->Disegna(QStringLiteral("Foto: %1/%2").arg(TestoIntero(k), TestoIntero(n)), kSfumaturaSinistra,
                         kSfumaturaDestra);
}

void frmScegliFoto::MostraImporto(const QString& importoEuro) {
  pnlCosto_->Disegna(importoEuro, kSfumaturaSinistra, kSfumaturaDestra);
}

void frmScegliFoto::MostraNumeroFoto(QWidget* separatore, int numero) {
  if (separatore) separatore->setProperty("Caption", QStringLiteral("Fotografie: ") + TestoIntero(numero));
}

void frmScegliFoto::MostraVoci(const QString& formato, int voci, int vociTotali) {
  const QString vista = FormatoVista();
  if (vista.isEmpty())
    MostraNumeroFoto(sepNumFotoFormato_, vociTotali);
  else if (vista == formato)
    MostraNumeroFoto(sepNumFotoFormato_, voci);
}

QString frmScegliFoto::FormatoVista() { return FiltroPremuto() ? selettori_.Foto().formato() : QString(); }

void frmScegliFoto::SalvaAlbum(bool conContatore) {
  switch (ordine_.Salva(conContatore)) {
    case EsitoSalvataggio::Salvato: return;
    case EsitoSalvataggio::AlbumNonSalvato: return AvvisaAlbumNonSalvato(percorsi_.PercorsoVelistraXML, this);
    case EsitoSalvataggio::ContatoreNonSalvato: return AvvisaImpostazioniNonSalvate(percorsi_.PercorsoIni, this);
  }
}

void frmScegliFoto::CopiaInFormato() {
  const QList<FotoSelezionata> selezione = fvFotoCartella_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) {
    AvvisaNessunaSelezione(this);
    return;
  }
  const QString formato = selettori_.Copia().formato();
  if (!FormatoScelto(formato, this)) return;
  const bool mostraNellaVista = formato == selettori_.Foto().formato() || !FiltroPremuto();
  auto riuscita = std::make_shared<bool>(true);
  auto copiate = std::make_shared<int>(0);
  OperazioneSulLavoro(
      [this, selezione, formato, mostraNellaVista, riuscita, copiate] {
        const QString fillIn = DescrizioneRidimensionamento(ChiaveRidimensionamento(0));
        const int n = static_cast<int>(selezione.size());
        RisposteDuplicato risposte(this);
        Esegui(n, kDomandaCopia, [&](int k) {
          const FotoSelezionata& foto = selezione[k - 1];
          const RisultatoFoto copia = ordine_.CopiaNelFormato(formato, foto.NomeCompleto, foto.Titolo, [&] {
            return risposte.Aggiungere(foto.Titolo, formato);
          });
          if (copia.esito == EsitoFoto::Saltata) return true;
          if (copia.esito != EsitoFoto::Fatto) {
            AvvisaEsito(copia.esito, foto.NomeCompleto, formato, this);
            return *riuscita = false;
          }
          ++*copiate;
          SulThreadGrafico([&] {
            if (mostraNellaVista) fvFotoFormato_->AggiungiThumbs(copia.copia, true, foto.Titolo, 1, formato, fillIn);
            MostraConteggio(k, n);
          });
          return true;
        });
        SalvaAlbum(true);
      },
      [this, formato, riuscita, copiate] {
        fvFotoFormato_->DisegnaThumbTutto();
        FiltroSulFormatoCopiato(formato, [this, formato, riuscita, copiate] {
          if (*riuscita) AvvisaCopiaEseguita(formato, *copiate, this);
        });
      });
}

void frmScegliFoto::FiltroSulFormatoCopiato(const QString& formato, std::function<void()> poi) {
  if (selettori_.Foto().formato() == formato) return poi();
  selettori_.ImpostaFormatiCaricati(false);
  selettori_.Foto().ImpostaAmatoriale(selettori_.Copia().amatoriale());
  selettori_.Foto().ImpostaFormato(formato);
  selettori_.ImpostaFormatiCaricati(true);
  // Reloaded here rather than by the list's change: the refiltered list may
  // already have chosen the format, and then no change would reload the view.
  RefreshFotoFormato(std::move(poi));
}

void frmScegliFoto::TogliSelezionateDallaVista(bool tutteRiuscite, std::function<void()> poi) {
  // When the loop stopped early some checked photos kept their entries: the
  // view is rebuilt from the album rather than losing them all.
  if (!tutteRiuscite) return RefreshFotoFormato(std::move(poi));
  fvFotoFormato_->CancellaThumbSelezionate();
  poi();
}

std::optional<bool> frmScegliFoto::PerOgniSelezionata(const std::function<EsitoFoto(const QString&)>& azione) {
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) {
    AvvisaNessunaSelezione(this);
    return std::nullopt;
  }
  for (const FotoSelezionata& foto : selezione) {
    const EsitoFoto esito = azione(foto.NomeCompleto);
    if (esito != EsitoFoto::Fatto) {
      AvvisaEsito(esito, foto.NomeCompleto, {}, this);
      return false;
    }
  }
  return true;
}

void frmScegliFoto::CopiaTraFormati() {
  const QString origine = selettori_.Foto().formato();
  const QString destinazione = selettori_.Operazioni().formato();
  if (!FiltroPremuto()) {
    MsgBox(kFiltroNecessario, IconaMessaggio::Informazione, PulsantiMessaggio::OK, this);
    return;
  }
  if (!FormatoScelto(destinazione, this)) return;
  if (origine == destinazione &&
      MsgBox(QStringLiteral("Il formato fotografico di origine e di destinazione coincidono.\r\n"
                            "Eseguire ugualmente la copia?"),
             IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, RispostaMessaggio::No, this) != RispostaMessaggio::Si)
    return;
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) {
    AvvisaNessunaSelezione(this);
    return;
  }
  auto riuscita = std::make_shared<bool>(true);
  auto copiate = std::make_shared<int>(0);
  OperazioneSulLavoro(
      [this, selezione, origine, destinazione, riuscita, copiate] {
        const QString fillIn = DescrizioneRidimensionamento(ChiaveRidimensionamento(0));
        const int n = static_cast<int>(selezione.size());
        RisposteDuplicato risposte(this);
        // Copying into the same format was confirmed for all the photos at once.
        Esegui(n, kDomandaCopia, [&](int k) {
          const FotoSelezionata& foto = selezione[k - 1];
          const RisultatoFoto copia = ordine_.CopiaTraFormati(
              origine, destinazione, foto.NomeCompleto, foto.Titolo,
              destinazione == origine ? ConfermaDuplicato() : [&] { return risposte.Aggiungere(foto.Titolo, destinazione); });
          if (copia.esito == EsitoFoto::Saltata) return true;
          if (copia.esito != EsitoFoto::Fatto) {
            AvvisaEsito(copia.esito, foto.NomeCompleto, destinazione, this);
            return *riuscita = false;
          }
          ++*copiate;
          if (destinazione == origine)
            SulThreadGrafico([&] {
              if (fvFotoFormato_->AggiungiThumbs(copia.copia, true, foto.Titolo, 1, destinazione, fillIn))
                MostraConteggio(k, n);
            });
          return true;
        });
        SalvaAlbum(true);
      },
      [this, destinazione, riuscita, copiate] {
        fvFotoFormato_->DisegnaThumbTutto();
        if (*riuscita) AvvisaCopiaEseguita(destinazione, *copiate, this);
      });
}

void frmScegliFoto::SpostaTraFormati() {
  const QString origine = selettori_.Foto().formato();
  const QString destinazione = selettori_.Operazioni().formato();
  if (!FiltroPremuto()) {
    MsgBox(kFiltroNecessario, IconaMessaggio::Informazione, PulsantiMessaggio::OK, this);
    return;
  }
  if (origine == destinazione) {
    MsgBox(QStringLiteral("Selezionare un formato fotografico differente per lo spostamento."),
           IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, this);
    return;
  }
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) {
    AvvisaNessunaSelezione(this);
    return;
  }
  const int n = static_cast<int>(selezione.size());
  // Counted on the worker, read by the end on the GUI thread once it is over.
  auto spostate = std::make_shared<int>(0);
  auto esito = std::make_shared<EsitoFoto>(EsitoFoto::Fatto);
  OperazioneSulLavoro(
      [this, selezione, origine, destinazione, n, spostate, esito] {
        Esegui(n, QStringLiteral("Interrompere lo spostamento?"), [&](int k) {
          *esito = ordine_.SpostaTraFormati(origine, destinazione, selezione[k - 1].NomeCompleto);
          if (*esito == EsitoFoto::NonTrovata) AvvisaNonTrovata(this);
          if (*esito != EsitoFoto::Fatto) return false;
          ++*spostate;
          SulThreadGrafico([&] { MostraConteggio(k, n); });
          return true;
        });
        SalvaAlbum();
      },
      [this, destinazione, n, spostate, esito] {
        TogliSelezionateDallaVista(*spostate == n, [this, destinazione, esito] {
          // "Fotografia non trovata." already told the user the move stopped short.
          if (*esito == EsitoFoto::FormatoAssente)
            AvvisaEsito(*esito, {}, destinazione, this);
          else if (*esito == EsitoFoto::Fatto)
            MsgBox(QStringLiteral("Spostamento eseguito nel formato ") + destinazione + QStringLiteral("."),
                   IconaMessaggio::Informazione, PulsantiMessaggio::OK, this);
        });
      });
}

void frmScegliFoto::CancellaThumbSelezionate() {
  if (MsgBox(QStringLiteral("Rimuovere dal formato le fotografie selezionate?"), IconaMessaggio::Domanda,
             PulsantiMessaggio::SiNo, this) != RispostaMessaggio::Si)
    return;
  const QString formato = FormatoVista();
  const std::optional<bool> tutte =
      PerOgniSelezionata([this, &formato](const QString& foto) { return ordine_.Cancella(formato, foto); });
  if (!tutte) return;
  SalvaAlbum();
  TogliSelezionateDallaVista(*tutte, [this] {
    MsgBox(QStringLiteral("Cancellazione eseguita."), IconaMessaggio::Informazione, PulsantiMessaggio::OK, this);
  });
}

void frmScegliFoto::ImpostaNumeroFoto(std::int16_t numero) {
  const QString formato = FormatoVista();
  const std::optional<bool> tutte = PerOgniSelezionata(
      [this, &formato, numero](const QString& foto) { return ordine_.ImpostaQuantita(formato, foto, numero); });
  if (!tutte) return;
  SalvaAlbum();
  if (*tutte)
    fvFotoFormato_->ImpostaNumeroFotoThumbSelezionate(numero);
  else
    RefreshFotoFormato();
}

void frmScegliFoto::ImpostaRidimensionamento(const QString& codice) {
  const QString chiave = ChiaveRidimensionamento(static_cast<std::int16_t>(codice.toInt()));
  if (chiave.isEmpty()) return;
  const QString formato = FormatoVista();
  const std::optional<bool> tutte = PerOgniSelezionata([this, &formato, &chiave](const QString& foto) {
    return ordine_.ImpostaRidimensionamento(formato, foto, chiave);
  });
  if (!tutte) return;
  SalvaAlbum();
  if (*tutte)
    fvFotoFormato_->ImpostaRidimensionamentoThumbSelezionate(DescrizioneRidimensionamento(chiave));
  else
    RefreshFotoFormato();
}

bool frmScegliFoto::NessunInvioInSospeso() {
  if (!ordine_.FTPInCorso()) return true;
  MsgBox(QStringLiteral("L'invio del Velistra corrente non è terminato.\r\n"
                        "Per annullare l'attuale invio, utilizzare l'apposito bottone presente nella finestra di "
                        "invio."),
         IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, this);
  return false;
}

void frmScegliFoto::ConfermaNuovoVelistra() {
  if (!NessunInvioInSospeso()) return;
  if (MsgBox(QStringLiteral("Rimuovere tutte le fotografie e creare un nuovo Velistra?"), IconaMessaggio::Domanda,
             PulsantiMessaggio::SiNo, this) == RispostaMessaggio::Si)
    CreaNuovoVelistra();
}

void frmScegliFoto::CreaNuovoVelistra() { ordine_.CreaNuovoVelistra(); }


void frmScegliFoto::ApriStoricoOrdini() {
  frmStoricoOrdini finestra(StoricoOrdini(percorsi_.PercorsoStorico).Leggi(), this);
  MostraFinestraModale(finestra);
  if (const std::optional<OrdineStorico> ordine = finestra.OrdineDaRipetere()) RipetiOrdine(*ordine);
}

void frmScegliFoto::RipetiOrdine(const OrdineStorico& ordine) {
  if (!NessunInvioInSospeso()) return;
  if (ordine_.NumeroVoci({}) > 0 &&
      MsgBox(QStringLiteral("Il Velistra corrente verrà sostituito. Continuare?"), IconaMessaggio::Domanda,
             PulsantiMessaggio::SiNo, this) != RispostaMessaggio::Si)
    return;
  CreaNuovoVelistra();
  auto risultato = std::make_shared<RisultatoRipeti>();
  OperazioneSulLavoro(
      [this, ordine, risultato] {
        *risultato = ordine_.RipetiOrdine(
            ordine, [this](int n, const std::function<bool(int)>& passo) { return Esegui(n, kDomandaCopia, passo); });
        SalvaAlbum(true);
      },
      [this, risultato] {
        RefreshFotoFormato([this, risultato] {
          AvvisaEsito(risultato->esito, risultato->foto, risultato->formato, this);
          AvvisaFotoNonAggiunte(*risultato, this);
        });
      });
}
