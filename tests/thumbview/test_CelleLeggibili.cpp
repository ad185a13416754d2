#include <QFontMetricsF>

#include "InchiostroProva.h"
#include "VistaProva.h"
#include "thumbview/GeometriaThumb.h"

namespace {

// Cells of a format view, read off the drawing surface in its own pixels (two
// per unit when the screen is scaled by 2).
class Celle : public VistaProva {
 protected:
  void SetUp() override {
    VistaProva::SetUp();
    vista->ImpostaMostraNumeroFoto(true);
    vista->ImpostaMostraFormatoFotografico(true);
  }
  void Aggiungi(const QString& nome, std::int16_t numero, const QString& ridimensionamento) {
    ASSERT_TRUE(vista->AggiungiThumbs(Foto(nome, {300, 400}), true, {}, numero,
                                      QStringLiteral("13x18"), ridimensionamento));
  }
  qreal Rapporto() const { return Superficie()->immagine().devicePixelRatio(); }
  QRect InPixel(const QRect& r) const {
    const qreal k = Rapporto();
    return {qRound(r.x() * k), qRound(r.y() * k), qRound(r.width() * k), qRound(r.height() * k)};
  }
  // Ink in a rectangle of a cell given in units from the cell's top left.
  QRect Inchiostro(int indice, const QRect& nellaCella) const {
    const QRect cella = vista->Thumbs()[indice].AreaCella;
    return AreaInchiostro(Superficie()->immagine(), InPixel(nellaCella.translated(cella.topLeft())));
  }
  QFont Didascalia() const {
    QFont carattere(vista->font().family());
    carattere.setPixelSize(kAltezzaCarattereDidascalia);
    return carattere;
  }
};

TEST_F(Celle, TheScaleAskedForIsTheOneTested) {
  const QByteArray scala = qgetenv("QT_SCALE_FACTOR");
  EXPECT_EQ(Superficie()->devicePixelRatioF(), scala.isEmpty() ? 1.0 : scala.toDouble());
}

TEST_F(Celle, CaptionsAreWholeAndDifferByTheNumberOfPrints) {
  Aggiungi(QStringLiteral("b.jpeg"), 999, QStringLiteral("Nessuno"));
  Aggiungi(QStringLiteral("c.jpg"), 99, QStringLiteral("Fill-In"));
  Aggiungi(QStringLiteral("d.jpg"), 3, QStringLiteral("Fill-In"));
  Aggiungi(QStringLiteral("e.jpg"), 1, QStringLiteral("Fill-In"));
  const int h = vista->AltezzaCella();
  // Two units clear of the outline, which a scaled screen spreads over two pixels.
  const QRect riga2(2, h - 30, kLarghezzaCella - 3, kAltezzaRiga);
  const QRect riga3(2, h - 16, kLarghezzaCella - 3, kAltezzaRiga);
  const QFontMetricsF misure(Didascalia());
  // Not cut with an ellipsis: the ink is as wide as the whole text.
  const qreal k = Rapporto();
  EXPECT_GE(Inchiostro(0, riga2).width(), (misure.horizontalAdvance("Numero foto: 999") - 3) * k);
  EXPECT_GE(Inchiostro(0, riga3).width(), (misure.horizontalAdvance("13x18 - Nessuno") - 3) * k);
  EXPECT_GT(Inchiostro(0, riga2).right() - vista->Thumbs()[0].AreaCella.left() * k,
            Inchiostro(1, riga2).right() - vista->Thumbs()[1].AreaCella.left() * k + 2 * k);
  // 3 and 1 prints read differently.
  const QImage& superficie = Superficie()->immagine();
  const QRect tre = InPixel(riga2.translated(vista->Thumbs()[2].AreaCella.topLeft()));
  const QRect uno = InPixel(riga2.translated(vista->Thumbs()[3].AreaCella.topLeft()));
  EXPECT_NE(superficie.copy(tre), superficie.copy(uno));
}

TEST_F(Celle, NamesStartRightOfTheCheckBoxAndLinesKeepApart) {
  Aggiungi(QStringLiteral("b.jpeg"), 3, QStringLiteral("Fill-In"));
  Aggiungi(QStringLiteral("foto_mare_2024_in_barca_con_gli_amici.jpg"), 1, QStringLiteral("Fill-In"));
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const QRect cella = vista->Thumbs()[i].AreaCella;
    QCheckBox* casella = vista->CasellaThumb(i);
    ASSERT_NE(casella, nullptr);
    EXPECT_TRUE(AreaInchiostro(Superficie()->immagine(), InPixel(casella->geometry())).isEmpty());
    // The name ends above the 90-pixel picture; below it the two captions are
    // a band each, clear of the outline.
    const int altoImmagine = cella.top() + 18;
    const QRect nome(cella.left() + 2, cella.top() + 2, cella.width() - 3, 16);
    EXPECT_FALSE(AreaInchiostro(Superficie()->immagine(), InPixel(nome)).isEmpty());
    EXPECT_TRUE(AreaInchiostro(Superficie()->immagine(),
                               InPixel(QRect(nome.left(), altoImmagine - 1, nome.width(), 1)))
                    .isEmpty());
    const QRect sotto(nome.left(), altoImmagine + 90, nome.width(),
                      cella.bottom() - 1 - altoImmagine - 90);
    const QList<QPair<int, int>> bande = BandeDiTesto(Superficie()->immagine(), InPixel(sotto));
    ASSERT_EQ(bande.size(), 2);
    EXPECT_LT(bande[1].second, InPixel(sotto).bottom());
  }
  // The underscores of the long name are not clipped: ink below the baseline.
  const QRect nome = Inchiostro(1, QRect(18, 2, 100, 16));
  const QFontMetricsF misure(Didascalia());
  EXPECT_GT(nome.bottom(), (vista->Thumbs()[1].AreaCella.top() + 2 + misure.ascent()) * Rapporto());
}

TEST_F(Celle, PicturesAreDecodedAtTheScreensPixelRatioAndCopiedOneToOne) {
  const QString bande = foto.filePath(QStringLiteral("bande.png"));
  ScriviFoto(bande, Codifica(ImmagineADueBande({600, 800}, Qt::red, Qt::blue), "png"));
  ASSERT_TRUE(vista->AggiungiThumbs(bande, true));
  const DatiThumb& thumb = vista->Thumbs()[0];
  const qreal k = Rapporto();
  EXPECT_EQ(QSize(thumb.LarghezzaMiniatura, thumb.AltezzaMiniatura), QSize(68, 90));
  EXPECT_EQ(thumb.Miniatura.size(), QSize(68 * k, 90 * k));
  EXPECT_EQ(Superficie()->immagine().size(), Superficie()->size() * k);
  // Not stretched: the surface holds the copy pixel for pixel.
  const QPoint origine = InPixel(QRect(SinistraImmagineInCella(0, 68), 2 + 18, 1, 1)).topLeft();
  const QImage copia = thumb.Miniatura.convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Superficie()->immagine().copy(QRect(origine, copia.size())).convertToFormat(
                QImage::Format_RGB32),
            copia);
}

}  // namespace
