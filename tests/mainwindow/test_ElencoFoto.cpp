#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FinestraProva.h"
#include "mainwindow/ElencoFoto.h"
#include "mainwindow/RicaricaVista.h"
#include "support/Attesa.h"

TEST(ElencoFoto, CameraNamesInAnyLetterCaseInAlphabeticalOrder) {
  QTemporaryDir cartella;
  ScriviFotoProva(cartella.path(), {"b.Png", "IMG_0001.JPG", "a.jpeg", "scan.TIFF"});
  for (const char* altro : {"note.txt", "vecchia.tif", "ritratto.gif"}) {
    QFile f(cartella.filePath(QString::fromLatin1(altro)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QDir().mkpath(cartella.filePath("sotto.jpg"));
  EXPECT_EQ(ElencoFotoCartella(cartella.path() + u'/'),
            (QStringList{"a.jpeg", "b.Png", "IMG_0001.JPG", "scan.TIFF"}));
  EXPECT_TRUE(ElencoFotoCartella(cartella.filePath("manca/")).isEmpty());
  // No folder selected: not the working directory.
  EXPECT_TRUE(ElencoFotoCartella({}).isEmpty());
}

// A removed medium changes the folder while the thumbnails are being added.
TEST(ElencoFoto, AReloadAskedForMeanwhileRunsAfterwardsAndWhatFollowsRunsOnceAtTheEnd) {
  RicaricaVista ricarica;
  QStringList passi;
  ASSERT_TRUE(ricarica.Accetta([&] { passi.append("prima"); }));
  ricarica.IniziaMiniature();
  EXPECT_FALSE(ricarica.Accetta([&] { passi.append("seconda"); }));
  EXPECT_FALSE(ricarica.Accetta({}));
  QList<std::function<void()>> poi;
  ASSERT_TRUE(ricarica.FinisciMiniature(poi));  // the waiting one starts
  EXPECT_TRUE(poi.isEmpty());
  ASSERT_TRUE(ricarica.Accetta({}));
  ricarica.IniziaMiniature();
  EXPECT_FALSE(ricarica.FinisciMiniature(poi));
  for (const auto& passo : poi) passo();
  EXPECT_EQ(passi, (QStringList{"prima", "seconda"}));
}

TEST(ElencoFoto, OnAWorkerOnlyTheLatestListingArrives) {
  QTemporaryDir prima;
  QTemporaryDir seconda;
  ScriviFotoProva(prima.path(), {"a.jpg"});
  ScriviFotoProva(seconda.path(), {"b.jpg", "c.png"});
  QObject contesto;
  ElencoFotoInSottofondo elenco(&contesto);
  QList<QStringList> arrivati;
  elenco.Richiedi(prima.path() + u'/', [&](QStringList nomi) { arrivati.append(nomi); });
  elenco.Richiedi(seconda.path() + u'/', [&](QStringList nomi) { arrivati.append(nomi); });
  EXPECT_TRUE(arrivati.isEmpty());  // never on the GUI thread
  ASSERT_TRUE(AttendiFinche([&] { return !arrivati.isEmpty(); }));
  AttendiFinche([] { return false; }, 300);  // the first listing has ended too
  EXPECT_EQ(arrivati, QList<QStringList>{(QStringList{"b.jpg", "c.png"})});
}
