#pragma once
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

#include "common/ScritturaAtomica.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "support/SvolgiOperazione.h"

// What the order-folder tests hand to ScriviCartellaOrdine, and its run.

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

// The order folder written to its end.
inline RisultatoCartella ScriviCartella(OrdineVelistra& ordine, const QString& cartella, FoglioCliente& foglio) {
  const std::unique_ptr<OperazioneCartella> scrittura = ordine.ScriviCartellaOrdine(cartella, foglio);
  Svolgi(*scrittura);
  return scrittura->Concludi();
}
