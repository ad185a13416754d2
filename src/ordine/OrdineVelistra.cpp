#include "ordine/OrdineVelistra.h"

#include <QFile>
#include <QFileInfo>

#include "album/TabellaRidimensionamento.h"
#include "common/Compito.h"
#include "common/Percorsi.h"
#include "immagini/EstensioniFoto.h"
#include "ordine/TestoCondition.h"
#include "settings/Impostazioni.h"

OrdineVelistra::OrdineVelistra(const PercorsiProgramma& percorsi, QObject* genitore)
    : QObject(genitore), percorsi_(percorsi), album_(percorsi), catalogo_(percorsi),
      origini_(percorsi.PercorsoOriginali), marcaInvio_(percorsi), salvataggio_(percorsi) {
  origini_.Carica();
  impronte_.Registra(origini_.ImpronteOriginali());
  connect(&salvataggio_, &SalvataggioAlbum::scritto, this, &OrdineVelistra::salvato);
  connect(&salvataggio_, &SalvataggioAlbum::finiti, this, &OrdineVelistra::salvataggiFiniti);
}

void OrdineVelistra::SegnalaImporto() { Q_EMIT importoCambiato(getImportoCorrenteEuro()); }

void OrdineVelistra::Riprezza() {
  importo_ = ImportoAlbum(album_.Formati(), catalogo_.Prezzi());
  SegnalaImporto();
}

void OrdineVelistra::SegnalaVoci(const QString& formato) {
  Q_EMIT vociCambiate(formato, NumeroVoci(formato), NumeroVoci({}));
}

bool OrdineVelistra::PostoPerIlFormato(const QString& formato) {
  // Asked once per photo of a copy loop: the album's own look-up alone when it has the format.
  if (album_.HaFormato(formato)) return true;
  if (!catalogo_.OffreFormato(formato)) return false;
  album_.AggiungiFormato(formato);
  return album_.HaFormato(formato);  // an album without its root takes none
}

AlbumVelistra& OrdineVelistra::album() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return album_;
}

const AlbumVelistra& OrdineVelistra::album() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return album_;
}

CatalogoFormati& OrdineVelistra::catalogo() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return catalogo_;
}

const CatalogoFormati& OrdineVelistra::catalogo() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return catalogo_;
}

std::int32_t OrdineVelistra::ImportoCorrente() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return importo_;
}

QString OrdineVelistra::getImportoCorrenteEuro() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return ImportoInEuro(importo_);
}

int OrdineVelistra::FTPInCorso() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return marcaInvio_.InCorso() ? 1 : 0;
}

void OrdineVelistra::LeggiFTPInCorso() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  marcaInvio_.Leggi();
}

bool OrdineVelistra::ImpostaFTPInCorso(int valore) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return marcaInvio_.Imposta(valore != 0);
}

std::unique_ptr<OperazioneCopia> OrdineVelistra::CopiaNelFormato(const QString& formato, QList<FotoDaCopiare> foto) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  for (FotoDaCopiare& una : foto) una.formato = formato;
  return std::make_unique<OperazioneCopia>(*this, std::move(foto), RegoleCopia{});
}

std::unique_ptr<OperazioneCopia> OrdineVelistra::CopiaTraFormati(const QString& origine, const QString& destinazione,
                                                                 QList<FotoDaCopiare> foto) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  for (FotoDaCopiare& una : foto) una.formato = destinazione;
  return std::make_unique<OperazioneCopia>(*this, std::move(foto),
                                           RegoleCopia{origine, destinazione != origine, false});
}

std::unique_ptr<OperazioneCartella> OrdineVelistra::ScriviCartellaOrdine(const QString& cartella,
                                                                         FoglioCliente& foglio) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return std::make_unique<OperazioneCartella>(*this, cartella, foglio);
}

bool OrdineVelistra::HaVoce(const QString& formato, const QString& foto) const {
  return album_.TrovaFileVelistra(formato, foto).has_value();
}

void OrdineVelistra::RegistraImpronte(const QHash<QString, ImprontaFile>& lette) { impronte_.Registra(lette); }

void OrdineVelistra::AggiungiCopia(const FotoDaCopiare& foto, const QString& copia, const ImprontaFile& impronta) {
  // The format's place was made sure before the copy.
  album_.AggiungiFileVelistra(foto.formato, copia, foto.titolo, ChiaveRidimensionamento(0));
  if (foto.quantita != 1) album_.ImpostaQuantitaFile(foto.formato, copia, foto.quantita);
  if (!foto.ridimensionamento.isEmpty()) album_.ImpostaRidimensionamentoFile(foto.formato, copia, foto.ridimensionamento);
  // A name given again (a counter that fell behind) may carry a note of a removed copy.
  if (impronta.dimensione >= 0)
    impronte_.Registra(copia, impronta);
  else
    impronte_.Dimentica(copia);
  // A converted copy's digest is its original's, which no later read of the copy gives.
  origini_.Registra(copia, foto.foto, DaConvertirePerLaboratorio(foto.foto) ? impronta : ImprontaFile{});
  Riprezza();
  SegnalaVoci(foto.formato);
}

QStringList OrdineVelistra::CopieDelleVoci() const { return album_.CopieDelFormato({}); }

RisultatoOperazione OrdineVelistra::PerOgniVoce(const QString& formato, const QStringList& foto,
                                                const std::function<EsitoFoto(const VoceTrovata& voce)>& azione) {
  RisultatoOperazione risultato;
  for (const QString& una : foto) {
    const std::optional<VoceTrovata> voce = album_.TrovaFileVelistra(formato, una);
    const EsitoFoto esito = voce ? azione(*voce) : EsitoFoto::NonTrovata;
    if (esito != EsitoFoto::Fatto) {
      risultato.esito = esito;
      risultato.foto = una;
      break;
    }
    ++risultato.fatte;
  }
  Salva();
  return risultato;
}

RisultatoOperazione OrdineVelistra::Sposta(const QString& origine, const QString& destinazione,
                                           const QStringList& foto) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  RisultatoOperazione risultato = PerOgniVoce(origine, foto, [&](const VoceTrovata& voce) {
    if (!PostoPerIlFormato(destinazione)) return EsitoFoto::FormatoAssente;
    album_.RimuoviFileVelistra(voce.formato, voce.voce.copia);
    album_.AggiungiFileVelistra(destinazione, voce.voce.copia, voce.voce.titolo, ChiaveRidimensionamento(0));
    return EsitoFoto::Fatto;
  });
  risultato.formato = destinazione;
  if (risultato.fatte == 0) return risultato;
  Riprezza();
  SegnalaVoci(origine);
  SegnalaVoci(destinazione);
  return risultato;
}

RisultatoOperazione OrdineVelistra::Cancella(const QString& formato, const QStringList& foto) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  QStringList contenitori;
  RisultatoOperazione risultato = PerOgniVoce(formato, foto, [&](const VoceTrovata& voce) {
    QFile::remove(voce.voce.copia);
    impronte_.Dimentica(voce.voce.copia);
    // The format that holds it: the one asked for may be empty (any format).
    if (!contenitori.contains(voce.formato)) contenitori.append(voce.formato);
    album_.RimuoviFileVelistra(voce.formato, voce.voce.copia);
    return EsitoFoto::Fatto;
  });
  if (risultato.fatte > 0) Riprezza();
  for (const QString& contenitore : contenitori) SegnalaVoci(contenitore);
  return risultato;
}

RisultatoOperazione OrdineVelistra::ImpostaQuantita(const QString& formato, const QStringList& foto,
                                                    std::int16_t numero) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  RisultatoOperazione risultato = PerOgniVoce(formato, foto, [&](const VoceTrovata& voce) {
    album_.ImpostaQuantitaFile(voce.formato, voce.voce.copia, numero);
    return EsitoFoto::Fatto;
  });
  if (risultato.fatte > 0) Riprezza();
  return risultato;
}

RisultatoOperazione OrdineVelistra::ImpostaRidimensionamento(const QString& formato, const QStringList& foto,
                                                             const QString& chiave) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return PerOgniVoce(formato, foto, [&](const VoceTrovata& voce) {
    album_.ImpostaRidimensionamentoFile(voce.formato, voce.voce.copia, chiave);
    return EsitoFoto::Fatto;
  });
}

IstantaneaAlbum OrdineVelistra::Istantanea(bool conContatore) const {
  IstantaneaAlbum istantanea{album_.Byte(), origini_.Byte(), std::nullopt, {}};
  if (conContatore) istantanea.contatore = album_.ContatoreFoto();
  return istantanea;
}

void OrdineVelistra::Salva(bool conContatore, const QStringList& copieNuove) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  IstantaneaAlbum istantanea = Istantanea(conContatore);
  istantanea.copie = copieNuove;
  salvataggio_.Richiedi(std::move(istantanea));
}

bool OrdineVelistra::SalvataggioInCorso() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return salvataggio_.InCorso();
}

EsitoSalvataggio OrdineVelistra::SalvaOra() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return salvataggio_.ScriviOra(Istantanea(false));
}

int OrdineVelistra::NumeroVoci(const QString& formato) const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return album_.NumeroFile(formato);
}

void OrdineVelistra::CreaNuovoVelistra() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  album_.EliminaCartellaERicreaXML(catalogo_.TuttiGliIdFormati());
  origini_.Svuota();
  Salva(true);
  // The counter starts again: the next copies take the old names.
  impronte_.Svuota();
  Riprezza();
  Q_EMIT albumNuovo();
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  Riprezza();
  return importo_;
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra(const DocumentoXML& prezzi) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  importo_ = ImportoAlbum(album_.Formati(), LeggiPrezzi(prezzi));
  SegnalaImporto();
  return importo_;
}

bool OrdineVelistra::StringaFileCondition(const QList<FormatoAlbum>& album, QString& strFile) const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  strFile = TestoCondition(album, Impostazioni(percorsi_).DeviceName());
  return !strFile.isEmpty();
}

void OrdineVelistra::SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  if (!catalogo) return;
  catalogo_.SostituisciFormati(std::move(catalogo));
  // The amount is priced with the catalogue in use, as the breakdown is.
  Riprezza();
}
