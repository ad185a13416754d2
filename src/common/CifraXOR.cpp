#include "common/CifraXOR.h"

#include "common/Ansi.h"

QString CifraXOR(const QString& testo, const QString& chiave) {
  if (testo.isEmpty() || chiave.isEmpty()) return testo;
  const QByteArray t = InAnsi(testo);
  const QByteArray k = InAnsi(chiave);
  QByteArray risultato(t.size(), '\0');
  for (qsizetype i = 0; i < t.size(); ++i) risultato[i] = static_cast<char>(t[i] ^ k[i % k.size()]);
  return DaAnsi(risultato);
}
