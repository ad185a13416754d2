#include "common/ScritturaAtomica.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

#include "common/SincronizzaDisco.h"

bool ScriviFileAtomico(const QString& percorso, const QByteArray& contenuto, LettoriNuovoFile lettori) {
  const bool nuovo = !QFileInfo::exists(percorso);
  QSaveFile file(percorso);
  // Without this Qt falls back to writing the target in place when the folder
  // does not allow a temporary file, which is exactly what must never happen.
  file.setDirectWriteFallback(false);
  // Unbuffered, and flushed to disk here: a buffered write that fails when the
  // file is closed (a full disk) goes unnoticed by commit(), which would then
  // rename a truncated file over the good one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // QSaveFile gives the temporary file an existing target's modes, else 0666
  // less the umask: a private new file is narrowed before a byte is written.
  if (nuovo && lettori == LettoriNuovoFile::SoloUtente && ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
    file.cancelWriting();
    return false;
  }
  if (file.write(contenuto) != contenuto.size() || !file.flush() || ::fsync(file.handle()) != 0) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) return false;
  // Where the file system allows it, the file was written unnamed and got its
  // name only at the commit: the link that the name adds to the file reaches
  // the medium with the file's own flush, the name with the folder's.
  return SincronizzaFile(percorso) && SincronizzaCartella(QFileInfo(percorso).absolutePath());
}

void RimuoviAvanziScritturaAtomica(const QString& percorso) {
  const QFileInfo info(percorso);
  QDir cartella = info.absoluteDir();
  // QSaveFile writes to "<name>.XXXXXX" beside the target.
  const QStringList avanzi =
      cartella.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
  for (const QString& nome : avanzi) cartella.remove(nome);
}
