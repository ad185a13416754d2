#include "mainwindow/CampoNumeroFoto.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <cmath>

#include "windows/CampiInput.h"
#include "common/NumeriCliente.h"
#include "windows/Piattaforma.h"

CampoNumeroFoto::CampoNumeroFoto(QWidget* genitore) : QLineEdit(genitore) {
  setObjectName(QStringLiteral("txtNumFoto"));
  setAccessibleName(QStringLiteral("Numero di fotografie"));
  setToolTip(QStringLiteral("Numero di fotografie"));
  setText(QStringLiteral("1"));
  setFixedWidth(40);
  setAlignment(Qt::AlignRight);
  // 999 is the largest number; a paste is cut to three characters, and one
  // holding anything the keys could not type is refused whole.
  setMaxLength(3);
  setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), this));
}

bool CampoNumeroFoto::NumeroValido(std::int16_t& numero) {
  if (!CampoNumerico(this, true, true, QStringLiteral("Indicare il numero di fotografie."))) return false;
  const double valore = FormatoNumeri().toDouble(text());
  if (valore < 1 || valore > 999 || valore != std::floor(valore)) {
    MsgBox(QStringLiteral("Indicare un numero di fotografie compreso tra 1 e 999."), IconaMessaggio::Esclamazione,
           PulsantiMessaggio::OK, this);
    setFocus();
    return false;
  }
  numero = static_cast<std::int16_t>(valore);
  return true;
}

void CampoNumeroFoto::keyPressEvent(QKeyEvent* evento) {
  // Shortcuts (select all, copy, paste, undo) stay the line edit's.
  if (evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    QLineEdit::keyPressEvent(evento);
    return;
  }
  const int codice = evento->key() == Qt::Key_Backspace ? 8
                     : evento->text().isEmpty()         ? -1
                                                        : evento->text().at(0).unicode();
  // Keys without text (arrows, Delete, Tab) move and edit as usual.
  if (codice >= 0 && FiltraTastoNumerico(codice, false) == 0) {
    evento->accept();
    return;
  }
  QLineEdit::keyPressEvent(evento);
}

void CampoNumeroFoto::focusOutEvent(QFocusEvent* evento) {
  QLineEdit::focusOutEvent(evento);
  // A message box or a menu taking the focus is not the user leaving the box.
  if (evento->reason() == Qt::ActiveWindowFocusReason || evento->reason() == Qt::PopupFocusReason) return;
  if (text().trimmed().isEmpty()) setText(QStringLiteral("1"));
  std::int16_t numero = 0;
  NumeroValido(numero);
}
