#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <limits>

#include "AlbumDiProva.h"
#include "album/AlbumVelistra.h"
#include "common/DocumentoXML.h"
#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"

namespace {

const QByteArray kDichiarazione("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");

std::unique_ptr<DocumentoXML> Catalogo(const QByteArray& testo) {
  auto doc = CreaDocumentoXML();
  doc->caricaByte(testo);
  return doc;
}

QStringList Titoli(const DocumentoXML& filtrato) {
  QStringList titoli;
  for (const NodoXML& f : filtrato.selezionaNodi(QStringLiteral("files/*")))
    titoli.append(f.selezionaNodo(QStringLiteral("titolo")).testo());
  return titoli;
}

QStringList Copie(const DocumentoXML& filtrato) {
  QStringList copie;
  for (const NodoXML& f : filtrato.selezionaNodi(QStringLiteral("files/*")))
    copie.append(f.selezionaNodo(QStringLiteral("nomecompleto")).testo());
  return copie;
}

class Album : public ::testing::Test {
 protected:
  CartellaProgrammaProva cartella{false};
  std::unique_ptr<DocumentoXML> formati = Catalogo(CatalogoTreFormati());
  AlbumVelistra album{cartella.percorsi()};

  QByteArray FileAlbum() const { return cartella.Leggi(QStringLiteral("Velistra.xml")); }
};

TEST_F(Album, FirstStartWritesOneEmptyFormatPerCatalogueEntryInCatalogueOrder) {
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  EXPECT_EQ(FileAlbum(), kDichiarazione +
                             "<xml><formato id=\"13x9\"><files/></formato><formato id=\"15x10\">"
                             "<files/></formato><formato id=\"15x10P\"><files/></formato></xml>\n");
}

TEST_F(Album, AnEntryHasItsFiveChildrenInOrderAndWaitsForTheSave) {
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  const QByteArray vuoto = FileAlbum();
  ASSERT_TRUE(album.AggiungiFileVelistra(QStringLiteral("15x10"), QStringLiteral("/l/imgVE_000001.jpg"),
                                         QStringLiteral("mare & <sole>.jpg"), QStringLiteral("FILLIN")));
  EXPECT_FALSE(album.AggiungiFileVelistra(QStringLiteral("99x99"), QStringLiteral("/l/x.jpg"),
                                          QStringLiteral("x"), QStringLiteral("FILLIN")));
  EXPECT_EQ(FileAlbum(), vuoto);
  ASSERT_TRUE(album.SalvaVelistra());
  EXPECT_TRUE(FileAlbum().contains(
      "<formato id=\"15x10\"><files><file><nomecompleto>/l/imgVE_000001.jpg</nomecompleto>"
      "<titolo>mare &amp; &lt;sole&gt;.jpg</titolo><quantita>1</quantita><formato>15x10</formato>"
      "<ridimensionamento>FILLIN</ridimensionamento></file></files></formato>"));
  EXPECT_FALSE(FileAlbum().contains("99x99"));
}

TEST_F(Album, ACatalogueThatGainsAFormatAppendsItAndKeepsEverythingElse) {
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  album.AggiungiFileVelistra(QStringLiteral("15x10P"), QStringLiteral("/l/a.jpg"), QStringLiteral("a"),
                             QStringLiteral("FITIN"));
  ASSERT_TRUE(album.SalvaVelistra());
  const QByteArray prima = FileAlbum();

  // 18x13 arrives in the middle of the catalogue and 13x9 leaves it.
  auto nuovo = Catalogo(TestoCatalogo({QStringLiteral("15x10|x|1|25"), QStringLiteral("18x13|y|1|59"),
                                       QStringLiteral("15x10P|z|0|29")}));
  AlbumVelistra riaperto{cartella.percorsi()};
  ASSERT_TRUE(riaperto.CaricaVelistra(*nuovo));
  QByteArray atteso = prima;
  atteso.replace("</xml>", "<formato id=\"18x13\"><files/></formato></xml>");
  EXPECT_EQ(FileAlbum(), atteso);
}

TEST_F(Album, FilterSortsByTitleKeepsEqualTitlesInDocumentOrderAndLeavesTheAlbumAlone) {
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  const auto aggiungi = [this](const char* formato, const char* copia, const char* titolo) {
    album.AggiungiFileVelistra(QString::fromUtf8(formato), QString::fromUtf8(copia),
                               QString::fromUtf8(titolo), QStringLiteral("FILLIN"));
  };
  aggiungi("15x10", "/l/1.jpg", "b.jpg");
  aggiungi("13x9", "/l/2.jpg", "c.jpg");
  aggiungi("15x10", "/l/3.jpg", "a.jpg");
  aggiungi("15x10", "/l/4.jpg", "b.jpg");
  aggiungi("13x9", "/l/5.jpg", "a.jpg");
  const QByteArray prima = album.Documento().xml();

  const auto uno = album.XMLFiltraFormato(QStringLiteral("15x10"));
  EXPECT_EQ(uno->radice().nome(), QStringLiteral("files"));
  EXPECT_EQ(Copie(*uno), (QStringList{"/l/3.jpg", "/l/1.jpg", "/l/4.jpg"}));
  const auto tutti = album.XMLFiltraFormato(QString());
  EXPECT_EQ(Titoli(*tutti), (QStringList{"a.jpg", "a.jpg", "b.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(Copie(*tutti), (QStringList{"/l/5.jpg", "/l/3.jpg", "/l/1.jpg", "/l/4.jpg", "/l/2.jpg"}));
  // Copies carry the five children of the album's entries.
  EXPECT_EQ(tutti->selezionaNodo(QStringLiteral("files/file")).figli().size(), 5);
  EXPECT_TRUE(album.XMLFiltraFormato(QStringLiteral("15x10P"))->selezionaNodi("files/*").isEmpty());
  EXPECT_EQ(album.Documento().xml(), prima);
}

TEST_F(Album, FindsEntriesByFormatOrInAnyFormat) {
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  album.AggiungiFileVelistra(QStringLiteral("13x9"), QStringLiteral("/l/a.jpg"), QStringLiteral("primo"),
                             QStringLiteral("FILLIN"));
  album.AggiungiFileVelistra(QStringLiteral("15x10"), QStringLiteral("/l/a.jpg"), QStringLiteral("secondo"),
                             QStringLiteral("FILLIN"));
  NodoXML nodo;
  ASSERT_TRUE(album.TrovaFileVelistra(QStringLiteral("15x10"), QStringLiteral("/l/a.jpg"), nodo));
  EXPECT_EQ(nodo.selezionaNodo(QStringLiteral("titolo")).testo(), QStringLiteral("secondo"));
  ASSERT_TRUE(album.TrovaFileVelistra(QString(), QStringLiteral("/l/a.jpg"), nodo));
  EXPECT_EQ(nodo.selezionaNodo(QStringLiteral("titolo")).testo(), QStringLiteral("primo"));
  EXPECT_FALSE(album.TrovaFileVelistra(QStringLiteral("15x10P"), QStringLiteral("/l/a.jpg"), nodo));
  EXPECT_FALSE(nodo.valido());
  EXPECT_FALSE(album.TrovaFileVelistra(QString(), QStringLiteral("/l/b.jpg"), nodo));
}

TEST_F(Album, IdentifiersAndPathsWithQuotesApostrophesAndMarkupAreSafe) {
  const QString strano = QStringLiteral("10x15 \"l'ampio\" & <più>");
  const QString percorso = QStringLiteral("/home/d'Angelo/\"foto\"/it's ] & <x>.jpg");
  auto catalogo = Catalogo(TestoCatalogo({strano + QStringLiteral("|d|1|25"), QStringLiteral("15x10|e|1|25")}));
  ASSERT_TRUE(album.CaricaVelistra(*catalogo));
  ASSERT_TRUE(album.AggiungiFileVelistra(strano, percorso, QStringLiteral("t"), QStringLiteral("FILLIN")));
  album.AggiungiFileVelistra(QStringLiteral("15x10"), QStringLiteral("/l/n.jpg"), QStringLiteral("u"),
                             QStringLiteral("FILLIN"));
  NodoXML nodo;
  EXPECT_TRUE(album.TrovaFileVelistra(strano, percorso, nodo));
  EXPECT_TRUE(album.TrovaFileVelistra(QString(), percorso, nodo));
  EXPECT_FALSE(album.TrovaFileVelistra(QStringLiteral("15x10"), percorso, nodo));
  EXPECT_EQ(Copie(*album.XMLFiltraFormato(strano)), QStringList{percorso});
  ASSERT_TRUE(album.SalvaVelistra());

  // Reloading finds the format, so it is not added twice.
  AlbumVelistra riaperto{cartella.percorsi()};
  ASSERT_TRUE(riaperto.CaricaVelistra(*catalogo));
  EXPECT_EQ(riaperto.Documento().selezionaNodi(QStringLiteral("/xml/formato")).size(), 2);
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
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  const QByteArray vuoto = FileAlbum();
  const QString foto = cartella.file(QStringLiteral("a.png"));
  QImage(4, 4, QImage::Format_RGB32).save(foto, "PNG");
  album.ImpostaContatoreFoto(500);
  const QString copia = *album.NuovaCopiaLavoro(foto);
  ASSERT_TRUE(QDir().mkpath(cartella.percorsi().CartellaLavoro) && QFile::copy(foto, copia));
  album.AggiungiFileVelistra(QStringLiteral("15x10"), copia, QStringLiteral("a.png"), QStringLiteral("FILLIN"));
  album.SalvaVelistra();
  album.SalvaContatoreFoto();
  cartella.Scrivi(QStringLiteral("Velistra/.nascosto"), "x");

  album.EliminaCartellaERicreaXML(*formati);
  EXPECT_EQ(FileAlbum(), vuoto);
  EXPECT_EQ(album.Documento().xml(), vuoto);
  EXPECT_TRUE(QDir(cartella.percorsi().CartellaLavoro).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_EQ(album.ContatoreFoto(), 0);
  EXPECT_EQ(cINIProfiles().GetPrivateProfileString("Opzioni", "ContatoreFoto", "", cartella.percorsi().PercorsoIni), "0");
  EXPECT_EQ(album.NuovaCopiaLavoro(foto), cartella.percorsi().CartellaLavoro + QStringLiteral("imgVE_000001.png"));
}

TEST_F(Album, AnUnreadableAlbumIsSetAsideAndTheAlbumStartsEmpty) {
  AlbumVelistra pulito{cartella.percorsi()};
  ASSERT_TRUE(pulito.CaricaVelistra(*formati));
  const QByteArray vuoto = FileAlbum();

  for (const QByteArray& rotto : {QByteArray("<xml><formato id=\"15x10\"><files><file>"),
                                  QByteArray("<album><formato id=\"15x10\"/></album>"),
                                  QByteArray("\xff\xfe garbage")}) {
    QFile::remove(cartella.file(QStringLiteral("Velistra.xml.illeggibile")));
    cartella.Scrivi(QStringLiteral("Velistra.xml"), rotto);
    ASSERT_TRUE(album.CaricaVelistra(*formati));
    EXPECT_EQ(FileAlbum(), vuoto);
    EXPECT_EQ(cartella.Leggi(QStringLiteral("Velistra.xml.illeggibile")), rotto);
  }

  QFile::remove(cartella.file(QStringLiteral("Velistra.xml.illeggibile")));
  cartella.Scrivi(QStringLiteral("Velistra.xml"), QByteArray());
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  EXPECT_EQ(FileAlbum(), vuoto);
  EXPECT_FALSE(QFile::exists(cartella.file(QStringLiteral("Velistra.xml.illeggibile"))));
}

TEST_F(Album, UnknownElementsStayAndAFormatWithoutContainerGetsOne) {
  cartella.Scrivi(QStringLiteral("Velistra.xml"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><nota>x</nota>"
                  "<formato id=\"15x10\"><files><file><nomecompleto>/l/a.jpg</nomecompleto>"
                  "<titolo>a</titolo><quantita>2</quantita><formato>15x10</formato>"
                  "<ridimensionamento>NONE</ridimensionamento><extra/></file><altro/></files></formato>"
                  "<formato id=\"13x9\"/></xml>");
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  NodoXML nodo;
  ASSERT_TRUE(album.TrovaFileVelistra(QStringLiteral("15x10"), QStringLiteral("/l/a.jpg"), nodo));
  EXPECT_EQ(QuantitaFile(nodo), 2);
  EXPECT_EQ(Copie(*album.XMLFiltraFormato(QString())), QStringList{"/l/a.jpg"});
  EXPECT_TRUE(album.AggiungiFileVelistra(QStringLiteral("13x9"), QStringLiteral("/l/b.jpg"),
                                         QStringLiteral("b"), QStringLiteral("FILLIN")));
  EXPECT_TRUE(FileAlbum().contains("<nota>x</nota>"));
  EXPECT_TRUE(FileAlbum().contains("<altro/>"));
}

TEST_F(Album, LeftoversOfAnInterruptedSaveAreRemovedAndNeverTakenForTheAlbum) {
  cartella.Scrivi(QStringLiteral("Velistra.xml.Ab12Cd"),
                  kDichiarazione + "<xml><formato id=\"15x10\"><files><file/></files></formato></xml>");
  ASSERT_TRUE(album.CaricaVelistra(*formati));
  EXPECT_FALSE(QFile::exists(cartella.file(QStringLiteral("Velistra.xml.Ab12Cd"))));
  EXPECT_TRUE(album.XMLFiltraFormato(QString())->selezionaNodi("files/*").isEmpty());
}

}  // namespace
