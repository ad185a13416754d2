#include <QFontMetricsF>

#include "support/InchiostroProva.h"
#include "VistaProva.h"
#include "thumbview/GeometriaThumb.h"

namespace {

// Cells of a format view, read off the drawing surface in its own pixels (two
// per unit on a screen scaled by 2; the outline then spreads over two pixels,
// so the rectangles read keep two units clear of it).
class Celle : public VistaProva {
 protected:
  void SetUp() override {
    VistaProva::SetUp();
    vista->Aspetto().ImpostaMostraNumeroFoto(true);
    vista->Aspetto().ImpostaMostraFormatoFotografico(true);
  }
  void Aggiungi(const QString& nome, std::int16_t numero, const QString& ridimensionamento) {
    ASSERT_TRUE(vista->AggiungiThumbs(Foto(nome, {300, 400}), true, {}, numero,
                                      QStringLiteral("13x18"), ridimensionamento));
    AttendiCopie();
  }
  qreal k() const { return Superficie()->immagine().devicePixelRatio(); }
  QRect InPixel(const QRect& r) const {
    return {qRound(r.x() * k()), qRound(r.y() * k()), qRound(r.width() * k()),
            qRound(r.height() * k())};
  }
  // Ink in a rectangle given from the top left of cell i.
  QRect Inchiostro(int i, const QRect& r) const {
    const QRect sullaSuperficie = r.translated(vista->Thumbs()[i].AreaCella.topLeft());
    return AreaInchiostro(Superficie()->immagine(), InPixel(sullaSuperficie))
        .translated(-InPixel(vista->Thumbs()[i].AreaCella).topLeft());
  }
  QFontMetricsF Didascalia() const {
    QFont carattere(vista->font().family());
    carattere.setPixelSize(kAltezzaCarattereDidascalia);
    return QFontMetricsF(carattere);
  }
};

TEST_F(Celle, CaptionsAreWholeAndDifferByTheNumberOfPrints) {
  const QByteArray scala = qgetenv("QT_SCALE_FACTOR");  // the scale asked for is the one tested
  EXPECT_EQ(Superficie()->devicePixelRatioF(), scala.isEmpty() ? 1.0 : scala.toDouble());
  Aggiungi(QStringLiteral("b.jpeg"), 999, QStringLiteral("Nessuno"));
  Aggiungi(QStringLiteral("c.jpg"), 99, QStringLiteral("Fill-In"));
  Aggiungi(QStringLiteral("d.jpg"), 3, QStringLiteral("Fill-In"));
  Aggiungi(QStringLiteral("e.jpg"), 1, QStringLiteral("Fill-In"));
  const int h = vista->Aspetto().AltezzaCella();
  const QRect riga2(2, h - 30, kLarghezzaCella - 3, kAltezzaRiga);
  const QRect riga3(2, h - 16, kLarghezzaCella - 3, kAltezzaRiga);
  // Not cut with an ellipsis: the ink is as wide as the whole text.
  EXPECT_GE(Inchiostro(0, riga2).width(),
            (Didascalia().horizontalAdvance("Numero foto: 999") - 3) * k());
  EXPECT_GE(Inchiostro(0, riga3).width(),
            (Didascalia().horizontalAdvance("13x18 - Nessuno") - 3) * k());
  EXPECT_GT(Inchiostro(0, riga2).right(), Inchiostro(1, riga2).right() + 2 * k());
  const QImage& superficie = Superficie()->immagine();
  EXPECT_NE(superficie.copy(InPixel(riga2.translated(vista->Thumbs()[2].AreaCella.topLeft()))),
            superficie.copy(InPixel(riga2.translated(vista->Thumbs()[3].AreaCella.topLeft()))));
}

TEST_F(Celle, NamesStartRightOfTheCheckBoxAndLinesKeepApart) {
  Aggiungi(QStringLiteral("b.jpeg"), 3, QStringLiteral("Fill-In"));
  Aggiungi(QStringLiteral("foto_mare_2024_in_barca_con_gli_amici.jpg"), 1,
           QStringLiteral("Fill-In"));
  const int w = kLarghezzaCella - 3;
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    ASSERT_NE(vista->Spunte().CasellaThumb(i), nullptr);
    EXPECT_TRUE(
        AreaInchiostro(Superficie()->immagine(), InPixel(vista->Spunte().CasellaThumb(i)->geometry()))
            .isEmpty());
    // The name ends above the picture (18 down, 90 high); below it the two
    // captions are a band each, clear of the outline.
    EXPECT_FALSE(Inchiostro(i, QRect(2, 2, w, 15)).isEmpty());
    EXPECT_TRUE(Inchiostro(i, QRect(2, 17, w, 1)).isEmpty());
    const QRect sotto(2, 18 + 90, w, vista->Aspetto().AltezzaCella() - 18 - 90 - 1);
    const QRect pixel = InPixel(sotto.translated(vista->Thumbs()[i].AreaCella.topLeft()));
    const QList<QPair<int, int>> bande = BandeDiTesto(Superficie()->immagine(), pixel);
    ASSERT_EQ(bande.size(), 2);
    EXPECT_LT(bande[1].second, pixel.bottom());
  }
  // Underscores are not clipped: ink below the baseline.
  EXPECT_GT(Inchiostro(1, QRect(18, 2, 100, 16)).bottom(), (2 + Didascalia().ascent()) * k());
}

TEST_F(Celle, PicturesAreDecodedAtTheScreensPixelRatioAndCopiedOneToOne) {
  const QString bande = foto.filePath(QStringLiteral("bande.png"));
  ScriviFoto(bande, Codifica(ImmagineADueBande({600, 800}, Qt::red, Qt::blue), "png"));
  ASSERT_TRUE(vista->AggiungiThumbs(bande, true));
  AttendiCopie();
  const DatiThumb& thumb = vista->Thumbs()[0];
  EXPECT_EQ(QSize(thumb.LarghezzaMiniatura, thumb.AltezzaMiniatura), QSize(68, 90));
  EXPECT_EQ(thumb.Miniatura.size(), QSize(68 * k(), 90 * k()));
  // Not stretched: the surface holds the copy pixel for pixel.
  const QPoint origine = InPixel(QRect(SinistraImmagineInCella(0, 68), 2 + 18, 1, 1)).topLeft();
  const QImage copia = thumb.Miniatura.convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Superficie()->immagine().copy(QRect(origine, copia.size())), copia);
}

}  // namespace
