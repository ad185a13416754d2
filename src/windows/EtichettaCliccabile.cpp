#include "windows/EtichettaCliccabile.h"

#include <QMouseEvent>

void EtichettaCliccabile::mouseReleaseEvent(QMouseEvent* evento) {
  QLabel::mouseReleaseEvent(evento);
  if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
    Q_EMIT cliccata();
}
