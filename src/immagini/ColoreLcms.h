#pragma once
#include <QByteArray>
#include <QImage>

// The picture converted to sRGB by lcms2 from the RGB ICC profile given, for
// the profiles Qt cannot use (LUT-based ones, as many cameras and printers
// write); null when lcms2 cannot read the profile either.
QImage InSRGBConLcms(QImage immagine, const QByteArray& icc);
