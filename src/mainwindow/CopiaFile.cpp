#include "mainwindow/CopiaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace {

// A file descriptor closed at the end of its scope.
class Descrittore {
 public:
  explicit Descrittore(int fd) : fd_(fd) {}
  ~Descrittore() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descrittore(const Descrittore&) = delete;
  Descrittore& operator=(const Descrittore&) = delete;
  int fd() const { return fd_; }
  // Closes now; a write error that only shows at close (some removable and
  // network file systems) makes it false.
  bool Chiudi() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Through a buffer, where the kernel cannot copy between the two file systems.
bool CopiaConBuffer(int origine, int destinazione) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t letti = ::read(origine, buffer, sizeof buffer);
    if (letti == 0) return true;
    if (letti < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t scritti = 0; scritti < letti;) {
      const ssize_t n = ::write(destinazione, buffer + scritti, static_cast<size_t>(letti - scritti));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      scritti += n;
    }
  }
}

bool CopiaDati(int origine, int destinazione) {
  bool copiatoQualcosa = false;
  for (;;) {
    const ssize_t n = ::copy_file_range(origine, nullptr, destinazione, nullptr, 1 << 30, 0);
    if (n == 0) return true;
    if (n > 0) {
      copiatoQualcosa = true;
      continue;
    }
    if (errno == EINTR) continue;
    const bool nonSupportato = errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL;
    if (!nonSupportato || copiatoQualcosa) return false;
    return CopiaConBuffer(origine, destinazione);
  }
}

}  // namespace

bool CopiaFile(const QString& origine, const QString& destinazione) {
  const QByteArray da = QFile::encodeName(origine);
  const QByteArray a = QFile::encodeName(destinazione);
  Descrittore sorgente(::open(da.constData(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (sorgente.fd() < 0 || ::fstat(sorgente.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  ::unlink(a.constData());
  Descrittore copia(::open(a.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0666));
  if (copia.fd() < 0) return false;
  const bool copiato = CopiaDati(sorgente.fd(), copia.fd());
  if (copia.Chiudi() && copiato) return true;
  ::unlink(a.constData());
  return false;
}
