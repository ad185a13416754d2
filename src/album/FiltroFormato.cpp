#include "album/FiltroFormato.h"

#include <QByteArray>
#include <algorithm>
#include <numeric>
#include <vector>

QList<VoceAlbum> OrdinaPerTitolo(QList<VoceAlbum> voci) {
  // UTF-8 bytes compare as code points do, unlike UTF-16 units beyond U+FFFF.
  std::vector<QByteArray> titoli;
  titoli.reserve(voci.size());
  for (const VoceAlbum& voce : voci) titoli.push_back(voce.titolo.toUtf8());
  std::vector<qsizetype> ordine(voci.size());
  std::iota(ordine.begin(), ordine.end(), 0);
  std::stable_sort(ordine.begin(), ordine.end(), [&](qsizetype a, qsizetype b) { return titoli[a] < titoli[b]; });
  QList<VoceAlbum> ordinate;
  ordinate.reserve(voci.size());
  for (qsizetype i : ordine) ordinate.append(std::move(voci[i]));
  return ordinate;
}
