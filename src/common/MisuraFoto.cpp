#include "common/MisuraFoto.h"

#include <QImageIOHandler>
#include <QImageReader>

QSize MisuraDritta(QImageReader& lettore) {
  lettore.setAutoTransform(true);
  const QSize salvata = lettore.size();
  if (!salvata.isValid() || salvata.isEmpty()) return {};
  return lettore.transformation().testFlag(QImageIOHandler::TransformationRotate90) ? salvata.transposed()
                                                                                   : salvata;
}
