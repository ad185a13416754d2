#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <limits>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "album/FileAlbum.h"
#include "common/DocumentoXML.h"
#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"

namespace {

const QByteArray kDichiarazione("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");

// The identifiers of a catalogue text.
QStringList Catalogo(const QByteArray& testo) {
  CartellaProgrammaProva cartella(false);
  cartella.Scrivi(QStringLiteral("Formati.xml"), testo);
  CatalogoFormati catalogo(cartella.percorsi());
  catalogo.CaricaFormati();
  return catalogo.TuttiGliIdFormati();
}

class Album : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  QStringList formati = Catalogo(CatalogoTreFormati());
  AlbumVelistra album{cartella.percorsi()};

  QByteArray FileSuDisco() const { return cartella.Leggi(QStringLiteral("Velistra.xml")); }
  bool Aggiungi(const QString& formato, const QString& copia, const QString& titolo = "t",
                const QString& modo = "FILLIN") {
    return album.AggiungiFileVelistra(formato, copia, titolo, modo);
  }
};

TEST_F(Album, FirstStartWritesOneEmptyFormatPerCatalogueEntryInCatalogueOrder) {
  ASSERT_TRUE(album.CaricaVelistra(formati));
  EXPECT_EQ(FileSuDisco(), kDichiarazione +
                             "<xml><formato id=\"13x9\"><files/></formato><formato id=\"15x10\">"
                             "<files/></formato><formato id=\"15x10P\"><files/></formato></xml>\n");
}

TEST_F(Album, AnEntryHasItsFiveChildrenInOrderAndWaitsForTheSave) {
  ASSERT_TRUE(album.CaricaVelistra(formati));
  const QByteArray vuoto = FileSuDisco();
  ASSERT_TRUE(Aggiungi("15x10", "/l/imgVE_000001.jpg", "mare & <sole>.jpg"));
  EXPECT_FALSE(Aggiungi("99x99", "/l/x.jpg"));
  EXPECT_EQ(FileSuDisco(), vuoto);
  ASSERT_TRUE(album.SalvaVelistra());
  EXPECT_TRUE(FileSuDisco().contains(
      "<formato id=\"15x10\"><files><file><nomecompleto>/l/imgVE_000001.jpg</nomecompleto>"
      "<titolo>mare &amp; &lt;sole&gt;.jpg</titolo><quantita>1</quantita><formato>15x10</formato>"
      "<ridimensionamento>FILLIN</ridimensionamento></file></files></formato>"));
  EXPECT_FALSE(FileSuDisco().contains("99x99"));
}

TEST_F(Album, ACatalogueThatGainsAFormatAppendsItAndKeepsEverythingElse) {
  ASSERT_TRUE(album.CaricaVelistra(formati));
  Aggiungi("15x10P", "/l/a.jpg", "a", "FITIN");
  ASSERT_TRUE(album.SalvaVelistra());
  const QByteArray prima = FileSuDisco();

  // 18x13 arrives in the middle of the catalogue and 13x9 leaves it.
  auto nuovo = Catalogo(TestoCatalogo({QStringLiteral("15x10|x|1|25"), QStringLiteral("18x13|y|1|59"),
                                       QStringLiteral("15x10P|z|0|29")}));
  AlbumVelistra riaperto{cartella.percorsi()};
  ASSERT_TRUE(riaperto.CaricaVelistra(nuovo));
  QByteArray atteso = prima;
  atteso.replace("</xml>", "<formato id=\"18x13\"><files/></formato></xml>");
  EXPECT_EQ(FileSuDisco(), atteso);
}

TEST_F(Album, EntriesComeByFormatInInsertionOrderAndFormatsInAlbumOrder) {
  ASSERT_TRUE(album.CaricaVelistra(formati));
  const char* dove[] = {"15x10", "13x9", "15x10", "13x9"};
  for (int i = 0; i < 4; ++i) Aggiungi(dove[i], QStringLiteral("/l/%1.jpg").arg(i + 1));
  EXPECT_EQ(Copie(album.Voci(QStringLiteral("15x10"))), (QStringList{"/l/1.jpg", "/l/3.jpg"}));
  EXPECT_EQ(Copie(album.Voci(QString())), (QStringList{"/l/2.jpg", "/l/4.jpg", "/l/1.jpg", "/l/3.jpg"}));
  EXPECT_TRUE(album.Voci(QStringLiteral("15x10P")).isEmpty());
  EXPECT_EQ(album.NumeroFile(QStringLiteral("13x9")), 2);
  EXPECT_EQ(album.NumeroFile(QString()), 4);
  EXPECT_EQ(album.Voci(QStringLiteral("13x9"))[0],
            (VoceAlbum{"/l/2.jpg", "t", 1, "13x9", "FILLIN"}));
}

TEST_F(Album, FindsEntriesByFormatOrInAnyFormat) {
  ASSERT_TRUE(album.CaricaVelistra(formati));
  Aggiungi("13x9", "/l/a.jpg", "primo");
  Aggiungi("15x10", "/l/a.jpg", "secondo");
  const auto trovata = album.TrovaFileVelistra(QStringLiteral("15x10"), QStringLiteral("/l/a.jpg"));
  ASSERT_TRUE(trovata);
  EXPECT_EQ(trovata->voce.titolo, QStringLiteral("secondo"));
  const auto qualsiasi = album.TrovaFileVelistra(QString(), QStringLiteral("/l/a.jpg"));
  ASSERT_TRUE(qualsiasi);
  EXPECT_EQ(qualsiasi->voce.titolo, QStringLiteral("primo"));
  EXPECT_EQ(qualsiasi->formato, QStringLiteral("13x9"));
  EXPECT_FALSE(album.TrovaFileVelistra(QStringLiteral("15x10P"), QStringLiteral("/l/a.jpg")));
  EXPECT_FALSE(album.TrovaFileVelistra(QString(), QStringLiteral("/l/b.jpg")));
}

TEST_F(Album, IdentifiersAndPathsWithQuotesApostrophesAndMarkupAreSafe) {
  const QString strano = QStringLiteral("10x15 \"l'ampio\" & <più>");
  const QString percorso = QStringLiteral("/home/d'Angelo/\"foto\"/it's ] & <x>.jpg");
  const QStringList catalogo =
      Catalogo(TestoCatalogo({strano + QStringLiteral("|d|1|25"), QStringLiteral("15x10|e|1|25")}));
  ASSERT_TRUE(album.CaricaVelistra(catalogo));
  ASSERT_TRUE(Aggiungi(strano, percorso));
  Aggiungi("15x10", "/l/n.jpg", "u");
  EXPECT_TRUE(album.TrovaFileVelistra(strano, percorso));
  EXPECT_TRUE(album.TrovaFileVelistra(QString(), percorso));
  EXPECT_FALSE(album.TrovaFileVelistra(QStringLiteral("15x10"), percorso));
  EXPECT_EQ(Copie(album.Voci(strano)), QStringList{percorso});
  ASSERT_TRUE(album.SalvaVelistra());

  // Reloading finds the format, so it is not added twice, and reads back every value.
  AlbumVelistra riaperto{cartella.percorsi()};
  ASSERT_TRUE(riaperto.CaricaVelistra(catalogo));
  EXPECT_EQ(riaperto.Formati(), album.Formati());
  EXPECT_EQ(riaperto.Formati().size(), 2);
}

TEST_F(Album, KeysRollOverToSevenDigitsAndStopAtTheCountersLimit) {
  EXPECT_EQ(ChiaveThumb(12), QStringLiteral("imgVE_000012"));
  album.ImpostaContatoreFoto(999998);
  EXPECT_EQ(album.NuovaChiaveThumb(), QStringLiteral("imgVE_999999"));
  EXPECT_EQ(album.NuovaChiaveThumb(), QStringLiteral("imgVE_1000000"));
  EXPECT_EQ(album.ContatoreFoto(), 1000000);

  const std::int32_t limite = std::numeric_limits<std::int32_t>::max();
  album.ImpostaContatoreFoto(limite - 1);
  EXPECT_EQ(album.NuovaChiaveThumb(), QStringLiteral("imgVE_2147483647"));
  EXPECT_FALSE(album.NuovaChiaveThumb());
  EXPECT_EQ(album.ContatoreFoto(), limite);
}

TEST_F(Album, CounterIsReadAndWrittenInTheSettings) {
  const QString ini = cartella.percorsi().PercorsoIni;
  cINIProfiles().WritePrivateProfileString("Opzioni", "ContatoreFoto", "41", ini);
  album.LeggiContatoreFoto();
  EXPECT_EQ(album.ContatoreFoto(), 41);
  album.NuovaChiaveThumb();
  ASSERT_TRUE(album.SalvaContatoreFoto());
  EXPECT_EQ(cINIProfiles().GetPrivateProfileString("Opzioni", "ContatoreFoto", "", ini), "42");
  album.ImpostaContatoreFoto(7);
  ASSERT_TRUE(album.SalvaContatoreFoto());
  EXPECT_EQ(cINIProfiles().GetPrivateProfileString("Opzioni", "ContatoreFoto", "", ini), "7");
}

TEST_F(Album, CopiesTakeTheKeyAndTheExtensionAndNeverOverwriteAnotherCopy) {
  const QString foto = cartella.file(QStringLiteral("vacanze.2024/Spiaggia.JPG"));
  QDir().mkpath(cartella.file(QStringLiteral("vacanze.2024")));
  QImage immagine(16, 12, QImage::Format_RGB32);
  immagine.fill(Qt::darkCyan);
  ASSERT_TRUE(immagine.save(foto, "JPG"));

  const QString lavoro = cartella.percorsi().CartellaLavoro;
  EXPECT_EQ(album.NuovaCopiaLavoro(foto), lavoro + QStringLiteral("imgVE_000001.JPG"));

  // A counter that fell behind meets copies already there.
  cartella.Scrivi(QStringLiteral("Velistra/imgVE_000002.JPG"), "altra");
  album.ImpostaContatoreFoto(1);
  EXPECT_EQ(album.NuovaCopiaLavoro(foto), lavoro + QStringLiteral("imgVE_000003.JPG"));
  EXPECT_EQ(cartella.Leggi(QStringLiteral("Velistra/imgVE_000002.JPG")), "altra");

  cartella.Scrivi(QStringLiteral("senza_punto"), "x");
  EXPECT_EQ(album.NuovaCopiaLavoro(cartella.file(QStringLiteral("senza_punto"))),
            lavoro + QStringLiteral("imgVE_000004."));
}

TEST_F(Album, ANewAlbumEmptiesTheWorkFolderAndRestartsTheKeys) {
  ASSERT_TRUE(album.CaricaVelistra(formati));
  const QByteArray vuoto = FileSuDisco();
  const QString foto = cartella.file(QStringLiteral("a.png"));
  QImage(4, 4, QImage::Format_RGB32).save(foto, "PNG");
  album.ImpostaContatoreFoto(500);
  const QString copia = *album.NuovaCopiaLavoro(foto);
  // The copy task makes the work folder.
  ASSERT_TRUE(QDir().mkpath(cartella.percorsi().CartellaLavoro));
  ASSERT_TRUE(QFile::copy(foto, copia));
  Aggiungi("15x10", copia, "a.png");
  album.SalvaVelistra();
  album.SalvaContatoreFoto();
  cartella.Scrivi(QStringLiteral("Velistra/.nascosto"), "x");

  album.EliminaCartellaERicreaXML(formati);
  EXPECT_EQ(album.Byte(), vuoto);
  EXPECT_TRUE(QDir(cartella.percorsi().CartellaLavoro).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_EQ(album.ContatoreFoto(), 0);
  EXPECT_EQ(album.NuovaCopiaLavoro(foto), cartella.percorsi().CartellaLavoro + QStringLiteral("imgVE_000001.png"));
}

TEST_F(Album, AnUnreadableAlbumIsSetAsideAndTheAlbumStartsEmpty) {
  AlbumVelistra pulito{cartella.percorsi()};
  ASSERT_TRUE(pulito.CaricaVelistra(formati));
  const QByteArray vuoto = FileSuDisco();

  for (const QByteArray& rotto : {QByteArray("<xml><formato id=\"15x10\"><files><file>"),
                                  QByteArray("<album><formato id=\"15x10\"/></album>"),
                                  QByteArray("\xff\xfe garbage")}) {
    QFile::remove(cartella.file(QStringLiteral("Velistra.xml.illeggibile")));
    cartella.Scrivi(QStringLiteral("Velistra.xml"), rotto);
    ASSERT_TRUE(album.CaricaVelistra(formati));
    EXPECT_EQ(FileSuDisco(), vuoto);
    EXPECT_EQ(cartella.Leggi(QStringLiteral("Velistra.xml.illeggibile")), rotto);
  }

  QFile::remove(cartella.file(QStringLiteral("Velistra.xml.illeggibile")));
  cartella.Scrivi(QStringLiteral("Velistra.xml"), QByteArray());
  ASSERT_TRUE(album.CaricaVelistra(formati));
  EXPECT_EQ(FileSuDisco(), vuoto);
  EXPECT_FALSE(QFile::exists(cartella.file(QStringLiteral("Velistra.xml.illeggibile"))));
}

TEST_F(Album, UnknownElementsStayAndAFormatWithoutContainerGetsOne) {
  cartella.Scrivi(QStringLiteral("Velistra.xml"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><nota>x</nota>"
                  "<formato id=\"15x10\"><files><file><nomecompleto>/l/a.jpg</nomecompleto>"
                  "<titolo>a</titolo><quantita>2</quantita><formato>15x10</formato>"
                  "<ridimensionamento>NONE</ridimensionamento><extra/></file><altro/></files></formato>"
                  "<formato id=\"13x9\"/></xml>");
  ASSERT_TRUE(album.CaricaVelistra(formati));
  EXPECT_EQ(album.Voci(QString()), (QList<VoceAlbum>{{"/l/a.jpg", "a", 2, "15x10", "NONE"}}));
  EXPECT_TRUE(Aggiungi("13x9", "/l/b.jpg", "b"));
  EXPECT_TRUE(FileSuDisco().contains("<nota>x</nota>"));
  EXPECT_TRUE(FileSuDisco().contains("<altro/>"));
}

TEST_F(Album, LeftoversOfAnInterruptedSaveAreRemovedAndNeverTakenForTheAlbum) {
  cartella.Scrivi(QStringLiteral("Velistra.xml.Ab12Cd"),
                  kDichiarazione + "<xml><formato id=\"15x10\"><files><file/></files></formato></xml>");
  ASSERT_TRUE(album.CaricaVelistra(formati));
  EXPECT_FALSE(QFile::exists(cartella.file(QStringLiteral("Velistra.xml.Ab12Cd"))));
  EXPECT_TRUE(album.Voci(QString()).isEmpty());
}

// Every album file of the tests, saved as loaded and after a change undone, is
// written back as the document's parser and writer give it: byte for byte for
// a file the program wrote.
TEST_F(Album, EveryAlbumFileOfTheTestsIsSavedBackByteForByte) {
  const QDir corpus(QStringLiteral(VELISTRA_SORGENTI "/tests/fuzz/corpus/album"));
  int identici = 0;
  for (const QString& nome : corpus.entryList(QDir::Files)) {
    SCOPED_TRACE(nome.toStdString());
    QFile file(corpus.filePath(nome));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray letto = file.readAll();
    if (!FileAlbum().CaricaByte(letto)) continue;  // set aside, never written back
    auto documento = CreaDocumentoXML();
    ASSERT_TRUE(documento->caricaByte(letto));
    const QByteArray atteso = documento->xml();
    identici += letto == atteso;

    cartella.Scrivi(QStringLiteral("Velistra.xml"), letto);
    AlbumVelistra caricato{cartella.percorsi()};
    ASSERT_TRUE(caricato.CaricaVelistra({}));
    EXPECT_EQ(FileSuDisco(), atteso);
    for (const FormatoAlbum& formato : caricato.Formati()) {
      if (formato.voci.isEmpty()) continue;
      const VoceAlbum voce = formato.voci.last();
      ASSERT_TRUE(caricato.AggiungiFileVelistra(formato.id, QStringLiteral("/l/nuova.jpg"), "n", "FILLIN"));
      ASSERT_TRUE(caricato.RimuoviFileVelistra(formato.id, QStringLiteral("/l/nuova.jpg")));
      caricato.ImpostaRidimensionamentoFile(formato.id, voce.copia, voce.ridimensionamento);
    }
    ASSERT_TRUE(caricato.SalvaVelistra());
    EXPECT_EQ(FileSuDisco(), atteso);
  }
  EXPECT_GE(identici, 1);
}

// What an entry holds however the file was edited by hand.
TEST(LeggiAlbum, ReadsTheFirstOfEachPartAndPrintsThatAreNoWholeNumberAsNone) {
  const QByteArray inizio = kDichiarazione + "<xml>";
  const struct {
    QByteArray album;
    QList<FormatoAlbum> atteso;
  } casi[] = {
      {"<formato id=\"15x10\"><files><file><nomecompleto>/l/a.jpg</nomecompleto><titolo>a &amp; b</titolo>"
       "<quantita> 3 </quantita><formato>13x9</formato><ridimensionamento>NONE</ridimensionamento></file>"
       "</files></formato>",
       {{"15x10", {{"/l/a.jpg", "a & b", 3, "13x9", "NONE"}}}}},
      {"<formato id=\"a\"><files><file><quantita>due</quantita></file><file><quantita>2\r\nPrintCnt=99</quantita>"
       "</file><file/></files></formato>",
       {{"a", {{"", "", 0, "", ""}, {"", "", 0, "", ""}, {"", "", 0, "", ""}}}}},
      {"<nota>x</nota><formato id=\"a\"><files><file><nomecompleto>/l/1</nomecompleto><nomecompleto>/l/2"
       "</nomecompleto><extra/></file><altro/></files><files><file><titolo>t</titolo><titolo>u</titolo></file>"
       "</files></formato><formato id=\"b\"/>",
       {{"a", {{"/l/1", "", 0, "", ""}, {"", "t", 0, "", ""}}}, {"b", {}}}},
  };
  for (const auto& caso : casi) {
    SCOPED_TRACE(caso.album.toStdString());
    EXPECT_EQ(LeggiAlbum(inizio + caso.album + "</xml>"), caso.atteso);
  }
  EXPECT_TRUE(LeggiAlbum("<album><formato id=\"a\"><files/></formato></album>").isEmpty());
}

}  // namespace
