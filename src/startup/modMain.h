#pragma once
#include <QString>
#include <functional>

// What Main needs from the machine: the program folder and how wide the
// primary screen is. Tests hand in their own. The folder is asked for after the
// screen check, since finding it may write the per-user folder.
struct AmbienteAvvio {
  std::function<QString()> cartellaProgramma;
  std::function<int()> larghezzaSchermo;
};

// The desktop's own: the program folder found from the executable's and the
// primary screen.
AmbienteAvvio AmbienteDesktop();

// The start-up sequence. True when a window was opened and the program now
// lives as long as it; false when the program is to end at once.
bool Main(const AmbienteAvvio& ambiente);

// Releases what Main holds for the run (the single-instance lock).
void FineProgramma();
