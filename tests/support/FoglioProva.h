#pragma once
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>

#include "common/ScritturaAtomica.h"
#include "ordine/FoglioCliente.h"

// The customer sheet of the tests of the model and the layers above it: fixed
// lines, and a small white JPEG saved atomically as the window's sheet is; it
// keeps the text it was given.
class FoglioProva final : public FoglioCliente {
 public:
  QString getDatiUtente() const override { return QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1"); }
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override {
    this->testo = testo;
    QImage foglio(64, 48, QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    return foglio.save(&buffer, "JPEG") && ScriviFileAtomico(percorso, byte);
  }

  QString testo;
};
