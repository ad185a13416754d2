#include "ordine/CopiaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

#include "common/Descrittore.h"
#include "common/SincronizzaDisco.h"

namespace {

constexpr std::size_t kBlocco = 1 << 20;

// True when the copy holds exactly these bytes at that offset, as the file
// system returns them.
bool CopiaUguale(int copia, const char* dati, std::size_t n, off_t offset, std::vector<char>& riletti) {
  for (std::size_t letti = 0; letti < n;) {
    const ssize_t k = ::pread(copia, riletti.data() + letti, n - letti, offset + static_cast<off_t>(letti));
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return false;
    letti += static_cast<std::size_t>(k);
  }
  return std::memcmp(riletti.data(), dati, n) == 0;
}

bool CopiaVerificata(int origine, int copia, off_t dimensione) {
  std::vector<char> letti(kBlocco);
  std::vector<char> riletti(kBlocco);
  off_t scritti = 0;
  for (;;) {
    const ssize_t n = ::read(origine, letti.data(), letti.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    const auto byte = static_cast<std::size_t>(n);
    if (!ScriviTutto(copia, letti.data(), byte) || !CopiaUguale(copia, letti.data(), byte, scritti, riletti))
      return false;
    // The medium starts writing this block now, while we read the next one:
    // the flush at the end then waits only for the last blocks.
    ::sync_file_range(copia, scritti, n, SYNC_FILE_RANGE_WRITE);
    scritti += n;
  }
  struct stat info {};
  // A source that changed size under us is not the photo the album lists.
  return scritti == dimensione && ::fstat(copia, &info) == 0 && info.st_size == dimensione;
}

}  // namespace

bool CopiaFileVerificata(const QString& origine, const QString& destinazione) {
  const QByteArray a = QFile::encodeName(destinazione);
  Descrittore sorgente(::open(QFile::encodeName(origine).constData(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (sorgente.fd() < 0 || ::fstat(sorgente.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  ::unlink(a.constData());
  Descrittore copia(::open(a.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0666));
  if (copia.fd() < 0) return false;
  const bool scritta = CopiaVerificata(sorgente.fd(), copia.fd(), info.st_size);
  if (copia.Chiudi() && scritta) return true;
  ::unlink(a.constData());
  return false;
}
