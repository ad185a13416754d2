#include "controls/ContatoreModulo.h"

#include <atomic>

namespace {
std::atomic<int> gRiferimenti{0};
}

void KvAggiungiRiferimento() { ++gRiferimenti; }
void KvRilasciaRiferimento() { --gRiferimenti; }
int KvRiferimentiVivi() { return gRiferimenti.load(); }
