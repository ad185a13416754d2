#pragma once
#include <QFuture>
#include <QMetaObject>
#include <QObject>
#include <QThreadPool>
#include <QtConcurrent/qtconcurrenttask.h>
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

// Runs lavoro on a pool, before the waiting tasks of lower priority; poi(result)
// runs on contesto's thread. A pool of its own suits work bound by the cores
// rather than by waits (decoding).
template <class Lavoro, class Poi>
QFuture<void> AvviaCompito(QThreadPool& pool, int priorita, QObject* contesto, Lavoro&& lavoro, Poi&& poi) {
  using Risultato = std::invoke_result_t<std::decay_t<Lavoro>&>;
  auto futuro = QtConcurrent::task(std::forward<Lavoro>(lavoro)).onThreadPool(pool).withPriority(priorita).spawn();
  // A task that ends before its continuation is attached has the continuation
  // run at once, inside this call: poi is posted to contesto instead.
  if constexpr (std::is_void_v<Risultato>) {
    return futuro.then(contesto, [contesto, poi = std::forward<Poi>(poi)]() mutable {
      QMetaObject::invokeMethod(contesto, std::move(poi), Qt::QueuedConnection);
    });
  } else {
    return futuro.then(contesto, [contesto, poi = std::forward<Poi>(poi)](Risultato risultato) mutable {
      QMetaObject::invokeMethod(
          contesto, [poi = std::move(poi), risultato = std::move(risultato)]() mutable { poi(std::move(risultato)); },
          Qt::QueuedConnection);
    });
  }
}
// Runs lavoro on the pool of file and network work; poi(result) runs on contesto's thread.
template <class Lavoro, class Poi>
QFuture<void> AvviaCompito(QObject* contesto, Lavoro&& lavoro, Poi&& poi) {
  return AvviaCompito(PoolCompiti(), 0, contesto, std::forward<Lavoro>(lavoro), std::forward<Poi>(poi));
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
