#include "common/TestoACapo.h"

#include <QPainter>
#include <QTextLayout>
#include <memory>
#include <vector>

namespace {
constexpr int kCarattereMinimo = 8;

// The paragraphs laid out from the top of a box of that width; gives the height used.
qreal Impagina(const QStringList& paragrafi, const QFont& carattere,
               const QPaintDevice* dispositivo, qreal larghezza,
               std::vector<std::unique_ptr<QTextLayout>>& impaginati) {
  impaginati.clear();
  QTextOption opzioni;
  opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  qreal y = 0;
  for (const QString& paragrafo : paragrafi) {
    auto impaginato = std::make_unique<QTextLayout>(paragrafo, carattere, dispositivo);
    impaginato->setTextOption(opzioni);
    impaginato->beginLayout();
    for (QTextLine riga = impaginato->createLine(); riga.isValid();
         riga = impaginato->createLine()) {
      riga.setLineWidth(larghezza);
      riga.setPosition(QPointF(0, y));
      y += riga.height();
    }
    impaginato->endLayout();
    impaginati.push_back(std::move(impaginato));
  }
  return y;
}
}  // namespace

QStringList RigheDelTesto(const QString& testo) {
  return QString(testo)
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .split(QLatin1Char('\n'));
}

void DisegnaTestoACapo(QPainter& superficie, const QRectF& riquadro, const QString& testo,
                       const QFont& carattere, const QColor& colore) {
  const QStringList paragrafi = RigheDelTesto(testo);
  std::vector<std::unique_ptr<QTextLayout>> impaginati;
  QFont ridotto = carattere;
  while (Impagina(paragrafi, ridotto, superficie.device(), riquadro.width(), impaginati) >
             riquadro.height() &&
         ridotto.pixelSize() > kCarattereMinimo)
    ridotto.setPixelSize(ridotto.pixelSize() - 1);
  superficie.save();
  superficie.setPen(colore);
  for (const auto& impaginato : impaginati)
    for (int i = 0; i < impaginato->lineCount(); ++i) {
      const QTextLine riga = impaginato->lineAt(i);
      // A line that would cross the bottom is left out rather than cut.
      if (riga.y() + riga.height() > riquadro.height()) break;
      riga.draw(&superficie, riquadro.topLeft());
    }
  superficie.restore();
}
