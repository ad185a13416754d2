#pragma once
#include <sys/types.h>

#include <QString>
#include <cstddef>
#include <functional>

// Copies a file for a medium that is pulled out as soon as we are done (the
// order folder on a USB stick). An existing target is replaced, not followed
// when it is a link. Every block written is read back and compared byte for
// byte with the block read from the source, and the copy's size is compared
// with the source's. The medium starts writing each block at once; only
// SincronizzaFile waits until the copy is there. On failure the partial copy
// is removed.
bool CopiaFileVerificata(const QString& origine, const QString& destinazione);

// Flushes a file's data to the medium.
bool SincronizzaFile(const QString& file);

// Flushes a folder's entries (files created, renamed or removed in it) to the
// medium.
bool SincronizzaCartella(const QString& cartella);

// The system calls through which the verified copies and the folder flushes
// reach the disk; a test replaces them to make one write or flush fail.
struct ChiamateDisco {
  std::function<ssize_t(int fd, const void* dati, std::size_t n)> scrivi;
  std::function<int(int fd)> sincronizza;
};
ChiamateDisco& Disco();
