#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ordine/CopiaFile.h"
#include "support/CartellaProgrammaProva.h"

namespace {

class Copia : public ::testing::Test {
 protected:
  QTemporaryDir cartella;

  QString Percorso(const QString& nome) const { return cartella.filePath(nome); }
  void Scrivi(const QString& nome, const QByteArray& byte) const { ASSERT_TRUE(ScriviFile(Percorso(nome), byte)); }
  QByteArray Leggi(const QString& nome) const { return LeggiFile(Percorso(nome)); }
};

QByteArray FotoGrande() {
  QByteArray foto(3 * 1024 * 1024 + 17, '\0');
  for (qsizetype i = 0; i < foto.size(); ++i) foto[i] = static_cast<char>(i * 31 % 251);
  return foto;
}

TEST_F(Copia, TheCopyHoldsTheSameBytesAndReplacesALongerFile) {
  const QByteArray foto = FotoGrande();
  Scrivi("foto.jpg", foto);
  Scrivi("copia.jpg", QByteArray(4 * 1024 * 1024, 'x'));
  ASSERT_TRUE(CopiaFileVerificata(Percorso("foto.jpg"), Percorso("copia.jpg")));
  EXPECT_EQ(Leggi("copia.jpg"), foto);

  Scrivi("vuoto.jpg", {});
  ASSERT_TRUE(CopiaFileVerificata(Percorso("vuoto.jpg"), Percorso("copia vuota.jpg")));
  EXPECT_TRUE(QFileInfo::exists(Percorso("copia vuota.jpg")));
  EXPECT_EQ(QFileInfo(Percorso("copia vuota.jpg")).size(), 0);
}

TEST_F(Copia, ALinkInTheWayIsReplacedNotFollowed) {
  Scrivi("foto.jpg", "nuova");
  Scrivi("altrove.jpg", "da non toccare");
  ASSERT_TRUE(QFile::link(Percorso("altrove.jpg"), Percorso("copia.jpg")));
  ASSERT_TRUE(CopiaFileVerificata(Percorso("foto.jpg"), Percorso("copia.jpg")));
  EXPECT_FALSE(QFileInfo(Percorso("copia.jpg")).isSymLink());
  EXPECT_EQ(Leggi("copia.jpg"), "nuova");
  EXPECT_EQ(Leggi("altrove.jpg"), "da non toccare");
}

TEST_F(Copia, NothingIsLeftWhenTheCopyCannotBeMade) {
  Scrivi("foto.jpg", "foto");
  EXPECT_FALSE(CopiaFileVerificata(Percorso("manca.jpg"), Percorso("copia.jpg")));
  EXPECT_FALSE(QFileInfo::exists(Percorso("copia.jpg")));
  EXPECT_FALSE(CopiaFileVerificata(Percorso("foto.jpg"), Percorso("sparita/copia.jpg")));
  // A folder as source, or a folder in the way of the copy.
  EXPECT_FALSE(CopiaFileVerificata(cartella.path(), Percorso("copia.jpg")));
  EXPECT_FALSE(QFileInfo::exists(Percorso("copia.jpg")));
  EXPECT_FALSE(CopiaFileVerificata(Percorso("foto.jpg"), cartella.path()));
  EXPECT_TRUE(QFileInfo(cartella.path()).isDir());
}

}  // namespace
