#include "windows/PannelloSfumato.h"

#include <QMouseEvent>
#include <QPainter>

#include "thumbview/LivelloImmagine.h"

QColor ColoreBGR(std::uint32_t valore) {
  return QColor(valore & 0xFF, (valore >> 8) & 0xFF, (valore >> 16) & 0xFF);
}

PannelloSfumato::PannelloSfumato(const QString& chiave, QWidget* genitore) : QWidget(genitore) {
  setObjectName(chiave);
  setAccessibleName(chiave);
  setMinimumWidth(160);
}

void PannelloSfumato::Disegna(const QString& testo, const QColor& sinistra, const QColor& destra) {
  testo_ = testo;
  sinistra_ = sinistra;
  destra_ = destra;
  setAccessibleDescription(testo);
  update();
}

void PannelloSfumato::paintEvent(QPaintEvent*) {
  if (!sinistra_.isValid()) return;
  QPainter superficie(this);
  const QRect pannello = rect();
  RiempiSfumato(superficie, pannello.adjusted(1, 1, -1, -1), sinistra_, destra_);
  const QRectF riquadro(pannello.left() + 2, pannello.top() + 4, pannello.width() - 4,
                        pannello.height() - 4);
  DisegnaTesto(superficie, riquadro, testo_, font(), palette().color(QPalette::WindowText), false);
}

void PannelloSfumato::mouseReleaseEvent(QMouseEvent* evento) {
  QWidget::mouseReleaseEvent(evento);
  if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) Q_EMIT cliccato();
}
