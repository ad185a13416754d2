#include <QScrollBar>
#include <algorithm>

#include "VistaProva.h"
#include "thumbview/LivelloImmagine.h"

namespace {

using Vista = VistaProva;

bool Verde(QColor c) { return c.green() > 150 && c.red() < 60 && c.blue() < 60; }

TEST_F(Vista, AddingLoadsOnlyWhatIsOnThePage) {
  Aggiungi(25, false);
  ASSERT_EQ(vista->TotFile(), 25);
  EXPECT_EQ(vista->Thumbs().first().PercorsoCompleto(), foto.filePath(QStringLiteral("foto00.jpg")));
  // The page holds 20 (0 to 19); from then on the copies wait for the scrolling.
  EXPECT_EQ(vista->PrimaThumbVisibile(), 0);
  EXPECT_EQ(vista->UltimaThumbVisibile(), 19);
  for (int i = 0; i < 25; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(vista->Thumbs()[i].Miniatura.isNull(), i >= 20);
  }
  // 25 photos make 5 rows; 3 are whole on the page.
  EXPECT_EQ(vista->findChild<QScrollBar*>(QStringLiteral("vsbSlide"))->maximum(), 2);
  // Off the page nothing is opened, so a bare name is kept as it is.
  ASSERT_TRUE(vista->AggiungiThumbs(QStringLiteral("senza_cartella.jpg")));
}

TEST_F(Vista, AddingTakesItsArgumentsAndRefusesWhatItCannotShow) {
  EXPECT_FALSE(vista->AggiungiThumbs(QString()));
  ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("a.png"), {300, 400}, Qt::red, "png"), true,
                                    QStringLiteral("Mare"), 3, QStringLiteral("15x10"),
                                    QStringLiteral("Fill-In")));
  AttendiCopie();
  const DatiThumb& thumb = vista->Thumbs().first();
  EXPECT_EQ(QStringList({thumb.NomeFileToolTip, thumb.FormatoFotografico, thumb.Ridimensionamento}),
            QStringList({"Mare", "15x10", "Fill-In"}));
  EXPECT_EQ(thumb.NumeroFoto, 3);
  EXPECT_EQ(QSize(thumb.LarghezzaMiniatura, thumb.AltezzaMiniatura), QSize(68, 90));
  // On the page and unreadable: not added.
  const QString rotta = foto.filePath(QStringLiteral("rotta.jpg"));
  ScriviFoto(rotta, "testo qualunque");
  EXPECT_FALSE(vista->AggiungiThumbs(rotta, true));
  const QString vuota = foto.filePath(QStringLiteral("vuota.jpg"));
  ScriviFoto(vuota, {});
  EXPECT_FALSE(vista->AggiungiThumbs(vuota, true));
  EXPECT_EQ(vista->TotFile(), 1);
}

TEST_F(Vista, ADrawnPageHasItsOutlinesCaptionsPicturesAndCheckBoxes) {
  Aggiungi(7);
  // Cell 0 at (0, 2), 120 x 110: the outline covers x 0..120 and y 2..112. Cell 6
  // is column 1 of row 1: left 122, top 1 x 112 + 2 = 114.
  for (const QPoint p : {QPoint(0, 50), {120, 50}, {55, 2}, {55, 112}, {122, 150}, {160, 114}})
    EXPECT_EQ(Pixel(p.x(), p.y()), kDidascalia) << p.x() << ',' << p.y();
  // Outside the outlines, and around the 90 x 68 picture at (15, 20) in cell 0.
  for (const QPoint p : {QPoint(121, 50), {55, 1}, {160, 113}, {14, 50}, {55, 88}})
    EXPECT_EQ(Pixel(p.x(), p.y()), QColor(Qt::white)) << p.x() << ',' << p.y();
  EXPECT_TRUE(Verde(Pixel(15, 20)));
  EXPECT_TRUE(Verde(Pixel(104, 87)));
  QCheckBox* casella = vista->Spunte().CasellaThumb(6);
  ASSERT_NE(casella, nullptr);
  EXPECT_TRUE(casella->isVisible());
  EXPECT_EQ(casella->pos(), QPoint(124, 116));
  EXPECT_EQ(casella->toolTip(), foto.filePath(QStringLiteral("foto06.jpg")));
  EXPECT_EQ(casella->objectName(), QStringLiteral("chkFotoSelezionata"));
  EXPECT_EQ(vista->Thumbs()[6].AreaCella, QRect(122, 114, 120, 110));
  EXPECT_TRUE(Superficie()->isVisible());
}

TEST_F(Vista, ACellIsDrawnAtOnceAndItsPictureComesWhenDecoded) {
  vista->Aspetto().ImpostaMostraNumeroFoto(true);
  ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("a.jpg")), true, {}, 2));
  // Drawn without waiting: outline, name and box now, the picture area still white.
  EXPECT_GT(vista->DecodificheInCorso(), 0);
  EXPECT_TRUE(vista->Thumbs()[0].Miniatura.isNull());
  EXPECT_EQ(Pixel(0, 50), kDidascalia);
  EXPECT_EQ(Pixel(15, 20), QColor(Qt::white));
  EXPECT_TRUE(vista->Spunte().CasellaThumb(0)->isVisible());
  AttendiCopie();
  EXPECT_TRUE(Verde(Pixel(15, 20)));
  // The cell drawn again when its copy came is the cell drawn with the copy at hand.
  const QImage arrivata = Superficie()->immagine().copy();
  vista->Esegui_vsbSlideChange();
  EXPECT_EQ(Superficie()->immagine(), arrivata);
  // Copies asked for before the grid was emptied never reach it.
  ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("b.jpg")), true));
  vista->CancellaThumbs();
  EXPECT_EQ(vista->DecodificheInCorso(), 0);
  AttendiFinche([] { return false; }, 200);
  EXPECT_EQ(vista->TotFile(), 0);
  EXPECT_FALSE(Superficie()->isVisible());
  ASSERT_TRUE(vista->AggiungiThumbs(Foto(QStringLiteral("c.jpg")), true));
  vista.reset();  // while its copy is being decoded
  AttendiFinche([] { return false; }, 200);
}

TEST_F(Vista, UnreadablePhotosFoundLaterShowThePlaceholder) {
  Aggiungi(20, false);
  const QString rotta = foto.filePath(QStringLiteral("rotta.jpg"));
  ScriviFoto(rotta, "testo");
  ASSERT_TRUE(vista->AggiungiThumbs(rotta));  // off the page: not opened yet
  QScrollBar* barra = vista->findChild<QScrollBar*>(QStringLiteral("vsbSlide"));
  barra->setValue(1);  // row 1: thumbnails 5 to 20
  EXPECT_EQ(vista->PrimaThumbVisibile(), 5);
  AttendiCopie();
  const DatiThumb& thumb = vista->Thumbs()[20];
  EXPECT_TRUE(thumb.Miniatura.isNull());
  EXPECT_EQ(thumb.AreaCella, QRect(0, 3 * 112 + 2, 120, 110));
  // The 90 x 90 placeholder at (10, 356): its grey frame, not white.
  QImage segnaposto;
  ASSERT_EQ(ApriImmagine(programma.file(QStringLiteral("NonDisponibile.gif")), segnaposto),
            kStatoRiuscito);
  EXPECT_LE(segnaposto.width(), 90);
  EXPECT_LE(segnaposto.height(), 90);
  const int sinistra = (120 - segnaposto.width()) / 2;
  EXPECT_EQ(Pixel(sinistra + 5, 356 + 5), segnaposto.pixelColor(5, 5));
  ASSERT_NE(vista->Spunte().CasellaThumb(20), nullptr);
  EXPECT_TRUE(vista->Spunte().CasellaThumb(20)->isVisible());
}

TEST_F(Vista, ScrollingDrawsThePageFromTheTopLeftCellAgainAndKeepsTheCopies) {
  Aggiungi(30);
  QScrollBar* barra = vista->findChild<QScrollBar*>(QStringLiteral("vsbSlide"));
  EXPECT_EQ(barra->maximum(), 3);
  barra->setValue(1);
  EXPECT_EQ(vista->PrimaThumbVisibile(), 5);
  EXPECT_EQ(vista->UltimaThumbVisibile(), 24);
  EXPECT_EQ(vista->Thumbs()[5].AreaCella, QRect(0, 2, 120, 110));
  EXPECT_TRUE(vista->Thumbs()[0].AreaCella.isEmpty());
  EXPECT_EQ(vista->Spunte().CasellaThumb(0), nullptr);
  EXPECT_EQ(vista->Spunte().CasellaThumb(5)->pos(), QPoint(2, 4));
  barra->setValue(3);
  EXPECT_EQ(vista->PrimaThumbVisibile(), 15);
  EXPECT_EQ(vista->UltimaThumbVisibile(), 30);
  AttendiCopie();
  for (int i = 0; i < 30; ++i) EXPECT_FALSE(vista->Thumbs()[i].Miniatura.isNull()) << i;
  // Only the page has boxes.
  EXPECT_EQ(std::ranges::count_if(vista->findChildren<QCheckBox*>(), &QWidget::isVisible), 15);
}

TEST_F(Vista, ResizingLaysTheCellsOutAgainInTheNewColumns) {
  Aggiungi(12);
  vista->resize(400, 400);  // 383 / 122 = 3.1: 3 columns
  EXPECT_EQ(vista->NumeroColonne(), 3);
  EXPECT_EQ(vista->UltimaThumbVisibile(), 11);
  EXPECT_EQ(vista->Thumbs()[6].AreaCella, QRect(0, 2 * 112 + 2, 120, 110));
  EXPECT_EQ(vista->Spunte().CasellaThumb(6)->pos(), QPoint(2, 228));
  vista->resize(56 + 17, 400);
  EXPECT_EQ(vista->NumeroColonne(), 1);
}

TEST_F(Vista, RemovingAllHidesEverythingUntilTheNextCell) {
  Aggiungi(3);
  vista->Spunte().CheckaTutto(true);
  vista->CancellaThumbs();
  EXPECT_EQ(vista->TotFile(), 0);
  EXPECT_EQ(vista->UltimaThumbVisibile(), 0);
  EXPECT_FALSE(Superficie()->isVisible());
  for (QCheckBox* c : vista->findChildren<QCheckBox*>()) {
    EXPECT_FALSE(c->isVisible());
    EXPECT_FALSE(c->isChecked());
  }
  EXPECT_EQ(Superficie()->immagine().pixelColor(0, 50), QColor(Qt::white));
  Aggiungi(1);
  EXPECT_TRUE(Superficie()->isVisible());
  EXPECT_FALSE(vista->Spunte().CasellaThumb(0)->isChecked());
}

TEST_F(Vista, BrokenAndOddFilesNeverTakeTheViewDown) {
  const QByteArray jpeg = Codifica(ImmagineADueBande({1200, 900}, Qt::red, Qt::blue), "jpeg");
  const QString troncata = foto.filePath(QStringLiteral("troncata.jpg"));
  ScriviFoto(troncata, jpeg.left(jpeg.size() / 3));
  QImage striscia(1, 30000, QImage::Format_RGB32);
  striscia.fill(Qt::blue);
  const QString stretta = foto.filePath(QStringLiteral("striscia.png"));
  ScriviFoto(stretta, Codifica(striscia, "png"));
  const QString travestita = foto.filePath(QStringLiteral("travestita.tif"));
  ScriviFoto(travestita, Codifica(ImmagineADueBande({400, 300}, Qt::red, Qt::red), "png"));
  vista->AggiungiThumbs(troncata, true);  // shows what arrived, if anything
  ASSERT_TRUE(vista->AggiungiThumbs(stretta, true));
  ASSERT_TRUE(vista->AggiungiThumbs(travestita, true));
  AttendiCopie();
  // Their copies are the decoder's (test_DecodificaRidotta); here the view draws them.
  EXPECT_TRUE(vista->DisegnaThumbTutto());
}

TEST_F(Vista, FilesAddedOutOfFolderOrderStillGetTheirOwnPictures) {
  // The view reads ahead in name order; other orders and gaps must not mix pictures up.
  const QString rossa = Foto(QStringLiteral("a.jpg"), {400, 300}, Qt::red);
  const QString verde = Foto(QStringLiteral("b.jpg"), {300, 400}, Qt::green);
  const QString blu = Foto(QStringLiteral("c.jpg"), {400, 400}, Qt::blue);
  Foto(QStringLiteral("d.jpg"));
  ASSERT_TRUE(vista->AggiungiThumbs(blu, true));
  AttendiCopie();  // the folder's listing has arrived: the rest is read ahead
  ASSERT_TRUE(vista->AggiungiThumbs(rossa, true));
  ASSERT_TRUE(vista->AggiungiThumbs(verde, true));
  ASSERT_TRUE(vista->AggiungiThumbs(blu, true));  // the same file twice
  // d.jpg was read ahead; changed since, it is read again when it is added.
  ScriviFoto(foto.filePath(QStringLiteral("d.jpg")), "rovinata dopo la lettura anticipata");
  EXPECT_FALSE(vista->AggiungiThumbs(foto.filePath(QStringLiteral("d.jpg")), true));
  AttendiCopie();
  const auto centro = [this](int i) {
    const QImage& m = vista->Thumbs()[i].Miniatura;
    return m.pixelColor(m.width() / 2, m.height() / 2);
  };
  EXPECT_GT(centro(0).blue(), 200);
  EXPECT_GT(centro(1).red(), 200);
  EXPECT_GT(centro(2).green(), 150);
  EXPECT_GT(centro(3).blue(), 200);
  EXPECT_EQ(vista->Thumbs()[2].LarghezzaMiniatura, 68);
}

TEST_F(Vista, PersistedPropertiesComeAsANamedBagAndTellTheContainer) {
  QStringList cambiate;
  QObject::connect(&vista->Aspetto(), &AspettoVista::proprietaCambiata,
                   [&cambiate](const QString& nome) { cambiate << nome; });
  QVariantMap borsa = vista->Aspetto().ProprietaSalvate();
  EXPECT_EQ(borsa.keys(), (QStringList{"BackColor", "Enabled", "Font", "MostraFormatoFotografico",
                                       "MostraNumeroFoto"}));
  EXPECT_EQ(borsa.value("MostraNumeroFoto").toBool(), false);
  EXPECT_EQ(borsa.value("Enabled").toBool(), true);
  EXPECT_EQ(borsa.value("BackColor").value<QColor>(), vista->palette().color(QPalette::Base));
  borsa["MostraFormatoFotografico"] = true;
  borsa["BackColor"] = QColor(10, 20, 30);
  vista->Aspetto().LeggiProprieta(borsa);
  EXPECT_EQ(vista->Aspetto().AltezzaCella(), 124);
  EXPECT_EQ(vista->Aspetto().property("BackColor").value<QColor>(), QColor(10, 20, 30));
  EXPECT_TRUE(cambiate.contains(QStringLiteral("MostraFormatoFotografico")));
  EXPECT_TRUE(cambiate.contains(QStringLiteral("BackColor")));
  cambiate.clear();
  EXPECT_TRUE(vista->Aspetto().setProperty("MostraNumeroFoto", true));
  EXPECT_EQ(cambiate, QStringList{QStringLiteral("MostraNumeroFoto")});
  EXPECT_EQ(vista->Aspetto().AltezzaCella(), 138);
}

}  // namespace
