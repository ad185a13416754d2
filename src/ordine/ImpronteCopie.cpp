#include "ordine/ImpronteCopie.h"

QHash<QString, ImprontaFile> ImpronteCopie::Note(const QStringList& copie) const {
  QHash<QString, ImprontaFile> note;
  for (const QString& copia : copie) {
    const auto nota = note_.constFind(copia);
    if (nota != note_.cend()) note.insert(copia, *nota);
  }
  return note;
}
