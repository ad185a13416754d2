#pragma once
#include <QByteArray>
#include <QImage>

// HEIC and AVIF files written by the tests through libheif's own encoders.
struct OpzioniHeif {
  bool avif = false;
  // A picture stored as the embedded thumbnail instead of a reduced copy of
  // the photo, so a test sees which one was shown; null for no thumbnail.
  QImage miniatura;
  // The EXIF orientation the file's rotation and mirror boxes stand for
  // (1 = none): the picture is stored as given and shown turned.
  int orientamento = 1;
  // An ICC profile, or else H.273 colour primaries and transfer (0 = none).
  QByteArray icc;
  int primari = 0;
  int trasferimento = 0;
  // A TIFF-headed EXIF block to carry.
  QByteArray exif;
};

QByteArray CodificaHeif(const QImage& immagine, const OpzioniHeif& opzioni = {});
