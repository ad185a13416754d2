#pragma once
#include <QImage>
#include <QRect>
#include <QWidget>

// A picture box that keeps what was drawn on it: painting goes into its own
// picture, which the widget shows until it is drawn over. The grid surface and
// the container's preview box are of this kind. The picture has the screen's
// device pixel ratio, so what is drawn on it in widget coordinates stays sharp.
class SuperficieDisegno : public QWidget {
  Q_OBJECT
 public:
  explicit SuperficieDisegno(QWidget* genitore = nullptr);

  // The picture to draw on (the widget's size); call Aggiorna afterwards.
  QImage& immagine();
  const QImage& immagine() const { return const_cast<SuperficieDisegno*>(this)->immagine(); }
  void Aggiorna() { update(); }
  // A focus frame shown over the picture without changing it; empty for none.
  void ImpostaRiquadroFuoco(const QRect& riquadro);
  QRect RiquadroFuoco() const { return riquadroFuoco_; }
  // Who drew the picture last, when several share the box.
  const QObject* Disegnatore() const { return disegnatore_; }
  void ImpostaDisegnatore(const QObject* disegnatore) { disegnatore_ = disegnatore; }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QImage immagine_;
  QRect riquadroFuoco_;
  const QObject* disegnatore_ = nullptr;
};
