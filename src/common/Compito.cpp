#include "common/Compito.h"

#include <QCoreApplication>
#include <QThread>

QThreadPool* NuovoPool(int thread) {
  auto* pool = new QThreadPool;
  pool->setMaxThreadCount(thread);
  return pool;
}

std::shared_ptr<QThreadPool> PoolDelCompito(QThreadPool& pool) {
#ifdef VELISTRA_TSAN
  Q_UNUSED(pool);
  // Deleted on the thread that made it, once the task and its continuation
  // are done with it: its destructor waits for its thread.
  return std::shared_ptr<QThreadPool>(new QThreadPool, [](QThreadPool* proprio) { proprio->deleteLater(); });
#else
  // No owner: the pool itself, without an allocation per task.
  return std::shared_ptr<QThreadPool>(std::shared_ptr<void>(), &pool);
#endif
}

QThreadPool& PoolCompiti() {
  static QThreadPool* pool = NuovoPool(qMax(8, QThread::idealThreadCount()));
  return *pool;
}

bool SulThreadDellApplicazione() {
  const QCoreApplication* app = QCoreApplication::instance();
  return !app || QThread::currentThread() == app->thread();
}

void ControllaThreadGrafico(const char* chiamante) {
  if (!SulThreadDellApplicazione()) qFatal("%s called off the GUI thread", chiamante);
}
