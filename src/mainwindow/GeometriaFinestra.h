#pragma once
#include <QRect>

#include "settings/DatiImpostazioni.h"

class QWidget;

// Twips per pixel of the screen the widget is on (1440 per logical inch).
double TwipsPerPixelX(const QWidget* finestra);
double TwipsPerPixelY(const QWidget* finestra);

// The window's frame position and inner size in pixels for the stored twips.
QRect GeometriaDaTwips(const DimensioniFinestra& dimensioni, const QWidget* finestra);
// The geometry moved and, when larger, shrunk so that all of it lies in the
// available area of the screen (a window stored on a larger screen would keep
// its lower buttons and status bar out of reach).
QRect AdattaAllAreaDisponibile(const QRect& geometria, const QRect& disponibile);
// The available area (without panels) of the screen the geometry is on, else
// of the widget's screen.
QRect AreaDisponibile(const QRect& geometria, const QWidget* finestra);
// The window's size and place in twips and the splitter in pixels, as they
// are stored.
DimensioniFinestra DimensioniDaFinestra(const QWidget* finestra, int splitter);
