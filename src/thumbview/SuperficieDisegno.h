#pragma once
#include <QImage>
#include <QWidget>

// A picture box that keeps what was drawn on it: painting goes into its own
// picture, which the widget shows until it is drawn over. The grid surface and
// the container's preview box are of this kind.
class SuperficieDisegno : public QWidget {
  Q_OBJECT
 public:
  explicit SuperficieDisegno(QWidget* genitore = nullptr);

  // The picture to draw on (the widget's size); call Aggiorna afterwards.
  QImage& immagine();
  const QImage& immagine() const { return const_cast<SuperficieDisegno*>(this)->immagine(); }
  void Aggiorna() { update(); }

 protected:
  void paintEvent(QPaintEvent* evento) override;

 private:
  QImage immagine_;
};
