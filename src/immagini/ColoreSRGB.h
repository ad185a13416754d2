#pragma once
#include <QByteArray>
#include <QColorSpace>
#include <QImage>

// The picture's pixels in sRGB, as the screen and the lab expect them: a
// picture tagged with another colour space (Display P3, Adobe RGB...) is
// converted, through lcms2 when Qt cannot use the profile; one without a
// profile, or with one neither can read, is taken as sRGB and left as it is.
// iccFile is the file's profile for a decoder that drops one Qt cannot use.
QImage InSRGB(QImage immagine, const QByteArray& iccFile = {});

// The colour space that HEIF's coded description (ITU-T H.273 colour
// primaries and transfer characteristics) names; invalid for sRGB, for
// unspecified values and for those Qt cannot convert (PQ, HLG).
QColorSpace SpazioDaCodici(int primari, int trasferimento);
