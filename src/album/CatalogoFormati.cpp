#include "album/CatalogoFormati.h"

#include "common/NumeriCliente.h"
#include "common/QualitaStampa.h"
#include "settings/Impostazioni.h"

namespace {

NodoXML TrovaFormato(const DocumentoXML& formati, const QString& Id) {
  return formati.selezionaNodo(QStringLiteral("/xml/formato[@id=") + LetteraleXPath(Id) + u']');
}

QStringList IdDi(const DocumentoXML& formati, const QString& query) {
  QStringList id;
  for (const NodoXML& formato : formati.selezionaNodi(query)) {
    const QString valore = formato.attributo(QStringLiteral("id"));
    if (!valore.isEmpty()) id.append(valore);
  }
  return id;
}

}  // namespace

PrezziFormati LeggiPrezzi(const DocumentoXML& pXMLDOMFormati) {
  PrezziFormati prezzi;
  for (const QString& id : IdDi(pXMLDOMFormati, QStringLiteral("/xml/formato")))
    if (!prezzi.contains(id)) prezzi.insert(id, getPrezzoFormato(pXMLDOMFormati, id));
  return prezzi;
}

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

void CatalogoFormati::CaricaFormati() { SostituisciFormati(CreaDocumentoXML(percorsi_.PercorsoFormati)); }

void CatalogoFormati::SostituisciFormati(std::unique_ptr<DocumentoXML> formati) {
  documento_ = formati ? std::move(formati) : CreaDocumentoXML();
  prezzi_ = LeggiPrezzi(*documento_);
}

bool CatalogoFormati::OffreFormato(const QString& Id) const {
  // Every child with an id, as the album's alignment and the format lists take them.
  return documento_->selezionaNodo(QStringLiteral("/xml/*[@id=") + LetteraleXPath(Id) + u']').valido();
}

QStringList CatalogoFormati::IdFormati(std::int16_t Amatoriale) const {
  return IdDi(*documento_, QStringLiteral("/xml/*[@amatoriale=%1]").arg(Amatoriale));
}

QStringList CatalogoFormati::TuttiGliIdFormati() const { return IdDi(*documento_, QStringLiteral("/xml/*")); }

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

