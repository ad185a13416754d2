#pragma once
#include <QByteArray>
#include <QImage>

// The picture as the lab's JPEG: quality 95, no chroma subsampling (fine
// colour edges survive the print), the sRGB profile embedded, and the EXIF
// APP1 body when given. The picture must already be in sRGB; transparent parts
// become white. Empty on failure.
QByteArray JpegLaboratorio(const QImage& srgb, const QByteArray& exif);
