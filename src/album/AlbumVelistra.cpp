#include "album/AlbumVelistra.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>

#include "album/FiltroFormato.h"
#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"
#include "immagini/EstensioniFoto.h"
#include "settings/Impostazioni.h"

namespace {

QString QueryFormato(const QString& formato) {
  return QStringLiteral("/xml/formato[@id=") + LetteraleXPath(formato) + u']';
}

bool AlbumLeggibile(const DocumentoXML& documento) {
  return documento.caricato() && documento.radice().nome() == QStringLiteral("xml");
}

NodoXML AggiungiElemento(DocumentoXML& documento, NodoXML genitore, const QString& nome,
                         const QString& testo) {
  NodoXML elemento = genitore.aggiungiFiglio(documento.creaElemento(nome));
  elemento.impostaTesto(testo);
  return elemento;
}

}  // namespace

QString ChiaveThumb(std::int32_t contatore) {
  return QStringLiteral("imgVE_") + QStringLiteral("%1").arg(contatore, 6, 10, QLatin1Char('0'));
}

std::optional<std::int32_t> QuantitaFile(const NodoXML& file) {
  const NodoXML quantita = file.selezionaNodo(QStringLiteral("quantita"));
  if (!quantita) return std::nullopt;
  bool ok = false;
  const int valore = quantita.testo().trimmed().toInt(&ok);
  return ok ? std::optional<std::int32_t>(valore) : std::nullopt;
}

AlbumVelistra::AlbumVelistra(const PercorsiProgramma& percorsi)
    : percorsi_(percorsi), XMLDOMVelistra(CreaDocumentoXML()) {}

bool AlbumVelistra::CaricaVelistra(const DocumentoXML& formati) {
  const QString& percorso = percorsi_.PercorsoVelistraXML;
  RimuoviAvanziScritturaAtomica(percorso);
  XMLDOMVelistra = CreaDocumentoXML(percorso);
  if (!AlbumLeggibile(*XMLDOMVelistra)) {
    if (QFileInfo(percorso).size() > 0) MettiDaParteIlleggibile(percorso);
    XMLDOMVelistra = CreaDocumentoXML();
  }
  return AllineaVelistraAiFormati(formati);
}

bool AlbumVelistra::SalvaVelistra() const {
  return XMLDOMVelistra->salva(percorsi_.PercorsoVelistraXML);
}

std::unique_ptr<DocumentoXML> AlbumVelistra::XMLFiltraFormato(const QString& Formato) const {
  return FiltraFormato(*XMLDOMVelistra, Formato);
}

int AlbumVelistra::NumeroFile(const QString& formato) const {
  const QString formati = formato.isEmpty() ? QStringLiteral("/xml/formato") : QueryFormato(formato);
  return static_cast<int>(XMLDOMVelistra->selezionaNodi(formati + QStringLiteral("/files/file")).size());
}

bool AlbumVelistra::TrovaFileVelistra(const QString& formato, const QString& nomecompleto,
                                      NodoXML& nodo) const {
  nodo = indice_.Trova(*XMLDOMVelistra, formato, nomecompleto);
  return nodo.valido();
}

bool AlbumVelistra::AggiungiFileVelistra(const QString& formato, const QString& nomecompleto,
                                         const QString& titolo,
                                         const QString& ridimensionamento) {
  NodoXML contenitore = XMLDOMVelistra->selezionaNodo(QueryFormato(formato) + QStringLiteral("/files"));
  if (!contenitore) return false;
  DocumentoXML& doc = *XMLDOMVelistra;
  const bool inPasso = indice_.InPasso(doc);
  NodoXML file = contenitore.aggiungiFiglio(doc.creaElemento(QStringLiteral("file")));
  AggiungiElemento(doc, file, QStringLiteral("nomecompleto"), nomecompleto);
  AggiungiElemento(doc, file, QStringLiteral("titolo"), titolo);
  AggiungiElemento(doc, file, QStringLiteral("quantita"), QStringLiteral("1"));
  AggiungiElemento(doc, file, QStringLiteral("formato"), formato);
  AggiungiElemento(doc, file, QStringLiteral("ridimensionamento"), ridimensionamento);
  indice_.Aggiunta(doc, inPasso, file, formato);
  return true;
}

void AlbumVelistra::RimuoviFileVelistra(const NodoXML& voce) {
  const bool inPasso = indice_.InPasso(*XMLDOMVelistra);
  const QStringList copie = CopieDellaVoce(voce);
  voce.genitore().rimuoviFiglio(voce);
  indice_.Rimossa(*XMLDOMVelistra, inPasso, voce, copie);
}

void AlbumVelistra::ImpostaQuantitaFile(const NodoXML& voce, std::int32_t quantita) {
  ImpostaCampoFile(voce, QStringLiteral("quantita"), QString::number(quantita));
}

void AlbumVelistra::ImpostaRidimensionamentoFile(const NodoXML& voce, const QString& chiave) {
  ImpostaCampoFile(voce, QStringLiteral("ridimensionamento"), chiave);
}

void AlbumVelistra::ImpostaCampoFile(const NodoXML& voce, const QString& campo, const QString& testo) {
  const bool inPasso = indice_.InPasso(*XMLDOMVelistra);
  voce.selezionaNodo(campo).impostaTesto(testo);
  indice_.Invariata(*XMLDOMVelistra, inPasso);
}

bool AlbumVelistra::HaFormato(const QString& formato) const {
  return XMLDOMVelistra->selezionaNodo(QueryFormato(formato) + QStringLiteral("/files")).valido();
}

void AlbumVelistra::AggiungiFormato(const QString& id) {
  DocumentoXML& doc = *XMLDOMVelistra;
  NodoXML radice = doc.selezionaNodo(QStringLiteral("/xml"));
  if (!radice) return;
  // A format with no entries yet moves none of those the index holds.
  const bool inPasso = indice_.InPasso(doc);
  NodoXML formato = doc.selezionaNodo(QueryFormato(id));
  if (!formato) {
    formato = radice.aggiungiFiglio(doc.creaElemento(QStringLiteral("formato")));
    formato.impostaAttributo(QStringLiteral("id"), id);
  }
  // A format that lost its container could take no photo.
  if (!formato.selezionaNodo(QStringLiteral("files")))
    formato.aggiungiFiglio(doc.creaElemento(QStringLiteral("files")));
  indice_.Invariata(doc, inPasso);
}

bool AlbumVelistra::AllineaVelistraAiFormati(const DocumentoXML& formati) {
  DocumentoXML& doc = *XMLDOMVelistra;
  if (!doc.haFigli()) {
    doc.aggiungiDichiarazione();
    doc.aggiungiFiglio(doc.creaElemento(QStringLiteral("xml")));
  }
  if (!doc.selezionaNodo(QStringLiteral("/xml"))) return false;
  for (const NodoXML& voce : formati.selezionaNodi(QStringLiteral("/xml/*"))) {
    const QString id = voce.attributo(QStringLiteral("id"));
    if (!id.isEmpty()) AggiungiFormato(id);  // an empty id: nothing could ever refer to it
  }
  indice_.Ricostruisci(doc);
  return SalvaVelistra();
}

void AlbumVelistra::EliminaCartellaERicreaXML(const DocumentoXML& formati) {
  contatoreFoto_ = 0;
  // The new, empty album replaces the old file atomically, so no moment is
  // left without an album file.
  XMLDOMVelistra = CreaDocumentoXML();
  AllineaVelistraAiFormati(formati);
  QDir lavoro(percorsi_.CartellaLavoro);
  for (const QString& nome : lavoro.entryList(QDir::Files | QDir::Hidden | QDir::System))
    lavoro.remove(nome);
  SalvaContatoreFoto();
}

void AlbumVelistra::LeggiContatoreFoto() { contatoreFoto_ = Impostazioni(percorsi_).ContatoreFoto(); }

bool AlbumVelistra::SalvaContatoreFoto() const {
  return Impostazioni(percorsi_).ScriviContatoreFoto(contatoreFoto_);
}

std::optional<QString> AlbumVelistra::NuovaChiaveThumb() {
  if (contatoreFoto_ == std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return ChiaveThumb(++contatoreFoto_);
}

std::optional<QString> AlbumVelistra::NuovaCopiaLavoro(const QString& foto) {
  const QString estensione =
      DaConvertirePerLaboratorio(foto) ? QStringLiteral("jpg") : EstensioneFile(QFileInfo(foto).fileName());
  // A counter that fell behind (settings lost, a stop before they were
  // written) must not overwrite the copy of another entry.
  QString copia;
  do {
    const std::optional<QString> chiave = NuovaChiaveThumb();
    if (!chiave) return std::nullopt;
    copia = percorsi_.CartellaLavoro + *chiave + u'.' + estensione;
  } while (FileEsiste(copia));
  return copia;
}

QStringList AlbumVelistra::CopieDelFormato(const QString& formato) const {
  QStringList copie;
  for (const NodoXML& nome :
       XMLDOMVelistra->selezionaNodi(QueryFormato(formato) + QStringLiteral("/files/file/nomecompleto")))
    copie.append(nome.testo());
  return copie;
}
