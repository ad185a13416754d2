#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "settings/PercorsiProgramma.h"

// What every fuzz target shares: one Qt application object, the Italian locale,
// and a temporary program folder holding the installed data files.
void PreparaAmbienteFuzz();

// The temporary program folder; ends in "/".
QString CartellaFuzz();
PercorsiProgramma PercorsiFuzz();

QByteArray ByteFuzz(const std::uint8_t* dati, std::size_t quanti);
void ScriviFileFuzz(const QString& percorso, const QByteArray& contenuto);

// A broken promise of the code under test: reported, then abort(), which the
// fuzzer and the corpus replay both count as a crash.
[[noreturn]] void FallimentoFuzz(const char* condizione, const char* file, int riga);
#define VERIFICA_FUZZ(condizione) \
  ((condizione) ? void() : FallimentoFuzz(#condizione, __FILE__, __LINE__))
