#pragma once
#include <QString>

// The folder that holds the program's files. Portable: the executable's folder,
// when it has Velistra.ini and accepts writes. Otherwise the per-user folder,
// made when missing and given every shipped file that it lacks (a file already
// there is never replaced): from the executable's folder when that has
// Velistra.ini but refuses writes, else from the installed data folder.
QString CartellaDelProgramma(const QString& cartellaEseguibile, const QString& cartellaDati,
                             const QString& cartellaUtente);
