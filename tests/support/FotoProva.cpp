#include "support/FotoProva.h"

#include <libexif/exif-data.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <cstdlib>
#include <cstring>

QImage ImmagineADueBande(QSize misura, const QColor& sopra, const QColor& sotto) {
  QImage immagine(misura, QImage::Format_RGB32);
  QPainter pittore(&immagine);
  pittore.fillRect(0, 0, misura.width(), misura.height() / 2, sopra);
  pittore.fillRect(0, misura.height() / 2, misura.width(), misura.height() - misura.height() / 2,
                   sotto);
  return immagine;
}

QByteArray Codifica(const QImage& immagine, const char* formato, int qualita) {
  QByteArray byte;
  QBuffer buffer(&byte);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter scrittore(&buffer, formato);
  scrittore.setQuality(qualita);
  scrittore.write(immagine);
  return byte;
}

QByteArray ConExif(const QByteArray& jpeg, int orientamento, const QByteArray& miniatura) {
  ExifData* dati = exif_data_new();
  exif_data_set_byte_order(dati, EXIF_BYTE_ORDER_INTEL);
  if (orientamento > 0) {
    ExifEntry* voce = exif_entry_new();
    exif_content_add_entry(dati->ifd[EXIF_IFD_0], voce);
    exif_entry_initialize(voce, EXIF_TAG_ORIENTATION);
    exif_set_short(voce->data, EXIF_BYTE_ORDER_INTEL, static_cast<ExifShort>(orientamento));
    exif_entry_unref(voce);
  }
  if (!miniatura.isEmpty()) {
    dati->data = static_cast<unsigned char*>(std::malloc(miniatura.size()));
    std::memcpy(dati->data, miniatura.constData(), miniatura.size());
    dati->size = static_cast<unsigned int>(miniatura.size());
  }
  unsigned char* blocco = nullptr;
  unsigned int lunghezza = 0;
  exif_data_save_data(dati, &blocco, &lunghezza);
  exif_data_unref(dati);

  QByteArray segmento("\xFF\xE1", 2);
  const unsigned int lunghezzaSegmento = lunghezza + 2;
  segmento.append(static_cast<char>(lunghezzaSegmento >> 8));
  segmento.append(static_cast<char>(lunghezzaSegmento & 0xFF));
  segmento.append(reinterpret_cast<const char*>(blocco), static_cast<qsizetype>(lunghezza));
  std::free(blocco);
  // Right after the start-of-image marker, where cameras put it.
  return jpeg.left(2) + segmento + jpeg.mid(2);
}

bool ScriviFoto(const QString& percorso, const QByteArray& byte) {
  QFile file(percorso);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(byte) == byte.size();
}
