#include "common/ScritturaAtomica.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <unistd.h>

bool ScriviFileAtomico(const QString& percorso, const QByteArray& contenuto) {
  QSaveFile file(percorso);
  // Without this Qt falls back to writing the target in place when the folder
  // does not allow a temporary file, which is exactly what must never happen.
  file.setDirectWriteFallback(false);
  // Unbuffered, and flushed to disk here: a buffered write that fails when the
  // file is closed (a full disk) goes unnoticed by commit(), which would then
  // rename a truncated file over the good one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  if (file.write(contenuto) != contenuto.size() || !file.flush() || ::fsync(file.handle()) != 0) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void RimuoviAvanziScritturaAtomica(const QString& percorso) {
  const QFileInfo info(percorso);
  QDir cartella = info.absoluteDir();
  // QSaveFile writes to "<name>.XXXXXX" beside the target.
  const QStringList avanzi =
      cartella.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
  for (const QString& nome : avanzi) cartella.remove(nome);
}
