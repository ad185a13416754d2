#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "FinestraProva.h"
#include "mainwindow/ElencoFoto.h"
#include "thumbview/ctrFotoView.h"

TEST(ElencoFoto, CameraNamesInAnyLetterCaseInAlphabeticalOrder) {
  QTemporaryDir cartella;
  ScriviFotoProva(cartella.path(), {"b.Png", "IMG_0001.JPG", "a.jpeg", "scan.TIFF"});
  for (const char* altro : {"note.txt", "ritratto.gif", "vecchia.tif", "IMG_0002.HEIC", "p.heif", "q.HIF",
                            "r.avif", "s.WebP"})
    ASSERT_TRUE(ScriviFile(cartella.filePath(QString::fromLatin1(altro)), {}));
  QDir().mkpath(cartella.filePath("sotto.jpg"));
  EXPECT_EQ(ElencoFotoCartella(cartella.path() + u'/'),
            (QStringList{"a.jpeg", "b.Png", "IMG_0001.JPG", "IMG_0002.HEIC", "p.heif", "q.HIF", "r.avif",
                         "s.WebP", "scan.TIFF", "vecchia.tif"}));
  EXPECT_TRUE(ElencoFotoCartella(cartella.filePath("manca/")).isEmpty());
  // No folder selected: not the working directory.
  EXPECT_TRUE(ElencoFotoCartella({}).isEmpty());
}

namespace {

// Press, release, press and double click, as the toolkit delivers a double click.
void DoppioClic(QWidget* bersaglio, QPoint punto) {
  for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons premuti = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent evento(tipo, punto, bersaglio->mapToGlobal(punto), Qt::LeftButton, premuti, Qt::NoModifier);
    QCoreApplication::sendEvent(bersaglio, &evento);
  }
}

QModelIndex Figlio(const QAbstractItemModel* modello, const QModelIndex& genitore, const QString& nome) {
  for (int riga = 0; riga < modello->rowCount(genitore); ++riga)
    if (modello->index(riga, 0, genitore).data().toString() == nome) return modello->index(riga, 0, genitore);
  return {};
}

}  // namespace

// The tree stays usable while a folder is listed: the second click of a double
// click opens the folder the first one chose, and a later choice wins.
TEST(ElencoFoto, ADoubleClickOpensAFolderNotYetChosenAndTheLatestChoiceIsShown) {
  AmbienteFinestra ambiente;
  const QString a = ambiente.foto.filePath(QStringLiteral("a"));
  const QString b = ambiente.foto.filePath(QStringLiteral("b"));
  ASSERT_TRUE(QDir().mkpath(a + QStringLiteral("/sotto")));
  ASSERT_TRUE(QDir().mkpath(b));
  ScriviFotoProva(a, {"uno.jpg"});
  ScriviFotoProva(b, {"due.jpg", "tre.png"});
  auto finestra = ambiente.FinestraSulleFoto();
  AlberoCartelle* albero = finestra->Controlli().ftvFile;
  QAbstractItemModel* modello = albero->model();
  if (modello->canFetchMore(albero->currentIndex())) modello->fetchMore(albero->currentIndex());
  const QModelIndex cartellaA = Figlio(modello, albero->currentIndex(), QStringLiteral("a"));
  ASSERT_TRUE(cartellaA.isValid());

  DoppioClic(albero->viewport(), albero->visualRect(cartellaA).center());
  EXPECT_EQ(albero->CartellaSelezionata(), a);
  EXPECT_TRUE(albero->isExpanded(cartellaA));
  ASSERT_TRUE(albero->ImpostaCartella(b));  // while "a" is still being listed
  finestra->Attendi();
  EXPECT_EQ(finestra->Controlli().fvFotoCartella->TotFile(), 2);
  EXPECT_TRUE(albero->isEnabled());
}
