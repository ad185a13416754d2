#pragma once
#include <QCoreApplication>
#include <QFuture>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "ordine/OperazioneCopia.h"
#include "ordine/OrdineVelistra.h"
#include "support/Attesa.h"

// Runs an operation of the order to its end on this thread, as the window's
// loop does: each step's task, its result applied here, a duplicate answered
// by rispondi (yes without it), and a stop before the next step once ferma
// says so for the steps done so far.
inline QList<PassoOperazione> Svolgi(OperazioneAPassi& operazione,
                                     const std::function<bool(const PassoOperazione&)>& rispondi = {},
                                     const std::function<bool(int fatti)>& ferma = {}) {
  QObject contesto;
  QList<PassoOperazione> passi;
  for (int fatti = 0;; ++fatti) {
    if (ferma && ferma(fatti)) {
      operazione.Interrompi();
      break;
    }
    QFuture<PassoOperazione> futuro = operazione.Avanza(&contesto);
    while (!futuro.isFinished()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const PassoOperazione passo = futuro.result();
    passi.append(passo);
    if (passo.doppia) passi.append(operazione.Rispondi(rispondi ? rispondi(passo) : true));
    if (passo.ultimo) break;
  }
  return passi;
}

// Lets the saves the order has started end; the outcome of the last.
inline EsitoSalvataggio AttendiSalvataggi(OrdineVelistra& ordine) {
  EsitoSalvataggio ultimo = EsitoSalvataggio::Salvato;
  QObject contesto;
  QObject::connect(&ordine, &OrdineVelistra::salvato, &contesto, [&ultimo](EsitoSalvataggio esito) { ultimo = esito; });
  AttendiFinche([&ordine] { return !ordine.SalvataggioInCorso(); });
  return ultimo;
}

// A copy operation run to its end: its result and the new copies in order.
struct Copiate {
  RisultatoOperazione risultato;
  QStringList copie;
  QString copia() const { return copie.value(0); }
};

inline Copiate Copia(std::unique_ptr<OperazioneCopia> operazione,
                     const std::function<bool(const PassoOperazione&)>& rispondi = {}) {
  Copiate copiate;
  for (const PassoOperazione& passo : Svolgi(*operazione, rispondi))
    if (!passo.copia.isEmpty()) copiate.copie.append(passo.copia);
  copiate.risultato = operazione->Concludi();
  return copiate;
}

// Photos as a copy takes them, each titled with its file name unless given.
inline QList<FotoDaCopiare> DaCopiare(const QStringList& foto, const QStringList& titoli = {}) {
  QList<FotoDaCopiare> daCopiare;
  for (qsizetype i = 0; i < foto.size(); ++i)
    daCopiare.append({foto[i], i < titoli.size() ? titoli[i] : foto[i].section(u'/', -1), {}, 1, {}});
  return daCopiare;
}
