#include "mainwindow/DivisoreTrascinabile.h"

#include <QMouseEvent>

DivisoreTrascinabile::DivisoreTrascinabile(QWidget* genitore) : QFrame(genitore) {
  setObjectName(QStringLiteral("picResizer2"));
  setAccessibleName(QStringLiteral("Divisore tra le colonne delle fotografie"));
  setFrameShape(QFrame::VLine);
  setFrameShadow(QFrame::Raised);
  setCursor(Qt::SplitHCursor);
  setFixedWidth(5);
}

void DivisoreTrascinabile::mousePressEvent(QMouseEvent* evento) {
  xPremuto_ = qRound(evento->position().x());
}

void DivisoreTrascinabile::mouseMoveEvent(QMouseEvent* evento) {
  if (!(evento->buttons() & Qt::LeftButton)) return;
  if (x() < kSinistraMinima) {
    move(kSinistraMinima, y());
  } else {
    move(x() + qRound(evento->position().x()) - xPremuto_, y());
  }
  trascinamento_ = true;
}

void DivisoreTrascinabile::mouseReleaseEvent(QMouseEvent*) {
  if (!trascinamento_) return;
  trascinamento_ = false;
  Q_EMIT rilasciato();
}
