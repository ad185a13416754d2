#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FinestraProva.h"
#include "mainwindow/ElencoFoto.h"
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
