#pragma once
#include <QString>

// The folder that holds the program's files. Portable: the executable's folder,
// when it has Velistra.ini and accepts writes. Installed: otherwise the per-user
// folder, made when missing and given every shipped file of the data folder that
// it lacks (a file already there is never replaced).
QString CartellaDelProgramma(const QString& cartellaEseguibile, const QString& cartellaDati,
                             const QString& cartellaUtente);
