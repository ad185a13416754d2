#pragma once
#include <QFuture>
#include <QFutureWatcher>
#include <QMetaObject>
#include <QObject>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <QtConcurrent/qtconcurrenttask.h>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

// The program's one pattern for long work (copies, listings, decoding,
// requests, uploads): a task takes values, runs on a pool thread and returns a
// value. It never calls a window, a view or the order model. Its result is
// handed to a continuation on the thread of a context object (a window: the
// GUI thread), always in a later turn of its event loop, never inside the
// call that started the task; once that object is gone, it does not run.
// Questions between steps are asked by the continuation, which then starts
// the next step with the answer.

// The pool of file and network work. Sized above the core count: its tasks
// mostly wait on disks and sockets.
QThreadPool& PoolCompiti();

// What a continuation returns, given the task's result (none for void).
template <class Poi, class Risultato>
struct SeguitoDi {
  using Tipo = std::invoke_result_t<std::decay_t<Poi>&, Risultato>;
};
template <class Poi>
struct SeguitoDi<Poi, void> {
  using Tipo = std::invoke_result_t<std::decay_t<Poi>&>;
};

// Runs lavoro on a pool, before the waiting tasks of lower priority; poi(result)
// runs on contesto's thread, and the future returned gives what poi returns.
// A pool of its own suits work bound by the cores rather than by waits
// (decoding). Once contesto is gone poi does not run and the future is
// cancelled.
template <class Lavoro, class Poi>
auto AvviaCompito(QThreadPool& pool, int priorita, QObject* contesto, Lavoro&& lavoro, Poi&& poi) {
  using Risultato = std::invoke_result_t<std::decay_t<Lavoro>&>;
  using Seguito = typename SeguitoDi<Poi, Risultato>::Tipo;
  auto promessa = std::make_shared<QPromise<Seguito>>();
  promessa->start();
  QFuture<Seguito> seguito = promessa->future();
  // A task that ends before its continuation is attached has the continuation
  // run at once, inside this call: poi is posted to contesto instead.
  auto applica = [promessa](auto&& chiama) {
    if constexpr (std::is_void_v<Seguito>)
      chiama();
    else
      promessa->addResult(chiama());
    promessa->finish();
  };
  auto futuro = QtConcurrent::task(std::forward<Lavoro>(lavoro)).onThreadPool(pool).withPriority(priorita).spawn();
  if constexpr (std::is_void_v<Risultato>) {
    futuro.then(contesto, [contesto, applica, poi = std::forward<Poi>(poi)]() mutable {
      QMetaObject::invokeMethod(
          contesto, [applica, poi = std::move(poi)]() mutable { applica([&] { return poi(); }); },
          Qt::QueuedConnection);
    });
  } else {
    futuro.then(contesto, [contesto, applica, poi = std::forward<Poi>(poi)](Risultato risultato) mutable {
      QMetaObject::invokeMethod(
          contesto,
          [applica, poi = std::move(poi), risultato = std::move(risultato)]() mutable {
            applica([&] { return poi(std::move(risultato)); });
          },
          Qt::QueuedConnection);
    });
  }
  return seguito;
}
// Runs lavoro on the pool of file and network work; poi(result) runs on contesto's thread.
template <class Lavoro, class Poi>
auto AvviaCompito(QObject* contesto, Lavoro&& lavoro, Poi&& poi) {
  return AvviaCompito(PoolCompiti(), 0, contesto, std::forward<Lavoro>(lavoro), std::forward<Poi>(poi));
}

// The same for a task that tells how far it has got: lavoro(riferisci) calls
// riferisci(passo) as often as it likes and never waits for it; each passo
// reaches adOgniPasso on contesto's thread, in order, and poi(result) runs
// after the last. Nothing runs once contesto is gone.
template <class Passo, class Lavoro, class AdOgniPasso, class Poi>
void AvviaCompitoConPassi(QObject* contesto, Lavoro&& lavoro, AdOgniPasso&& adOgniPasso, Poi&& poi) {
  using Riferisci = std::function<void(const Passo&)>;
  using Risultato = std::decay_t<std::invoke_result_t<Lavoro, const Riferisci&>>;
  auto risultato = std::make_shared<std::optional<Risultato>>();
  auto* osservatore = new QFutureWatcher<Passo>(contesto);
  QObject::connect(osservatore, &QFutureWatcherBase::resultReadyAt, contesto,
                   [osservatore, adOgniPasso = std::forward<AdOgniPasso>(adOgniPasso)](int indice) {
                     adOgniPasso(osservatore->resultAt(indice));
                   });
  QObject::connect(osservatore, &QFutureWatcherBase::finished, contesto,
                   [osservatore, risultato, poi = std::forward<Poi>(poi)]() mutable {
                     osservatore->deleteLater();
                     poi(std::move(**risultato));
                   });
  // The result is written before the promise finishes: finished() sees it.
  osservatore->setFuture(QtConcurrent::run(
      &PoolCompiti(), [lavoro = std::forward<Lavoro>(lavoro), risultato](QPromise<Passo>& promessa) {
        const Riferisci riferisci = [&promessa](const Passo& passo) { promessa.addResult(passo); };
        risultato->emplace(lavoro(riferisci));
      }));
}

// True on the thread that owns the application object (the GUI thread), and
// when there is no application yet.
bool SulThreadDellApplicazione();

// The model's thread rule: in a build with the check on (tests and debug
// builds) a call from any other thread stops the program, naming the caller.
#ifdef VELISTRA_CONTROLLO_THREAD
#define VELISTRA_SOLO_THREAD_GRAFICO() ControllaThreadGrafico(Q_FUNC_INFO)
#else
#define VELISTRA_SOLO_THREAD_GRAFICO() static_cast<void>(0)
#endif
void ControllaThreadGrafico(const char* chiamante);
