#include "mainwindow/ElencoFoto.h"

#include <QDir>

#include "immagini/EstensioniFoto.h"

QStringList ElencoFotoCartella(const QString& cartella) {
  // An empty name would list the working directory.
  if (cartella.isEmpty()) return {};
  QDir dir(cartella);
  dir.setNameFilters(FiltriNomiFoto());
  // Without QDir::CaseSensitive the name filters ignore letter case.
  dir.setFilter(QDir::Files | QDir::Readable);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  return dir.entryList();
}
