#include "ordine/OrdineVelistra.h"

#include <QFile>
#include <QFileInfo>

#include "album/TabellaRidimensionamento.h"
#include "immagini/EstensioniFoto.h"
#include "ordine/TestoCondition.h"
#include "settings/Impostazioni.h"

namespace {

QString TestoFiglio(const NodoXML& nodo, const QString& nome) { return nodo.selezionaNodo(nome).testo(); }

}  // namespace

OrdineVelistra::OrdineVelistra(const PercorsiProgramma& percorsi, QObject* genitore)
    : QObject(genitore), percorsi_(percorsi), album_(percorsi), catalogo_(percorsi),
      origini_(percorsi.PercorsoOriginali) {
  origini_.Carica();
}

void OrdineVelistra::SegnalaImporto() { Q_EMIT importoCambiato(catalogo_.getImportoCorrenteEuro()); }

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
  // A converted copy is not the customer's bytes: its original's digest is noted.
  const bool notare = forseDoppia || DaConvertirePerLaboratorio(foto);
  ImprontaFile impronta;
  const CopiaLavoro presa = album_.CopiaInCartellaLavoro(foto, notare ? &impronta : nullptr);
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
  if (notare) impronte_.Registra(copia, impronta);
  catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(formato));
  origini_.Registra(copia, foto);
  SegnalaImporto();
  SegnalaVoci(formato);
  return {EsitoFoto::Fatto, copia};
}

RisultatoFoto OrdineVelistra::CopiaTraFormati(const QString& origine, const QString& destinazione,
                                              const QString& foto, const QString& titolo,
                                              const ConfermaDuplicato& conferma) {
  NodoXML voce;
  if (!album_.TrovaFileVelistra(origine, foto, voce)) return {EsitoFoto::NonTrovata, {}};
  return CopiaNelFormato(destinazione, foto, titolo, conferma);
}

EsitoFoto OrdineVelistra::SpostaTraFormati(const QString& origine, const QString& destinazione, const QString& foto) {
  NodoXML voce;
  if (!album_.TrovaFileVelistra(origine, foto, voce)) return EsitoFoto::NonTrovata;
  if (!PostoPerIlFormato(destinazione)) return EsitoFoto::FormatoAssente;
  const std::int32_t quantita = QuantitaFile(voce).value_or(0);
  album_.AggiungiFileVelistra(destinazione, foto, TestoFiglio(voce, QStringLiteral("titolo")),
                              ChiaveRidimensionamento(0));
  album_.RimuoviFileVelistra(voce);
  catalogo_.DecrementaImportoVelistra(catalogo_.getPrezzoFormato(origine), quantita);
  catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(destinazione));
  SegnalaImporto();
  SegnalaVoci(origine);
  SegnalaVoci(destinazione);
  return EsitoFoto::Fatto;
}

EsitoFoto OrdineVelistra::Cancella(const QString& formato, const QString& foto) {
  NodoXML voce;
  if (!album_.TrovaFileVelistra(formato, foto, voce)) return EsitoFoto::NonTrovata;
  const QString copia = TestoFiglio(voce, QStringLiteral("nomecompleto"));
  QFile::remove(copia);
  impronte_.Dimentica(copia);
  catalogo_.DecrementaImportoVelistra(catalogo_.getPrezzoFormato(TestoFiglio(voce, QStringLiteral("formato"))),
                                      QuantitaFile(voce).value_or(0));
  // The format that holds it: the one asked for may be empty (any format).
  const QString contenitore = voce.genitore().genitore().attributo(QStringLiteral("id"));
  album_.RimuoviFileVelistra(voce);
  SegnalaImporto();
  SegnalaVoci(contenitore);
  return EsitoFoto::Fatto;
}

EsitoFoto OrdineVelistra::ImpostaQuantita(const QString& formato, const QString& foto, std::int16_t numero) {
  NodoXML voce;
  if (!album_.TrovaFileVelistra(formato, foto, voce)) return EsitoFoto::NonTrovata;
  album_.ImpostaQuantitaFile(voce, numero);
  return EsitoFoto::Fatto;
}

EsitoFoto OrdineVelistra::ImpostaRidimensionamento(const QString& formato, const QString& foto,
                                                   const QString& chiave) {
  NodoXML voce;
  if (!album_.TrovaFileVelistra(formato, foto, voce)) return EsitoFoto::NonTrovata;
  album_.ImpostaRidimensionamentoFile(voce, chiave);
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
  album_.EliminaCartellaERicreaXML(catalogo_.XMLDOMFormati());
  origini_.Svuota();
  origini_.Salva();
  // The counter starts again: the next copies take the old names.
  impronte_.Svuota();
  CalcolaImportoVelistra();
  Q_EMIT albumNuovo();
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra() {
  const std::int32_t importo = catalogo_.CalcolaImportoVelistra(album_);
  SegnalaImporto();
  return importo;
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra(const DocumentoXML& prezzi) {
  const std::int32_t importo = catalogo_.CalcolaImportoVelistra(album_, prezzi);
  SegnalaImporto();
  return importo;
}

bool OrdineVelistra::StringaFileCondition(const DocumentoXML& album, QString& strFile) const {
  strFile = TestoCondition(album, Impostazioni(percorsi_).DeviceName());
  return !strFile.isEmpty();
}

void OrdineVelistra::SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) {
  if (!catalogo) return;
  catalogo_.SostituisciFormati(std::move(catalogo));
  // The amount is priced with the catalogue in use, as the breakdown is.
  CalcolaImportoVelistra();
}
