#include "windows/Piattaforma.h"

#include <QtGlobal>

#include "common/Compito.h"

namespace {
Piattaforma* gPredefinita = nullptr;
Piattaforma* gAltra = nullptr;
}  // namespace

Piattaforma& piattaforma() {
  Piattaforma* scelta = gAltra ? gAltra : gPredefinita;
  if (!scelta) qFatal("No platform installed: Main installs the desktop's before any window.");
  return *scelta;
}

void ImpostaPiattaformaPredefinita(Piattaforma* desktop) { gPredefinita = desktop; }

void ImpostaPiattaforma(Piattaforma* altra) { gAltra = altra; }

RispostaMessaggio MsgBox(const QString& testo, IconaMessaggio icona, PulsantiMessaggio pulsanti,
                         QWidget* proprietario) {
  const RispostaMessaggio prima = (pulsanti == PulsantiMessaggio::SiNo ||
                                   pulsanti == PulsantiMessaggio::SiNoAnnulla ||
                                   pulsanti == PulsantiMessaggio::SiNoTutte)
                                      ? RispostaMessaggio::Si
                                      : RispostaMessaggio::OK;
  return MsgBox(testo, icona, pulsanti, prima, proprietario);
}

RispostaMessaggio MsgBox(const QString& testo, IconaMessaggio icona, PulsantiMessaggio pulsanti,
                         RispostaMessaggio predefinita, QWidget* proprietario) {
  // Only the GUI thread asks: a task returns its result and the GUI thread tells it.
  VELISTRA_SOLO_THREAD_GRAFICO();
  return piattaforma().MostraMessaggio(proprietario, testo, icona, pulsanti, predefinita);
}
