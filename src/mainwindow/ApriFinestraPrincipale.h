#pragma once
#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

class OrdineVelistra;
class QWidget;

// Creates the main window, runs its load and shows it, maximised when it was
// at the last close, on the order it is handed. It deletes itself when it
// closes; the order outlives it.
QWidget* ApriFinestraPrincipale(const PercorsiProgramma& percorsi, const DatiServer& server, OrdineVelistra& ordine);
