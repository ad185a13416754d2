#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Photos made by the tests: real JPEG, PNG and TIFF bytes, and JPEGs carrying
// an EXIF block (orientation, embedded thumbnail) written with libexif.

// A picture whose top half has one colour and bottom half another.
QImage ImmagineADueBande(QSize misura, const QColor& sopra, const QColor& sotto);
// The picture encoded in a format ("jpeg", "png", "tiff").
QByteArray Codifica(const QImage& immagine, const char* formato, int qualita = 90);
// An EXIF block: orientation 1..8 (0 leaves the tag out), an embedded JPEG
// thumbnail (empty for none) and, when given, a camera's model and date taken.
struct CampiExif {
  int orientamento = 0;
  QByteArray miniatura;
  const char* modello = nullptr;
  const char* data = nullptr;
  // Big-endian, as some cameras write it.
  bool motorola = false;
};
// The block from its TIFF header on, as HEIF and WebP files carry it.
QByteArray BloccoExif(const CampiExif& campi);
// The JPEG with the block in its APP1 segment.
QByteArray ConExif(const QByteArray& jpeg, int orientamento, const QByteArray& miniatura = {});
// Writes the bytes to the file, replacing it; false on failure.
bool ScriviFoto(const QString& percorso, const QByteArray& byte);
