#pragma once
#include <sys/types.h>

#include <QString>
#include <cstddef>
#include <functional>

// Flushes to the medium, for files that must survive a medium pulled out or a
// power cut as soon as we are done.

// Flushes a file's data and its own record (size, links) to the medium.
bool SincronizzaFile(const QString& file);

// Flushes a folder's entries (files created, renamed or removed in it) to the
// medium.
bool SincronizzaCartella(const QString& cartella);

// Flushes everything of the file system that holds the path, including its own
// records of the space in use, which no file or folder flush writes on a file
// system without a journal.
bool SincronizzaSupporto(const QString& percorso);

// The system calls through which copies and flushes reach the disk; a test
// replaces them to make one write or flush fail.
struct ChiamateDisco {
  std::function<ssize_t(int fd, const void* dati, std::size_t n)> scrivi;
  std::function<int(int fd)> sincronizza;
};
ChiamateDisco& Disco();

// Writes all n bytes through Disco().scrivi, past interruptions and short writes.
bool ScriviTutto(int fd, const char* dati, std::size_t n);
