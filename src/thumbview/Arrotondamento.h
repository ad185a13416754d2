#pragma once
#include <cmath>

// Rounds to the nearest whole number, a half going to the even neighbour
// (67.5 gives 68, 112.5 gives 112): the pixel arithmetic of the grid relies on it.
inline int Arrotondato(double valore) {
  const double sotto = std::floor(valore);
  const double resto = valore - sotto;
  if (resto > 0.5) return static_cast<int>(sotto) + 1;
  if (resto < 0.5) return static_cast<int>(sotto);
  const int pari = static_cast<int>(sotto);
  return pari % 2 == 0 ? pari : pari + 1;
}
