#include "immagini/ExifRaddrizzato.h"

#include <libexif/exif-data.h>

#include <cstdlib>
#include <memory>

namespace {
const QByteArray kIntestazione("Exif\0\0", 6);
constexpr ExifShort kOrientamentoNormale = 1;
}  // namespace

QByteArray ExifRaddrizzato(const QByteArray& tiff) {
  if (tiff.isEmpty()) return {};
  std::unique_ptr<ExifData, void (*)(ExifData*)> dati(exif_data_new(), exif_data_unref);
  // Left as the camera wrote it: no tags added or "fixed" on the way.
  exif_data_unset_option(dati.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  const QByteArray blocco = kIntestazione + tiff;
  exif_data_load_data(dati.get(), reinterpret_cast<const unsigned char*>(blocco.constData()),
                      static_cast<unsigned int>(blocco.size()));
  if (!dati->ifd[EXIF_IFD_0]->count) return {};
  if (ExifEntry* voce = exif_content_get_entry(dati->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION))
    exif_set_short(voce->data, exif_data_get_byte_order(dati.get()), kOrientamentoNormale);
  std::free(dati->data);
  dati->data = nullptr;
  dati->size = 0;
  unsigned char* salvato = nullptr;
  unsigned int lunghezza = 0;
  exif_data_save_data(dati.get(), &salvato, &lunghezza);
  const QByteArray risultato(reinterpret_cast<const char*>(salvato), static_cast<qsizetype>(lunghezza));
  std::free(salvato);
  return risultato;
}
