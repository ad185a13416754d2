// Checks, removal of the checked thumbnails, their attributes, hover text and preview.
#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "thumbview/CaselleSelezione.h"
#include "thumbview/GeometriaThumb.h"
#include "thumbview/LivelloImmagine.h"
#include "thumbview/SuperficieDisegno.h"
#include "thumbview/ctrFotoView.h"

void ctrFotoView::CheckaTutto(bool Valore) {
  for (int i = 0; i < TotFile(); ++i) ImpostaSelezione(i, Valore);
}

void ctrFotoView::ImpostaSelezione(int indice, bool selezionata) {
  SegnaSelezione(indice, selezionata);
  if (QCheckBox* casella = CasellaThumb(indice)) casella->setChecked(selezionata);
}

// Every road that changes a check (box, keyboard, assistive technology) ends here.
void ctrFotoView::SegnaSelezione(int indice, bool selezionata) {
  if (indice < 0 || indice >= TotFile()) return;
  const std::int16_t valore = selezionata ? 1 : 0;
  if (thumbs_[indice].Selezionata == valore) return;
  thumbs_[indice].Selezionata = valore;
  // Checking thousands of photos at once builds no events nobody listens to.
  if (!QAccessible::isActive()) return;
  QAccessible::State cambiato;
  cambiato.checked = true;
  QAccessibleStateChangeEvent evento(this, cambiato);
  evento.setChild(indice);
  QAccessible::updateAccessibility(&evento);
}

QList<int> ctrFotoView::IndiciSelezionati() const {
  QList<int> indici;
  for (int i = 0; i < TotFile(); ++i)
    if (thumbs_[i].Selezionata == 1) indici.append(i);
  return indici;
}

QList<FotoSelezionata> ctrFotoView::ElencoFotoSelezionate() const {
  QList<FotoSelezionata> elenco;
  for (const int i : IndiciSelezionati())
    elenco.append({thumbs_[i].PercorsoCompleto(), thumbs_[i].NomeFileToolTip});
  return elenco;
}

void ctrFotoView::CancellaThumbSelezionate() {
  const QList<int> indici = IndiciSelezionati();
  if (indici.isEmpty()) return;
  const QList<QPair<int, int>> intervalli = RaggruppaIntervalli(indici);
  // Last run first, so the indices of the runs still to go stay valid.
  for (auto intervallo = intervalli.crbegin(); intervallo != intervalli.crend(); ++intervallo)
    CancellaIntervalloThumbs(intervallo->first, intervallo->second, false);
  AggiornaScorrimento(TotFile() - 1);
  if (TotFile() > 0) Esegui_vsbSlideChange();
}

void ctrFotoView::CancellaIntervalloThumbs(int prima, int ultima, bool ridisegna) {
  if (prima > ultima) ultima = prima;
  const int rimasti = TotFile() - (ultima - prima + 1);
  if (rimasti <= 0) {
    CancellaThumbs();
    return;
  }
  CompattaThumbs(prima, ultima);
  if (!ridisegna) return;
  AggiornaScorrimento(rimasti - 1);
  if (ThumbVisibile(prima)) Esegui_vsbSlideChange();
}

void ctrFotoView::CompattaThumbs(int prima, int ultima) {
  // The records after the run move down whole (picture, check and hit box with
  // them); the boxes past the new end go.
  thumbs_.erase(thumbs_.begin() + prima, thumbs_.begin() + ultima + 1);
  chkFotoSelezionata_->DistruggiDa(TotFile());
}

void ctrFotoView::ImpostaSuSelezionate(const std::function<void(DatiThumb&)>& imposta) {
  const QList<int> indici = IndiciSelezionati();
  if (indici.isEmpty()) return;
  for (const int i : indici) imposta(thumbs_[i]);
  NascondiPagina();
  DisegnaThumbTutto(primaVisibile_);
}

void ctrFotoView::ImpostaNumeroFotoThumbSelezionate(std::int16_t NumeroFoto) {
  ImpostaSuSelezionate([NumeroFoto](DatiThumb& thumb) { thumb.NumeroFoto = NumeroFoto; });
}

void ctrFotoView::ImpostaRidimensionamentoThumbSelezionate(const QString& Ridimensionamento) {
  ImpostaSuSelezionate(
      [&Ridimensionamento](DatiThumb& thumb) { thumb.Ridimensionamento = Ridimensionamento; });
}

int ctrFotoView::IndiceInPunto(QPoint punto) const {
  for (int i = primaVisibile_; i <= std::min(TotFile() - 1, ultimaVisibile_); ++i) {
    const QRect& area = thumbs_[i].AreaCella;
    if (!area.isEmpty() && area.contains(punto)) return i;
  }
  return -1;
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
  picSlide_->setToolTip(TrovaThumbInPunto(punto).NomeFileToolTip);
}

void ctrFotoView::setpicPreview(SuperficieDisegno* picPreview) { picPreview_ = picPreview; }

void ctrFotoView::MostraAnteprima(QPoint punto) {
  QPainter superficie(&picPreview_->immagine());
  ::PulisciSuperficie(superficie, Qt::white);
  const QString percorso = TrovaThumbInPunto(punto).PercorsoCompleto();
  if (!percorso.isEmpty()) {
    const ImmagineRidotta foto =
        DecodificaRidotta(percorso, &MisuraAnteprima, true, picPreview_->devicePixelRatioF());
    if (foto.stato == kStatoRiuscito && foto.originale.width() > 0) {
      ImpostaQualita(superficie, QualitaMassima, QualitaMassima);
      superficie.drawImage(RettangoloAnteprima(foto.originale), foto.immagine);
    }
  }
  superficie.end();
  picPreview_->Aggiorna();
}

bool ctrFotoView::eventFilter(QObject* oggetto, QEvent* evento) {
  if (oggetto != picSlide_) return QWidget::eventFilter(oggetto, evento);
  switch (evento->type()) {
    case QEvent::MouseMove:
      if (!caricamentoInCorso_)
        AggiornaSuggerimento(static_cast<QMouseEvent*>(evento)->position().toPoint());
      break;
    case QEvent::MouseButtonPress:
      if (caricamentoInCorso_) break;
      if (const int i = IndiceInPunto(static_cast<QMouseEvent*>(evento)->position().toPoint());
          i >= 0) {
        setFocus(Qt::MouseFocusReason);
        ImpostaFuoco(i);
      }
      if (picPreview_)
        MostraAnteprima(static_cast<QMouseEvent*>(evento)->position().toPoint());
      break;
    case QEvent::Wheel:
      // The wheel over the grid scrolls it, as over the bar.
      QCoreApplication::sendEvent(vsbSlide_, evento);
      return true;
    default:
      break;
  }
  return QWidget::eventFilter(oggetto, evento);
}
