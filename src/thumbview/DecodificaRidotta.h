#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include "thumbview/LivelloImmagine.h"

class QIODevice;

// A picture opened straight at the size it is shown at, as cheaply as the file
// allows: the camera's embedded thumbnail when it is good enough, otherwise a
// JPEG decoded at a reduced scale; never a full decode of a large JPEG.
struct ImmagineRidotta {
  int stato = kStatoNonApribile;
  QSize originale;  // upright size of the file's picture
  QImage immagine;  // upright, 24-bit, exactly the size asked for
};

// Gives the upright size to show for an upright original size.
using MisuraDestinazione = QSize (*)(QSize originale);

ImmagineRidotta DecodificaRidotta(QIODevice& dispositivo, MisuraDestinazione misura,
                                  bool usaMiniaturaIncorporata);
ImmagineRidotta DecodificaRidotta(const QString& percorso, MisuraDestinazione misura,
                                  bool usaMiniaturaIncorporata);
