#include "common/Percorsi.h"

#include <QFile>
#include <QFileInfo>

QString AggiungiBarra(const QString& percorso) {
  if (percorso.endsWith(u'/')) return percorso;
  return percorso + u'/';
}

bool FileEsiste(const QString& percorso) {
  if (percorso.isEmpty()) return false;
  const QFileInfo info(percorso);
  return info.exists() && !info.isDir();
}

bool IsCartella(const QString& percorso) {
  return !percorso.isEmpty() && QFileInfo(percorso).isDir();
}

QString EstensioneFile(const QString& nomeFile) {
  const qsizetype punto = nomeFile.lastIndexOf(u'.');
  if (punto < 0) return {};
  return nomeFile.mid(punto + 1).trimmed();
}

QString TestoDopoUltimo(const QString& testo, const QString& separatore) {
  if (separatore.isEmpty()) return {};
  const qsizetype posizione = testo.lastIndexOf(separatore);
  if (posizione < 0) return {};
  return testo.mid(posizione + separatore.size());
}

QString TestoFinoAUltimo(const QString& testo, const QString& separatore) {
  if (separatore.isEmpty()) return {};
  const qsizetype posizione = testo.lastIndexOf(separatore);
  if (posizione < 0) return {};
  return testo.left(posizione + separatore.size());
}

std::int64_t DimensioneDaParti(std::int32_t alta, std::int32_t bassa) {
  // At most (2^31 - 1) * 2^32 + 2^32 - 1 = 2^63 - 1: it always fits.
  std::int64_t dimensione = static_cast<std::uint32_t>(bassa);
  if (alta > 0) dimensione += static_cast<std::int64_t>(alta) << 32;
  return dimensione;
}

void MettiDaParteIlleggibile(const QString& percorso) {
  const QString daParte = percorso + QStringLiteral(".illeggibile");
  QFile::remove(daParte);
  QFile::rename(percorso, daParte);
}
