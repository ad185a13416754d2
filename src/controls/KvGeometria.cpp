#include "controls/KvGeometria.h"

#include <cmath>

namespace {
constexpr int kAltezzaSenzaTesto = 60;
}

int PixelDaTwip(double twip) { return static_cast<int>(std::lround(twip / kTwipPerPixel)); }

QLine LineaInPixel(const QLine& twip) {
  return {PixelDaTwip(twip.x1()), PixelDaTwip(twip.y1()), PixelDaTwip(twip.x2()),
          PixelDaTwip(twip.y2())};
}

int MetaArrotondataPari(int valore) {
  const int meta = valore / 2;
  const bool aMeta = valore % 2 != 0;
  if (!aMeta) return meta;
  // x.5 goes to the even one of meta and meta + 1 (meta - 1 for negative values).
  const int vicino = valore > 0 ? meta + 1 : meta - 1;
  return meta % 2 == 0 ? meta : vicino;
}

QLine PosizioneLineaBordo(int indice, int w, int h) {
  constexpr int p = kTwipPerPixel;
  switch (indice) {
    case 0: return {0, 0, w - p, 0};
    case 1: return {p, p, w - 2 * p, p};
    case 2: return {w - p, 0, w - p, h};
    case 3: return {w - 2 * p, p, w - 2 * p, h - p};
    case 4: return {0, h - p, w, h - p};
    case 5: return {p, h - 2 * p, w - 2 * p, h - 2 * p};
    case 6: return {0, 0, 0, h - p};
    case 7: return {p, p, p, h - 2 * p};
    default: return {};
  }
}

KvGeometriaSeparatore CalcolaGeometriaSeparatore(int larghezza, bool testoVisibile,
                                                 int larghezzaTesto, int altezzaTesto) {
  KvGeometriaSeparatore g;
  const int riga = testoVisibile ? MetaArrotondataPari(altezzaTesto) : 0;
  g.altezza = testoVisibile ? altezzaTesto : kAltezzaSenzaTesto;
  g.lineaGrigioScuro = {0, riga, larghezza, riga};
  g.lineaBianca = {0, riga + kTwipPerPixel, larghezza, riga + kTwipPerPixel};
  if (testoVisibile) g.sinistraTesto = (larghezza - larghezzaTesto) / 2.0;
  return g;
}
