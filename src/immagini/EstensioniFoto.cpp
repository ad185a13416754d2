#include "immagini/EstensioniFoto.h"

#include <QFileInfo>

namespace {
const QStringList kDelLaboratorio = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                     QStringLiteral("tif"), QStringLiteral("tiff")};
const QStringList kDaConvertire = {QStringLiteral("heic"), QStringLiteral("heif"), QStringLiteral("hif"),
                                   QStringLiteral("avif"), QStringLiteral("webp")};

QString Estensione(const QString& nome) { return QFileInfo(nome).suffix().toLower(); }
}  // namespace

QStringList FiltriNomiFoto() {
  QStringList filtri;
  for (const QStringList* elenco : {&kDelLaboratorio, &kDaConvertire})
    for (const QString& estensione : *elenco) filtri.append(QStringLiteral("*.") + estensione);
  return filtri;
}

bool DaConvertirePerLaboratorio(const QString& nome) { return kDaConvertire.contains(Estensione(nome)); }
