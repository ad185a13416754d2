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
// A pool of tasks of at most thread threads at once.
QThreadPool* NuovoPool(int thread);
// The pool a task runs on: pool itself, except under ThreadSanitizer (below).
std::shared_ptr<QThreadPool> PoolDelCompito(QThreadPool& pool);

// ThreadSanitizer cannot see the locks inside Debian's Qt, so a value handed
// between threads through Qt alone would look unguarded to it. Under it each
// task gets a pool of its own, whose thread starts once the task is built (a
// thread's start it does see), and the hand-over of the results is marked
// for it. Nothing of this in other builds.
#if defined(__SANITIZE_THREAD__)
#define VELISTRA_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VELISTRA_TSAN 1
#endif
#endif
#ifdef VELISTRA_TSAN
extern "C" void __tsan_acquire(void* indirizzo);
extern "C" void __tsan_release(void* indirizzo);
#define VELISTRA_CONSEGNA(indirizzo) __tsan_release(indirizzo)
#define VELISTRA_RICEVI(indirizzo) __tsan_acquire(indirizzo)
#else
#define VELISTRA_CONSEGNA(indirizzo) static_cast<void>(indirizzo)
#define VELISTRA_RICEVI(indirizzo) static_cast<void>(indirizzo)
#endif

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
// cancelled. Call it on contesto's thread.
template <class Lavoro, class Poi>
auto AvviaCompito(QThreadPool& pool, int priorita, QObject* contesto, Lavoro&& lavoro, Poi&& poi) {
  using Risultato = std::invoke_result_t<std::decay_t<Lavoro>&>;
  using Seguito = typename SeguitoDi<Poi, Risultato>::Tipo;
  using Esito = std::conditional_t<std::is_void_v<Risultato>, bool, Risultato>;
  auto promessa = std::make_shared<QPromise<Seguito>>();
  promessa->start();
  QFuture<Seguito> seguito = promessa->future();
  // The result travels beside Qt's future, in a slot of ours. The watcher's
  // signal is always posted, even for a task that has already ended, so poi
  // never runs inside this call.
  auto esito = std::make_shared<std::optional<Esito>>();
  const std::shared_ptr<QThreadPool> esecutore = PoolDelCompito(pool);
  auto* osservatore = new QFutureWatcher<void>(contesto);
  QObject::connect(osservatore, &QFutureWatcherBase::finished, contesto,
                   [osservatore, esito, promessa, poi = std::forward<Poi>(poi)]() mutable {
                     osservatore->deleteLater();
                     VELISTRA_RICEVI(esito.get());
                     auto chiama = [&] {
                       if constexpr (std::is_void_v<Risultato>)
                         return poi();
                       else
                         return poi(std::move(**esito));
                     };
                     if constexpr (std::is_void_v<Seguito>)
                       chiama();
                     else
                       promessa->addResult(chiama());
                     promessa->finish();
                   });
  osservatore->setFuture(QtConcurrent::task([lavoro = std::forward<Lavoro>(lavoro), esito, esecutore]() mutable {
                           if constexpr (std::is_void_v<Risultato>) {
                             lavoro();
                             esito->emplace(true);
                           } else {
                             esito->emplace(lavoro());
                           }
                           VELISTRA_CONSEGNA(esito.get());
                         })
                             .onThreadPool(*esecutore)
                             .withPriority(priorita)
                             .spawn());
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
                     VELISTRA_RICEVI(osservatore);
                     adOgniPasso(osservatore->resultAt(indice));
                   });
  QObject::connect(osservatore, &QFutureWatcherBase::finished, contesto,
                   [osservatore, risultato, poi = std::forward<Poi>(poi)]() mutable {
                     osservatore->deleteLater();
                     VELISTRA_RICEVI(osservatore);
                     poi(std::move(**risultato));
                   });
  // The result is written before the promise finishes: finished() sees it.
  const std::shared_ptr<QThreadPool> esecutore = PoolDelCompito(PoolCompiti());
  osservatore->setFuture(QtConcurrent::run(
      esecutore.get(),
      [lavoro = std::forward<Lavoro>(lavoro), risultato, osservatore, esecutore](QPromise<Passo>& promessa) {
        const Riferisci riferisci = [&promessa, osservatore](const Passo& passo) {
          promessa.addResult(passo);
          VELISTRA_CONSEGNA(osservatore);
        };
        risultato->emplace(lavoro(riferisci));
        VELISTRA_CONSEGNA(osservatore);
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
