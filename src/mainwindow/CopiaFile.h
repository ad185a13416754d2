#pragma once
#include <QString>

// Copies a file as cp does: the data moves inside the kernel where it can and
// is left to the system's write-back, with no flush per file, so that hundreds
// of large photos copy at the disk's pace. An existing target is replaced. On
// failure (a full or read-only disk, a vanished folder) the partial copy is
// removed and false returned.
bool CopiaFile(const QString& origine, const QString& destinazione);
