#include "common/Compito.h"

#include <QCoreApplication>
#include <QThread>

QThreadPool& PoolCompiti() {
  static QThreadPool* pool = [] {
    auto* nuovo = new QThreadPool;
    nuovo->setMaxThreadCount(qMax(8, QThread::idealThreadCount()));
    return nuovo;
  }();
  return *pool;
}

bool SulThreadDellApplicazione() {
  const QCoreApplication* app = QCoreApplication::instance();
  return !app || QThread::currentThread() == app->thread();
}

void ControllaThreadGrafico(const char* chiamante) {
  if (!SulThreadDellApplicazione()) qFatal("%s called off the GUI thread", chiamante);
}
