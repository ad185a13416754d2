// The grid driven from the keyboard: a focus frame on one cell.
#include <QAccessible>
#include <QKeyEvent>
#include <QScrollBar>

#include "thumbview/GeometriaThumb.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"

namespace {
// Cells an arrow key moves the focus by; 0 for other keys.
int Passo(int tasto, int colonne) {
  switch (tasto) {
    case Qt::Key_Left:
      return -1;
    case Qt::Key_Right:
      return 1;
    case Qt::Key_Up:
      return -colonne;
    case Qt::Key_Down:
      return colonne;
    default:
      return 0;
  }
}
}  // namespace

void ctrFotoView::keyPressEvent(QKeyEvent* evento) {
  if (evento->matches(QKeySequence::SelectAll)) {
    spunte_.CheckaTutto(true);
    return;
  }
  if (evento->key() == Qt::Key_Space && evento->modifiers() == Qt::NoModifier &&
      indiceFuoco_ >= 0 && indiceFuoco_ < TotFile()) {
    spunte_.ImpostaSelezione(indiceFuoco_, thumbs_[indiceFuoco_].Selezionata == 0);
    return;
  }
  const int passo = Passo(evento->key(), numeroColonne_);
  if (passo == 0 || TotFile() == 0 || caricamentoInCorso_) {
    QWidget::keyPressEvent(evento);
    return;
  }
  ImpostaFuoco(SpostaFuoco(indiceFuoco_, passo, TotFile()));
}

void ctrFotoView::ImpostaFuoco(int indice) {
  if (indice < 0 || indice >= TotFile()) return;
  indiceFuoco_ = indice;
  const int righeIntere = picSlide_->height() / (aspetto_.AltezzaCella() + 6);
  const int valore =
      ValorePerMostrareRiga(indice / numeroColonne_, vsbSlide_->value(), righeIntere);
  // A new value redraws the page, which puts the frame on the cell.
  const int prima = vsbSlide_->value();
  vsbSlide_->setValue(valore);
  if (vsbSlide_->value() == prima) MostraFuoco();
  AnnunciaFuoco();
}

// Screen readers follow the focused cell, not just the view.
void ctrFotoView::AnnunciaFuoco() {
  if (!hasFocus() || indiceFuoco_ < 0) return;
  QAccessibleEvent fuoco(this, QAccessible::Focus);
  fuoco.setChild(indiceFuoco_);
  QAccessible::updateAccessibility(&fuoco);
}

void ctrFotoView::MostraFuoco() {
  if (indiceFuoco_ >= TotFile()) indiceFuoco_ = TotFile() - 1;
  const bool mostra = hasFocus() && indiceFuoco_ >= 0;
  picSlide_->ImpostaRiquadroFuoco(mostra ? thumbs_[indiceFuoco_].AreaCella : QRect());
}

void ctrFotoView::focusInEvent(QFocusEvent* evento) {
  QWidget::focusInEvent(evento);
  if (indiceFuoco_ < 0 && TotFile() > 0) indiceFuoco_ = primaVisibile_;
  MostraFuoco();
  AnnunciaFuoco();
}

void ctrFotoView::focusOutEvent(QFocusEvent* evento) {
  QWidget::focusOutEvent(evento);
  MostraFuoco();
}
