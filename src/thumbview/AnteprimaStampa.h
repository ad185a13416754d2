#pragma once
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

#include "common/QualitaStampa.h"
#include "thumbview/AvvisoQualita.h"
#include "thumbview/GeometriaThumb.h"

class QPainter;

// Where the preview puts a photo and, when its paper is known, the paper.
struct ImpaginazioneAnteprima {
  QRect foto;
  QRect carta;  // empty when the paper is not known
  Adattamento adattamento = Adattamento::Riempi;
};
// Laid out in the preview's square of a box of that size (see QuadratoAnteprima),
// so that nothing falls outside a box narrower than 200.
ImpaginazioneAnteprima ImpaginaAnteprima(QSize originale, const std::optional<CartaStampa>& carta,
                                         QSize area = {kLatoAnteprima, kLatoAnteprima});

// The photo as the print shows it: what a covering print cuts away is shaded,
// the margins a print inside its paper adds are white within the paper's outline.
void DisegnaAnteprimaStampa(QPainter& superficie, const QImage& foto, const ImpaginazioneAnteprima& posto);
// How far the picture moves up to end above the warning band of an area that high.
int AlzoPerAvviso(const ImpaginazioneAnteprima& posto, int altezzaArea);
// The warning, wrapped in a band along the bottom of the area.
void DisegnaAvvisoAnteprima(QPainter& superficie, const QRect& area, const AvvisoQualita& avviso,
                            const QFont& carattere);
// The photo at the path as its print would come out, over the whole box of
// that size and pixel ratio: white, the photo on its paper and the warning
// along the bottom when there is one. Only white for an empty path or a file
// that cannot be opened.
void DisegnaAnteprimaFoto(QPainter& superficie, QSize area, qreal rapporto, const QString& percorso,
                          const std::optional<CartaStampa>& carta, const QFont& carattere);
