#pragma once
#include <QImage>
#include <QList>
#include <QPair>
#include <QRect>

// Where a picture has ink: rows or columns holding dark pixels.

inline bool Scuro(QRgb pixel) { return qGray(pixel) < 160; }

// The runs of rows inside the rectangle that hold a dark pixel, top to bottom,
// as (first row, last row); white rows separate them.
inline QList<QPair<int, int>> BandeDiTesto(const QImage& immagine, const QRect& dove) {
  QList<QPair<int, int>> bande;
  bool inBanda = false;
  for (int y = dove.top(); y <= dove.bottom(); ++y) {
    bool scura = false;
    for (int x = dove.left(); x <= dove.right() && !scura; ++x) scura = Scuro(immagine.pixel(x, y));
    if (scura && !inBanda) bande.append({y, y});
    if (scura) bande.last().second = y;
    inBanda = scura;
  }
  return bande;
}

// The smallest rectangle holding every dark pixel inside the rectangle; empty when none.
inline QRect AreaInchiostro(const QImage& immagine, const QRect& dove) {
  QRect area;
  for (int y = dove.top(); y <= dove.bottom(); ++y)
    for (int x = dove.left(); x <= dove.right(); ++x)
      if (Scuro(immagine.pixel(x, y))) area |= QRect(x, y, 1, 1);
  return area;
}
