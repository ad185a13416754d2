#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QColor;
class QLineEdit;
class QObject;
class QProgressBar;
class QWidget;

// Input-field routines shared by the windows.

// True when the field is empty; then shows the message (exclamation) and gives
// the field the focus as the flags say. Spaces are not removed here.
bool CampoVuoto(QLineEdit* campo, bool daiFocus, bool mostraMessaggio, const QString& messaggio);

// Trims the field, then true when it reads as a number in the user's locale.
bool CampoNumerico(QLineEdit* campo, bool daiFocus, bool mostraMessaggio,
                   const QString& messaggio);

// Trims every text field of the window except the excluded ones.
void TrimCampi(QWidget* finestra, const QList<QWidget*>& esclusi = {});

// Sets back colour and locked state of every text field and list of the window
// except the excluded ones.
void BloccaControlli(QWidget* finestra, const QColor& sfondo, bool bloccato,
                     const QList<QWidget*>& esclusi = {});

// The key code to keep, or 0 to swallow it: digits, backspace (8) and "-" (45);
// "," (44) only when decimals are allowed.
int FiltraTastoNumerico(int codiceTasto, bool decimaliAmmessi);

// Enables or disables every button of a toolbar (actions keyed by object name),
// except those named in the list (letter case ignored). Anything but a toolbar
// stops the program after a message.
void AbilitaPulsantiToolbar(QObject* toolbar, bool abilitato, const QStringList& esclusi = {});

void ColoreBarraProgresso(QProgressBar* barra, const QColor& colore);
void ColoreSfondoProgresso(QProgressBar* barra, const QColor& colore);

// The folder chooser; empty when cancelled.
QString SfogliaCartella(QWidget* proprietario, const QString& titolo, bool consentiDigitazione);
// Opens a document or address with the desktop's handler; failures are ignored.
void ApriDocumento(QWidget* proprietario, const QString& documento);
