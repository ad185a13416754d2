#pragma once
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// Text laid out in a box, with Qt Gui alone: the screen's views and the
// pictures written in tasks draw their texts alike.

// The lines of a text; "\r\n" and "\n" both end one.
QStringList RigheDelTesto(const QString& testo);

// Draws a text into a layout rectangle: line breaks start new lines, a line too
// wide wraps at a space (inside a word only when the word alone is too wide).
// A text too long for the rectangle is drawn smaller, down to a floor below
// which the lines that do not fit are left out: nothing falls outside. The font
// must be sized in pixels.
void DisegnaTestoACapo(QPainter& superficie, const QRectF& riquadro, const QString& testo,
                       const QFont& carattere, const QColor& colore);
