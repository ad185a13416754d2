#pragma once
#include <QLabel>

// A label that reacts to a click like a button (the about window's close
// mark and logo).
class EtichettaCliccabile : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 Q_SIGNALS:
  void cliccata();

 protected:
  void mouseReleaseEvent(QMouseEvent* evento) override;
};
