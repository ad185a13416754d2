#include "mainwindow/DivisoreTrascinabile.h"

#include <QMouseEvent>

#include "mainwindow/PosizioneDivisore.h"

DivisoreTrascinabile::DivisoreTrascinabile(QWidget* genitore) : QFrame(genitore) {
  setObjectName(QStringLiteral("picResizer2"));
  setAccessibleName(QStringLiteral("Divisore tra le colonne delle fotografie"));
  setFrameShape(QFrame::VLine);
  setFrameShadow(QFrame::Raised);
  setCursor(Qt::SplitHCursor);
  setFixedWidth(5);
}

void DivisoreTrascinabile::ImpostaPosizioneScelta(int sinistra) {
  posizioneScelta_ = sinistra;
  larghezzaAdattata_ = -1;
  move(sinistra, y());
}

void DivisoreTrascinabile::AdattaALarghezza(int larghezzaFinestra, const MisureColonne& misure) {
  if (larghezzaFinestra == larghezzaAdattata_) return;
  larghezzaAdattata_ = larghezzaFinestra;
  move(PosizioneDivisore(misure, larghezzaFinestra, posizioneScelta_), y());
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
  posizioneScelta_ = x();
  Q_EMIT rilasciato();
}
