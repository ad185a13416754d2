#include "thumbview/MiniaturaExif.h"

#include <libexif/exif-data.h>
#include <libexif/exif-loader.h>

#include <QIODevice>
#include <memory>

namespace {
// The EXIF block lies in the file's first 64 KiB segment; a little more covers
// a JFIF segment or two in front of it.
constexpr qint64 kTestaMassima = 256 * 1024;
constexpr qint64 kPasso = 16 * 1024;
}  // namespace

QImage LeggiMiniaturaExif(QIODevice& dispositivo) {
  std::unique_ptr<ExifLoader, decltype(&exif_loader_unref)> caricatore(exif_loader_new(),
                                                                       &exif_loader_unref);
  if (!caricatore) return {};
  QByteArray blocco;
  qint64 letti = 0;
  while (letti < kTestaMassima) {
    blocco = dispositivo.read(kPasso);
    if (blocco.isEmpty()) break;
    letti += blocco.size();
    auto* byte = reinterpret_cast<unsigned char*>(blocco.data());
    if (!exif_loader_write(caricatore.get(), byte, static_cast<unsigned int>(blocco.size()))) break;
  }
  std::unique_ptr<ExifData, decltype(&exif_data_unref)> dati(exif_loader_get_data(caricatore.get()),
                                                             &exif_data_unref);
  if (!dati || !dati->data || dati->size == 0) return {};
  return QImage::fromData(dati->data, static_cast<int>(dati->size), "JPEG");
}
