#pragma once
#include <QString>

#include "album/ImprontaFile.h"

// The work copy of a photo in a format the lab does not read: the photo's JPEG
// for the lab, written to copia, which must not exist yet. With impronta the
// original's size and digest are taken, since the duplicate check compares
// the customer's files. On failure nothing is left at copia.
bool CopiaConvertita(const QString& foto, const QString& copia, ImprontaFile* impronta);
