#include "thumbview/SuperficieDisegno.h"

#include <QPaintEvent>
#include <QPainter>

SuperficieDisegno::SuperficieDisegno(QWidget* genitore) : QWidget(genitore) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  immagine_ = QImage(QSize(1, 1), QImage::Format_RGB32);
  immagine_.fill(Qt::white);
}

void SuperficieDisegno::paintEvent(QPaintEvent* evento) {
  QPainter pittore(this);
  pittore.fillRect(evento->rect(), palette().color(QPalette::Window));
  // Only the exposed part: a scroll repaints a strip, not the whole grid.
  const QRectF esposto(evento->rect());
  const qreal rapporto = immagine().devicePixelRatio();
  pittore.drawImage(esposto, immagine(),
                    QRectF(esposto.topLeft() * rapporto, esposto.size() * rapporto));
  if (riquadroFuoco_.isEmpty()) return;
  QPen penna(palette().color(QPalette::Highlight), 2);
  penna.setJoinStyle(Qt::MiterJoin);
  pittore.setPen(penna);
  pittore.setBrush(Qt::NoBrush);
  // Over the cell's own outline, so no caption is covered.
  pittore.drawRect(riquadroFuoco_);
}

void SuperficieDisegno::ImpostaRiquadroFuoco(const QRect& riquadro) {
  if (riquadro == riquadroFuoco_) return;
  update(riquadroFuoco_.adjusted(-2, -2, 2, 2));
  riquadroFuoco_ = riquadro;
  update(riquadroFuoco_.adjusted(-2, -2, 2, 2));
}

QImage& SuperficieDisegno::immagine() {
  // Follows the widget's size and screen even while hidden, when no resize
  // event comes: what was drawn stays where it was, new area takes the back colour.
  const qreal rapporto = devicePixelRatioF();
  const QSize misura = (QSizeF(size()) * rapporto).toSize().expandedTo(QSize(1, 1));
  if (immagine_.size() == misura && immagine_.devicePixelRatio() == rapporto) return immagine_;
  QImage nuova(misura, QImage::Format_RGB32);
  nuova.setDevicePixelRatio(rapporto);
  nuova.fill(palette().color(QPalette::Window));
  QPainter pittore(&nuova);
  pittore.drawImage(0, 0, immagine_);
  pittore.end();
  immagine_ = std::move(nuova);
  return immagine_;
}
