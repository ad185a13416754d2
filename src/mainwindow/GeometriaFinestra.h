#pragma once
#include <QRect>

#include "settings/DatiImpostazioni.h"

class cINIProfiles;
class QWidget;

// Twips per pixel of the screen the widget is on (1440 per logical inch).
double TwipsPerPixelX(const QWidget* finestra);
double TwipsPerPixelY(const QWidget* finestra);

// Reads the six values; a value that is not a whole number reads as its default.
DimensioniFinestra LeggiDimensioniFinestra();
// The window's frame position and inner size in pixels for the stored twips.
QRect GeometriaDaTwips(const DimensioniFinestra& dimensioni, const QWidget* finestra);

// Writes the splitter and the maximised state; the four window values only
// when the window is not maximised, so that a maximised close keeps the last
// normal size.
void SalvaDimensioni(const cINIProfiles& impostazioni, const QWidget* finestra, int splitter);
