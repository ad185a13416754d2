#pragma once
#include <QObject>
#include <functional>
#include <memory>

#include "common/Lavoro.h"

// Work of which only the latest request counts: each request runs on a worker
// (AvviaLavoro), and its result reaches fine on the GUI thread only if no newer
// request was made meanwhile. Kept by the object passed as contesto.
class LavoroPiuRecente {
 public:
  template <class T>
  void Avvia(QObject* contesto, std::function<T()> lavoro, std::function<void(T)> fine) {
    const quint64 numero = ++ultima_;
    auto risultato = std::make_shared<T>();
    AvviaLavoro(
        contesto, [lavoro = std::move(lavoro), risultato] { *risultato = lavoro(); },
        [this, numero, risultato, fine = std::move(fine)] {
          if (numero == ultima_) fine(std::move(*risultato));
        });
  }
  // Drops the result of the request under way, if any.
  void Annulla() { ++ultima_; }

 private:
  quint64 ultima_ = 0;
};
