#include "mainwindow/ElencoFoto.h"

#include <QDir>

QStringList ElencoFotoCartella(const QString& cartella) {
  // An empty name would list the working directory.
  if (cartella.isEmpty()) return {};
  QDir dir(cartella);
  dir.setNameFilters({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.png"),
                      QStringLiteral("*.tiff")});
  // Without QDir::CaseSensitive the name filters ignore letter case.
  dir.setFilter(QDir::Files | QDir::Readable);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  return dir.entryList();
}
