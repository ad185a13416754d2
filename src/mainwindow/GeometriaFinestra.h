#pragma once
#include <QRect>

#include "settings/DatiImpostazioni.h"

class QWidget;

// Twips per pixel of the screen the widget is on (1440 per logical inch).
double TwipsPerPixelX(const QWidget* finestra);
double TwipsPerPixelY(const QWidget* finestra);

// The window's frame position and inner size in pixels for the stored twips.
QRect GeometriaDaTwips(const DimensioniFinestra& dimensioni, const QWidget* finestra);
// The window's size and place in twips and the splitter in pixels, as they
// are stored.
DimensioniFinestra DimensioniDaFinestra(const QWidget* finestra, int splitter);
