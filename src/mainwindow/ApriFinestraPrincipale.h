#pragma once
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class QWidget;

// Creates the main window, runs its load and shows it, maximised when it was
// at the last close. It deletes itself when it closes.
QWidget* ApriFinestraPrincipale(const PercorsiProgramma& percorsi, const DatiServer& server);
