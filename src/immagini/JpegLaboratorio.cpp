#include "immagini/JpegLaboratorio.h"

#include <turbojpeg.h>

#include <QColorSpace>
#include <QPainter>
#include <memory>

namespace {

constexpr int kQualita = 95;
constexpr int kMassimoSegmento = 0xFFFF - 2;
const QByteArray kIntestazioneIcc("ICC_PROFILE\0\x01\x01", 14);

QByteArray Segmento(char marcatore, const QByteArray& corpo) {
  QByteArray segmento;
  segmento.append('\xFF').append(marcatore);
  const int lunghezza = static_cast<int>(corpo.size()) + 2;
  segmento.append(static_cast<char>(lunghezza >> 8)).append(static_cast<char>(lunghezza & 0xFF));
  return segmento + corpo;
}

QImage InRgb888SuBianco(const QImage& immagine) {
  if (!immagine.hasAlphaChannel()) return immagine.convertToFormat(QImage::Format_RGB888);
  QImage piena(immagine.size(), QImage::Format_RGB888);
  piena.fill(Qt::white);
  QPainter(&piena).drawImage(0, 0, immagine);
  return piena;
}

// The JPEG's first segments: the encoder's JFIF APP0 gives way to EXIF,
// which must come first to be found.
QByteArray SenzaApp0(const QByteArray& jpeg) {
  if (jpeg.size() < 6 || uchar(jpeg[2]) != 0xFF || uchar(jpeg[3]) != 0xE0) return jpeg.mid(2);
  const int lunghezza = (uchar(jpeg[4]) << 8) | uchar(jpeg[5]);
  return jpeg.mid(4 + lunghezza);
}

}  // namespace

QByteArray JpegLaboratorio(const QImage& srgb, const QByteArray& exif) {
  const QImage rgb = InRgb888SuBianco(srgb);
  if (rgb.isNull()) return {};
  std::unique_ptr<void, int (*)(tjhandle)> codificatore(tjInitCompress(), tjDestroy);
  if (!codificatore) return {};
  unsigned char* uscita = nullptr;
  unsigned long lunghezza = 0;
  if (tjCompress2(codificatore.get(), rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()), rgb.height(),
                  TJPF_RGB, &uscita, &lunghezza, TJSAMP_444, kQualita, 0) != 0) {
    tjFree(uscita);
    return {};
  }
  const QByteArray jpeg(reinterpret_cast<const char*>(uscita), static_cast<qsizetype>(lunghezza));
  tjFree(uscita);
  QByteArray risultato = jpeg.left(2);
  if (!exif.isEmpty() && exif.size() <= kMassimoSegmento) risultato += Segmento('\xE1', exif);
  risultato += Segmento('\xE2', kIntestazioneIcc + QColorSpace(QColorSpace::SRgb).iccProfile());
  return risultato + SenzaApp0(jpeg);
}
