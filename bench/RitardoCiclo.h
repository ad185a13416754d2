#pragma once
// How late the GUI thread serves its event loop while an operation runs: what
// the user feels as a stuck window.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <functional>

// Starts an operation from the event loop and keeps the loop running, as the
// program's would, until the operation has ended. A 5 ms timer meanwhile
// records how late the GUI thread served it at worst (ms).
inline double EseguiNelCiclo(const std::function<bool()>& inCorso, const std::function<void()>& avvia) {
  QEventLoop ciclo;
  QElapsedTimer orologio;
  qint64 precedente = 0;
  qint64 peggiore = 0;
  QTimer battito;
  battito.setTimerType(Qt::PreciseTimer);
  battito.setInterval(5);
  QObject::connect(&battito, &QTimer::timeout, [&] {
    const qint64 ora = orologio.nsecsElapsed();
    peggiore = std::max(peggiore, ora - precedente - 5'000'000);
    precedente = ora;
    if (!inCorso()) ciclo.quit();
  });
  QTimer::singleShot(0, &ciclo, [&] {
    orologio.start();
    battito.start();
    avvia();
  });
  ciclo.exec();
  return peggiore / 1e6;
}

// The same timer's worst lateness over an idle event loop as long as an
// operation: what the machine's other work alone costs the GUI thread.
inline double RitardoARiposo(double millisecondi) {
  QElapsedTimer tempo;
  return EseguiNelCiclo([&] { return tempo.elapsed() < millisecondi; }, [&] { tempo.start(); });
}
