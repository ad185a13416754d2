#pragma once
#include <QFrame>

// The movable vertical bar between the two photo columns. A drag moves it by
// the pointer's travel; once its left edge is found left of the minimum, the
// next move puts it back on the minimum instead of following the pointer.
class DivisoreTrascinabile : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kSinistraMinima = 380;

  explicit DivisoreTrascinabile(QWidget* genitore = nullptr);

  bool trascinamento() const { return trascinamento_; }

 Q_SIGNALS:
  // The drag ended after at least one move: the window lays itself out again.
  void rilasciato();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  int xPremuto_ = 0;
  bool trascinamento_ = false;
};
