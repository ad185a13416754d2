#pragma once

struct PercorsiProgramma;
class QWidget;

// Opens the help: "Velistra.chm" of the program folder with the desktop's
// handler when it is there, else the help page "Velistra.html" shipped with
// the program.
void ApriGuidaInLinea(const PercorsiProgramma& percorsi, QWidget* proprietario);
