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

namespace {

void AggiungiTesto(ExifData* dati, ExifIfd ifd, ExifTag tag, const char* testo) {
  ExifEntry* voce = exif_entry_new();
  exif_content_add_entry(dati->ifd[ifd], voce);
  exif_entry_initialize(voce, tag);
  const std::size_t n = std::strlen(testo) + 1;
  voce->data = static_cast<unsigned char*>(std::realloc(voce->data, n));
  std::memcpy(voce->data, testo, n);
  voce->size = voce->components = static_cast<unsigned int>(n);
  voce->format = EXIF_FORMAT_ASCII;
  exif_entry_unref(voce);
}

// The block as libexif saves it: "Exif\0\0" and the TIFF header on.
QByteArray SalvaExif(const CampiExif& campi) {
  const ExifByteOrder ordine = campi.motorola ? EXIF_BYTE_ORDER_MOTOROLA : EXIF_BYTE_ORDER_INTEL;
  ExifData* dati = exif_data_new();
  exif_data_set_byte_order(dati, ordine);
  if (campi.orientamento > 0) {
    ExifEntry* voce = exif_entry_new();
    exif_content_add_entry(dati->ifd[EXIF_IFD_0], voce);
    exif_entry_initialize(voce, EXIF_TAG_ORIENTATION);
    exif_set_short(voce->data, ordine, static_cast<ExifShort>(campi.orientamento));
    exif_entry_unref(voce);
  }
  if (campi.modello) AggiungiTesto(dati, EXIF_IFD_0, EXIF_TAG_MODEL, campi.modello);
  if (campi.data) AggiungiTesto(dati, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, campi.data);
  if (!campi.miniatura.isEmpty()) {
    dati->data = static_cast<unsigned char*>(std::malloc(campi.miniatura.size()));
    std::memcpy(dati->data, campi.miniatura.constData(), campi.miniatura.size());
    dati->size = static_cast<unsigned int>(campi.miniatura.size());
  }
  unsigned char* blocco = nullptr;
  unsigned int lunghezza = 0;
  exif_data_save_data(dati, &blocco, &lunghezza);
  exif_data_unref(dati);
  const QByteArray salvato(reinterpret_cast<const char*>(blocco), static_cast<qsizetype>(lunghezza));
  std::free(blocco);
  return salvato;
}

}  // namespace

QByteArray BloccoExif(const CampiExif& campi) { return SalvaExif(campi).mid(6); }

QByteArray ConExif(const QByteArray& jpeg, int orientamento, const QByteArray& miniatura) {
  const QByteArray blocco = SalvaExif({orientamento, miniatura});
  QByteArray segmento("\xFF\xE1", 2);
  const qsizetype lunghezzaSegmento = blocco.size() + 2;
  segmento.append(static_cast<char>(lunghezzaSegmento >> 8));
  segmento.append(static_cast<char>(lunghezzaSegmento & 0xFF));
  // Right after the start-of-image marker, where cameras put it.
  return jpeg.left(2) + segmento + blocco + jpeg.mid(2);
}

bool ScriviFoto(const QString& percorso, const QByteArray& byte) {
  QFile file(percorso);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(byte) == byte.size();
}
