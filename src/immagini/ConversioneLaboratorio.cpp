#include "immagini/ConversioneLaboratorio.h"

#include <QFile>
#include <QImageReader>

#include "immagini/ColoreSRGB.h"
#include "immagini/ExifRaddrizzato.h"
#include "immagini/ExifWebP.h"
#include "immagini/FotoHeif.h"
#include "immagini/JpegLaboratorio.h"

QByteArray JpegPerLaboratorio(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QImage immagine;
  QByteArray exif;
  if (FotoHeif::Riconosce(file)) {
    const FotoHeif foto(file);
    immagine = foto.Immagine();
    exif = foto.Exif();
  } else {
    QImageReader lettore(&file);
    lettore.setAutoTransform(true);
    immagine = lettore.read();
    exif = ExifWebP(file);
  }
  if (immagine.isNull()) return {};
  return JpegLaboratorio(InSRGB(std::move(immagine)), ExifRaddrizzato(exif));
}
