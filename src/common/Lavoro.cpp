#include "common/Lavoro.h"

void AvviaLavoro(QObject* contesto, std::function<void()> lavoro, std::function<void()> fine) {
  QThread* thread = QThread::create(std::move(lavoro));
  QObject::connect(thread, &QThread::finished, contesto, std::move(fine));
  QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  thread->start();
}
