#include "controls/KvSuperficie.h"

#include <QPainter>

#include "controls/ColoreOle.h"
#include "controls/ContatoreModulo.h"

KvSuperficie::KvSuperficie(QWidget* genitore) : QWidget(genitore) {
  KvAggiungiRiferimento();
}

KvSuperficie::~KvSuperficie() { KvRilasciaRiferimento(); }

void KvSuperficie::setBackStyle(qint16 valore) {
  backStyle_ = valore == 0 ? 0 : 1;
  update();
}

void KvSuperficie::ImpostaBorderStyle(qint16 valore) {
  borderStyle_ = valore == 0 ? 0 : 1;
  update();
}

quintptr KvSuperficie::hWnd() { return static_cast<quintptr>(winId()); }

void KvSuperficie::Refresh() { repaint(); }

QColor KvSuperficie::ColoreSuperficie() const { return ColoreDaOle(kOleFacciaPulsante, palette()); }

void KvSuperficie::DisegnaSuperficie(QPainter& pittore) const {
  if (backStyle_ == 1) pittore.fillRect(rect(), ColoreSuperficie());
  if (borderStyle_ == 1) {
    pittore.setPen(QPen(Qt::black, 0));
    pittore.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void KvSuperficie::paintEvent(QPaintEvent*) {
  QPainter pittore(this);
  DisegnaSuperficie(pittore);
}
