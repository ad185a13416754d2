#include "immagini/ExifWebP.h"

#include <QIODevice>
#include <QtEndian>

namespace {
constexpr qint64 kTestaRiff = 12;
constexpr qint64 kTestaPezzo = 8;
const QByteArray kIntestazioneExif("Exif\0\0", 6);
}  // namespace

QByteArray ExifWebP(QIODevice& dispositivo) {
  if (!dispositivo.seek(0)) return {};
  const QByteArray riff = dispositivo.read(kTestaRiff);
  if (riff.size() != kTestaRiff || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WEBP") return {};
  for (;;) {
    const QByteArray testa = dispositivo.read(kTestaPezzo);
    if (testa.size() != kTestaPezzo) return {};
    const quint32 lunghezza = qFromLittleEndian<quint32>(testa.constData() + 4);
    if (testa.startsWith("EXIF")) {
      QByteArray exif = dispositivo.read(lunghezza);
      if (exif.size() != qsizetype(lunghezza)) return {};
      // Some writers keep JPEG's "Exif\0\0" in front of the TIFF header.
      return exif.startsWith(kIntestazioneExif) ? exif.mid(kIntestazioneExif.size()) : exif;
    }
    // Chunks are padded to an even length.
    if (!dispositivo.seek(dispositivo.pos() + lunghezza + (lunghezza & 1))) return {};
  }
}
