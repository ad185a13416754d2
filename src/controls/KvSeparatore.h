#pragma once
// An etched horizontal rule (a dark grey line, a white one a pixel below) with
// an optional caption centred on it. Its height follows the caption: the
// label's height, or 60 twips without a caption.
#include <QFont>
#include <QLine>

#include "controls/KvSuperficie.h"

class KvBorsaProprieta;
class QLabel;

class KELMORA_EXPORT KvSeparatore : public KvSuperficie {
  Q_OBJECT
  Q_PROPERTY(QFont Font READ Font WRITE setFont DESIGNABLE false)
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

 public:
  // Creation: an empty caption; InizializzaProprieta gives a placed control its "Testo".
  explicit KvSeparatore(QWidget* genitore = nullptr);

  // The label's font, which is the control's: QWidget::setFont changes it,
  // records "Font" and lays the control out again.
  QFont Font() const;
  QString Caption() const;
  void setCaption(const QString& testo);
  // Lays out height, lines and caption for the current width.
  Q_INVOKABLE void AggiornaDimensione();

  QLabel* lblTesto() const { return lblTesto_; }
  // The two lines of the rule, in twips.
  QLine LineaGrigioScuro() const { return lineaGrigioScuro_; }
  QLine LineaBianca() const { return lineaBianca_; }

  // A control newly placed on a window.
  void InizializzaProprieta();
  // A control read from a saved design.
  void LeggiProprieta(const KvBorsaProprieta& borsa);
  void ScriviProprieta(KvBorsaProprieta& borsa) const;

  QSize sizeHint() const override;

 protected:
  void changeEvent(QEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // What follows every change of the label's caption, by property or by loading.
  void CaptionCambiata();
  // The font of the window that holds the control.
  QFont FontAmbiente() const;

  QLabel* lblTesto_;
  QLine lineaGrigioScuro_;
  QLine lineaBianca_;
};
