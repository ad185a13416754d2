#include "album/IndiceVoci.h"

#include <algorithm>

namespace {

bool Prima(const PostoVoce& a, const PostoVoce& b) {
  return a.formato != b.formato ? a.formato < b.formato : a.chiave < b.chiave;
}

}  // namespace

void IndiceVoci::Aggiungi(const QString& copia, PostoVoce posto) {
  QList<PostoVoce>& posti = posti_[copia];
  posti.insert(std::upper_bound(posti.cbegin(), posti.cend(), posto, Prima), posto);
}

void IndiceVoci::Rimuovi(const QString& copia, PostoVoce posto) {
  auto posti = posti_.find(copia);
  if (posti == posti_.end()) return;
  posti->removeOne(posto);
  if (posti->isEmpty()) posti_.erase(posti);
}
