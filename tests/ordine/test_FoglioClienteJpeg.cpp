#include <gtest/gtest.h>

#include <QImageReader>
#include <QTemporaryDir>

#include "ordine/CartellaOrdine.h"
#include "ordine/FoglioClienteJpeg.h"
#include "support/InchiostroProva.h"

namespace {

// The customer sheet as the order folder and the send write it: a 640 x 480
// JPEG at 300 dpi, one band of ink per line of text, all inside the layout
// rectangle (10, 50, 620 x 430).
TEST(Foglio, EveryLineIsItsOwnBandInsideTheRectangle) {
  const QString via = QStringLiteral("Via della Circonvallazione Nord Occidentale di Sant'Agata 12");
  ASSERT_EQ(via.size(), 60);  // too wide for one line: it wraps onto a second
  const QString dati = QStringLiteral("Rossi Maria\r\nFirenze\r\n");
  const QString invio = QStringLiteral(
      "\r\nUsername: mrossi\r\n\r\nPrezzo indicativo (da verificare): "
      "\r\n€ 1.234,50\r\n\r\nUtente convenzionato");
  QStringList lunghissimo;
  for (int i = 0; i < 30; ++i) lunghissimo << QStringLiteral("Riga %1 ").arg(i).repeated(6);
  const struct {
    QString testo;
    int bande;  // -1: too long to count, it only has to stay inside
  } fogli[] = {
      {TestoFotografiaDatiUtente(dati + QStringLiteral("Via Roma 1"), QStringLiteral("€ 12,50")), 6},
      {TestoFotografiaDatiUtente(dati + via, QStringLiteral("€ 12,50")), 7},
      {dati + QStringLiteral("Via Roma 1") + invio, 7},
      {dati + via + invio, 8},
      {lunghissimo.join(QStringLiteral("\r\n")) + QStringLiteral("Senzaspazi").repeated(20), -1},
  };
  QTemporaryDir cartella;
  for (const auto& foglio : fogli) {
    SCOPED_TRACE(foglio.testo.toStdString());
    const QString percorso = cartella.filePath(QStringLiteral("DatiUtente.jpg"));
    ASSERT_TRUE(ScriviFoglioClienteJpeg(percorso, foglio.testo));
    QImageReader lettore(percorso);
    EXPECT_EQ(lettore.format(), "jpeg");
    const QImage immagine = lettore.read();
    ASSERT_EQ(immagine.size(), QSize(640, 480));
    EXPECT_NEAR(immagine.dotsPerMeterX(), 11811, 2);  // 300 dpi
    EXPECT_NEAR(immagine.dotsPerMeterY(), 11811, 2);
    if (foglio.bande >= 0) EXPECT_EQ(BandeDiTesto(immagine, immagine.rect()).size(), foglio.bande);
    const QRect inchiostro = AreaInchiostro(immagine, immagine.rect());
    EXPECT_FALSE(inchiostro.isEmpty());
    EXPECT_TRUE(QRect(10, 50, 620, 430).contains(inchiostro));
  }
  EXPECT_FALSE(ScriviFoglioClienteJpeg(cartella.filePath(QStringLiteral("manca/DatiUtente.jpg")), dati));
}

}  // namespace
