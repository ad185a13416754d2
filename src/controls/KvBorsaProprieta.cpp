#include "controls/KvBorsaProprieta.h"

QVariant KvBorsaProprieta::Leggi(const QString& nome, const QVariant& predefinito) const {
  return valori_.value(nome, predefinito);
}

void KvBorsaProprieta::Scrivi(const QString& nome, const QVariant& valore,
                              const QVariant& predefinito) {
  if (valore == predefinito)
    valori_.remove(nome);
  else
    valori_.insert(nome, valore);
}
