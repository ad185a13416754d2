#include "settings/ValoriProgramma.h"

ValoriProgramma& Programma() {
  static ValoriProgramma valori;
  return valori;
}

void ImpostaProgramma(const PercorsiProgramma& percorsi, const DatiServer& server) {
  static_cast<PercorsiProgramma&>(Programma()) = percorsi;
  static_cast<DatiServer&>(Programma()) = server;
}

const PercorsiProgramma& PercorsiDaProgramma() { return Programma(); }
