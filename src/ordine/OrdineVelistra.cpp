#include "ordine/OrdineVelistra.h"

#include <QFile>
#include <QFileInfo>

#include "album/TabellaRidimensionamento.h"
#include "common/Compito.h"
#include "common/Percorsi.h"
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

QString OrdineVelistra::getImportoCorrenteEuro() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return catalogo_.getImportoCorrenteEuro();
}

int OrdineVelistra::FTPInCorso() const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return ftpInCorso_;
}

void OrdineVelistra::ImpostaFTPInCorso(int valore) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  ftpInCorso_ = valore;
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
  NodoXML voce;
  return album_.TrovaFileVelistra(formato, foto, voce);
}

std::optional<QString> OrdineVelistra::NuovaCopiaLavoro(const QString& foto) {
  return album_.NuovaCopiaLavoro(foto);
}

void OrdineVelistra::ImpronteDelFormato(const QString& formato, QStringList& copie,
                                        QHash<QString, ImprontaFile>& note) const {
  copie = album_.CopieDelFormato(formato);
  note = impronte_.Note(copie);
}

void OrdineVelistra::RegistraImpronte(const QHash<QString, ImprontaFile>& lette) { impronte_.Registra(lette); }

void OrdineVelistra::AggiungiCopia(const FotoDaCopiare& foto, const QString& copia, const ImprontaFile& impronta) {
  // The format's place was made sure before the copy.
  album_.AggiungiFileVelistra(foto.formato, copia, foto.titolo, ChiaveRidimensionamento(0));
  NodoXML voce;
  if ((foto.quantita != 1 || !foto.ridimensionamento.isEmpty()) && album_.TrovaFileVelistra(foto.formato, copia, voce)) {
    if (foto.quantita != 1) album_.ImpostaQuantitaFile(voce, foto.quantita);
    if (!foto.ridimensionamento.isEmpty()) album_.ImpostaRidimensionamentoFile(voce, foto.ridimensionamento);
  }
  if (impronta.dimensione >= 0) impronte_.Registra(copia, impronta);
  catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(foto.formato), foto.quantita);
  origini_.Registra(copia, foto.foto);
  SegnalaImporto();
  SegnalaVoci(foto.formato);
}

QStringList OrdineVelistra::CopieDelleVoci() const {
  QStringList copie;
  for (const NodoXML& voce : album_.Documento().selezionaNodi(QStringLiteral("/xml/formato/files/*")))
    copie.append(TestoFiglio(voce, QStringLiteral("nomecompleto")));
  return copie;
}

RisultatoOperazione OrdineVelistra::PerOgniVoce(const QString& formato, const QStringList& foto,
                                                const std::function<EsitoFoto(const NodoXML& voce)>& azione) {
  RisultatoOperazione risultato;
  for (const QString& una : foto) {
    NodoXML voce;
    const EsitoFoto esito = album_.TrovaFileVelistra(formato, una, voce) ? azione(voce) : EsitoFoto::NonTrovata;
    if (esito != EsitoFoto::Fatto) {
      risultato.esito = esito;
      risultato.foto = una;
      break;
    }
    ++risultato.fatte;
  }
  risultato.salvataggio = Salva();
  return risultato;
}

RisultatoOperazione OrdineVelistra::Sposta(const QString& origine, const QString& destinazione,
                                           const QStringList& foto) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  RisultatoOperazione risultato = PerOgniVoce(origine, foto, [&](const NodoXML& voce) {
    if (!PostoPerIlFormato(destinazione)) return EsitoFoto::FormatoAssente;
    const std::int32_t quantita = QuantitaFile(voce).value_or(0);
    album_.AggiungiFileVelistra(destinazione, TestoFiglio(voce, QStringLiteral("nomecompleto")),
                                TestoFiglio(voce, QStringLiteral("titolo")), ChiaveRidimensionamento(0));
    album_.RimuoviFileVelistra(voce);
    catalogo_.DecrementaImportoVelistra(catalogo_.getPrezzoFormato(origine), quantita);
    catalogo_.IncrementaImportoVelistra(catalogo_.getPrezzoFormato(destinazione));
    return EsitoFoto::Fatto;
  });
  risultato.formato = destinazione;
  if (risultato.fatte == 0) return risultato;
  SegnalaImporto();
  SegnalaVoci(origine);
  SegnalaVoci(destinazione);
  return risultato;
}

RisultatoOperazione OrdineVelistra::Cancella(const QString& formato, const QStringList& foto) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  QStringList contenitori;
  RisultatoOperazione risultato = PerOgniVoce(formato, foto, [&](const NodoXML& voce) {
    const QString copia = TestoFiglio(voce, QStringLiteral("nomecompleto"));
    QFile::remove(copia);
    impronte_.Dimentica(copia);
    catalogo_.DecrementaImportoVelistra(catalogo_.getPrezzoFormato(TestoFiglio(voce, QStringLiteral("formato"))),
                                        QuantitaFile(voce).value_or(0));
    // The format that holds it: the one asked for may be empty (any format).
    const QString contenitore = voce.genitore().genitore().attributo(QStringLiteral("id"));
    if (!contenitori.contains(contenitore)) contenitori.append(contenitore);
    album_.RimuoviFileVelistra(voce);
    return EsitoFoto::Fatto;
  });
  if (risultato.fatte > 0) SegnalaImporto();
  for (const QString& contenitore : contenitori) SegnalaVoci(contenitore);
  return risultato;
}

RisultatoOperazione OrdineVelistra::ImpostaQuantita(const QString& formato, const QStringList& foto,
                                                    std::int16_t numero) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  RisultatoOperazione risultato = PerOgniVoce(formato, foto, [&](const NodoXML& voce) {
    album_.ImpostaQuantitaFile(voce, numero);
    return EsitoFoto::Fatto;
  });
  CalcolaImportoVelistra();
  return risultato;
}

RisultatoOperazione OrdineVelistra::ImpostaRidimensionamento(const QString& formato, const QStringList& foto,
                                                             const QString& chiave) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return PerOgniVoce(formato, foto, [&](const NodoXML& voce) {
    album_.ImpostaRidimensionamentoFile(voce, chiave);
    return EsitoFoto::Fatto;
  });
}

EsitoSalvataggio OrdineVelistra::Salva(bool conContatore) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  if (!album_.SalvaVelistra()) return EsitoSalvataggio::AlbumNonSalvato;
  // Only a later repeat of the order needs the origins; the order itself is whole without them.
  origini_.Salva();
  if (conContatore && !album_.SalvaContatoreFoto()) return EsitoSalvataggio::ContatoreNonSalvato;
  return EsitoSalvataggio::Salvato;
}



int OrdineVelistra::NumeroVoci(const QString& formato) const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  return album_.NumeroFile(formato);
}

void OrdineVelistra::CreaNuovoVelistra() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  album_.EliminaCartellaERicreaXML(catalogo_.XMLDOMFormati());
  origini_.Svuota();
  origini_.Salva();
  // The counter starts again: the next copies take the old names.
  impronte_.Svuota();
  CalcolaImportoVelistra();
  Q_EMIT albumNuovo();
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra() {
  VELISTRA_SOLO_THREAD_GRAFICO();
  const std::int32_t importo = catalogo_.CalcolaImportoVelistra(album_);
  SegnalaImporto();
  return importo;
}

std::int32_t OrdineVelistra::CalcolaImportoVelistra(const DocumentoXML& prezzi) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  const std::int32_t importo = catalogo_.CalcolaImportoVelistra(album_, prezzi);
  SegnalaImporto();
  return importo;
}

bool OrdineVelistra::StringaFileCondition(const DocumentoXML& album, QString& strFile) const {
  VELISTRA_SOLO_THREAD_GRAFICO();
  strFile = TestoCondition(album, Impostazioni(percorsi_).DeviceName());
  return !strFile.isEmpty();
}

void OrdineVelistra::SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) {
  VELISTRA_SOLO_THREAD_GRAFICO();
  if (!catalogo) return;
  catalogo_.SostituisciFormati(std::move(catalogo));
  // The amount is priced with the catalogue in use, as the breakdown is.
  CalcolaImportoVelistra();
}
