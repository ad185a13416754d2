#pragma once
#include <QObject>
#include <functional>

#include "common/Compito.h"

// Work of which only the latest request counts: each request runs as a task
// (AvviaCompito), and its result reaches fine on the GUI thread only if no
// newer request was made meanwhile. Kept by the object passed as contesto.
class LavoroPiuRecente {
 public:
  template <class T>
  void Avvia(QObject* contesto, std::function<T()> lavoro, std::function<void(T)> fine) {
    const quint64 numero = ++ultima_;
    AvviaCompito(contesto, std::move(lavoro), [this, numero, fine = std::move(fine)](T risultato) {
      if (numero == ultima_) fine(std::move(risultato));
    });
  }
  // Drops the result of the request under way, if any.
  void Annulla() { ++ultima_; }

 private:
  quint64 ultima_ = 0;
};
