#pragma once
#include <QHash>
#include <QString>

#include "album/ImprontaFile.h"

// What is known of the contents of the album's work copies, to tell a photo
// already in a format. Only tasks read files: they are handed what is known
// and hand back what they read, so a copy's size is read once and its bytes
// only when a photo of that size comes.
class ImpronteCopie {
 public:
  // Handed to a task as it is: shared, not copied, while neither writes it.
  const QHash<QString, ImprontaFile>& Note() const { return note_; }
  void Registra(const QString& copia, const ImprontaFile& impronta) { note_.insert(copia, impronta); }
  void Registra(const QHash<QString, ImprontaFile>& lette) { note_.insert(lette); }
  // A copy removed, or a name the work folder may give again.
  void Dimentica(const QString& copia) { note_.remove(copia); }
  void Svuota() { note_.clear(); }

 private:
  QHash<QString, ImprontaFile> note_;
};
