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

using Blocco = std::function<bool(const char* dati, std::size_t n)>;

// Reads from the current offset to the end, handing each block on; false on a
// read error or when the block was refused.
bool LeggiTutto(int fd, std::vector<char>& buffer, const Blocco& blocco) {
  for (;;) {
    const ssize_t letti = ::read(fd, buffer.data(), buffer.size());
    if (letti == 0) return true;
    if (letti < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!blocco(buffer.data(), static_cast<std::size_t>(letti))) return false;
  }
}

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

// Through a buffer, where the kernel cannot copy between the two file systems.
bool CopiaConBuffer(int origine, int destinazione) {
  std::vector<char> buffer(kBlocco);
  return LeggiTutto(origine, buffer,
                    [destinazione](const char* dati, std::size_t n) { return ScriviTutto(destinazione, dati, n); });
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

// The flush is left to the caller.
bool CopiaVerificata(int origine, int copia, off_t dimensione) {
  std::vector<char> buffer(kBlocco);
  std::vector<char> riletti(kBlocco);
  off_t scritti = 0;
  const bool copiato = LeggiTutto(origine, buffer, [&](const char* dati, std::size_t n) {
    if (!ScriviTutto(copia, dati, n) || !CopiaUguale(copia, dati, n, scritti, riletti)) return false;
    scritti += static_cast<off_t>(n);
    return true;
  });
  struct stat info {};
  // A source that changed size under us is not the photo the album lists.
  if (!copiato || scritti != dimensione || ::fstat(copia, &info) != 0 || info.st_size != dimensione) return false;
  // The disk starts on the copy now and writes it while the next one is made.
  ::sync_file_range(copia, 0, 0, SYNC_FILE_RANGE_WRITE);
  return true;
}

// Replaces destinazione with a new file that dati fills from the open source;
// the partial copy is removed when anything failed.
bool CreaCopia(const QString& origine, const QString& destinazione,
               const std::function<bool(int sorgente, int copia, off_t dimensione)>& dati) {
  const QByteArray da = QFile::encodeName(origine);
  const QByteArray a = QFile::encodeName(destinazione);
  Descrittore sorgente(::open(da.constData(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (sorgente.fd() < 0 || ::fstat(sorgente.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  ::unlink(a.constData());
  Descrittore copia(::open(a.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0666));
  if (copia.fd() < 0) return false;
  const bool copiato = dati(sorgente.fd(), copia.fd(), info.st_size);
  if (copia.Chiudi() && copiato) return true;
  ::unlink(a.constData());
  return false;
}

}  // namespace

ChiamateDisco& Disco() {
  static ChiamateDisco chiamate{::write, ::fsync};
  return chiamate;
}

bool CopiaFile(const QString& origine, const QString& destinazione) {
  return CreaCopia(origine, destinazione, [](int sorgente, int copia, off_t) { return CopiaDati(sorgente, copia); });
}

CopieVerificate::~CopieVerificate() {
  if (inSospeso_ >= 0) ::close(inSospeso_);
}

bool CopieVerificate::Copia(const QString& origine, const QString& destinazione) {
  int copiata = -1;
  const bool riuscita = CreaCopia(origine, destinazione, [&copiata](int sorgente, int copia, off_t dimensione) {
    // Kept open for its flush after the next copy.
    return CopiaVerificata(sorgente, copia, dimensione) && (copiata = ::dup(copia)) >= 0;
  });
  if (!riuscita) {
    if (copiata >= 0) ::close(copiata);
    nonRiuscita_ = destinazione;
    return false;
  }
  const bool precedente = Sincronizza();
  inSospeso_ = copiata;
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
