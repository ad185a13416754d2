#pragma once
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <functional>
#include <optional>
#include <type_traits>

// The program's one threading rule: long work (copies, listings, requests,
// uploads) runs on a worker thread and reaches windows, dialogs and views only
// through calls queued to the GUI thread. A worker may wait for the GUI thread;
// the GUI thread never waits for a worker and never pumps events by hand.

// Runs funzione on the GUI thread and returns its result; the calling worker
// waits for it. Called on the GUI thread itself, it simply runs it.
template <class F>
auto SulThreadGrafico(F&& funzione) -> std::invoke_result_t<F> {
  using Risultato = std::invoke_result_t<F>;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) return funzione();
  if constexpr (std::is_void_v<Risultato>) {
    QMetaObject::invokeMethod(app, [&] { funzione(); }, Qt::BlockingQueuedConnection);
  } else {
    std::optional<Risultato> risultato;
    QMetaObject::invokeMethod(app, [&] { risultato.emplace(funzione()); }, Qt::BlockingQueuedConnection);
    return std::move(*risultato);
  }
}

// Runs lavoro on a new worker thread; fine runs on the GUI thread when it has
// ended, unless contesto is gone by then.
void AvviaLavoro(QObject* contesto, std::function<void()> lavoro, std::function<void()> fine);
