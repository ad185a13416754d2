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
const QString kDimensione = QStringLiteral("dimensione");
const QString kMd5 = QStringLiteral("md5");

// The digest of an entry; none in files written before digests were kept.
ImprontaFile LeggiImprontaOriginale(const NodoXML& foto) {
  bool numero = false;
  const qint64 dimensione = foto.attributo(kDimensione).toLongLong(&numero);
  const QByteArray md5 = QByteArray::fromHex(foto.attributo(kMd5).toLatin1());
  if (!numero || dimensione < 0 || md5.isEmpty()) return {};
  return {dimensione, md5};
}

}  // namespace

OriginiFoto::OriginiFoto(QString percorso) : percorso_(std::move(percorso)) {}

void OriginiFoto::Carica() {
  origini_.clear();
  const auto documento = CreaDocumentoXML(percorso_);
  for (const NodoXML& foto : documento->selezionaNodi(QStringLiteral("/originali/foto")))
    origini_.insert(foto.attributo(kCopia), {foto.attributo(kOriginale), LeggiImprontaOriginale(foto)});
}

QByteArray OriginiFoto::Byte() const {
  auto documento = CreaDocumentoXML();
  documento->aggiungiDichiarazione();
  NodoXML radice = documento->aggiungiFiglio(documento->creaElemento(kRadice));
  // Sorted, so that the same origins always give the same file.
  QList<QString> copie = origini_.keys();
  std::sort(copie.begin(), copie.end());
  for (const QString& copia : copie) {
    const Origine origine = origini_.value(copia);
    NodoXML foto = radice.aggiungiFiglio(documento->creaElemento(kFoto));
    foto.impostaAttributo(kCopia, copia);
    foto.impostaAttributo(kOriginale, origine.originale);
    if (origine.impronta.dimensione < 0) continue;
    foto.impostaAttributo(kDimensione, QString::number(origine.impronta.dimensione));
    foto.impostaAttributo(kMd5, QString::fromLatin1(origine.impronta.md5.toHex()));
  }
  return documento->xml();
}

void OriginiFoto::Registra(const QString& copia, const QString& originale, const ImprontaFile& impronta) {
  const QString primo = Originale(originale);
  origini_.insert(copia, {primo.isEmpty() ? originale : primo, impronta});
}

QHash<QString, ImprontaFile> OriginiFoto::ImpronteOriginali() const {
  QHash<QString, ImprontaFile> impronte;
  for (auto origine = origini_.cbegin(); origine != origini_.cend(); ++origine)
    if (origine->impronta.dimensione >= 0) impronte.insert(origine.key(), origine->impronta);
  return impronte;
}
