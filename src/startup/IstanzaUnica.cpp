#include "startup/IstanzaUnica.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

IstanzaUnica::~IstanzaUnica() { Rilascia(); }

bool IstanzaUnica::Acquisisci(const QString& percorsoBloccato) {
  Rilascia();
  const QByteArray percorso = percorsoBloccato.toLocal8Bit();
  descrittore_ = ::open(percorso.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descrittore_ < 0) return true;
  if (::flock(descrittore_, LOCK_EX | LOCK_NB) == 0) return true;
  const bool occupato = errno == EWOULDBLOCK;
  ::close(descrittore_);
  descrittore_ = -1;
  return !occupato;
}

void IstanzaUnica::Rilascia() {
  if (descrittore_ < 0) return;
  ::flock(descrittore_, LOCK_UN);
  ::close(descrittore_);
  descrittore_ = -1;
}
