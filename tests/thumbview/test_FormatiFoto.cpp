#include <gtest/gtest.h>

#include <QBuffer>
#include <QColorSpace>
#include <QTemporaryDir>

#include "immagini/MisuraFotoDritta.h"
#include "support/FotoHeifProva.h"
#include "support/FotoProva.h"
#include "support/ProfiloLutProva.h"
#include "thumbview/DecodificaRidotta.h"
#include "thumbview/GeometriaThumb.h"

namespace {

const QColor kRosso(255, 0, 0);
const QColor kBlu(0, 0, 255);
const QColor kVerde(0, 200, 0);

bool Vicino(QColor trovato, QColor atteso, int tolleranza) {
  return std::abs(trovato.red() - atteso.red()) <= tolleranza &&
         std::abs(trovato.green() - atteso.green()) <= tolleranza &&
         std::abs(trovato.blue() - atteso.blue()) <= tolleranza;
}

ImmagineRidotta Miniatura(const QByteArray& byte, MisuraDestinazione misura = &MisuraMiniatura) {
  QBuffer buffer;
  buffer.setData(byte);
  buffer.open(QIODevice::ReadOnly);
  return DecodificaRidotta(buffer, misura, true);
}

QByteArray ConProfilo(const QImage& immagine, const QColorSpace& spazio, const char* formato) {
  QImage etichettata = immagine;
  etichettata.setColorSpace(spazio);
  return Codifica(etichettata, formato, 95);
}

// Stored 400 x 300, red on top: turned by orientation 6 it stands 300 x 400
// with red on the right.
TEST(FormatiFoto, EveryFormatGivesAnUprightThumbnailAndItsUprightSizeFromTheHeader) {
  const QImage bande = ImmagineADueBande({400, 300}, kRosso, kBlu);
  const QImage verde = ImmagineADueBande({1200, 900}, kVerde, kVerde);
  const QByteArray jpegVerde = Codifica(verde, "jpeg");
  const QByteArray jpegVerde800 = Codifica(ImmagineADueBande({800, 600}, kVerde, kVerde), "jpeg");
  const auto jpegRosso = [](QSize misura) { return Codifica(ImmagineADueBande(misura, kRosso, kRosso), "jpeg"); };
  const auto heifConMiniatura = [&verde](QSize misura) {
    return CodificaHeif(verde, {.miniatura = ImmagineADueBande(misura, kRosso, kRosso)});
  };
  struct Caso {
    const char* nome;
    QByteArray byte;
    QSize dritta;
    QPoint rosso, blu;  // in the 90-pixel thumbnail
  };
  const QList<Caso> casi{
      {"jpeg", Codifica(bande, "jpeg"), {400, 300}, {45, 10}, {45, 60}},
      {"png", Codifica(bande, "png"), {400, 300}, {45, 10}, {45, 60}},
      {"tiff", Codifica(bande, "tiff"), {400, 300}, {45, 10}, {45, 60}},
      {"jpeg turned", ConExif(Codifica(bande, "jpeg"), 6), {300, 400}, {60, 45}, {8, 45}},
      // A camera's EXIF thumbnail (red) is shown, not the photo (green), down to 90 on its long side...
      {"jpeg thumbnail", ConExif(jpegVerde, 1, jpegRosso({160, 120})), {1200, 900}, {45, 10}, {}},
      {"jpeg thumbnail 90", ConExif(jpegVerde, 1, jpegRosso({90, 68})), {1200, 900}, {45, 10}, {}},
      // ...unless it is smaller or padded to another shape (3:2 against 4:3).
      {"jpeg small thumbnail", ConExif(jpegVerde, 1, jpegRosso({80, 60})), {1200, 900}, {}, {}},
      {"jpeg other shape", ConExif(jpegVerde, 1, jpegRosso({160, 107})), {1200, 900}, {}, {}},
      // The thumbnail is turned upright with the photo.
      {"jpeg thumbnail turned", ConExif(jpegVerde800, 6, Codifica(ImmagineADueBande({160, 120}, kRosso, kBlu), "jpeg")),
       {600, 800}, {60, 45}, {8, 45}},
      {"heic", CodificaHeif(bande), {400, 300}, {45, 10}, {45, 60}},
      {"heic turned", CodificaHeif(bande, {.orientamento = 6}), {300, 400}, {60, 45}, {8, 45}},
      {"heic mirrored", CodificaHeif(bande, {.orientamento = 4}), {400, 300}, {45, 60}, {45, 10}},
      {"avif", CodificaHeif(bande, {.avif = true}), {400, 300}, {45, 10}, {45, 60}},
      {"webp", Codifica(bande, "webp"), {400, 300}, {45, 10}, {45, 60}},
      // The embedded thumbnail (red) is shown, not the photo (green)...
      {"heic thumbnail", heifConMiniatura({160, 120}), {1200, 900}, {45, 10}, {}},
      // ...unless it is smaller than the cell or of another shape.
      {"heic small thumbnail", heifConMiniatura({80, 60}), {1200, 900}, {}, {}},
      {"heic other shape", heifConMiniatura({160, 107}), {1200, 900}, {}, {}},
  };
  QTemporaryDir cartella;
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    ASSERT_FALSE(caso.byte.isEmpty());
    const ImmagineRidotta copia = Miniatura(caso.byte);
    ASSERT_EQ(copia.stato, kStatoRiuscito);
    EXPECT_EQ(copia.originale, caso.dritta);
    EXPECT_EQ(copia.immagine.size(), MisuraMiniatura(caso.dritta));
    EXPECT_EQ(copia.immagine.format(), QImage::Format_RGB888);
    if (caso.rosso.isNull()) {
      EXPECT_TRUE(Vicino(copia.immagine.pixelColor(45, 34), kVerde, 40));
    } else {
      EXPECT_TRUE(Vicino(copia.immagine.pixelColor(caso.rosso), kRosso, 40));
    }
    if (!caso.blu.isNull()) EXPECT_TRUE(Vicino(copia.immagine.pixelColor(caso.blu), kBlu, 40));
    const QString percorso = cartella.filePath(QString::fromLatin1(caso.nome));
    ASSERT_TRUE(ScriviFoto(percorso, caso.byte));
    EXPECT_EQ(MisuraFotoDritta(percorso), caso.dritta);
    EXPECT_TRUE(ImmagineLeggibile(percorso));
  }
}

// A saturated red of a wide-gamut photo is shown as that red in sRGB, not as
// its raw numbers; an sRGB or untagged photo keeps its numbers.
TEST(FormatiFoto, ThumbnailsShowTheColoursOfTheEmbeddedProfileInSRGB) {
  QImage rosso(400, 300, QImage::Format_RGB32);
  rosso.fill(QColor(200, 0, 0));
  const QColor kRossoP3(219, 0, 0);
  const QColor kRossoAdobe(234, 0, 0);
  const QColor kGrezzo(200, 0, 0);
  const QByteArray iccP3 = QColorSpace(QColorSpace::DisplayP3).iccProfile();
  // Converted by lcms2: Qt refuses the profile.
  const QByteArray lut = ProfiloLut();
  ASSERT_FALSE(QColorSpace::fromIccProfile(lut).isValid());
  const QColor rossoLut = InSRGBSecondoLcms(lut, QColor(200, 0, 0));
  struct Caso {
    const char* nome;
    QByteArray byte;
    QColor atteso;
  };
  const QList<Caso> casi{
      {"jpeg p3", ConProfilo(rosso, QColorSpace::DisplayP3, "jpeg"), kRossoP3},
      {"jpeg adobe", ConProfilo(rosso, QColorSpace::AdobeRgb, "jpeg"), kRossoAdobe},
      {"png p3", ConProfilo(rosso, QColorSpace::DisplayP3, "png"), kRossoP3},
      {"png adobe", ConProfilo(rosso, QColorSpace::AdobeRgb, "png"), kRossoAdobe},
      {"png p3 alpha", ConProfilo(rosso.convertToFormat(QImage::Format_ARGB32), QColorSpace::DisplayP3, "png"), kRossoP3},
      {"tiff p3", ConProfilo(rosso, QColorSpace::DisplayP3, "tiff"), kRossoP3},
      {"webp p3", ConProfilo(rosso, QColorSpace::DisplayP3, "webp"), kRossoP3},
      {"heic icc p3", CodificaHeif(rosso, {.icc = iccP3}), kRossoP3},
      {"heic nclx p3", CodificaHeif(rosso, {.primari = 12, .trasferimento = 13}), kRossoP3},
      {"heic thumbnail p3", CodificaHeif(rosso, {.miniatura = rosso.scaled(160, 120), .icc = iccP3}), kRossoP3},
      {"jpeg lut", ConProfilo(rosso, QColorSpace::fromIccProfile(lut), "jpeg"), rossoLut},
      {"png lut", PngConIcc(rosso, lut), rossoLut},
      {"heic icc lut", CodificaHeif(rosso, {.icc = lut}), rossoLut},
      {"jpeg srgb", ConProfilo(rosso, QColorSpace::SRgb, "jpeg"), kGrezzo},
      {"jpeg untagged", Codifica(rosso, "jpeg", 95), kGrezzo},
      {"heic untagged", CodificaHeif(rosso), kGrezzo},
  };
  for (const Caso& caso : casi) {
    SCOPED_TRACE(caso.nome);
    for (const MisuraDestinazione misura : {&MisuraMiniatura, &MisuraAnteprima}) {
      const ImmagineRidotta copia = Miniatura(caso.byte, misura);
      ASSERT_EQ(copia.stato, kStatoRiuscito);
      const QColor trovato = copia.immagine.pixelColor(copia.immagine.width() / 2, copia.immagine.height() / 2);
      EXPECT_TRUE(Vicino(trovato, caso.atteso, 5)) << trovato.red() << "," << trovato.green() << "," << trovato.blue();
    }
  }
}

}  // namespace
