#include <QAccessible>
#include <QPainter>

#include "VistaProva.h"
#include "album/TabellaRidimensionamento.h"
#include "thumbview/AnteprimaStampa.h"

namespace {

const QColor kFoto(0, 200, 0);

bool ColoreFoto(QColor c) { return c == kFoto || (std::abs(c.green() - 200) < 8 && c.red() < 8); }
bool Ombreggiato(QColor c) { return c.green() < 150 && c.green() > 40 && c.red() < 8; }

// A photo (by default 4:3, 400 x 300 upright) on 10 x 15 cm paper, drawn into
// a box (by default the 200 square).
QImage Anteprima(Adattamento adattamento, QSize misuraFoto = {400, 300}, QSize area = {200, 200}) {
  const ImpaginazioneAnteprima posto = ImpaginaAnteprima(
      misuraFoto, CartaStampa{QStringLiteral("15x10"), QSizeF(10, 15), adattamento}, area);
  QImage foto(posto.foto.size(), QImage::Format_RGB32);
  foto.fill(kFoto);
  QImage anteprima(area, QImage::Format_RGB32);
  anteprima.fill(Qt::white);
  QPainter superficie(&anteprima);
  DisegnaAnteprimaStampa(superficie, foto, posto);
  return anteprima;
}

// How many pixels of row y, from x on in steps of passo, are alike before one is not.
template <class Simile>
int Serie(const QImage& immagine, int y, int x, int passo, Simile simile) {
  int n = 0;
  for (; x >= 0 && x < immagine.width() && simile(immagine.pixelColor(x, y)); x += passo) ++n;
  return n;
}

}  // namespace

TEST(AnteprimaStampa, AColumnNarrowerThanThePreviewStillShowsItWholeAndSymmetric) {
  const QSize colonna(190, 190);
  // A 2:1 photo covering the 3:2 paper: a shaded band of the same width each side.
  const QImage riempi = Anteprima(Adattamento::Riempi, {400, 200}, colonna);
  const int sinistra = Serie(riempi, 95, 0, 1, Ombreggiato);
  EXPECT_GT(sinistra, 20);
  EXPECT_NEAR(Serie(riempi, 95, 189, -1, Ombreggiato), sinistra, 1);
  EXPECT_TRUE(ColoreFoto(riempi.pixelColor(95, 95)));
  // A 4:3 photo inside the paper: the outline on both sides, white margins alike within it.
  const QImage contieni = Anteprima(Adattamento::Contieni, {400, 300}, colonna);
  const auto bianco = [](QColor c) { return c == QColor(Qt::white); };
  for (const int x : {0, 189}) EXPECT_FALSE(bianco(contieni.pixelColor(x, 95))) << x;
  const int margine = Serie(contieni, 95, 1, 1, bianco);
  EXPECT_GT(margine, 5);
  EXPECT_NEAR(Serie(contieni, 95, 188, -1, bianco), margine, 1);
}

TEST(AnteprimaStampa, FillInShadesWhatThePrintCutsAwayAboveAndBelow) {
  // The photo is 200 x 150 at (0, 25); the 3:2 paper inside it 200 x 133 at (0, 33).
  EXPECT_EQ(ImpaginaAnteprima({400, 300}, CartaStampa{"15x10", QSizeF(10, 15), Adattamento::Riempi}).carta,
            QRect(0, 33, 200, 133));
  const QImage anteprima = Anteprima(Adattamento::Riempi);
  const auto colore = [&](int x, int y) { return anteprima.pixelColor(x, y); };
  EXPECT_EQ(colore(100, 20), QColor(Qt::white));
  for (const int y : {26, 31, 167, 173}) EXPECT_TRUE(Ombreggiato(colore(100, y))) << y;
  for (const int y : {35, 100, 164}) EXPECT_TRUE(ColoreFoto(colore(100, y))) << y;
  EXPECT_TRUE(ColoreFoto(colore(2, 100)));  // the sides are not cut
  EXPECT_EQ(colore(100, 180), QColor(Qt::white));
}

TEST(AnteprimaStampa, FitInShowsTheWhiteMarginsLeftAndRightWithinThePaper) {
  // The paper is 200 x 133 at (0, 34); the photo inside it 177 x 133 at (12, 34).
  EXPECT_EQ(ImpaginaAnteprima({400, 300}, CartaStampa{"15x10", QSizeF(10, 15), Adattamento::Contieni}).foto,
            QRect(12, 34, 177, 133));
  const QImage anteprima = Anteprima(Adattamento::Contieni);
  const auto colore = [&](int x, int y) { return anteprima.pixelColor(x, y); };
  for (const int x : {2, 10, 190, 197}) EXPECT_EQ(colore(x, 100), QColor(Qt::white)) << x;
  for (const int x : {13, 100, 187}) EXPECT_TRUE(ColoreFoto(colore(x, 100))) << x;
  // The paper's outline tells the margins from the box around them.
  EXPECT_NE(colore(0, 100), QColor(Qt::white));
  EXPECT_NE(colore(100, 34), QColor(Qt::white));
  EXPECT_EQ(colore(100, 30), QColor(Qt::white));
}

TEST(AnteprimaStampa, WithoutAKnownPaperThePhotoAloneAsBefore) {
  const ImpaginazioneAnteprima posto = ImpaginaAnteprima({400, 300}, std::nullopt);
  EXPECT_EQ(posto.foto, QRect(0, 25, 200, 150));
  EXPECT_TRUE(posto.carta.isEmpty());
}

// The format view with the installed papers of "15x10" (10 x 15 cm).
class AvvisoVista : public VistaProva {
 protected:
  void SetUp() override {
    VistaProva::SetUp();
    vista->ImpostaCartaStampa([](const QString& formato, const QString& ridimensionamento) -> std::optional<CartaStampa> {
      if (formato != QStringLiteral("15x10")) return std::nullopt;
      return CartaStampa{formato, QSizeF(10, 15), AdattamentoRidimensionamento(ridimensionamento)};
    });
    // Tall enough that the warning's band leaves the picture where it is.
    anteprima.resize(200, 240);
    vista->setpicPreview(&anteprima);
  }
  void Aggiungi(const QString& nome, QSize misura, const QString& formato = QStringLiteral("15x10")) {
    ASSERT_TRUE(vista->AggiungiThumbs(Foto(nome, misura, kFoto), true, {}, 1, formato, QStringLiteral("Fill-In")));
    AttendiCopie();
  }
  bool HaColore(const QRect& area, const QColor& atteso) const {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (Pixel(x, y) == atteso) return true;
    return false;
  }
  SuperficieDisegno anteprima;
};

TEST_F(AvvisoVista, TheMarkSaysTheResolutionOnHoverAndFollowsTheFitMode) {
  Aggiungi(QStringLiteral("media.jpg"), {800, 600});  // 135 dpi covering, 152 inside
  Aggiungi(QStringLiteral("piccola.jpg"), {400, 300});  // 67 dpi
  Aggiungi(QStringLiteral("grande.jpg"), {1800, 1200});
  Aggiungi(QStringLiteral("altro.jpg"), {400, 300}, QStringLiteral("15x10P"));  // paper unknown
  const QString testo = QStringLiteral("Risoluzione bassa per il formato 15x10: 135 dpi (consigliati almeno 150).");
  ASSERT_TRUE(vista->AvvisoThumb(0).has_value());
  EXPECT_EQ(vista->AvvisoThumb(0)->testo, testo);
  EXPECT_EQ(vista->AvvisoThumb(1)->livello, LivelloQualita::Scarsa);
  EXPECT_FALSE(vista->AvvisoThumb(2).has_value());
  EXPECT_FALSE(vista->AvvisoThumb(3).has_value());

  const QRect segno = vista->Thumbs()[0].AreaSegnoQualita;
  ASSERT_FALSE(segno.isEmpty());
  EXPECT_TRUE(HaColore(segno, ColoreAvviso(LivelloQualita::Bassa)));
  EXPECT_TRUE(HaColore(vista->Thumbs()[1].AreaSegnoQualita, ColoreAvviso(LivelloQualita::Scarsa)));
  EXPECT_TRUE(vista->Thumbs()[2].AreaSegnoQualita.isEmpty());
  // On the picture, clear of the check box and of the name above it.
  EXPECT_FALSE(segno.intersects(vista->Spunte().CasellaThumb(0)->geometry()));
  EXPECT_GE(segno.top(), vista->Thumbs()[0].AreaCella.top() + 18);
  Muovi(segno.center());
  EXPECT_EQ(Superficie()->toolTip(), testo);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(vista.get())->child(0)->text(QAccessible::Description), testo);
  Muovi(vista->Thumbs()[0].AreaCella.center() + QPoint(-30, 0));
  EXPECT_EQ(Superficie()->toolTip(), QStringLiteral("media.jpg"));

  // The preview shades what the print cuts away and writes the same line.
  Premi(vista->Thumbs()[0].AreaCella.center());
  EXPECT_TRUE(Ombreggiato(anteprima.immagine().pixelColor(100, 28)));
  EXPECT_TRUE(ColoreFoto(anteprima.immagine().pixelColor(6, 100)));

  vista->Spunte().ImpostaSelezione(0, true);
  vista->Spunte().ImpostaRidimensionamentoThumbSelezionate(QStringLiteral("Fit-in"));
  EXPECT_FALSE(vista->AvvisoThumb(0).has_value());
  EXPECT_TRUE(vista->Thumbs()[0].AreaSegnoQualita.isEmpty());
  // The preview follows at once: white margins beside the photo, nothing shaded.
  EXPECT_EQ(anteprima.immagine().pixelColor(6, 100), QColor(Qt::white));
  EXPECT_TRUE(ColoreFoto(anteprima.immagine().pixelColor(100, 40)));
}
