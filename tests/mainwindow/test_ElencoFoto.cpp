#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FinestraProva.h"
#include "mainwindow/ElencoFoto.h"

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
