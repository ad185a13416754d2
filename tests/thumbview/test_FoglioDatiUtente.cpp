#include <QImageReader>

#include "InchiostroProva.h"
#include "VistaProva.h"
#include "mainwindow/CartellaOrdine.h"

namespace {

// The customer sheet as the order folder and the send write it: every line of
// the text its own band of ink, all inside (10, 50, 620 x 430).
class Foglio : public VistaProva {
 protected:
  QImage Rendi(const QString& testo) {
    const QString percorso = foto.filePath(QStringLiteral("DatiUtente.jpg"));
    EXPECT_TRUE(vista->CreaFotografiaTesto(percorso, testo));
    QImage foglio = QImageReader(percorso).read();
    EXPECT_EQ(foglio.size(), QSize(640, 480));
    return foglio;
  }
  static QString DatiUtente(const QString& via) {
    return QStringLiteral("Rossi Maria\r\nFirenze\r\n") + via;
  }
  static QString TestoInvio(const QString& via) {
    // The send adds the user name and the affiliation.
    return DatiUtente(via) +
           QStringLiteral("\r\nUsername: mrossi\r\n\r\nPrezzo indicativo (da verificare): \r\n") +
           QStringLiteral("€ 1.234,50\r\n\r\nUtente convenzionato");
  }
  static void InchiostroNelRiquadro(const QImage& foglio) {
    const QRect area = AreaInchiostro(foglio, foglio.rect());
    ASSERT_FALSE(area.isEmpty());
    EXPECT_TRUE(QRect(10, 50, 620, 430).contains(area)) << area.x() << "," << area.y() << " "
                                                        << area.width() << "x" << area.height();
  }

  const QString viaBreve = QStringLiteral("Via Roma 1");
  // 60 characters: wider than the picture at the sheet's size.
  const QString viaLunga =
      QStringLiteral("Via della Circonvallazione Nord Occidentale di Sant'Agata 12");
};

TEST_F(Foglio, EveryLineOfTheOrderFolderSheetIsItsOwnBand) {
  ASSERT_EQ(viaLunga.size(), 60);
  const QString testo = TestoFotografiaDatiUtente(DatiUtente(viaBreve), QStringLiteral("€ 12,50"));
  const QImage foglio = Rendi(testo);
  // Eight lines, two of them empty.
  EXPECT_EQ(BandeDiTesto(foglio, foglio.rect()).size(), 6);
  InchiostroNelRiquadro(foglio);
  // The long street wraps onto a second line instead of running out.
  const QImage lungo =
      Rendi(TestoFotografiaDatiUtente(DatiUtente(viaLunga), QStringLiteral("€ 12,50")));
  EXPECT_EQ(BandeDiTesto(lungo, lungo.rect()).size(), 7);
  InchiostroNelRiquadro(lungo);
}

TEST_F(Foglio, TheSendSheetWithUserNameAndAffiliationFitsToo) {
  const QImage foglio = Rendi(TestoInvio(viaBreve));
  EXPECT_EQ(BandeDiTesto(foglio, foglio.rect()).size(), 7);
  InchiostroNelRiquadro(foglio);
  const QImage lungo = Rendi(TestoInvio(viaLunga));
  EXPECT_EQ(BandeDiTesto(lungo, lungo.rect()).size(), 8);
  InchiostroNelRiquadro(lungo);
}

TEST_F(Foglio, ATextTooLongForThePictureShrinksAndNeverLeavesTheRectangle) {
  QStringList righe;
  for (int i = 0; i < 30; ++i) righe << QStringLiteral("Riga %1 ").arg(i).repeated(6);
  righe << QStringLiteral("Unaparolasenzaspaziocosìlungachenonentrainunariga").repeated(3);
  const QImage foglio = Rendi(righe.join(QStringLiteral("\r\n")));
  InchiostroNelRiquadro(foglio);
}

}  // namespace
