#include <gtest/gtest.h>

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>

#include "support/CartellaProgrammaProva.h"
#include "support/FotoProva.h"
#include "thumbview/DecodificaRidotta.h"
#include "thumbview/GeometriaThumb.h"
#include "thumbview/MiniaturaExif.h"

namespace {

const QColor kRosso(255, 0, 0);
const QColor kBlu(0, 0, 255);

ImmagineRidotta Miniatura(const QByteArray& byte) {
  QBuffer buffer;
  buffer.setData(byte);
  buffer.open(QIODevice::ReadOnly);
  return DecodificaRidotta(buffer, &MisuraMiniatura, true);
}

TEST(DecodificaRidotta, TransparentPartsOfAPngBecomeWhite) {
  QImage trasparente(200, 100, QImage::Format_ARGB32);
  trasparente.fill(Qt::transparent);
  const ImmagineRidotta copia = Miniatura(Codifica(trasparente, "png"));
  ASSERT_EQ(copia.stato, kStatoRiuscito);
  EXPECT_EQ(copia.immagine.pixelColor(45, 22), QColor(Qt::white));
}

TEST(DecodificaRidotta, TheExifReaderFindsNoThumbnailWhereThereIsNone) {
  QBuffer buffer;
  buffer.setData(Codifica(ImmagineADueBande({100, 100}, kRosso, kBlu), "jpeg"));
  buffer.open(QIODevice::ReadOnly);
  EXPECT_TRUE(LeggiMiniaturaExif(buffer).isNull());
  QBuffer vuoto;
  vuoto.open(QIODevice::ReadOnly);
  EXPECT_TRUE(LeggiMiniaturaExif(vuoto).isNull());
}

TEST(DecodificaRidotta, BrokenFilesFailWithoutAPictureOrGiveWhatTheyHold) {
  QTemporaryDir cartella;
  const QByteArray jpeg = Codifica(ImmagineADueBande({1200, 900}, kRosso, kBlu), "jpeg");
  const auto apri = [&cartella](const QString& nome, const QByteArray& byte) {
    const QString percorso = cartella.filePath(nome);
    EXPECT_TRUE(ScriviFoto(percorso, byte));
    return DecodificaRidotta(percorso, &MisuraMiniatura, true);
  };
  EXPECT_NE(apri(QStringLiteral("vuota.jpg"), {}).stato, kStatoRiuscito);
  EXPECT_NE(apri(QStringLiteral("testo.jpg"), "non sono una fotografia\n").stato, kStatoRiuscito);
  EXPECT_TRUE(apri(QStringLiteral("testo.jpg"), "x").immagine.isNull());
  EXPECT_NE(
      DecodificaRidotta(cartella.filePath(QStringLiteral("manca.jpg")), &MisuraMiniatura, true)
          .stato,
      kStatoRiuscito);
  // A truncated JPEG shows the part that arrived.
  const ImmagineRidotta troncata = apri(QStringLiteral("troncata.jpg"), jpeg.left(jpeg.size() / 2));
  if (troncata.stato == kStatoRiuscito) EXPECT_EQ(troncata.immagine.size(), QSize(90, 68));
  // A PNG named .jpg opens by its content.
  const ImmagineRidotta png =
      apri(QStringLiteral("png.jpg"), Codifica(ImmagineADueBande({400, 300}, kRosso, kBlu), "png"));
  ASSERT_EQ(png.stato, kStatoRiuscito);
  EXPECT_EQ(png.immagine.size(), QSize(90, 68));
  // A 1 x 30000 strip gives a copy one pixel wide.
  QImage striscia(1, 30000, QImage::Format_RGB32);
  striscia.fill(kBlu);
  const ImmagineRidotta stretta = apri(QStringLiteral("striscia.png"), Codifica(striscia, "png"));
  ASSERT_EQ(stretta.stato, kStatoRiuscito);
  EXPECT_EQ(stretta.immagine.size(), QSize(1, 90));
}

// One-colour PNGs of every palette and grey bit depth, written by ImageMagick as a
// customer's tools write them: the thumbnail and the preview are that colour.
TEST(DecodificaRidotta, PaletteAndGreyPngsOfEveryBitDepthKeepTheirColour) {
  struct Caso {
    int profondita;
    int tipoColore;  // 3 palette, 0 grey
    QColor colore;
  };
  const QColor kPalette(200, 30, 60);
  const QList<Caso> casi{{1, 3, kPalette},        {2, 3, kPalette},        {4, 3, kPalette},
                         {8, 3, kPalette},        {1, 0, Qt::black},       {2, 0, QColor(85, 85, 85)},
                         {4, 0, QColor(136, 136, 136)}, {8, 0, QColor(90, 90, 90)}};
  QTemporaryDir cartella;
  for (const Caso& caso : casi) {
    const QString percorso = cartella.filePath(QStringLiteral("p%1-%2.png").arg(caso.tipoColore).arg(caso.profondita));
    SCOPED_TRACE(percorso.toStdString());
    ASSERT_EQ(QProcess::execute(QStringLiteral("/usr/bin/convert"),
                                {QStringLiteral("-size"), QStringLiteral("640x480"),
                                 QStringLiteral("xc:") + caso.colore.name(),
                                 QStringLiteral("-define"), QStringLiteral("png:bit-depth=%1").arg(caso.profondita),
                                 QStringLiteral("-define"), QStringLiteral("png:color-type=%1").arg(caso.tipoColore),
                                 percorso}),
              0);
    const QByteArray testa = LeggiFile(percorso).left(26);  // bit depth and colour type end the header chunk's start
    ASSERT_EQ(testa.size(), 26);
    ASSERT_EQ(int(testa[24]), caso.profondita);
    ASSERT_EQ(int(testa[25]), caso.tipoColore);
    for (const MisuraDestinazione misura : {&MisuraMiniatura, &MisuraAnteprima}) {
      const ImmagineRidotta copia = DecodificaRidotta(percorso, misura, true);
      ASSERT_EQ(copia.stato, kStatoRiuscito);
      int diversi = 0;
      for (int y = 0; y < copia.immagine.height(); ++y)
        for (int x = 0; x < copia.immagine.width(); ++x)
          diversi += copia.immagine.pixelColor(x, y) != caso.colore;
      EXPECT_EQ(diversi, 0) << copia.immagine.width();
    }
  }
}

}  // namespace
