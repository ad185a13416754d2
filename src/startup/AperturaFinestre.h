#pragma once

#include "settings/PercorsiProgramma.h"

// Main's steps 11 to 13: the splash, then the main window. True when a window
// is open, and the program lives as long as it.
bool ApriFinestreIniziali(const PercorsiProgramma& percorsi);
