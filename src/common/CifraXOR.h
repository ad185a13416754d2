#pragma once
#include <QString>

// Combines every character's Windows-1252 code with the key's, repeating the key;
// its own inverse. An empty text or key gives the text unchanged.
QString CifraXOR(const QString& testo, const QString& chiave);
