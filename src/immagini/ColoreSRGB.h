#pragma once
#include <QColorSpace>
#include <QImage>

// The picture's pixels in sRGB, as the screen and the lab expect them: a
// picture tagged with another colour space (Display P3, Adobe RGB...) is
// converted; one without a usable profile is taken as sRGB and left as it is.
QImage InSRGB(QImage immagine);

// The colour space that HEIF's coded description (ITU-T H.273 colour
// primaries and transfer characteristics) names; invalid for sRGB, for
// unspecified values and for those Qt cannot convert (PQ, HLG).
QColorSpace SpazioDaCodici(int primari, int trasferimento);
