#include "album/FileAlbum.h"

#include "common/DocumentoXML.h"

namespace {

const QString kRadice = QStringLiteral("xml");
const QString kFormato = QStringLiteral("formato");
const QString kId = QStringLiteral("id");
const QString kContenitore = QStringLiteral("files");
const QString kVoce = QStringLiteral("file");
const QString kCopia = QStringLiteral("nomecompleto");
const QString kTitolo = QStringLiteral("titolo");
const QString kQuantita = QStringLiteral("quantita");
const QString kRidimensionamento = QStringLiteral("ridimensionamento");

// The first child element of that name, as a name test without prefix finds it.
NodoXML Figlio(const NodoXML& nodo, const QString& nome) {
  for (const NodoXML& figlio : nodo.figli())
    if (figlio.elementoDiNome(nome)) return figlio;
  return {};
}

QList<NodoXML> Figli(const NodoXML& nodo, const QString& nome) {
  QList<NodoXML> figli;
  for (const NodoXML& figlio : nodo.figli())
    if (figlio.elementoDiNome(nome)) figli.append(figlio);
  return figli;
}

std::int32_t LeggiQuantita(const NodoXML& voce) {
  bool ok = false;
  const int valore = Figlio(voce, kQuantita).testo().trimmed().toInt(&ok);
  return ok ? valore : 0;
}

VoceAlbum LeggiVoce(const NodoXML& voce) {
  return {Figlio(voce, kCopia).testo(), Figlio(voce, kTitolo).testo(), LeggiQuantita(voce),
          Figlio(voce, kFormato).testo(), Figlio(voce, kRidimensionamento).testo()};
}

bool AlbumLeggibile(const DocumentoXML& documento) {
  return documento.caricato() && documento.radice().elementoDiNome(kRadice);
}

void AggiungiElemento(DocumentoXML& documento, NodoXML genitore, const QString& nome, const QString& testo) {
  genitore.aggiungiFiglio(documento.creaElemento(nome)).impostaTesto(testo);
}

}  // namespace

// The nodes of the formats and entries of formati_, place by place.
struct FileAlbum::Nodi {
  struct Formato {
    NodoXML elemento;
    // Where new entries go: the first container; none until one is made.
    NodoXML contenitore;
    QList<NodoXML> voci;
  };
  QList<Formato> formati;
};

FileAlbum::FileAlbum() : documento_(CreaDocumentoXML()), nodi_(std::make_unique<Nodi>()) {}

FileAlbum::~FileAlbum() = default;

bool FileAlbum::Carica(const QString& percorso) { return Adotta(CreaDocumentoXML(percorso)); }

bool FileAlbum::CaricaByte(const QByteArray& byte) {
  auto documento = CreaDocumentoXML();
  documento->caricaByte(byte);
  return Adotta(std::move(documento));
}

bool FileAlbum::Adotta(std::unique_ptr<DocumentoXML> documento) {
  const bool leggibile = AlbumLeggibile(*documento);
  documento_ = leggibile ? std::move(documento) : CreaDocumentoXML();
  Leggi();
  return leggibile;
}

void FileAlbum::Svuota() {
  documento_ = CreaDocumentoXML();
  Leggi();
}

void FileAlbum::Leggi() {
  formati_.clear();
  nodi_->formati.clear();
  const NodoXML radice = documento_->radice();
  if (!radice.elementoDiNome(kRadice)) return;
  for (const NodoXML& elemento : Figli(radice, kFormato)) {
    Nodi::Formato nodi{elemento, Figlio(elemento, kContenitore), {}};
    FormatoAlbum formato{elemento.attributo(kId), {}};
    for (const NodoXML& contenitore : Figli(elemento, kContenitore))
      for (const NodoXML& voce : Figli(contenitore, kVoce)) {
        nodi.voci.append(voce);
        formato.voci.append(LeggiVoce(voce));
      }
    nodi_->formati.append(std::move(nodi));
    formati_.append(std::move(formato));
  }
}

bool FileAlbum::Radice() {
  if (!documento_->haFigli()) {
    documento_->aggiungiDichiarazione();
    documento_->aggiungiFiglio(documento_->creaElemento(kRadice));
  }
  return documento_->radice().elementoDiNome(kRadice);
}

bool FileAlbum::HaRadice() const { return documento_->radice().valido(); }

bool FileAlbum::Salva(const QString& percorso) const { return documento_->salva(percorso); }

QByteArray FileAlbum::Byte() const { return documento_->xml(); }

void FileAlbum::AggiungiFormato(const QString& id) {
  NodoXML radice = documento_->radice();
  if (!radice.elementoDiNome(kRadice)) return;
  qsizetype posto = 0;
  while (posto < formati_.size() && formati_[posto].id != id) ++posto;
  if (posto == formati_.size()) {
    NodoXML elemento = radice.aggiungiFiglio(documento_->creaElemento(kFormato));
    elemento.impostaAttributo(kId, id);
    nodi_->formati.append({elemento, {}, {}});
    formati_.append({id, {}});
  }
  Nodi::Formato& nodi = nodi_->formati[posto];
  // A format that lost its container could take no photo.
  if (!nodi.contenitore) nodi.contenitore = nodi.elemento.aggiungiFiglio(documento_->creaElemento(kContenitore));
}

void FileAlbum::AggiungiVoce(qsizetype formato, const VoceAlbum& voce) {
  Nodi::Formato& nodi = nodi_->formati[formato];
  if (!nodi.contenitore) nodi.contenitore = nodi.elemento.aggiungiFiglio(documento_->creaElemento(kContenitore));
  DocumentoXML& doc = *documento_;
  NodoXML file = nodi.contenitore.aggiungiFiglio(doc.creaElemento(kVoce));
  AggiungiElemento(doc, file, kCopia, voce.copia);
  AggiungiElemento(doc, file, kTitolo, voce.titolo);
  AggiungiElemento(doc, file, kQuantita, QString::number(voce.quantita));
  AggiungiElemento(doc, file, kFormato, voce.formato);
  AggiungiElemento(doc, file, kRidimensionamento, voce.ridimensionamento);
  nodi.voci.append(file);
  formati_[formato].voci.append(voce);
}

void FileAlbum::RimuoviVoce(qsizetype formato, qsizetype posto) {
  NodoXML voce = nodi_->formati[formato].voci.takeAt(posto);
  voce.genitore().rimuoviFiglio(voce);
  formati_[formato].voci.removeAt(posto);
}

void FileAlbum::ImpostaQuantita(qsizetype formato, qsizetype posto, std::int32_t quantita) {
  NodoXML voce = nodi_->formati[formato].voci[posto];
  NodoXML campo = Figlio(voce, kQuantita);
  // An entry without the element keeps its shape, as a change in place always left it.
  if (campo) campo.impostaTesto(QString::number(quantita));
  formati_[formato].voci[posto].quantita = campo ? quantita : 0;
}

void FileAlbum::ImpostaRidimensionamento(qsizetype formato, qsizetype posto, const QString& chiave) {
  NodoXML campo = Figlio(nodi_->formati[formato].voci[posto], kRidimensionamento);
  if (!campo) return;
  campo.impostaTesto(chiave);
  formati_[formato].voci[posto].ridimensionamento = chiave;
}

QList<FormatoAlbum> LeggiAlbum(const QByteArray& byte) {
  FileAlbum album;
  album.CaricaByte(byte);
  return album.Formati();
}

QList<VoceAlbum> VociDaInviare(const QByteArray& byte) {
  auto documento = CreaDocumentoXML();
  documento->caricaByte(byte);
  QList<VoceAlbum> voci;
  for (const NodoXML& voce : documento->selezionaNodi(QStringLiteral("//") + kContenitore + QStringLiteral("/*")))
    voci.append(LeggiVoce(voce));
  return voci;
}
