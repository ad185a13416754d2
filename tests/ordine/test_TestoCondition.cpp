#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "common/TestoOrdine.h"
#include "ordine/CartellaOrdine.h"
#include "ordine/TestoCondition.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/Impostazioni.h"
#include "settings/cINIProfiles.h"
#include "support/CartellaProgrammaProva.h"

namespace {

// An album of the installed catalogue, as the main window holds it.
class OrdineAlbum : public ::testing::Test {
 protected:
  CartellaProgrammaProva programma;
  CatalogoFormati catalogo{programma.percorsi()};
  AlbumVelistra album{programma.percorsi()};
  QTemporaryDir uscita;

  void SetUp() override {
    catalogo.CaricaFormati();
    ASSERT_TRUE(album.CaricaVelistra(catalogo.TuttiGliIdFormati()));
  }

  void Aggiungi(const QString& formato, const QString& copia, const QString& titolo, std::int32_t quantita = 1,
                const QString& ridimensionamento = QStringLiteral("FILLIN")) {
    const QString percorso = programma.percorsi().CartellaLavoro + copia;
    ASSERT_TRUE(album.AggiungiFileVelistra(formato, percorso, titolo, ridimensionamento));
    ASSERT_TRUE(album.ImpostaQuantitaFile(formato, percorso, quantita));
  }

  // The bytes of "Condition.txt" as the order folder and the send write them.
  QByteArray FileCondition() {
    const QString percorso = uscita.filePath(QStringLiteral("Condition.txt"));
    EXPECT_TRUE(ScriviTestoOrdine(percorso, TestoCondition(album.Formati(), Impostazioni(programma.percorsi()).DeviceName())));
    return LeggiFile(percorso);
  }

  QList<QByteArray> Righe() {
    QList<QByteArray> righe = FileCondition().split('\n');
    EXPECT_EQ(righe.takeLast(), QByteArray());  // the final CR LF
    for (QByteArray& riga : righe) {
      EXPECT_TRUE(riga.endsWith('\r')) << riga.constData();
      riga.chop(1);
    }
    return righe;
  }

  // "BackPrintLine2=" of each photo.
  QList<QByteArray> Retri() {
    QList<QByteArray> retri;
    for (const QByteArray& riga : Righe())
      if (riga.startsWith("BackPrintLine2=")) retri.append(riga.mid(15));
    retri.removeLast();  // the customer picture's
    return retri;
  }
};

TEST_F(OrdineAlbum, TwoPhotosOfOneFormatGiveTheTwentyEightLinesTheStationReads) {
  Aggiungi("15x10", "imgVE_000012.jpg", "mare.jpg");
  Aggiungi("15x10", "imgVE_000013.jpg", "monti.jpg", 3);
  EXPECT_EQ(FileCondition(),
            QByteArray("[OutDevice]\r\nDeviceName=LP-1500sRGB\r\n"
                       "[ImageList]\r\nImageCnt=3\r\n1=imgVE_000012.jpg\r\n2=imgVE_000013.jpg\r\n3=DatiUtente.jpg\r\n"
                       "[imgVE_000012.jpg]\r\nSizeName=15x10\r\nPrintCnt=1\r\nBackPrint=FILE\r\nBackPrintLine1=\r\n"
                       "BackPrintLine2=mare.jpg\r\nResize=FILLIN\r\n"
                       "[imgVE_000013.jpg]\r\nSizeName=15x10\r\nPrintCnt=3\r\nBackPrint=FILE\r\nBackPrintLine1=\r\n"
                       "BackPrintLine2=monti.jpg\r\nResize=FILLIN\r\n"
                       "[DatiUtente.jpg]\r\nSizeName=15X10\r\nPrintCnt=1\r\nBackPrint=FILE\r\nBackPrintLine1=\r\n"
                       "BackPrintLine2=DatiUtente.jpg\r\nResize=FILLIN\r\n"));
}

TEST_F(OrdineAlbum, FormatsComeInAlbumOrderAndPhotosInTheOrderTheyWereAdded) {
  // The installed catalogue lists 15x10 before 20x15 and 15x10P last.
  Aggiungi("20x15", "imgVE_000001.jpg", "uno");
  Aggiungi("15x10P", "imgVE_000002.png", "due", 2);
  Aggiungi("15x10", "imgVE_000003.jpg", "tre");
  Aggiungi("20x15", "imgVE_000004.tiff", "quattro", 1, "NONE");
  const QList<QByteArray> righe = Righe();
  ASSERT_EQ(righe.size(), 8 * 4 + 12);
  EXPECT_EQ(righe[3], "ImageCnt=5");
  EXPECT_EQ(righe.mid(4, 5), (QList<QByteArray>{"1=imgVE_000003.jpg", "2=imgVE_000001.jpg", "3=imgVE_000004.tiff",
                                                "4=imgVE_000002.png", "5=DatiUtente.jpg"}));
  auto blocco = [&](int k) { return righe.mid(9 + 7 * k, 7); };
  EXPECT_EQ(blocco(0).mid(0, 3), (QList<QByteArray>{"[imgVE_000003.jpg]", "SizeName=15x10", "PrintCnt=1"}));
  EXPECT_EQ(blocco(1)[0], "[imgVE_000001.jpg]");
  EXPECT_EQ(blocco(1)[1], "SizeName=20x15");
  EXPECT_EQ(blocco(2)[1], "SizeName=20x15");
  EXPECT_EQ(blocco(2)[6], "Resize=NONE");
  EXPECT_EQ(blocco(3).mid(0, 3), (QList<QByteArray>{"[imgVE_000002.png]", "SizeName=15x10P", "PrintCnt=2"}));
  EXPECT_EQ(blocco(3)[5], "BackPrintLine2=due");
  EXPECT_EQ(blocco(4)[0], "[DatiUtente.jpg]");
}

TEST_F(OrdineAlbum, TheBackOfEachPrintCarriesAtMostFortyCharactersOfTheTitle) {
  const QString quaranta = QStringLiteral("Vacanze al mare con la famiglia 2026 ab");  // 39
  ASSERT_EQ(quaranta.size() + 1, 40);
  // Accents in the code page, other characters as "?", one for each, even
  // outside the Basic Multilingual Plane.
  const QStringList titoli{quaranta + u'c', quaranta + QStringLiteral("cdefgh.jpg"), QStringLiteral("breve.jpg"),
                           QString(), QStringLiteral("Perù € 東京.jpg"),
                           QString(39, u'x') + QString::fromUtf8("\xF0\x9F\x93\xB7") + u'z'};
  for (int i = 0; i < titoli.size(); ++i)
    Aggiungi("15x10", QStringLiteral("imgVE_%1.jpg").arg(i + 1, 6, 10, QChar(u'0')), titoli[i]);
  const QByteArray atteso40 = quaranta.toLatin1() + 'c';
  EXPECT_EQ(Retri(), (QList<QByteArray>{atteso40, atteso40, "breve.jpg", "",
                                        "Per\xF9 \x80 ??.jpg", QByteArray(39, 'x') + '?'}));
}

TEST_F(OrdineAlbum, NoTitleOrNameCanBreakALineOfTheOrder) {
  Aggiungi("15x10", "imgVE_000001.jpg", "riga\nnuova\r.jpg");
  Aggiungi("15x10", "img\tVE\x1f.jpg", QStringLiteral("a\x7f") + QChar(0x85) + u'b');
  const QList<QByteArray> righe = Righe();
  ASSERT_EQ(righe.size(), 8 * 2 + 12);
  EXPECT_EQ(righe[5], "2=img VE .jpg");
  EXPECT_EQ(righe[14], "[img VE .jpg]");
  EXPECT_EQ(Retri(), (QList<QByteArray>{"riga nuova .jpg", "a  b"}));
  EXPECT_EQ(NomeFileOrdine(QStringLiteral("/p/Velistra/a\nb.jpg")), QStringLiteral("a b.jpg"));
}

TEST_F(OrdineAlbum, TheStationNameComesFromTheSettingsOrTheDefault) {
  Aggiungi("15x10", "imgVE_000001.jpg", "a.jpg");
  const cINIProfiles ini;
  ini.WritePrivateProfileString(kSezioneOpzioni, QStringLiteral("DeviceName"), QStringLiteral("LP-2500 Sala"),
                                programma.percorsi().PercorsoIni);
  EXPECT_EQ(Righe()[1], "DeviceName=LP-2500 Sala");
  ini.DeletePrivateProfileKeyString(kSezioneOpzioni, QStringLiteral("DeviceName"), programma.percorsi().PercorsoIni);
  EXPECT_EQ(Righe()[1], "DeviceName=LP-1500sRGB");
}

TEST_F(OrdineAlbum, AnEmptyAlbumHasNoOrderText) {
  EXPECT_TRUE(TestoCondition(album.Formati(), QStringLiteral("LP-1500sRGB")).isEmpty());
}

TEST(CartellaOrdine, TheFolderIsNamedByTheMinuteAndTheSheetHasEightLines) {
  EXPECT_EQ(NomeCartellaOrdine(QDateTime(QDate(2026, 12, 7), QTime(15, 30, 59))), QStringLiteral("VE2612071530"));
  EXPECT_EQ(NomeCartellaOrdine(QDateTime(QDate(2031, 1, 2), QTime(3, 4))), QStringLiteral("VE3101020304"));
  EXPECT_EQ(TestoFotografiaDatiUtente(QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1"), QStringLiteral("€ 2,25")),
            QStringLiteral("Rossi Anna\r\nPisa\r\nVia Roma 1\r\n\r\nPrezzo indicativo (da verificare): \r\n€ 2,25\r\n"
                           "\r\nUtente non convenzionato"));
}

}  // namespace
