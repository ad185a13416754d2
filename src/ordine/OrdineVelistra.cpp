#include "ordine/OrdineVelistra.h"

#include <QFile>
#include <QFileInfo>

#include "album/TabellaRidimensionamento.h"
#include "ordine/TestoCondition.h"
#include "settings/Impostazioni.h"

OrdineVelistra::OrdineVelistra(const PercorsiProgramma& percorsi, QObject* genitore)
    : QObject(genitore), percorsi_(percorsi), album_(percorsi), catalogo_(percorsi),
      origini_(percorsi.PercorsoOriginali), marcaInvio_(percorsi) {
  origini_.Carica();
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

RisultatoFoto OrdineVelistra::CopiaNelFormato(const QString& formato, const QString& foto, const QString& titolo,
                                              const ConfermaDuplicato& conferma) {
  if (!PostoPerIlFormato(formato)) return {EsitoFoto::FormatoAssente, {}};
  // Only a photo of the size of a copy in the format can be one of them: it
  // alone is digested, while it is copied, so it is read once.
  const bool forseDoppia =
      conferma && impronte_.DimensioneNelFormato(album_, formato, QFileInfo(foto).size());
  ImprontaFile impronta;
  const CopiaLavoro presa = album_.CopiaInCartellaLavoro(foto, forseDoppia ? &impronta : nullptr);
  switch (presa.esito) {
    case CopiaLavoro::Esito::Fatta: break;
    case CopiaLavoro::Esito::ContatoreEsaurito: return {EsitoFoto::ContatoreEsaurito, {}};
    case CopiaLavoro::Esito::NonRiuscita: return {EsitoFoto::CopiaNonRiuscita, {}};
  }
  const QString& copia = presa.percorso;
  if (forseDoppia && impronte_.NelFormato(album_, formato, impronta) && !conferma()) {
    QFile::remove(copia);
    return {EsitoFoto::Saltata, {}};
  }
  // The format's place was made sure above.
  album_.AggiungiFileVelistra(formato, copia, titolo, ChiaveRidimensionamento(0));
  if (forseDoppia) impronte_.Registra(copia, impronta);
  origini_.Registra(copia, foto);
  Riprezza();
  SegnalaVoci(formato);
  return {EsitoFoto::Fatto, copia};
}

RisultatoFoto OrdineVelistra::CopiaTraFormati(const QString& origine, const QString& destinazione,
                                              const QString& foto, const QString& titolo,
                                              const ConfermaDuplicato& conferma) {
  if (!album_.TrovaFileVelistra(origine, foto)) return {EsitoFoto::NonTrovata, {}};
  return CopiaNelFormato(destinazione, foto, titolo, conferma);
}

EsitoFoto OrdineVelistra::SpostaTraFormati(const QString& origine, const QString& destinazione, const QString& foto) {
  const auto voce = album_.TrovaFileVelistra(origine, foto);
  if (!voce) return EsitoFoto::NonTrovata;
  if (!PostoPerIlFormato(destinazione)) return EsitoFoto::FormatoAssente;
  album_.RimuoviFileVelistra(origine, foto);
  album_.AggiungiFileVelistra(destinazione, foto, voce->voce.titolo, ChiaveRidimensionamento(0));
  Riprezza();
  SegnalaVoci(origine);
  SegnalaVoci(destinazione);
  return EsitoFoto::Fatto;
}

EsitoFoto OrdineVelistra::Cancella(const QString& formato, const QString& foto) {
  const auto voce = album_.TrovaFileVelistra(formato, foto);
  if (!voce) return EsitoFoto::NonTrovata;
  QFile::remove(foto);
  impronte_.Dimentica(foto);
  album_.RimuoviFileVelistra(formato, foto);
  Riprezza();
  // The format that holds it: the one asked for may be empty (any format).
  SegnalaVoci(voce->formato);
  return EsitoFoto::Fatto;
}

EsitoFoto OrdineVelistra::ImpostaQuantita(const QString& formato, const QString& foto, std::int16_t numero) {
  if (!album_.ImpostaQuantitaFile(formato, foto, numero)) return EsitoFoto::NonTrovata;
  Riprezza();
  return EsitoFoto::Fatto;
}

EsitoFoto OrdineVelistra::ImpostaRidimensionamento(const QString& formato, const QString& foto,
                                                   const QString& chiave) {
  if (!album_.ImpostaRidimensionamentoFile(formato, foto, chiave)) return EsitoFoto::NonTrovata;
  return EsitoFoto::Fatto;
}

EsitoSalvataggio OrdineVelistra::Salva(bool conContatore) {
  if (!album_.SalvaVelistra()) return EsitoSalvataggio::AlbumNonSalvato;
  // Only a later repeat of the order needs the origins; the order itself is whole without them.
  origini_.Salva();
  if (conContatore && !album_.SalvaContatoreFoto()) return EsitoSalvataggio::ContatoreNonSalvato;
  return EsitoSalvataggio::Salvato;
}

int OrdineVelistra::NumeroVoci(const QString& formato) const { return album_.NumeroFile(formato); }

void OrdineVelistra::CreaNuovoVelistra() {
  album_.EliminaCartellaERicreaXML(catalogo_.TuttiGliIdFormati());
  origini_.Svuota();
  origini_.Salva();
  // The counter starts again: the next copies take the old names.
  impronte_.Svuota();
  Riprezza();
  Q_EMIT albumNuovo();
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra() {
  Riprezza();
  return importo_;
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra(const DocumentoXML& prezzi) {
  importo_ = ImportoAlbum(album_.Formati(), LeggiPrezzi(prezzi));
  SegnalaImporto();
  return importo_;
}

bool OrdineVelistra::StringaFileCondition(const QList<FormatoAlbum>& album, QString& strFile) const {
  strFile = TestoCondition(album, Impostazioni(percorsi_).DeviceName());
  return !strFile.isEmpty();
}

void OrdineVelistra::SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) {
  if (!catalogo) return;
  catalogo_.SostituisciFormati(std::move(catalogo));
  // The amount is priced with the catalogue in use, as the breakdown is.
  Riprezza();
}
