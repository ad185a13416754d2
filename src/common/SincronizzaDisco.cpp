#include "common/SincronizzaDisco.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace {

// Opens the path, runs the call on it and closes it; false when it cannot be
// opened or the call fails.
bool SuDescrittore(const QString& percorso, int modo, const std::function<int(int)>& chiamata) {
  const int fd = ::open(QFile::encodeName(percorso).constData(), modo | O_CLOEXEC);
  if (fd < 0) return false;
  const bool riuscita = chiamata(fd) == 0;
  ::close(fd);
  return riuscita;
}

}  // namespace

ChiamateDisco& Disco() {
  static ChiamateDisco chiamate{::write, ::fsync};
  return chiamate;
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

bool SincronizzaFile(const QString& file) { return SuDescrittore(file, O_RDONLY, Disco().sincronizza); }

bool SincronizzaCartella(const QString& cartella) {
  // Some file systems have no flush for folders: beyond the files' own
  // flushes there is nothing more to ask of them.
  return SuDescrittore(cartella, O_RDONLY | O_DIRECTORY,
                       [](int fd) { return Disco().sincronizza(fd) == 0 || errno == EINVAL ? 0 : -1; });
}

bool SincronizzaSupporto(const QString& percorso) { return SuDescrittore(percorso, O_RDONLY, ::syncfs); }
