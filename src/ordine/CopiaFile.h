#pragma once
#include <QString>

// Copies a file for a medium that is pulled out as soon as we are done (the
// order folder on a USB stick). An existing target is replaced, not followed
// when it is a link. Every block written is read back and compared byte for
// byte with the block read from the source, and the copy's size is compared
// with the source's. The medium starts writing each block at once; only
// SincronizzaFile waits until the copy is there. On failure the partial copy
// is removed.
bool CopiaFileVerificata(const QString& origine, const QString& destinazione);
