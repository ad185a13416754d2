#pragma once
#include <QFrame>

struct MisureColonne;

// The movable vertical bar between the two photo columns. A drag moves it by
// the pointer's travel; once its left edge is found left of the minimum, the
// next move puts it back on the minimum instead of following the pointer.
class DivisoreTrascinabile : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kSinistraMinima = 380;

  explicit DivisoreTrascinabile(QWidget* genitore = nullptr);

  bool trascinamento() const { return trascinamento_; }
  // Where the user wants the bar: the stored place, then the end of each drag.
  int posizioneScelta() const { return posizioneScelta_; }
  void ImpostaPosizioneScelta(int sinistra);
  // Fits the chosen place to a new window width; a drag is left where it ends.
  void AdattaALarghezza(int larghezzaFinestra, const MisureColonne& misure);

 Q_SIGNALS:
  // The drag ended after at least one move: the window lays itself out again.
  void rilasciato();

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  int xPremuto_ = 0;
  int posizioneScelta_ = 0;
  int larghezzaAdattata_ = -1;
  bool trascinamento_ = false;
};
