#include "mainwindow/CopiaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <vector>

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

 private:
  int fd_;
};

bool ScriviTutto(int fd, const char* dati, std::size_t n) {
  for (std::size_t scritti = 0; scritti < n;) {
    const ssize_t k = Disco().scrivi(fd, dati + scritti, n - scritti);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) return false;
    scritti += static_cast<std::size_t>(k);
  }
  return true;
}

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
    scritti += n;
  }
  struct stat info {};
  // A source that changed size under us is not the photo the album lists.
  if (scritti != dimensione || ::fstat(copia, &info) != 0 || info.st_size != dimensione) return false;
  // The disk starts on the copy now and writes it while the next one is made.
  ::sync_file_range(copia, 0, 0, SYNC_FILE_RANGE_WRITE);
  return true;
}

// Replaces destinazione with a checked copy of origine: the copy's descriptor,
// kept open for its flush, or -1 with the partial copy removed.
int CreaCopiaVerificata(const QString& origine, const QString& destinazione) {
  const QByteArray a = QFile::encodeName(destinazione);
  Descrittore sorgente(::open(QFile::encodeName(origine).constData(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (sorgente.fd() < 0 || ::fstat(sorgente.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  ::unlink(a.constData());
  const int copia = ::open(a.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0666);
  if (copia < 0) return -1;
  if (CopiaVerificata(sorgente.fd(), copia, info.st_size)) return copia;
  ::close(copia);
  ::unlink(a.constData());
  return -1;
}

}  // namespace

ChiamateDisco& Disco() {
  static ChiamateDisco chiamate{::write, ::fsync};
  return chiamate;
}

CopieVerificate::~CopieVerificate() {
  if (inSospeso_ >= 0) ::close(inSospeso_);
}

bool CopieVerificate::Copia(const QString& origine, const QString& destinazione) {
  const int copia = CreaCopiaVerificata(origine, destinazione);
  if (copia < 0) {
    nonRiuscita_ = destinazione;
    return false;
  }
  const bool precedente = Sincronizza();
  inSospeso_ = copia;
  destinazioneInSospeso_ = destinazione;
  return precedente;
}

bool CopieVerificate::Concludi() { return Sincronizza(); }

bool CopieVerificate::Sincronizza() {
  if (inSospeso_ < 0) return true;
  const int fd = inSospeso_;
  inSospeso_ = -1;
  const bool sincronizzata = Disco().sincronizza(fd) == 0;
  if (::close(fd) == 0 && sincronizzata) return true;
  ::unlink(QFile::encodeName(destinazioneInSospeso_).constData());
  nonRiuscita_ = destinazioneInSospeso_;
  return false;
}

bool SincronizzaCartella(const QString& cartella) {
  Descrittore fd(::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.fd() < 0) return false;
  // Some file systems have no flush for folders: beyond the files' own
  // flushes there is nothing more to ask of them.
  return Disco().sincronizza(fd.fd()) == 0 || errno == EINVAL;
}
