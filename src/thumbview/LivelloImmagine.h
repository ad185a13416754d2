#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QString>

class QPainter;

// The thin imaging layer through which every picture and painted text goes.

constexpr int kStatoRiuscito = 0;
constexpr int kStatoNonApribile = 1;

// Rendering quality values: 0 default, 1 speed, 2 quality.
enum QualitaResa { QualitaPredefinita = 0, QualitaVelocita = 1, QualitaMassima = 2 };

// Opens a picture upright (EXIF orientation applied); status 0 and the picture,
// or a nonzero status and no picture.
int ApriImmagine(const QString& percorso, QImage& immagine);

// A new white picture in 24-bit RGB.
QImage NuovaImmagine(int larghezza, int altezza);

// The two quality settings: the first for lines and fills, the second for
// stretched pictures.
void ImpostaQualita(QPainter& superficie, QualitaResa linee, QualitaResa immagini);

// Clears the whole surface to a colour.
void PulisciSuperficie(QPainter& superficie, const QColor& colore);

// Outlines a rectangle with a pen of that colour and width: the stroke covers
// the rectangle's right and bottom edge too.
void ContornaRettangolo(QPainter& superficie, const QRect& rettangolo, const QColor& colore,
                        qreal spessore = 1.0);

// Fills a rectangle with a horizontal gradient from the first colour to the second.
void RiempiSfumato(QPainter& superficie, const QRect& rettangolo, const QColor& sinistra,
                   const QColor& destra);

// Draws a text into a layout rectangle: each line of the text (line breaks start
// new ones) stays on one line and ends in an ellipsis when it does not fit.
void DisegnaTesto(QPainter& superficie, const QRectF& riquadro, const QString& testo,
                  const QFont& carattere, const QColor& colore, bool centrato);

// A new picture of exactly that size with the picture stretched onto white.
QImage FixedSize(const QImage& immagine, int larghezza, int altezza);
