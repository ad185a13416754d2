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
  pittore.drawImage(evento->rect().topLeft(), immagine(), evento->rect());
}

QImage& SuperficieDisegno::immagine() {
  // Follows the widget's size even while hidden, when no resize event comes:
  // what was drawn stays where it was, new area takes the back colour.
  const QSize misura = size().expandedTo(QSize(1, 1));
  if (immagine_.size() == misura) return immagine_;
  QImage nuova(misura, QImage::Format_RGB32);
  nuova.fill(palette().color(QPalette::Window));
  QPainter pittore(&nuova);
  pittore.drawImage(0, 0, immagine_);
  pittore.end();
  immagine_ = std::move(nuova);
  return immagine_;
}
