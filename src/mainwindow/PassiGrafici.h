#pragma once
#include <algorithm>
#include <functional>

#include "ordine/OperazioneAPassi.h"

// Work on the GUI thread alone (thumbnails added to a view), one item a step
// so that CicloOperazione lets the event loop run between items.
class PassiGrafici final : public OperazioneAPassi {
 public:
  // passo(k) for k = 1 to n; false from it ends the work there.
  PassiGrafici(int n, std::function<bool(int k)> passo) : n_(n), passo_(std::move(passo)) {}

  QFuture<PassoOperazione> Avanza(QObject*) override {
    const bool avanti = ++k_ <= n_ && passo_(k_);
    PassoOperazione passo;
    passo.fatti = std::min(k_, n_);
    passo.totale = n_;
    passo.ultimo = !avanti || k_ >= n_;
    return QtFuture::makeReadyFuture(passo);
  }
  void Interrompi() override {}

 private:
  const int n_;
  const std::function<bool(int)> passo_;
  int k_ = 0;
};
