// Test-only child of the crash-safety test: in the program folder given as its
// first argument it rewrites the file of the mode given as its second, with
// the two contents in turn, says "pronto" after the first, and goes on until
// it is killed.
#include <cstdio>

#include "VariantiScrittura.h"

int main(int argc, char** argv) {
  if (argc != 3) return 1;
  const PercorsiProgramma percorsi = PercorsiNellaCartella(QString::fromLocal8Bit(argv[1]));
  const QString modo = QString::fromLocal8Bit(argv[2]);
  if (!kModiScrittura.contains(modo) || !ScriviVariante(percorsi, modo, false)) return 2;
  std::puts("pronto");
  std::fflush(stdout);
  for (bool seconda = true;; seconda = !seconda)
    if (!ScriviVariante(percorsi, modo, seconda)) return 3;
}
