#pragma once
#include <QString>

// Writes the order text for the lab's printing station: Windows-1252 bytes,
// followed by one more CR LF, replacing the file atomically.
bool ScriviTestoOrdine(const QString& percorso, const QString& testo);
