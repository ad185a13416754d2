#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "support/FotoProva.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "album/TabellaRidimensionamento.h"
#include "immagini/MisuraFotoDritta.h"
#include "common/QualitaStampa.h"
#include "ordine/QualitaAlbum.h"
#include "support/CartellaProgrammaProva.h"

namespace {

std::optional<QSizeF> Dimensioni(const char* catalogo, const QString& id) {
  const auto documento = CreaDocumentoXML();
  EXPECT_TRUE(documento->caricaTesto(QString::fromUtf8(catalogo)));
  return getDimensioniFormato(*documento, id);
}

}  // namespace

TEST(DimensioniFormato, TheAttributeWinsTheIdServesWhenItIsTwoNumbersOtherwiseNoSize) {
  const char* catalogo =
      "<xml><formato id='13x9' dimensioni='8.9x12.7' amatoriale='1'>19</formato>"
      "<formato id='15x10' amatoriale='1'>25</formato>"
      "<formato id='15x10P' amatoriale='0'>29</formato>"
      "<formato id='Poster' dimensioni='grande' amatoriale='0'>590</formato></xml>";
  EXPECT_EQ(Dimensioni(catalogo, "13x9"), QSizeF(8.9, 12.7));
  EXPECT_EQ(Dimensioni(catalogo, "15x10"), QSizeF(15, 10));
  EXPECT_EQ(Dimensioni(catalogo, "15x10P"), std::nullopt);
  EXPECT_EQ(Dimensioni(catalogo, "Poster"), std::nullopt);
  EXPECT_EQ(Dimensioni(catalogo, "20x30"), std::nullopt);  // not in the catalogue
  for (const char* sbagliato : {"0x15", "10x", "10,5x15", "10x15x2", "-10x15", ""})
    EXPECT_EQ(LeggiCentimetri(QString::fromLatin1(sbagliato)), std::nullopt) << sbagliato;
}

TEST(DimensioniFormato, EveryFormatOfTheInstalledCatalogueHasAPaper) {
  CartellaProgrammaProva programma;
  CatalogoFormati catalogo(programma.percorsi());
  catalogo.CaricaFormati();
  for (const std::int16_t amatoriale : {std::int16_t{0}, std::int16_t{1}})
    for (const QString& id : catalogo.IdFormati(amatoriale))
      EXPECT_TRUE(catalogo.getDimensioniFormato(id).has_value()) << id.toStdString();
  EXPECT_EQ(catalogo.getDimensioniFormato("45x30P"), QSizeF(30, 45));
}

TEST(RisoluzioneStampa, FillInTakesTheSmallerRatioFitInTheLargerNessunoFillsIn) {
  // 640 x 480 on 30 x 45 cm: 36 pixels per inch along the long side, 40 along the short.
  const QSize foto(640, 480);
  EXPECT_EQ(PuntiPerPollice(foto, QSizeF(30, 45), Adattamento::Riempi), 36);
  EXPECT_EQ(PuntiPerPollice(foto, QSizeF(30, 45), Adattamento::Contieni), 40);
  EXPECT_EQ(PuntiPerPollice(foto.transposed(), QSizeF(45, 30), Adattamento::Riempi), 36);
  for (const char* riempi : {"NONE", "Nessuno", "FILLIN"})
    EXPECT_EQ(AdattamentoRidimensionamento(riempi), Adattamento::Riempi) << riempi;
  for (const char* contieni : {"FITIN", "Fit-in"})
    EXPECT_EQ(AdattamentoRidimensionamento(contieni), Adattamento::Contieni) << contieni;
}

TEST(RisoluzioneStampa, LowBelow150PoorBelow100AndTheBoundariesAreGood) {
  // 1500 pixels on 25.4 cm are exactly 150 per inch; one pixel less is not.
  // Without the photo's size there is nothing to warn about.
  const CartaStampa quadrata{"25x25", QSizeF(25.4, 25.4), Adattamento::Riempi};
  const QList<std::pair<int, LivelloQualita>> casi{{1500, LivelloQualita::Buona}, {1499, LivelloQualita::Bassa},
                                                   {1000, LivelloQualita::Bassa}, {999, LivelloQualita::Scarsa},
                                                   {0, LivelloQualita::Buona}};
  for (const auto& [lato, livello] : casi)
    EXPECT_EQ(ValutaStampa(lato ? QSize(lato, lato) : QSize(), quadrata).livello, livello) << lato;
  EXPECT_EQ(ValutaStampa({999, 999}, quadrata).puntiPerPollice, 99);
}

// The photos of a folder against a price list downloaded without "dimensioni".
class QualitaAlbum : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  QTemporaryDir foto;
  CatalogoFormati catalogo{programma.percorsi()};
  AlbumVelistra album{programma.percorsi()};

  void SetUp() override {
    programma.Scrivi(QStringLiteral("Formati.xml"),
                     "<xml><formato id='15x10' descrizione='Stampa' amatoriale='1'>25</formato>"
                     "<formato id='15x10P' descrizione='Stampa' amatoriale='0'>29</formato></xml>");
    catalogo.CaricaFormati();
    ASSERT_TRUE(album.CaricaVelistra(catalogo.TuttiGliIdFormati()));
  }
  QString Foto(const QString& nome, QSize misura, int orientamento = 0) const {
    const QByteArray jpeg = Codifica(ImmagineADueBande(misura, Qt::red, Qt::blue), "jpeg");
    const QString percorso = foto.filePath(nome);
    EXPECT_TRUE(ScriviFoto(percorso, orientamento ? ConExif(jpeg, orientamento) : jpeg));
    return percorso;
  }
  void Aggiungi(const QString& formato, const QString& percorso, const QString& ridimensionamento) {
    ASSERT_TRUE(album.AggiungiFileVelistra(formato, percorso, QStringLiteral("t.jpg"), ridimensionamento));
  }
};

TEST_F(QualitaAlbum, TheHeaderGivesTheUprightSizeAndEachEntryIsJudgedOnItsPaper) {
  // Stored 1200 x 800, shown turned a quarter: upright 800 x 1200.
  const QString girata = Foto(QStringLiteral("girata.jpg"), {1200, 800}, 6);
  EXPECT_EQ(MisuraFotoDritta(girata), QSize(800, 1200));
  // 800 x 600 on 10 x 15 cm: 135 pixels per inch covering the paper, 152 inside it.
  const QString media = Foto(QStringLiteral("media.jpg"), {800, 600});
  Aggiungi("15x10", girata, "FILLIN");     // 203 on the paper turned upright
  Aggiungi("15x10", media, "FILLIN");      // low
  Aggiungi("15x10", media, "FITIN");       // good
  Aggiungi("15x10", media, "NONE");        // low
  Aggiungi("15x10P", media, "FILLIN");     // no known paper: not judged
  Aggiungi("15x10", foto.filePath(QStringLiteral("sparita.jpg")), "FILLIN");  // no header: not judged

  const QList<VoceDaStampare> voci = VociDaStampare(album, catalogo);
  ASSERT_EQ(voci.size(), 5);
  EXPECT_EQ(voci[0].carta.centimetri, QSizeF(15, 10));
  EXPECT_EQ(voci[2].carta.adattamento, Adattamento::Contieni);
  EXPECT_EQ(ContaStampeSgranate(voci), 2);
  EXPECT_EQ(ContaStampeSgranate(VociDaStampare(album, catalogo).mid(0, 1)), 0);
}
