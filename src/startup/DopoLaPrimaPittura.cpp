#include "startup/DopoLaPrimaPittura.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace {

constexpr int kAttesaMassimaMs = 300;

class AttesaPittura : public QObject {
 public:
  AttesaPittura(QWidget* finestra, std::function<void()> poi) : poi_(std::move(poi)) {
    finestra->installEventFilter(this);
    QTimer::singleShot(kAttesaMassimaMs, this, [this] { Prosegui(); });
  }

  bool eventFilter(QObject*, QEvent* evento) override {
    // Queued, so that the paint is finished and flushed to the screen first.
    if (evento->type() == QEvent::Paint)
      QMetaObject::invokeMethod(this, [this] { Prosegui(); }, Qt::QueuedConnection);
    return false;
  }

 private:
  void Prosegui() {
    if (!poi_) return;
    const std::function<void()> poi = std::exchange(poi_, nullptr);
    deleteLater();
    poi();
  }

  std::function<void()> poi_;
};

}  // namespace

void DopoLaPrimaPittura(QWidget* finestra, std::function<void()> poi) {
  new AttesaPittura(finestra, std::move(poi));
}
