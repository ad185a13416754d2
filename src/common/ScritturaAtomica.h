#pragma once
#include <QByteArray>
#include <QString>

// Who may read a file that a write creates. A file that exists keeps its own
// modes (a portable folder stays as its owner set it).
enum class LettoriNuovoFile {
  Predefiniti,  // as the umask allows
  SoloUtente,   // 0600: settings, album, history
};

// Replaces the file with the given bytes atomically: a temporary file in the same
// folder is written, flushed to disk and renamed over the old one; then the file
// under its name and the folder are flushed, so that the new file is on the
// medium when this returns true. When the write fails the old file is left whole;
// false also when the new file could not be flushed under its name.
bool ScriviFileAtomico(const QString& percorso, const QByteArray& contenuto,
                       LettoriNuovoFile lettori = LettoriNuovoFile::Predefiniti);

// Removes the temporary files that an interrupted atomic write may leave beside
// the given file (the temporary names are derived from the target's name).
void RimuoviAvanziScritturaAtomica(const QString& percorso);
