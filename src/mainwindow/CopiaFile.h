#pragma once
#include <sys/types.h>

#include <QString>
#include <cstddef>
#include <functional>

// Copies for a medium that is pulled out as soon as we are done (the order
// folder on a USB stick). An existing target is replaced, not followed when it
// is a link. Every block written is read back and compared byte for byte with
// the block read from the source, the copy's size is compared with the
// source's, and the copy is flushed to the medium. A copy's flush is waited for
// after the next copy is made, so that the disk writes one file while we copy
// the next.
class CopieVerificate {
 public:
  CopieVerificate() = default;
  // A flush not waited for is left to the system.
  ~CopieVerificate();
  CopieVerificate(const CopieVerificate&) = delete;
  CopieVerificate& operator=(const CopieVerificate&) = delete;

  // Makes and checks the copy, then waits for the previous copy's flush. False
  // when either failed; NonRiuscita() names the copy that failed, which is
  // removed.
  bool Copia(const QString& origine, const QString& destinazione);
  // Waits for the last copy's flush; false as for Copia.
  bool Concludi();
  const QString& NonRiuscita() const { return nonRiuscita_; }

 private:
  bool Sincronizza();

  int inSospeso_ = -1;  // the last copy, not yet flushed
  QString destinazioneInSospeso_;
  QString nonRiuscita_;
};

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
