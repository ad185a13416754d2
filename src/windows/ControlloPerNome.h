#pragma once
#include <QString>

#include "settings/PercorsiProgramma.h"

class QWidget;

// Creates a control of the Kelmora library by its registered name, for example
// "Kelmora.KvSeparatore": the component registry names the library, which is
// loaded and asked for a new control. When the name is not registered, or its
// library cannot give the control, the library beside the program is tried.
// When both fail a message says so and the result is nullptr. The control is
// a child of genitore and has the defaults of a newly placed control; its
// properties are reached by name (setProperty("Caption", ...)).
QWidget* CreaControlloPerNome(const QString& nome, const PercorsiProgramma& percorsi,
                              QWidget* genitore);
