#pragma once
#include <QLineEdit>
#include <cstdint>

// The box of the number of prints: it takes at most three characters, typed
// only as digits, Backspace and the minus sign, and when it loses the focus an
// empty text becomes "1" and a text that is not a number from 1 to 999 is
// reported and left for the user to correct.
class CampoNumeroFoto : public QLineEdit {
  Q_OBJECT

 public:
  explicit CampoNumeroFoto(QWidget* genitore = nullptr);

  // The number in the box; false, after the box's message, when it is not a
  // whole number from 1 to 999.
  bool NumeroValido(std::int16_t& numero);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
};
