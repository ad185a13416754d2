#pragma once
#include <QDateTime>
#include <QString>

#include "settings/PercorsiProgramma.h"

// The about window's version line: "1.0.19 (" + last change of the program
// file + ")". The date follows the given format (a Qt date-time pattern from
// the language file) or, when that is empty, the general date format: the
// locale's short date and its time with seconds. Without a date only the
// version is shown.
QString TestoVersione(const QString& versione, const QDateTime& ultimaModifica,
                      const QString& formatoData);

// The last change of the running program's file; invalid when it cannot be read.
QDateTime UltimaModificaProgramma();

// The line for this program: its version, the last change of its file and the
// language file's format (key "0000").
QString TestoVersioneProgramma(const PercorsiProgramma& percorsi);
