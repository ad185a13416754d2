#pragma once
#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

// The program's one pattern for long work (copies, listings, decoding,
// requests, uploads): a task takes values, runs on a pool thread and returns a
// value. It never calls a window, a view or the order model. Its result is
// handed to a continuation on the thread of a context object (a window: the
// GUI thread); once that object is gone, the continuation does not run.
// Questions between steps are asked by the continuation, which then starts
// the next step with the answer.

// The pool of file and network work. Sized above the core count: its tasks
// mostly wait on disks and sockets.
QThreadPool& PoolCompiti();

// Runs lavoro on the pool; poi(result) runs on contesto's thread.
template <class Lavoro, class Poi>
auto AvviaCompito(QObject* contesto, Lavoro&& lavoro, Poi&& poi) {
  return QtConcurrent::run(&PoolCompiti(), std::forward<Lavoro>(lavoro))
      .then(contesto, std::forward<Poi>(poi));
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
