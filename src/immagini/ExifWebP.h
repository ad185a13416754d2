#pragma once
#include <QByteArray>

class QIODevice;

// The EXIF block of a WebP file (its RIFF "EXIF" chunk), from its TIFF header
// on; empty when there is none. Reads from the device's start.
QByteArray ExifWebP(QIODevice& dispositivo);
