#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include "thumbview/LivelloImmagine.h"

class QIODevice;

// A picture opened straight at the size it is shown at, as cheaply as the file
// allows: the camera's embedded thumbnail (EXIF's in a JPEG, HEIF's own) when
// it is good enough, otherwise a JPEG decoded at a reduced scale; never a full
// decode of a large JPEG. Colours come converted to sRGB.
struct ImmagineRidotta {
  int stato = kStatoNonApribile;
  QSize originale;  // upright size of the file's picture
  QImage immagine;  // upright, 24-bit, the size asked for times the pixel ratio
};

// Gives the upright size to show for an upright original size.
using MisuraDestinazione = QSize (*)(QSize originale);

// The ratio is the screen's device pixel ratio: the picture gets that many
// pixels per unit of the size asked for, and the ratio with them.
ImmagineRidotta DecodificaRidotta(QIODevice& dispositivo, MisuraDestinazione misura,
                                  bool usaMiniaturaIncorporata, qreal rapporto = 1.0);
ImmagineRidotta DecodificaRidotta(const QString& percorso, MisuraDestinazione misura,
                                  bool usaMiniaturaIncorporata, qreal rapporto = 1.0);

// Whether the file's first bytes are those of a picture the layer can read; the
// picture itself is not decoded.
bool ImmagineLeggibile(const QString& percorso);
