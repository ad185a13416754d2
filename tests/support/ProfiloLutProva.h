#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>

// ICC profiles made by the tests with lcms2, and photos carrying them.

// An RGB display profile whose colours go through a LUT (A2B0, to Lab), as
// many camera and printer profiles do, and Qt cannot use it. The LUT swaps
// red and blue, so a photo tagged with it is red in numbers and blue in sRGB.
QByteArray ProfiloLut();
// The colour that lcms2 makes in sRGB of the colour's numbers in the profile.
QColor InSRGBSecondoLcms(const QByteArray& icc, QColor colore);
// A PNG of the picture with the profile in its iCCP chunk (Qt's writer keeps
// out a profile it cannot use).
QByteArray PngConIcc(const QImage& immagine, const QByteArray& icc);
