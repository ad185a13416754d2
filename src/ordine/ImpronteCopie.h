#pragma once
#include <QHash>
#include <QString>

#include "album/ImprontaFile.h"

class AlbumVelistra;

// The contents of the album's work copies, to tell a photo already in a
// format. A copy's size is read on first need, its bytes only when another
// photo of that size comes, so copies of other sizes are never read again.
// Not for the GUI thread: a first look at a large format reads files.
class ImpronteCopie {
 public:
  // True when an entry of the format has a copy of that many bytes.
  bool DimensioneNelFormato(const AlbumVelistra& album, const QString& formato, qint64 dimensione);
  // True when an entry of the format has a copy with this content.
  bool NelFormato(const AlbumVelistra& album, const QString& formato, const ImprontaFile& impronta);
  void Registra(const QString& copia, const ImprontaFile& impronta) { note_.insert(copia, impronta); }
  // A copy removed, or a name the work folder may give again.
  void Dimentica(const QString& copia) { note_.remove(copia); }
  void Svuota() { note_.clear(); }

 private:
  ImprontaFile& Nota(const QString& copia);

  // An empty digest: not read yet.
  QHash<QString, ImprontaFile> note_;
};
