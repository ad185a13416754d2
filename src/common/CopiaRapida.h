#pragma once
#include <QString>

// Copies a file to a new one, inside the kernel where the file systems allow
// it (as cp does), else through user space. Fails when the target exists; a
// partial copy is removed. The copy's data is not flushed here.
bool CopiaRapida(const QString& origine, const QString& destinazione);
