#include "ordine/ImpronteCopie.h"

#include <QFileInfo>

#include "album/AlbumVelistra.h"

ImprontaFile& ImpronteCopie::Nota(const QString& copia) {
  auto nota = note_.find(copia);
  if (nota == note_.end()) {
    const QFileInfo file(copia);
    nota = note_.insert(copia, {file.exists() ? file.size() : -1, {}});
  }
  return *nota;
}

bool ImpronteCopie::DimensioneNelFormato(const AlbumVelistra& album, const QString& formato, qint64 dimensione) {
  for (const QString& copia : album.CopieDelFormato(formato))
    if (Nota(copia).dimensione == dimensione) return true;
  return false;
}

bool ImpronteCopie::NelFormato(const AlbumVelistra& album, const QString& formato, const ImprontaFile& impronta) {
  for (const QString& copia : album.CopieDelFormato(formato)) {
    ImprontaFile& nota = Nota(copia);
    if (nota.dimensione != impronta.dimensione) continue;
    if (nota.md5.isEmpty()) {
      const auto letta = LeggiImpronta(copia);
      if (!letta) continue;
      nota = *letta;
    }
    if (nota == impronta) return true;
  }
  return false;
}
