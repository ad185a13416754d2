#include "ordine/OriginiFoto.h"

#include <QList>
#include <algorithm>
#include <utility>

#include "common/DocumentoXML.h"

namespace {

const QString kRadice = QStringLiteral("originali");
const QString kFoto = QStringLiteral("foto");
const QString kCopia = QStringLiteral("copia");
const QString kOriginale = QStringLiteral("originale");

}  // namespace

OriginiFoto::OriginiFoto(QString percorso) : percorso_(std::move(percorso)) {}

void OriginiFoto::Carica() {
  originali_.clear();
  const auto documento = CreaDocumentoXML(percorso_);
  for (const NodoXML& foto : documento->selezionaNodi(QStringLiteral("/originali/foto")))
    originali_.insert(foto.attributo(kCopia), foto.attributo(kOriginale));
}

QByteArray OriginiFoto::Byte() const {
  auto documento = CreaDocumentoXML();
  documento->aggiungiDichiarazione();
  NodoXML radice = documento->aggiungiFiglio(documento->creaElemento(kRadice));
  // Sorted, so that the same origins always give the same file.
  QList<QString> copie = originali_.keys();
  std::sort(copie.begin(), copie.end());
  for (const QString& copia : copie) {
    NodoXML foto = radice.aggiungiFiglio(documento->creaElemento(kFoto));
    foto.impostaAttributo(kCopia, copia);
    foto.impostaAttributo(kOriginale, originali_.value(copia));
  }
  return documento->xml();
}

void OriginiFoto::Registra(const QString& copia, const QString& originale) {
  const QString primo = originali_.value(originale);
  originali_.insert(copia, primo.isEmpty() ? originale : primo);
}
