#include "common/DocumentoXML.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <libxml/xpath.h>

#include <QFile>
#include <mutex>

#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"

namespace {

void Silenzio(void*, const char*, ...) {}
void SilenzioStrutturato(void*, xmlErrorPtr) {}

void InizializzaLibrerie() {
  static std::once_flag fatto;
  std::call_once(fatto, [] {
    xmlInitParser();
    xmlSetGenericErrorFunc(nullptr, Silenzio);
    xmlSetStructuredErrorFunc(nullptr, SilenzioStrutturato);
  });
}

// Re-applied per thread: libxml2 keeps its error handlers per thread.
void SilenziaThread() {
  thread_local bool fatto = false;
  if (fatto) return;
  xmlSetGenericErrorFunc(nullptr, Silenzio);
  xmlSetStructuredErrorFunc(nullptr, SilenzioStrutturato);
  fatto = true;
}

QString DaXml(const xmlChar* testo) {
  return testo ? QString::fromUtf8(reinterpret_cast<const char*>(testo)) : QString();
}

struct TestoXml {
  QByteArray utf8;
  explicit TestoXml(const QString& testo) : utf8(testo.toUtf8()) {}
  const xmlChar* operator()() const { return reinterpret_cast<const xmlChar*>(utf8.constData()); }
};

QString PrendiTesto(xmlChar* testo) {
  QString risultato = DaXml(testo);
  xmlFree(testo);
  return risultato;
}

bool DichiaraEntita(xmlDocPtr doc) {
  return (doc->intSubset && (doc->intSubset->entities || doc->intSubset->pentities)) ||
         doc->extSubset;
}

QList<NodoXML> Seleziona(xmlDocPtr doc, xmlNodePtr contesto, const QString& xpath,
                         DocumentoXML* proprietario, bool soloPrimo) {
  QList<NodoXML> risultato;
  if (!doc) return risultato;
  SilenziaThread();
  xmlXPathContextPtr ctx = xmlXPathNewContext(doc);
  if (!ctx) return risultato;
  ctx->node = contesto;
  const TestoXml espressione(xpath);
  xmlXPathObjectPtr oggetto = xmlXPathEvalExpression(espressione(), ctx);
  if (oggetto && oggetto->type == XPATH_NODESET && oggetto->nodesetval) {
    const int quanti = soloPrimo ? std::min(1, oggetto->nodesetval->nodeNr)
                                 : oggetto->nodesetval->nodeNr;
    for (int i = 0; i < quanti; ++i)
      risultato.append(NodoXML(oggetto->nodesetval->nodeTab[i], proprietario));
  }
  xmlXPathFreeObject(oggetto);
  xmlXPathFreeContext(ctx);
  return risultato;
}

}  // namespace

// ---- NodoXML ----

QString NodoXML::nome() const { return nodo_ ? DaXml(nodo_->name) : QString(); }

bool NodoXML::elementoDiNome(const QString& nome) const {
  return nodo_ && nodo_->type == XML_ELEMENT_NODE && !nodo_->ns && DaXml(nodo_->name) == nome;
}

QString NodoXML::testo() const { return nodo_ ? PrendiTesto(xmlNodeGetContent(nodo_)) : QString(); }

void NodoXML::impostaTesto(const QString& testo) {
  if (!nodo_) return;
  if (nodo_->type != XML_ELEMENT_NODE) {
    xmlNodeSetContent(nodo_, nullptr);
    const TestoXml t(testo);
    xmlNodeAddContent(nodo_, t());
    return;
  }
  while (nodo_->children) {
    xmlNodePtr figlio = nodo_->children;
    xmlUnlinkNode(figlio);
    documento_->staccati_.erase(figlio);
    xmlFreeNode(figlio);
  }
  const TestoXml t(testo);
  xmlAddChild(nodo_, xmlNewDocText(nodo_->doc, t()));
}

QString NodoXML::attributo(const QString& nome) const {
  if (!nodo_ || nodo_->type != XML_ELEMENT_NODE) return {};
  const TestoXml n(nome);
  return PrendiTesto(xmlGetProp(nodo_, n()));
}

void NodoXML::impostaAttributo(const QString& nome, const QString& valore) {
  if (!nodo_ || nodo_->type != XML_ELEMENT_NODE) return;
  const TestoXml n(nome), v(valore);
  xmlSetProp(nodo_, n(), v());
}

bool NodoXML::haFigli() const { return nodo_ && nodo_->children; }

QList<NodoXML> NodoXML::figli() const {
  QList<NodoXML> risultato;
  if (!nodo_) return risultato;
  for (xmlNodePtr f = nodo_->children; f; f = f->next) risultato.append(NodoXML(f, documento_));
  return risultato;
}

NodoXML NodoXML::genitore() const {
  return nodo_ && nodo_->parent ? NodoXML(nodo_->parent, documento_) : NodoXML();
}

NodoXML NodoXML::aggiungiFiglio(NodoXML figlio) {
  if (!nodo_ || !figlio.nodo_ || figlio.nodo_->doc != nodo_->doc) return {};
  if (figlio.nodo_->parent) xmlUnlinkNode(figlio.nodo_);
  xmlNodePtr aggiunto = xmlAddChild(nodo_, figlio.nodo_);
  // Adjacent text nodes are merged: the node handed in may be gone.
  documento_->staccati_.erase(figlio.nodo_);
  return NodoXML(aggiunto, documento_);
}

NodoXML NodoXML::rimuoviFiglio(NodoXML figlio) {
  if (!nodo_ || !figlio.nodo_ || figlio.nodo_->parent != nodo_) return {};
  xmlUnlinkNode(figlio.nodo_);
  documento_->staccati_.insert(figlio.nodo_);
  return figlio;
}

NodoXML NodoXML::selezionaNodo(const QString& xpath) const {
  if (!nodo_) return {};
  const auto trovati = Seleziona(nodo_->doc, nodo_, xpath, documento_, true);
  return trovati.isEmpty() ? NodoXML() : trovati.first();
}

QList<NodoXML> NodoXML::selezionaNodi(const QString& xpath) const {
  if (!nodo_) return {};
  return Seleziona(nodo_->doc, nodo_, xpath, documento_, false);
}

QString NodoXML::xml() const {
  if (!nodo_) return {};
  xmlBufferPtr buffer = xmlBufferCreate();
  xmlNodeDump(buffer, nodo_->doc, nodo_, 0, 0);
  QString risultato = DaXml(xmlBufferContent(buffer));
  xmlBufferFree(buffer);
  return risultato;
}

// ---- DocumentoXML ----

DocumentoXML::DocumentoXML() {
  InizializzaLibrerie();
  doc_ = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
}

DocumentoXML::~DocumentoXML() { Sostituisci(nullptr); }

void DocumentoXML::LiberaNodiStaccati() {
  for (xmlNodePtr nodo : staccati_)
    if (!nodo->parent) xmlFreeNode(nodo);
  staccati_.clear();
}

void DocumentoXML::Sostituisci(xmlDocPtr nuovo) {
  LiberaNodiStaccati();
  if (doc_) xmlFreeDoc(doc_);
  doc_ = nuovo;
}

NodoXML DocumentoXML::Traccia(xmlNodePtr nodo) {
  if (!nodo) return {};
  staccati_.insert(nodo);
  return NodoXML(nodo, this);
}

bool DocumentoXML::caricaMemoria(const QByteArray& byte, const char* codifica) {
  SilenziaThread();
  const int opzioni = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOCDATA;
  xmlDocPtr letto = byte.isEmpty() ? nullptr
                                    : xmlReadMemory(byte.constData(), static_cast<int>(byte.size()),
                                                    nullptr, codifica, opzioni);
  if (letto && DichiaraEntita(letto)) {
    xmlFreeDoc(letto);
    letto = nullptr;
    errore_ = QStringLiteral("entity declarations are not accepted");
  } else if (!letto) {
    const xmlError* e = xmlGetLastError();
    errore_ = e && e->message ? QString::fromUtf8(e->message).trimmed()
                              : QStringLiteral("not well-formed");
  } else {
    errore_.clear();
  }
  caricato_ = letto != nullptr;
  Sostituisci(letto ? letto : xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
  return caricato_;
}

bool DocumentoXML::caricaFile(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) {
    errore_ = file.errorString();
    caricato_ = false;
    Sostituisci(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    return false;
  }
  return caricaMemoria(file.readAll(), nullptr);
}

bool DocumentoXML::caricaTesto(const QString& testo) { return caricaMemoria(testo.toUtf8(), "UTF-8"); }

bool DocumentoXML::caricaByte(const QByteArray& byte) { return caricaMemoria(byte, nullptr); }

QByteArray DocumentoXML::xml() const {
  xmlChar* testo = nullptr;
  int lunghezza = 0;
  xmlDocDumpFormatMemoryEnc(doc_, &testo, &lunghezza, "UTF-8", 0);
  QByteArray risultato(reinterpret_cast<const char*>(testo), lunghezza);
  xmlFree(testo);
  return risultato;
}

bool DocumentoXML::salva(const QString& percorso) const {
  return ScriviFileAtomico(percorso, xml(), LettoriNuovoFile::SoloUtente);
}

bool DocumentoXML::haFigli() const { return doc_ && doc_->children; }

NodoXML DocumentoXML::radice() const {
  xmlNodePtr r = doc_ ? xmlDocGetRootElement(doc_) : nullptr;
  return r ? NodoXML(r, const_cast<DocumentoXML*>(this)) : NodoXML();
}

void DocumentoXML::aggiungiDichiarazione() {
  // libxml2 keeps the declaration as document properties and always writes it.
  xmlFree(const_cast<xmlChar*>(doc_->version));
  doc_->version = xmlStrdup(reinterpret_cast<const xmlChar*>("1.0"));
  xmlFree(const_cast<xmlChar*>(doc_->encoding));
  doc_->encoding = xmlStrdup(reinterpret_cast<const xmlChar*>("UTF-8"));
}

NodoXML DocumentoXML::aggiungiFiglio(NodoXML figlio) {
  if (!figlio.nodo_ || figlio.nodo_->doc != doc_ || figlio.nodo_->type != XML_ELEMENT_NODE ||
      xmlDocGetRootElement(doc_))
    return {};
  if (figlio.nodo_->parent) xmlUnlinkNode(figlio.nodo_);
  xmlDocSetRootElement(doc_, figlio.nodo_);
  staccati_.erase(figlio.nodo_);
  return NodoXML(figlio.nodo_, this);
}

NodoXML DocumentoXML::creaElemento(const QString& nome) {
  const TestoXml n(nome);
  return Traccia(xmlNewDocNode(doc_, nullptr, n(), nullptr));
}

NodoXML DocumentoXML::creaTesto(const QString& testo) {
  const TestoXml t(testo);
  return Traccia(xmlNewDocText(doc_, t()));
}

NodoXML DocumentoXML::importaNodo(const NodoXML& nodo, bool profondo) {
  if (!nodo.nodo_) return {};
  return Traccia(xmlDocCopyNode(nodo.nodo_, doc_, profondo ? 1 : 2));
}

NodoXML DocumentoXML::selezionaNodo(const QString& xpath) const {
  const auto trovati =
      Seleziona(doc_, reinterpret_cast<xmlNodePtr>(doc_), xpath, const_cast<DocumentoXML*>(this), true);
  return trovati.isEmpty() ? NodoXML() : trovati.first();
}

QList<NodoXML> DocumentoXML::selezionaNodi(const QString& xpath) const {
  return Seleziona(doc_, reinterpret_cast<xmlNodePtr>(doc_), xpath, const_cast<DocumentoXML*>(this),
                   false);
}

std::unique_ptr<DocumentoXML> CreaDocumentoXML(const QString& percorso) {
  std::unique_ptr<DocumentoXML> documento(new DocumentoXML());
  if (!percorso.isEmpty() && FileEsiste(percorso)) documento->caricaFile(percorso);
  return documento;
}

QString LetteraleXPath(const QString& valore) {
  if (!valore.contains(u'\'')) return u'\'' + valore + u'\'';
  if (!valore.contains(u'"')) return u'"' + valore + u'"';
  // Both quotes: join apostrophe-free pieces with "'" in between.
  QStringList parti;
  const QStringList pezzi = valore.split(u'\'');
  for (qsizetype i = 0; i < pezzi.size(); ++i) {
    if (i > 0) parti.append(QStringLiteral("\"'\""));
    if (!pezzi[i].isEmpty()) parti.append(u'\'' + pezzi[i] + u'\'');
  }
  return QStringLiteral("concat(") + parti.join(u',') + u')';
}

QString TestoXMLSicuro(const QString& valore) { return valore.toHtmlEscaped(); }
