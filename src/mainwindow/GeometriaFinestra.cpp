#include "mainwindow/GeometriaFinestra.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPollice = 1440.0;

const QScreen* Schermo(const QWidget* finestra) {
  const QScreen* schermo = finestra ? finestra->screen() : nullptr;
  return schermo ? schermo : QGuiApplication::primaryScreen();
}

int Twips(int pixel, double twipsPerPixel) { return static_cast<int>(std::trunc(pixel * twipsPerPixel)); }

}  // namespace

double TwipsPerPixelX(const QWidget* finestra) {
  const QScreen* schermo = Schermo(finestra);
  return schermo ? kTwipsPerPollice / schermo->logicalDotsPerInchX() : 15.0;
}

double TwipsPerPixelY(const QWidget* finestra) {
  const QScreen* schermo = Schermo(finestra);
  return schermo ? kTwipsPerPollice / schermo->logicalDotsPerInchY() : 15.0;
}

QRect GeometriaDaTwips(const DimensioniFinestra& d, const QWidget* finestra) {
  const double tx = TwipsPerPixelX(finestra);
  const double ty = TwipsPerPixelY(finestra);
  return QRect(qRound(d.LeftForm / tx), qRound(d.TopForm / ty), qRound(d.LarghezzaForm / tx),
               qRound(d.AltezzaForm / ty));
}

QRect AdattaAllAreaDisponibile(const QRect& geometria, const QRect& disponibile) {
  const QSize dimensione = geometria.size().boundedTo(disponibile.size());
  const int x = std::clamp(geometria.x(), disponibile.x(), disponibile.x() + disponibile.width() - dimensione.width());
  const int y = std::clamp(geometria.y(), disponibile.y(), disponibile.y() + disponibile.height() - dimensione.height());
  return QRect(QPoint(x, y), dimensione);
}

QRect AreaDisponibile(const QRect& geometria, const QWidget* finestra) {
  const QScreen* schermo = QGuiApplication::screenAt(geometria.center());
  if (!schermo) schermo = Schermo(finestra);
  return schermo ? schermo->availableGeometry() : geometria;
}

DimensioniFinestra DimensioniDaFinestra(const QWidget* finestra, int splitter) {
  const double tx = TwipsPerPixelX(finestra);
  const double ty = TwipsPerPixelY(finestra);
  DimensioniFinestra d;
  d.AltezzaForm = Twips(finestra->height(), ty);
  d.LarghezzaForm = Twips(finestra->width(), tx);
  d.TopForm = Twips(finestra->y(), ty);
  d.LeftForm = Twips(finestra->x(), tx);
  d.picResizer2 = splitter;
  d.FormMassimizzata = finestra->isMaximized();
  return d;
}
