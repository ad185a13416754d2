#pragma once
// The designer's property store of one control: values by name. A holder fills
// it from its saved design before it loads the control, and the control writes
// into it when the design is saved.
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "controls/KelmoraEsporta.h"

class KELMORA_EXPORT KvBorsaProprieta {
 public:
  // The stored value, or the default when the name was never stored.
  QVariant Leggi(const QString& nome, const QVariant& predefinito) const;
  // A value equal to its default is not kept, as designers store only changes.
  void Scrivi(const QString& nome, const QVariant& valore, const QVariant& predefinito);

  bool Contiene(const QString& nome) const { return valori_.contains(nome); }
  QStringList Nomi() const { return valori_.keys(); }

 private:
  QMap<QString, QVariant> valori_;
};
