#pragma once
class QWidget;

// A control as a window designer places it anew: created, then given the
// defaults of a new control.
template <class Controllo>
QWidget* NuovoControlloPosato(QWidget* genitore) {
  auto* controllo = new Controllo(genitore);
  controllo->InizializzaProprieta();
  return controllo;
}
