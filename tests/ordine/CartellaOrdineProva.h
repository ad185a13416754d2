#pragma once
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

#include "common/ScritturaAtomica.h"
#include "ordine/FoglioCliente.h"

// What the order-folder tests hand to ScriviCartellaOrdine.

// The customer sheet: a small white JPEG saved atomically, as the
// window's sheet is; it keeps the text and the bytes it wrote.
class FoglioProva final : public FoglioCliente {
 public:
  QString getDatiUtente() const override { return QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1"); }
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override {
    testoFoglio = testo;
    QImage foglio(64, 48, QImage::Format_RGB32);
    foglio.fill(Qt::white);
    byteFoglio.clear();
    QBuffer buffer(&byteFoglio);
    buffer.open(QIODevice::WriteOnly);
    return foglio.save(&buffer, "JPEG") && ScriviFileAtomico(percorso, byteFoglio);
  }
  QString testoFoglio;
  QByteArray byteFoglio;
};

// Runs every step, as a user who never clicks "Annulla".
inline bool SenzaInterruzioni(int n, const std::function<bool(int)>& passo) {
  for (int k = 1; k <= n && passo(k); ++k) {
  }
  return true;
}
