#pragma once
#include <QByteArray>
#include <QString>

// The JPEG the lab receives for a photo in a format its workflow does not
// read (HEIC/HEIF/AVIF, WebP): upright pixels in sRGB, the camera's EXIF kept
// with a normal orientation. Empty when the photo cannot be read.
QByteArray JpegPerLaboratorio(const QString& percorso);
