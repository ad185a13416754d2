#include "album/CatalogoFormati.h"

#include <QHash>
#include <limits>

#include "album/AlbumVelistra.h"
#include "common/NumeriCliente.h"
#include "common/QualitaStampa.h"
#include "settings/Impostazioni.h"

namespace {

NodoXML TrovaFormato(const DocumentoXML& formati, const QString& Id) {
  return formati.selezionaNodo(QStringLiteral("/xml/formato[@id=") + LetteraleXPath(Id) + u']');
}

bool DentroInt32(std::int64_t valore) {
  return valore >= std::numeric_limits<std::int32_t>::min() &&
         valore <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

QString getDescrizioneFormato(const DocumentoXML& pXMLDOMFormati, const QString& Id) {
  return TrovaFormato(pXMLDOMFormati, Id).attributo(QStringLiteral("descrizione"));
}

std::int32_t getPrezzoFormato(const DocumentoXML& pXMLDOMFormati, const QString& Id) {
  bool ok = false;
  const int prezzo = TrovaFormato(pXMLDOMFormati, Id).testo().trimmed().toInt(&ok);
  return ok ? prezzo : 0;
}

std::optional<QSizeF> getDimensioniFormato(const DocumentoXML& pXMLDOMFormati, const QString& Id) {
  const NodoXML formato = TrovaFormato(pXMLDOMFormati, Id);
  if (!formato) return std::nullopt;
  // Older catalogues and the lab's price lists may lack the attribute.
  const QString dimensioni = formato.attributo(QStringLiteral("dimensioni"));
  return LeggiCentimetri(dimensioni.isEmpty() ? Id : dimensioni);
}

QString ImportoInEuro(std::int32_t centesimi) {
  return QStringLiteral("€ ") + TestoDecimale(centesimi / 100.0, 2);
}

CatalogoFormati::CatalogoFormati(const PercorsiProgramma& percorsi)
    : percorsi_(percorsi), documento_(CreaDocumentoXML()) {}

void CatalogoFormati::CaricaFormati() {
  documento_ = CreaDocumentoXML(percorsi_.PercorsoFormati);
}

void CatalogoFormati::SostituisciFormati(std::unique_ptr<DocumentoXML> formati) {
  documento_ = formati ? std::move(formati) : CreaDocumentoXML();
}

bool CatalogoFormati::OffreFormato(const QString& Id) const {
  // Every child with an id, as the album's alignment and the format lists take them.
  return documento_->selezionaNodo(QStringLiteral("/xml/*[@id=") + LetteraleXPath(Id) + u']').valido();
}

QStringList CatalogoFormati::IdFormati(std::int16_t Amatoriale) const {
  QStringList id;
  const QString query = QStringLiteral("/xml/*[@amatoriale=%1]").arg(Amatoriale);
  for (const NodoXML& formato : documento_->selezionaNodi(query)) {
    const QString valore = formato.attributo(QStringLiteral("id"));
    if (!valore.isEmpty()) id.append(valore);
  }
  return id;
}

void CatalogoFormati::LeggiFormatoDefault() {
  formatoDefault_ = Impostazioni(percorsi_).FormatoDefault();
}

QString CatalogoFormati::getDescrizioneFormato(const QString& Id) const {
  return ::getDescrizioneFormato(*documento_, Id);
}

std::int32_t CatalogoFormati::getPrezzoFormato(const QString& Id) const {
  return ::getPrezzoFormato(*documento_, Id);
}

std::optional<QSizeF> CatalogoFormati::getDimensioniFormato(const QString& Id) const {
  return ::getDimensioniFormato(*documento_, Id);
}

QList<VocePrezzata> VociPrezzate(const AlbumVelistra& album, const DocumentoXML& pXMLDOMFormati) {
  const auto voci = album.XMLFiltraFormato(QString());
  QList<VocePrezzata> prezzate;
  // Albums hold thousands of entries in a handful of formats.
  QHash<QString, std::int32_t> prezzi;
  for (const NodoXML& voce : voci->selezionaNodi(QStringLiteral("files/*"))) {
    const NodoXML formato = voce.selezionaNodo(QStringLiteral("formato"));
    const auto quantita = QuantitaFile(voce);
    if (!formato || !quantita) continue;
    const QString id = formato.testo();
    auto prezzo = prezzi.constFind(id);
    if (prezzo == prezzi.constEnd()) prezzo = prezzi.insert(id, ::getPrezzoFormato(pXMLDOMFormati, id));
    prezzate.append({id, *quantita, *prezzo});
  }
  return prezzate;
}

bool SommaCentesimi(std::int32_t& somma, std::int64_t variazione) {
  // Both factors of a variation fit in 32 bits, so the product cannot overflow 64.
  if (!DentroInt32(variazione) || !DentroInt32(somma + variazione)) return false;
  somma = static_cast<std::int32_t>(somma + variazione);
  return true;
}

std::int32_t CatalogoFormati::CalcolaImportoVelistra(const AlbumVelistra& album,
                                                     const DocumentoXML& pXMLDOMFormati) {
  importoCorrente_ = 0;
  for (const VocePrezzata& voce : VociPrezzate(album, pXMLDOMFormati))
    SommaImporto(std::int64_t{voce.prezzo} * voce.quantita);
  return importoCorrente_;
}

std::int32_t CatalogoFormati::CalcolaImportoVelistra(const AlbumVelistra& album) {
  return CalcolaImportoVelistra(album, *documento_);
}

bool CatalogoFormati::IncrementaImportoVelistra(std::int32_t ImportoFotografia,
                                                std::int32_t Quantita) {
  return SommaImporto(std::int64_t{ImportoFotografia} * Quantita);
}

bool CatalogoFormati::DecrementaImportoVelistra(std::int32_t ImportoFotografia,
                                                std::int32_t Quantita) {
  return SommaImporto(-(std::int64_t{ImportoFotografia} * Quantita));
}

bool CatalogoFormati::SommaImporto(std::int64_t variazione) { return SommaCentesimi(importoCorrente_, variazione); }
