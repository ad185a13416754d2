#include "windows/CampiInput.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>
#include <QToolBar>
#include <QWidgetAction>
#include <cstdlib>

#include "common/NumeriCliente.h"
#include "windows/Piattaforma.h"

namespace {

// The line edit inside a list or a spin box is part of that control, not a text field.
bool CampoDiTesto(QLineEdit* campo) {
  QWidget* genitore = campo->parentWidget();
  return !qobject_cast<QComboBox*>(genitore) && !qobject_cast<QAbstractSpinBox*>(genitore);
}

// Swallows the input of a locked list so that its choice cannot change.
class FiltroBlocco : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* oggetto, QEvent* evento) override {
    if (!oggetto->property("velistraBloccato").toBool()) return false;
    switch (evento->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        return true;
      default:
        return false;
    }
  }
};

void ImpostaSfondo(QWidget* controllo, const QColor& sfondo) {
  QPalette tavolozza = controllo->palette();
  tavolozza.setColor(QPalette::Base, sfondo);
  controllo->setPalette(tavolozza);
}

}  // namespace

bool CampoVuoto(QLineEdit* campo, bool daiFocus, bool mostraMessaggio, const QString& messaggio) {
  if (!campo->text().isEmpty()) return false;
  if (mostraMessaggio) {
    MsgBox(messaggio, IconaMessaggio::Esclamazione);
    if (daiFocus) campo->setFocus();
  }
  return true;
}

bool CampoNumerico(QLineEdit* campo, bool daiFocus, bool mostraMessaggio,
                   const QString& messaggio) {
  campo->setText(campo->text().trimmed());
  bool numero = false;
  if (!campo->text().isEmpty()) FormatoNumeri().toDouble(campo->text(), &numero);
  if (numero) return true;
  if (mostraMessaggio) {
    MsgBox(messaggio, IconaMessaggio::Esclamazione);
    if (daiFocus) campo->setFocus();
  }
  return false;
}

void TrimCampi(QWidget* finestra, const QList<QWidget*>& esclusi) {
  for (QLineEdit* campo : finestra->findChildren<QLineEdit*>()) {
    if (!CampoDiTesto(campo) || esclusi.contains(campo)) continue;
    const QString pulito = campo->text().trimmed();
    if (pulito != campo->text()) campo->setText(pulito);
  }
  for (QPlainTextEdit* campo : finestra->findChildren<QPlainTextEdit*>()) {
    if (esclusi.contains(campo)) continue;
    const QString pulito = campo->toPlainText().trimmed();
    if (pulito != campo->toPlainText()) campo->setPlainText(pulito);
  }
}

void BloccaControlli(QWidget* finestra, const QColor& sfondo, bool bloccato,
                     const QList<QWidget*>& esclusi) {
  for (QLineEdit* campo : finestra->findChildren<QLineEdit*>()) {
    if (!CampoDiTesto(campo) || esclusi.contains(campo)) continue;
    ImpostaSfondo(campo, sfondo);
    campo->setReadOnly(bloccato);
  }
  for (QPlainTextEdit* campo : finestra->findChildren<QPlainTextEdit*>()) {
    if (esclusi.contains(campo)) continue;
    ImpostaSfondo(campo, sfondo);
    campo->setReadOnly(bloccato);
  }
  for (QComboBox* lista : finestra->findChildren<QComboBox*>()) {
    if (esclusi.contains(lista)) continue;
    ImpostaSfondo(lista, sfondo);
    if (!lista->property("velistraBloccato").isValid())
      lista->installEventFilter(new FiltroBlocco(lista));
    lista->setProperty("velistraBloccato", bloccato);
    if (lista->lineEdit()) lista->lineEdit()->setReadOnly(bloccato);
  }
}

int FiltraTastoNumerico(int codiceTasto, bool decimaliAmmessi) {
  if (codiceTasto >= '0' && codiceTasto <= '9') return codiceTasto;
  if (codiceTasto == 8 || codiceTasto == 45) return codiceTasto;
  if (codiceTasto == 44 && decimaliAmmessi) return codiceTasto;
  return 0;
}

void AbilitaPulsantiToolbar(QObject* toolbar, bool abilitato, const QStringList& esclusi) {
  auto* barra = qobject_cast<QToolBar*>(toolbar);
  if (!barra) {
    MsgBox(QStringLiteral("L'oggetto non è una ToolBar."), IconaMessaggio::Critica);
    std::exit(EXIT_FAILURE);
  }
  for (QAction* pulsante : barra->actions()) {
    // Separators and embedded lists are not buttons.
    if (pulsante->isSeparator() || qobject_cast<QWidgetAction*>(pulsante)) continue;
    if (esclusi.contains(pulsante->objectName(), Qt::CaseInsensitive)) continue;
    pulsante->setEnabled(abilitato);
  }
}

void ColoreBarraProgresso(QProgressBar* barra, const QColor& colore) {
  QPalette tavolozza = barra->palette();
  tavolozza.setColor(QPalette::Highlight, colore);
  barra->setPalette(tavolozza);
}

void ColoreSfondoProgresso(QProgressBar* barra, const QColor& colore) {
  QPalette tavolozza = barra->palette();
  tavolozza.setColor(QPalette::Base, colore);
  tavolozza.setColor(QPalette::Window, colore);
  barra->setPalette(tavolozza);
}

QString SfogliaCartella(QWidget* proprietario, const QString& titolo, bool consentiDigitazione) {
  return piattaforma().SfogliaCartella(proprietario, titolo, consentiDigitazione);
}

void ApriDocumento(QWidget* proprietario, const QString& documento) {
  piattaforma().ApriDocumento(proprietario, documento);
}
