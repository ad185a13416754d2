// The grid after changes to its checked thumbnails, hit tests, hover text and preview.
#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "thumbview/AnteprimaStampa.h"
#include "thumbview/CaselleSelezione.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"

void ctrFotoView::DopoRimozione() {
  if (TotFile() == 0) return CancellaThumbs();
  // The records after each run moved down whole (picture, check and hit box
  // with them); the boxes past the new end go.
  chkFotoSelezionata_->DistruggiDa(TotFile());
  AggiornaScorrimento(TotFile() - 1);
  Esegui_vsbSlideChange();
}

void ctrFotoView::RidisegnaModificate() {
  NascondiPagina();
  DisegnaThumbTutto(primaVisibile_);
}

int ctrFotoView::IndiceInPunto(QPoint punto) const {
  return thumbs_.IndiceInPunto(punto, primaVisibile_, ultimaVisibile_);
}

DatiThumb ctrFotoView::TrovaThumbInPunto(QPoint punto) const {
  const int i = IndiceInPunto(punto);
  return i < 0 ? DatiThumb() : thumbs_[i];
}

QRect ctrFotoView::AreaCellaSulloSchermo(int indice) const {
  if (indice < 0 || indice >= TotFile() || thumbs_[indice].AreaCella.isEmpty()) return {};
  const QRect& area = thumbs_[indice].AreaCella;
  return {picSlide_->mapToGlobal(area.topLeft()), area.size()};
}

void ctrFotoView::AggiornaSuggerimento(QPoint punto) {
  const int i = IndiceInPunto(punto);
  if (i >= 0 && thumbs_[i].AreaSegnoQualita.contains(punto)) {
    if (const std::optional<AvvisoQualita> avviso = AvvisoThumb(i)) return picSlide_->setToolTip(avviso->testo);
  }
  picSlide_->setToolTip(i < 0 ? QString() : thumbs_[i].NomeFileToolTip);
}

void ctrFotoView::setpicPreview(SuperficieDisegno* picPreview) { picPreview_ = picPreview; }

void ctrFotoView::MostraAnteprima(int indice) {
  indiceAnteprima_ = indice;
  percorsoAnteprima_ = indice >= 0 ? thumbs_[indice].PercorsoCompleto() : QString();
  {
    QPainter superficie(&picPreview_->immagine());
    DisegnaAnteprimaFoto(superficie, picPreview_->size(), picPreview_->devicePixelRatioF(), percorsoAnteprima_,
                         indice >= 0 ? CartaThumb(thumbs_[indice]) : std::nullopt, caratteriDidascalia_);
  }
  picPreview_->ImpostaDisegnatore(this);
  picPreview_->Aggiorna();
}

void ctrFotoView::AggiornaAnteprima() {
  if (!picPreview_ || picPreview_->Disegnatore() != this) return;
  if (indiceAnteprima_ < 0 || indiceAnteprima_ >= TotFile()) return;
  if (thumbs_[indiceAnteprima_].PercorsoCompleto() != percorsoAnteprima_) return;
  MostraAnteprima(indiceAnteprima_);
}

bool ctrFotoView::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto != picSlide_) return QWidget::eventFilter(oggetto, evento);
  switch (evento->type()) {
    case QEvent::MouseMove:
      if (!caricamentoInCorso_)
        AggiornaSuggerimento(static_cast<QMouseEvent*>(evento)->position().toPoint());
      break;
    case QEvent::MouseButtonPress: {
      if (caricamentoInCorso_) break;
      // The cell under the pointer now: bringing its row into view moves the grid.
      const int i = IndiceInPunto(static_cast<QMouseEvent*>(evento)->position().toPoint());
      if (i >= 0) {
        setFocus(Qt::MouseFocusReason);
        ImpostaFuoco(i);
      }
      if (picPreview_) MostraAnteprima(i);
      break;
    }
    case QEvent::Wheel:
      // The wheel over the grid scrolls it, as over the bar.
      QCoreApplication::sendEvent(vsbSlide_, evento);
      return true;
    default:
      break;
  }
  return QWidget::eventFilter(oggetto, evento);
}
