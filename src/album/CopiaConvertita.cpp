#include "album/CopiaConvertita.h"

#include <QFile>

#include "immagini/ConversioneLaboratorio.h"

bool CopiaConvertita(const QString& foto, const QString& copia, ImprontaFile* impronta) {
  if (impronta) {
    const auto letta = LeggiImpronta(foto);
    if (!letta) return false;
    *impronta = *letta;
  }
  const QByteArray jpeg = JpegPerLaboratorio(foto);
  if (jpeg.isEmpty()) return false;
  QFile file(copia);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
  const bool scritto = file.write(jpeg) == jpeg.size();
  // A write error that shows only at close (a full disk) is a failed copy too.
  file.close();
  if (scritto && file.error() == QFileDevice::NoError) return true;
  QFile::remove(copia);
  return false;
}
