#include "controls/KvDatiTrascinamento.h"

void KvDatiTrascinamento::DichiaraFormato(const QString& tipoMime) {
  if (!dichiarati_.contains(tipoMime)) dichiarati_.append(tipoMime);
}

QStringList KvDatiTrascinamento::formats() const {
  QStringList tutti = QMimeData::formats();
  for (const QString& tipo : dichiarati_)
    if (!tutti.contains(tipo)) tutti.append(tipo);
  return tutti;
}

qint16 KvDatiTrascinamento::CodiceFormato(const QString& tipoMime) {
  if (tipoMime == QStringLiteral("text/plain")) return 1;
  if (tipoMime.startsWith(QStringLiteral("image/"))) return 2;
  if (tipoMime == QStringLiteral("text/uri-list")) return 15;
  return 0;
}

QVariant KvDatiTrascinamento::retrieveData(const QString& tipoMime, QMetaType tipo) const {
  if (!QMimeData::formats().contains(tipoMime) && dichiarati_.contains(tipoMime) && fornitore_) {
    // The holder sets the data now; setData is not const, the object is ours.
    auto* dati = const_cast<KvDatiTrascinamento*>(this);
    fornitore_(dati, CodiceFormato(tipoMime));
  }
  return QMimeData::retrieveData(tipoMime, tipo);
}
