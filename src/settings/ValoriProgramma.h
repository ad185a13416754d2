#pragma once
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

// Compatibility accessor for the windows that do not yet receive the paths and
// the server values through their constructors. To be removed with its last reader.
struct ValoriProgramma : PercorsiProgramma, DatiServer {};

// The values Main fixed for the run.
ValoriProgramma& Programma();

// What Main built, made visible through Programma().
void ImpostaProgramma(const PercorsiProgramma& percorsi, const DatiServer& server);

// The paths part of Programma(), for constructors that take them.
const PercorsiProgramma& PercorsiDaProgramma();
