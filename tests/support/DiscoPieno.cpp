#include "support/DiscoPieno.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QByteArray>
#include <algorithm>
#include <limits>
#include <QFile>

namespace {

QString FileRiempitivo(const QString& cartella) { return cartella + QStringLiteral(".riempitivo"); }

}  // namespace

DiscoPieno::DiscoPieno(qint64 dimensione) {
  const QByteArray opzioni = "size=" + QByteArray::number(dimensione) + ",mode=0755";
  montato_ = punto_.isValid() &&
             ::mount("tmpfs", QFile::encodeName(punto_.path()).constData(), "tmpfs", 0, opzioni.constData()) == 0;
}

DiscoPieno::~DiscoPieno() {
  if (montato_) ::umount2(QFile::encodeName(punto_.path()).constData(), MNT_DETACH);
}

QString DiscoPieno::percorso() const { return punto_.path() + u'/'; }

void DiscoPieno::Riempi(qint64 lascia) {
  const QByteArray nome = QFile::encodeName(FileRiempitivo(percorso()));
  const int fd = ::open(nome.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  if (fd < 0) return;
  static const QByteArray blocco(1 << 16, '\0');
  struct statvfs stato {};
  qint64 resto = ::fstatvfs(fd, &stato) == 0
                     ? static_cast<qint64>(stato.f_bavail) * static_cast<qint64>(stato.f_bsize) - lascia
                     : 0;
  if (lascia == 0) resto = std::numeric_limits<qint64>::max();
  // Smaller and smaller writes until not even one byte fits (or enough is taken).
  for (qsizetype passo = blocco.size(); passo >= 1 && resto > 0; passo /= 16) {
    ssize_t scritti = 0;
    while (resto > 0 && (scritti = ::write(fd, blocco.constData(),
                                           static_cast<size_t>(std::min<qint64>(passo, resto)))) > 0)
      resto -= scritti;
  }
  ::close(fd);
}

void DiscoPieno::Svuota() { QFile::remove(FileRiempitivo(percorso())); }
