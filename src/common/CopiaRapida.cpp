#include "common/CopiaRapida.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Descrittore.h"
#include "common/SincronizzaDisco.h"

namespace {

// false when the kernel cannot copy between these files: the caller copies itself.
bool CopiaNelKernel(int da, int a, off_t dimensione, bool& riuscita) {
  off_t copiati = 0;
  while (copiati < dimensione) {
    const ssize_t n = ::copy_file_range(da, nullptr, a, nullptr, static_cast<size_t>(dimensione - copiati), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && copiati == 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL))
      return false;
    // 0 before the end: the file shrank while it was copied.
    if (n <= 0) {
      riuscita = false;
      return true;
    }
    copiati += n;
  }
  riuscita = true;
  return true;
}

bool CopiaAPezzi(int da, int a) {
  char pezzo[1 << 16];
  for (;;) {
    ssize_t letti = ::read(da, pezzo, sizeof pezzo);
    if (letti < 0 && errno == EINTR) continue;
    if (letti <= 0) return letti == 0;
    if (!ScriviTutto(a, pezzo, static_cast<std::size_t>(letti))) return false;
  }
}

}  // namespace

bool CopiaRapida(const QString& origine, const QString& destinazione) {
  Descrittore da(::open(QFile::encodeName(origine).constData(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (da.fd() < 0 || ::fstat(da.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const QByteArray nome = QFile::encodeName(destinazione);
  Descrittore a(::open(nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0666));
  if (a.fd() < 0) return false;
  bool riuscita = false;
  if (!CopiaNelKernel(da.fd(), a.fd(), info.st_size, riuscita)) riuscita = CopiaAPezzi(da.fd(), a.fd());
  if (a.Chiudi() && riuscita) return true;
  ::unlink(nome.constData());
  return false;
}
