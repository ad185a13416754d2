#pragma once
#include <QWidget>

class QLineEdit;

// The up-down arrows paired with a number box: each click adds or takes one,
// within 1 and 999.
class FrecceNumero : public QWidget {
  Q_OBJECT

 public:
  FrecceNumero(QLineEdit* campo, QWidget* genitore = nullptr);

  static constexpr int kMinimo = 1;
  static constexpr int kMassimo = 999;

  void Incrementa(int passo);

 private:
  QLineEdit* campo_;
};
