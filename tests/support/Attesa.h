#pragma once
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

// Lets the test's event loop run (queued calls from workers, their ends)
// until the condition holds; false when the time ran out first.
inline bool AttendiFinche(const std::function<bool()>& condizione, int millisecondi = 20000) {
  QDeadlineTimer scadenza(millisecondi);
  while (!condizione()) {
    if (scadenza.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}
