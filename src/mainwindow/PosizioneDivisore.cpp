#include "mainwindow/PosizioneDivisore.h"

#include <algorithm>

#include "mainwindow/DivisoreTrascinabile.h"

namespace {

constexpr int kSpazio = 2;
constexpr int kColonnaSinistraLarga = 250;
constexpr int kColonnaSinistraStretta = 190;
constexpr int kFinestraLarga = 1280;

}  // namespace

int PosizioneDivisore(const MisureColonne& m, int larghezzaFinestra, int salvata) {
  const int minima = std::max(DivisoreTrascinabile::kSinistraMinima, m.inizioCentrale + kSpazio + m.minimoCentrale);
  const int massima = larghezzaFinestra - 2 * kSpazio - m.larghezzaDivisore - m.minimoDestra;
  if (minima > massima) return std::max(DivisoreTrascinabile::kSinistraMinima, massima);
  return std::clamp(salvata, minima, massima);
}

int LarghezzaColonnaSinistra(int larghezzaFinestra) {
  return larghezzaFinestra < kFinestraLarga ? kColonnaSinistraStretta : kColonnaSinistraLarga;
}
