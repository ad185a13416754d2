#include <gtest/gtest.h>
#include <libexif/exif-data.h>

#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include "album/AlbumVelistra.h"
#include "ordine/CopiaNelLavoro.h"
#include "immagini/ConversioneLaboratorio.h"
#include "support/CartellaProgrammaProva.h"
#include "support/FotoHeifProva.h"
#include "support/FotoProva.h"

namespace {

const char* const kData = "2025:07:14 10:30:00";
const char* const kModello = "iPhone 15 Pro";

// A camera's EXIF block from its TIFF header on: orientation, date and model.
QByteArray ExifCamera(int orientamento) {
  return BloccoExif({.orientamento = orientamento, .modello = kModello, .data = kData, .motorola = true});
}

// A WebP with an EXIF chunk: the simple file turned into the extended layout.
QByteArray WebPConExif(const QByteArray& semplice, QSize misura, const QByteArray& tiff) {
  QByteArray vp8x("VP8X\x0a\0\0\0\x08\0\0\0", 12);  // flags: EXIF
  for (int lato : {misura.width() - 1, misura.height() - 1})
    vp8x.append(static_cast<char>(lato & 0xFF)).append(static_cast<char>((lato >> 8) & 0xFF)).append('\0');
  QByteArray exif("EXIF", 4);
  QByteArray lunghezza(4, '\0');
  qToLittleEndian<quint32>(static_cast<quint32>(tiff.size()), lunghezza.data());
  exif += lunghezza + tiff;
  if (tiff.size() % 2) exif.append('\0');
  QByteArray corpo = "WEBP" + vp8x + semplice.mid(12) + exif;
  QByteArray riff("RIFF", 4);
  qToLittleEndian<quint32>(static_cast<quint32>(corpo.size()), lunghezza.data());
  return riff + lunghezza + corpo;
}

struct Campi {
  int orientamento = 0;
  QByteArray data, modello;
};

Campi LeggiCampi(const QByteArray& jpeg) {
  Campi campi;
  ExifData* dati = exif_data_new_from_data(reinterpret_cast<const unsigned char*>(jpeg.constData()), jpeg.size());
  if (!dati) return campi;
  const auto testo = [dati](ExifIfd ifd, ExifTag tag) {
    ExifEntry* voce = exif_content_get_entry(dati->ifd[ifd], tag);
    return voce ? QByteArray(reinterpret_cast<const char*>(voce->data)) : QByteArray();
  };
  if (ExifEntry* voce = exif_content_get_entry(dati->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION))
    campi.orientamento = exif_get_short(voce->data, exif_data_get_byte_order(dati));
  campi.data = testo(EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL);
  campi.modello = testo(EXIF_IFD_0, EXIF_TAG_MODEL);
  exif_data_unref(dati);
  return campi;
}

// The sampling factors of each component in the JPEG's frame header.
QList<int> Campionamenti(const QByteArray& jpeg) {
  for (qsizetype i = 2; i + 4 < jpeg.size();) {
    const uchar marcatore = uchar(jpeg[i + 1]);
    const int lunghezza = (uchar(jpeg[i + 2]) << 8) | uchar(jpeg[i + 3]);
    if (marcatore == 0xC0 || marcatore == 0xC1 || marcatore == 0xC2) {
      QList<int> fattori;
      for (int c = 0; c < uchar(jpeg[i + 9]); ++c) fattori.append(uchar(jpeg[i + 11 + 3 * c]));
      return fattori;
    }
    i += 2 + lunghezza;
  }
  return {};
}

TEST(CopiaLaboratorio, HeifAndWebPBecomeUprightSRGBJpegsAtFullChromaKeepingTheCameraFields) {
  const QImage bande = ImmagineADueBande({400, 300}, Qt::red, Qt::blue);
  QImage rossoP3(400, 300, QImage::Format_RGB32);
  rossoP3.fill(QColor(200, 0, 0));
  struct Caso {
    const char* nome;
    QByteArray byte;
    QSize dritta;
    QPoint rosso;
    QColor colore;
  };
  const QList<Caso> casi{
      {"turned.heic", CodificaHeif(bande, {.orientamento = 6, .exif = ExifCamera(6)}), {300, 400}, {250, 200}, Qt::red},
      {"p3.heic",
       CodificaHeif(rossoP3, {.icc = QColorSpace(QColorSpace::DisplayP3).iccProfile(), .exif = ExifCamera(1)}),
       {400, 300}, {200, 150}, QColor(219, 0, 0)},
      {"shot.avif", CodificaHeif(bande, {.avif = true, .exif = ExifCamera(1)}), {400, 300}, {200, 50}, Qt::red},
      {"chat.webp", WebPConExif(Codifica(bande, "webp", 95), {400, 300}, ExifCamera(1)), {400, 300}, {200, 50},
       Qt::red},
  };
  QTemporaryDir cartella;
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    const QString percorso = cartella.filePath(QString::fromLatin1(caso.nome));
    ASSERT_TRUE(ScriviFoto(percorso, caso.byte));
    const QByteArray jpeg = JpegPerLaboratorio(percorso);
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    const Campi campi = LeggiCampi(jpeg);
    EXPECT_EQ(campi.orientamento, 1);
    EXPECT_EQ(campi.data, kData);
    EXPECT_EQ(campi.modello, kModello);
    EXPECT_EQ(Campionamenti(jpeg), (QList<int>{0x11, 0x11, 0x11}));
    const QImage copia = QImage::fromData(jpeg, "JPEG");
    EXPECT_EQ(copia.colorSpace(), QColorSpace(QColorSpace::SRgb));
    ASSERT_EQ(copia.size(), caso.dritta);
    const QColor trovato = copia.pixelColor(caso.rosso);
    EXPECT_LE(std::abs(trovato.red() - caso.colore.red()) + trovato.green() + trovato.blue(), 12)
        << trovato.name().toStdString();
  }
}

// The lab's own formats travel as the customer's bytes; the others as their
// JPEG under the ".jpg" name.
TEST(CopiaLaboratorio, TheWorkCopyOfJpegPngAndTiffIsByteIdenticalAndOfOthersAJpeg) {
  CartellaProgrammaProva programma{false};
  AlbumVelistra album{programma.percorsi()};
  const QImage bande = ImmagineADueBande({64, 48}, Qt::red, Qt::blue);
  struct Caso {
    const char* nome;
    QByteArray byte;
    const char* estensione;
  };
  const QList<Caso> casi{{"a.JPG", Codifica(bande, "jpeg"), "JPG"}, {"b.png", Codifica(bande, "png"), "png"},
                         {"c.tif", Codifica(bande, "tiff"), "tif"}, {"d.tiff", Codifica(bande, "tiff"), "tiff"},
                         {"e.HEIC", CodificaHeif(bande), "jpg"},    {"f.webp", Codifica(bande, "webp"), "jpg"}};
  QTemporaryDir cliente;
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    const QString foto = cliente.filePath(QString::fromLatin1(caso.nome));
    ASSERT_TRUE(ScriviFoto(foto, caso.byte));
    const QString copia = album.NuovaCopiaLavoro(foto).value_or(QString());
    EXPECT_TRUE(copia.endsWith(u'.' + QString::fromLatin1(caso.estensione)));
    ASSERT_EQ(EseguiCopia({foto, copia}).esito, CopiaFatta::Esito::Fatta);
    if (QByteArray(caso.estensione) == "jpg")
      EXPECT_EQ(QImageReader(copia).format(), "jpeg");
    else
      EXPECT_EQ(LeggiFile(copia), caso.byte);
  }
}

}  // namespace
