#pragma once

#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class OrdineVelistra;

// The splash, then, from the event loop once the splash is on screen, the main
// window on the order. True: a window is open, and the program lives as long
// as the windows.
bool ApriFinestreIniziali(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine);
