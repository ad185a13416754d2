#pragma once
#include <QList>
#include <functional>
#include <utility>

// The reloads of one view. A request that comes while the thumbnails of an
// earlier one are being added waits for it (the caller may stop adding them);
// what was to follow each request runs once, after the last reload.
class RicaricaVista {
 public:
  // Notes what follows the request; false when it has to wait.
  bool Accetta(std::function<void()> poi) {
    if (poi) poi_.append(std::move(poi));
    if (miniature_) pendente_ = true;
    return !miniature_;
  }
  void IniziaMiniature() { miniature_ = true; }
  // A request waits: the thumbnails under way are no longer wanted.
  bool Pendente() const { return pendente_; }
  // The thumbnails are in. True when a request waits and is to start now;
  // otherwise poi gets what is to follow.
  bool FinisciMiniature(QList<std::function<void()>>& poi) {
    miniature_ = false;
    if (std::exchange(pendente_, false)) return true;
    poi = std::exchange(poi_, {});
    return false;
  }

 private:
  bool miniature_ = false;
  bool pendente_ = false;
  QList<std::function<void()>> poi_;
};
