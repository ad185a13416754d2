// Checks, removal of the checked thumbnails, their attributes, hover text and preview.
#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "thumbview/AnteprimaStampa.h"
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
  AggiornaAnteprima();
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
  const int i = IndiceInPunto(punto);
  if (i >= 0 && thumbs_[i].AreaSegnoQualita.contains(punto)) {
    if (const std::optional<AvvisoQualita> avviso = AvvisoThumb(i)) return picSlide_->setToolTip(avviso->testo);
  }
  picSlide_->setToolTip(i < 0 ? QString() : thumbs_[i].NomeFileToolTip);
}

void ctrFotoView::setpicPreview(SuperficieDisegno* picPreview) { picPreview_ = picPreview; }

void ctrFotoView::MostraAnteprima(int indice) {
  QPainter superficie(&picPreview_->immagine());
  ::PulisciSuperficie(superficie, Qt::white);
  indiceAnteprima_ = indice;
  percorsoAnteprima_.clear();
  if (indice >= 0) {
    percorsoAnteprima_ = thumbs_[indice].PercorsoCompleto();
    const ImmagineRidotta foto =
        DecodificaRidotta(percorsoAnteprima_, &MisuraAnteprima, true, picPreview_->devicePixelRatioF());
    if (foto.stato == kStatoRiuscito && foto.originale.width() > 0) {
      const std::optional<CartaStampa> carta = CartaThumb(thumbs_[indice]);
      const std::optional<AvvisoQualita> avviso = ValutaAvviso(foto.originale, carta);
      const ImpaginazioneAnteprima posto = ImpaginaAnteprima(foto.originale, carta, picPreview_->size());
      const int alzo = avviso ? AlzoPerAvviso(posto, picPreview_->height()) : 0;
      superficie.translate(0, -alzo);
      DisegnaAnteprimaStampa(superficie, foto.immagine, posto);
      superficie.resetTransform();
      if (avviso) DisegnaAvvisoAnteprima(superficie, picPreview_->rect(), *avviso, caratteriDidascalia_);
    }
  }
  superficie.end();
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
