// The commands on the photos of the folder and of the album.
#include <QFile>
#include <QFileInfo>

#include "album/TabellaRidimensionamento.h"
#include "common/AvvisoSalvataggio.h"
#include "common/PannelloSfumato.h"
#include "common/Percorsi.h"
#include "common/Piattaforma.h"
#include "common/AlberoCartelle.h"
#include "mainwindow/ElencoFoto.h"
#include "mainwindow/frmScegliFoto.h"
#include "send/frmFTP.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"
#include "startup/ValoriProgramma.h"
#include "thumbview/ctrFotoView.h"
#include "settings/Impostazioni.h"

namespace {

const QString kNessunaSelezione = QStringLiteral("Nessuna fotografia selezionata.");
const QString kDomandaCaricamento = QStringLiteral("Interrompere il caricamento?");
const QString kDomandaCopia = QStringLiteral("Interrompere la copia?");
const QColor kSfumaturaSinistra = ColoreBGR(0xC0C000);
const QColor kSfumaturaDestra = ColoreBGR(0xFFFFC0);

void AvvisaNessunaSelezione(QWidget* finestra) {
  MsgBox(kNessunaSelezione, IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, finestra);
}

void AvvisaNonTrovata(QWidget* finestra) {
  MsgBox(QStringLiteral("Fotografia non trovata."), IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

bool VistaPronta(const ctrFotoView* vista, QWidget* finestra) {
  if (vista->Inizializzato()) return true;
  MsgBox(QStringLiteral("Errore di inizializzazione."), IconaMessaggio::Nessuna, PulsantiMessaggio::OK, finestra);
  return false;
}

// A photo that could not be copied (gone from its folder, a full disk): the
// loop stops there and keeps what was copied before it.
void AvvisaCopiaNonRiuscita(const QString& foto, QWidget* finestra) {
  MsgBox(QStringLiteral("Impossibile copiare la fotografia \"") + foto +
             QStringLiteral("\" nella cartella del Velistra.\nLe fotografie copiate fino a questo punto sono state "
                            "conservate."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

// An empty format list (a catalogue without formats of that kind).
bool FormatoScelto(const QString& formato, QWidget* finestra) {
  if (!formato.isEmpty()) return true;
  MsgBox(QStringLiteral("Nessun formato selezionato per la copia."), IconaMessaggio::Esclamazione,
         PulsantiMessaggio::OK, finestra);
  return false;
}

// A format of a price list downloaded after the album was loaded.
void AvvisaFormatoAssente(const QString& formato, QWidget* finestra) {
  MsgBox(QStringLiteral("Il formato ") + formato +
             QStringLiteral(" non è presente nel Velistra: nessuna fotografia è stata spostata."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

void AvvisaCopiaEseguita(const QString& formato, QWidget* finestra) {
  MsgBox(QStringLiteral("Copia eseguita nel formato ") + formato + QStringLiteral("."), IconaMessaggio::Informazione,
         PulsantiMessaggio::OK, finestra);
}

QString TestoFiglio(const NodoXML& nodo, const QString& nome) { return nodo.selezionaNodo(nome).testo(); }

std::int16_t Quantita(const NodoXML& file) {
  return static_cast<std::int16_t>(QuantitaFile(file).value_or(0));
}

}  // namespace

void frmScegliFoto::MostraConteggio(int k, int n) {
  pnlConteggio_->Disegna(QStringLiteral("Foto: %1/%2").arg(k).arg(n), kSfumaturaSinistra, kSfumaturaDestra);
}

void frmScegliFoto::MostraImporto() {
  pnlCosto_->Disegna(catalogo_.getImportoCorrenteEuro(), kSfumaturaSinistra, kSfumaturaDestra);
}

void frmScegliFoto::MostraNumeroFoto(QWidget* separatore, int numero) {
  if (separatore) separatore->setProperty("Caption", QStringLiteral("Fotografie: ") + QString::number(numero));
}

QString frmScegliFoto::FormatoVista() { return FiltroPremuto() ? selettori_.Foto().formato() : QString(); }

bool frmScegliFoto::SalvaAlbum() {
  if (album_.SalvaVelistra()) return true;
  AvvisaAlbumNonSalvato(Programma().PercorsoVelistraXML, this);
  return false;
}

void frmScegliFoto::SalvaAlbumEContatore() {
  // One message is enough when the disk is full.
  if (SalvaAlbum() && !album_.SalvaContatoreFoto())
    AvvisaImpostazioniNonSalvate(Programma().PercorsoIni, this);
}

void frmScegliFoto::RefreshFoto() {
  OperazioneLunga([this] {
    fvFotoCartella_->CancellaThumbs();
    MostraNumeroFoto(sepNumFotoDir_, 0);
    MostraConteggio(0, 0);
    const QString selezionata = ftvFile_->CartellaSelezionata();
    if (selezionata.isEmpty()) return;
    const QString cartella = AggiungiBarra(selezionata);
    const QStringList foto = ElencoFotoCartella(cartella);
    if (foto.isEmpty()) return;
    if (!VistaPronta(fvFotoCartella_, this)) return;
    const int n = static_cast<int>(foto.size());
    Esegui(n, kDomandaCaricamento, [&](int k) {
      if (fvFotoCartella_->AggiungiThumbs(cartella + foto[k - 1], true)) MostraConteggio(k, n);
      return true;
    });
    MostraNumeroFoto(sepNumFotoDir_, fvFotoCartella_->TotFile());
  });
}

void frmScegliFoto::RefreshFotoFormato() {
  OperazioneLunga([this] {
    const QString formato = FormatoVista();
    fvFotoFormato_->CancellaThumbs();
    MostraNumeroFoto(sepNumFotoFormato_, 0);
    MostraConteggio(0, 0);
    MostraImporto();
    const std::unique_ptr<DocumentoXML> filtrati = album_.XMLFiltraFormato(formato);
    const QList<NodoXML> voci = filtrati->selezionaNodi(QStringLiteral("files/*"));
    if (voci.isEmpty()) return;
    if (!VistaPronta(fvFotoFormato_, this)) return;
    const int n = static_cast<int>(voci.size());
    Esegui(n, kDomandaCaricamento, [&](int k) {
      const NodoXML& voce = voci[k - 1];
      fvFotoFormato_->AggiungiThumbs(TestoFiglio(voce, QStringLiteral("nomecompleto")), true,
                                     TestoFiglio(voce, QStringLiteral("titolo")), Quantita(voce),
                                     TestoFiglio(voce, QStringLiteral("formato")),
                                     DescrizioneRidimensionamento(TestoFiglio(voce, QStringLiteral("ridimensionamento"))));
      MostraConteggio(k, n);
      return true;
    });
    MostraNumeroFoto(sepNumFotoFormato_, fvFotoFormato_->TotFile());
    catalogo_.CalcolaImportoVelistra(album_);
    MostraImporto();
  });
}

QString frmScegliFoto::AggiungiCopiaAlFormato(const QString& formato, const QString& foto, const QString& titolo) {
  const QString copia = album_.CopiaInCartellaLavoro(foto);
  if (!copia.isEmpty() && album_.AggiungiFileVelistra(formato, copia, titolo, ChiaveRidimensionamento(0)))
    return copia;
  // A format the album does not hold (a price list downloaded since it was
  // loaded): no copy without its entry.
  if (!copia.isEmpty()) QFile::remove(copia);
  AvvisaCopiaNonRiuscita(foto, this);
  return {};
}

void frmScegliFoto::CopiaInFormato() {
  const QList<FotoSelezionata> selezione = fvFotoCartella_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) {
    AvvisaNessunaSelezione(this);
    return;
  }
  const QString formato = selettori_.Copia().formato();
  if (!FormatoScelto(formato, this)) return;
  const QString fillIn = DescrizioneRidimensionamento(ChiaveRidimensionamento(0));
  const bool mostraNellaVista = formato == selettori_.Foto().formato() || !FiltroPremuto();
  int conteggio = fvFotoFormato_->TotFile();
  const int n = static_cast<int>(selezione.size());
  bool riuscita = true;
  Esegui(n, kDomandaCopia, [&](int k) {
    const FotoSelezionata& foto = selezione[k - 1];
    const QString copia = AggiungiCopiaAlFormato(formato, foto.NomeCompleto, foto.Titolo);
    if (copia.isEmpty()) return riuscita = false;
    if (mostraNellaVista) fvFotoFormato_->AggiungiThumbs(copia, true, foto.Titolo, 1, formato, fillIn);
    MostraNumeroFoto(sepNumFotoFormato_, ++conteggio);
    MostraConteggio(k, n);
    catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(formato));
    return true;
  });
  SalvaAlbumEContatore();
  fvFotoFormato_->DisegnaThumbTutto();
  MostraImporto();
  MostraNumeroFoto(sepNumFotoFormato_, fvFotoFormato_->TotFile());

  if (selettori_.Foto().formato() != formato) {
    selettori_.ImpostaFormatiCaricati(false);
    selettori_.Foto().ImpostaAmatoriale(selettori_.Copia().amatoriale());
    selettori_.Foto().ImpostaFormato(formato);
    selettori_.ImpostaFormatiCaricati(true);
    // Reloaded here rather than by the list's change: the refiltered list may
    // already have chosen the format, and then no change would reload the view.
    RefreshFotoFormato();
  }
  if (riuscita) AvvisaCopiaEseguita(formato, this);
}

void frmScegliFoto::TogliSelezionateDallaVista(bool tutteRiuscite) {
  // When the loop stopped early some checked photos kept their entries: the
  // view is rebuilt from the album rather than losing them all.
  if (tutteRiuscite)
    fvFotoFormato_->CancellaThumbSelezionate();
  else
    RefreshFotoFormato();
}

std::optional<bool> frmScegliFoto::PerOgniSelezionata(const QString& formato,
                                                     const std::function<void(NodoXML&)>& azione) {
  const QList<FotoSelezionata> selezione = fvFotoFormato_->ElencoFotoSelezionate();
  if (selezione.isEmpty()) {
    AvvisaNessunaSelezione(this);
    return std::nullopt;
  }
  for (const FotoSelezionata& foto : selezione) {
    NodoXML voce;
    if (!album_.TrovaFileVelistra(formato, foto.NomeCompleto, voce)) {
      AvvisaNonTrovata(this);
      return false;
    }
    azione(voce);
  }
  return true;
}

namespace {

const QString kFiltroNecessario = QStringLiteral(
    "Per eseguire una copia tra formati fotografici differenti, attivare il filtro sul formato fotografico.");

}  // namespace

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
  const QString fillIn = DescrizioneRidimensionamento(ChiaveRidimensionamento(0));
  const int n = static_cast<int>(selezione.size());
  bool riuscita = true;
  Esegui(n, kDomandaCopia, [&](int k) {
    const FotoSelezionata& foto = selezione[k - 1];
    NodoXML voce;
    if (!album_.TrovaFileVelistra(origine, foto.NomeCompleto, voce)) {
      AvvisaNonTrovata(this);
      return riuscita = false;
    }
    const QString copia = AggiungiCopiaAlFormato(destinazione, foto.NomeCompleto, foto.Titolo);
    if (copia.isEmpty()) return riuscita = false;
    if (destinazione == origine && fvFotoFormato_->AggiungiThumbs(copia, true, foto.Titolo, 1, destinazione, fillIn))
      MostraConteggio(k, n);
    catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(destinazione));
    return true;
  });
  SalvaAlbumEContatore();
  MostraNumeroFoto(sepNumFotoFormato_, fvFotoFormato_->TotFile());
  MostraImporto();
  fvFotoFormato_->DisegnaThumbTutto();
  if (riuscita) AvvisaCopiaEseguita(destinazione, this);
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
  int spostate = 0;
  bool formatoNelVelistra = true;
  bool trovate = true;
  Esegui(n, QStringLiteral("Interrompere lo spostamento?"), [&](int k) {
    const FotoSelezionata& foto = selezione[k - 1];
    NodoXML voce;
    if (!album_.TrovaFileVelistra(origine, foto.NomeCompleto, voce)) {
      AvvisaNonTrovata(this);
      return trovate = false;
    }
    const std::int32_t quantita = QuantitaFile(voce).value_or(0);
    if (!album_.AggiungiFileVelistra(destinazione, foto.NomeCompleto, TestoFiglio(voce, QStringLiteral("titolo")),
                                     ChiaveRidimensionamento(0)))
      return formatoNelVelistra = false;
    album_.RimuoviFileVelistra(voce);
    ++spostate;
    MostraConteggio(k, n);
    catalogo_.DecrementaImportoVelistra(catalogo_.getPrezzoFormato(origine), quantita);
    catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(destinazione));
    return true;
  });
  SalvaAlbum();
  TogliSelezionateDallaVista(spostate == n);
  MostraNumeroFoto(sepNumFotoFormato_, fvFotoFormato_->TotFile());
  MostraImporto();
  // "Fotografia non trovata." already told the user the move stopped short.
  if (!formatoNelVelistra)
    AvvisaFormatoAssente(destinazione, this);
  else if (trovate)
    MsgBox(QStringLiteral("Spostamento eseguito nel formato ") + destinazione + QStringLiteral("."),
           IconaMessaggio::Informazione, PulsantiMessaggio::OK, this);
}

void frmScegliFoto::CancellaThumbSelezionate() {
  if (MsgBox(QStringLiteral("Rimuovere dal formato le fotografie selezionate?"), IconaMessaggio::Domanda,
             PulsantiMessaggio::SiNo, this) != RispostaMessaggio::Si)
    return;
  const QString formato = FormatoVista();
  const std::optional<bool> tutte = PerOgniSelezionata(formato, [this](NodoXML& voce) {
    QFile::remove(TestoFiglio(voce, QStringLiteral("nomecompleto")));
    catalogo_.DecrementaImportoVelistra(catalogo_.getPrezzoFormato(TestoFiglio(voce, QStringLiteral("formato"))),
                                        QuantitaFile(voce).value_or(0));
    album_.RimuoviFileVelistra(voce);
  });
  if (!tutte) return;
  MostraNumeroFoto(sepNumFotoFormato_,
                   static_cast<int>(album_.XMLFiltraFormato(formato)->selezionaNodi(QStringLiteral("files/*")).size()));
  MostraImporto();
  SalvaAlbum();
  TogliSelezionateDallaVista(*tutte);
  MsgBox(QStringLiteral("Cancellazione eseguita."), IconaMessaggio::Informazione, PulsantiMessaggio::OK, this);
}

void frmScegliFoto::ImpostaNumeroFoto(std::int16_t numero) {
  const std::optional<bool> tutte = PerOgniSelezionata(FormatoVista(), [this, numero](NodoXML& voce) {
    album_.ImpostaQuantitaFile(voce, numero);
  });
  if (!tutte) return;
  SalvaAlbum();
  if (*tutte)
    fvFotoFormato_->ImpostaNumeroFotoThumbSelezionate(numero);
  else
    RefreshFotoFormato();
  catalogo_.CalcolaImportoVelistra(album_);
  MostraImporto();
}

void frmScegliFoto::ImpostaRidimensionamento(const QString& codice) {
  const QString chiave = ChiaveRidimensionamento(static_cast<std::int16_t>(codice.toInt()));
  if (chiave.isEmpty()) return;
  const std::optional<bool> tutte = PerOgniSelezionata(FormatoVista(), [this, &chiave](NodoXML& voce) {
    album_.ImpostaRidimensionamentoFile(voce, chiave);
  });
  if (!tutte) return;
  SalvaAlbum();
  if (*tutte)
    fvFotoFormato_->ImpostaRidimensionamentoThumbSelezionate(DescrizioneRidimensionamento(chiave));
  else
    RefreshFotoFormato();
}

void frmScegliFoto::ConfermaNuovoVelistra() {
  const cINIProfiles ini;
  if (ini.GetPrivateProfileString(kSezioneOpzioni, QStringLiteral("FTPInCorso"), QStringLiteral("0"),
                                  Programma().PercorsoIni)
          .trimmed() == QLatin1String("1")) {
    MsgBox(QStringLiteral("L'invio del Velistra corrente non è terminato.\r\n"
                          "Per annullare l'attuale invio, utilizzare l'apposito bottone presente nella finestra di "
                          "invio."),
           IconaMessaggio::Esclamazione, PulsantiMessaggio::OK, this);
    return;
  }
  if (MsgBox(QStringLiteral("Rimuovere tutte le fotografie e creare un nuovo Velistra?"), IconaMessaggio::Domanda,
             PulsantiMessaggio::SiNo, this) == RispostaMessaggio::Si)
    CreaNuovoVelistra();
}

void frmScegliFoto::CreaNuovoVelistra() {
  fvFotoFormato_->CancellaThumbs();
  MostraNumeroFoto(sepNumFotoFormato_, 0);
  album_.EliminaCartellaERicreaXML(catalogo_.XMLDOMFormati());
  catalogo_.CalcolaImportoVelistra(album_);
  MostraConteggio(0, 0);
  MostraImporto();
}

void frmScegliFoto::ScaricaPrezziario() {
  frmFTP finestra(*this, true, this);
  MostraFinestraModale(finestra);
  selettori_.CaricaFormatiFotografici(true);
  if (finestra.ChiudereApplicazione) close();
}

void frmScegliFoto::ApriInvio() {
  if (!FTPInCorso_ && album_.XMLFiltraFormato({})->selezionaNodi(QStringLiteral("files/*")).isEmpty()) {
    MsgBox(QStringLiteral("Nessuna fotografia presente nel Velistra."), IconaMessaggio::Informazione,
           PulsantiMessaggio::OK, this);
    return;
  }
  frmFTP finestra(*this, false, this);
  MostraFinestraModale(finestra);
  selettori_.CaricaFormatiFotografici(true);
  // Closed during a send: the program ends and reopens the send at the next start.
  if (finestra.ChiudereApplicazione) close();
}

std::int32_t frmScegliFoto::CalcolaImportoVelistra(const DocumentoXML& prezzi) {
  return catalogo_.CalcolaImportoVelistra(album_, prezzi);
}

QString frmScegliFoto::getImportoCorrenteEuro() const { return catalogo_.getImportoCorrenteEuro(); }

QString frmScegliFoto::getDatiUtente() const {
  const DatiUtente dati = Impostazioni(PercorsiDaProgramma()).LeggiDatiUtente();
  return dati.Cognome + u' ' + dati.Nome + QStringLiteral("\r\n") + dati.Citta + QStringLiteral("\r\n") + dati.Via;
}

bool frmScegliFoto::CreaFotografiaTesto(const QString& percorso, const QString& testo) {
  return fvFotoFormato_->CreaFotografiaTesto(percorso, testo);
}

void frmScegliFoto::SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) {
  if (catalogo) catalogo_.SostituisciFormati(std::move(catalogo));
}
