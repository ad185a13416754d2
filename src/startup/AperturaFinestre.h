#pragma once

#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

// The splash, then, from the event loop once the splash is on screen, the main
// window. True: a window is open, and the program lives as long as the windows.
bool ApriFinestreIniziali(const PercorsiProgramma& percorsi, const DatiServer& server);
