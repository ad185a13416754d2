#pragma once
// The controls lay themselves out in twips, their own scale, and paint in pixels.
#include <QLine>
#include <QRect>

#include "controls/KelmoraEsporta.h"

inline constexpr int kTwipPerPixel = 15;

inline int TwipDaPixel(int pixel) { return pixel * kTwipPerPixel; }
// Rounded to the nearest pixel.
KELMORA_EXPORT int PixelDaTwip(double twip);
KELMORA_EXPORT QLine LineaInPixel(const QLine& twip);

// Half of a whole number, a half-way result going to the even neighbour.
KELMORA_EXPORT int MetaArrotondataPari(int valore);

// Line 0 to 7 of the container's frame, for a control W by H twips.
KELMORA_EXPORT QLine PosizioneLineaBordo(int indice, int larghezza, int altezza);

struct KvGeometriaSeparatore {
  int altezza = 0;
  QLine lineaGrigioScuro;
  QLine lineaBianca;
  double sinistraTesto = 0;  // meaningful only with a caption
};

// The separator's layout for its width and, when the caption shows, the size
// of its label; all in twips.
KELMORA_EXPORT KvGeometriaSeparatore CalcolaGeometriaSeparatore(int larghezza, bool testoVisibile,
                                                                int larghezzaTesto,
                                                                int altezzaTesto);
