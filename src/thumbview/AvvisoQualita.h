#pragma once
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

#include "common/QualitaStampa.h"

class QPainter;

// The warning of a photo that would print below the recommended resolution.
struct AvvisoQualita {
  LivelloQualita livello = LivelloQualita::Bassa;
  QString testo;
};

// Nothing when the print is good or its paper or photo size is not known.
std::optional<AvvisoQualita> ValutaAvviso(QSize foto, const std::optional<CartaStampa>& carta);
// Amber for a low resolution, red for a poor one.
QColor ColoreAvviso(LivelloQualita livello);
// The mark's place: the top right corner of the picture, clear of the check
// box at the cell's top left and of the captions below the picture.
QRect RettangoloSegnoQualita(const QRect& immagine);
void DisegnaSegnoQualita(QPainter& superficie, const QRect& segno, LivelloQualita livello);
