#include "immagini/MisuraFotoDritta.h"

#include <QFile>
#include <QImageReader>

#include "common/MisuraFoto.h"
#include "immagini/FotoHeif.h"

QSize MisuraFotoDritta(const QString& percorso) {
  QFile file(percorso);
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (FotoHeif::Riconosce(file)) return FotoHeif(file).Misura();
  QImageReader lettore(&file);
  return MisuraDritta(lettore);
}
