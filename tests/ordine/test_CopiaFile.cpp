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
  Scrivi(QStringLiteral("foto.jpg"), foto);
  Scrivi(QStringLiteral("copia.jpg"), QByteArray(4 * 1024 * 1024, 'x'));
  ASSERT_TRUE(CopiaFileVerificata(Percorso(QStringLiteral("foto.jpg")), Percorso(QStringLiteral("copia.jpg"))));
  EXPECT_EQ(Leggi(QStringLiteral("copia.jpg")), foto);

  Scrivi(QStringLiteral("vuoto.jpg"), {});
  ASSERT_TRUE(CopiaFileVerificata(Percorso(QStringLiteral("vuoto.jpg")), Percorso(QStringLiteral("copia vuota.jpg"))));
  EXPECT_TRUE(QFileInfo::exists(Percorso(QStringLiteral("copia vuota.jpg"))));
  EXPECT_EQ(QFileInfo(Percorso(QStringLiteral("copia vuota.jpg"))).size(), 0);
}

TEST_F(Copia, ALinkInTheWayIsReplacedNotFollowed) {
  Scrivi(QStringLiteral("foto.jpg"), "nuova");
  Scrivi(QStringLiteral("altrove.jpg"), "da non toccare");
  ASSERT_TRUE(QFile::link(Percorso(QStringLiteral("altrove.jpg")), Percorso(QStringLiteral("copia.jpg"))));
  ASSERT_TRUE(CopiaFileVerificata(Percorso(QStringLiteral("foto.jpg")), Percorso(QStringLiteral("copia.jpg"))));
  EXPECT_FALSE(QFileInfo(Percorso(QStringLiteral("copia.jpg"))).isSymLink());
  EXPECT_EQ(Leggi(QStringLiteral("copia.jpg")), "nuova");
  EXPECT_EQ(Leggi(QStringLiteral("altrove.jpg")), "da non toccare");
}

TEST_F(Copia, NothingIsLeftWhenTheCopyCannotBeMade) {
  Scrivi(QStringLiteral("foto.jpg"), "foto");
  EXPECT_FALSE(CopiaFileVerificata(Percorso(QStringLiteral("manca.jpg")), Percorso(QStringLiteral("copia.jpg"))));
  EXPECT_FALSE(QFileInfo::exists(Percorso(QStringLiteral("copia.jpg"))));
  EXPECT_FALSE(
      CopiaFileVerificata(Percorso(QStringLiteral("foto.jpg")), Percorso(QStringLiteral("sparita/copia.jpg"))));
  // A folder as source, or a folder in the way of the copy.
  EXPECT_FALSE(CopiaFileVerificata(cartella.path(), Percorso(QStringLiteral("copia.jpg"))));
  EXPECT_FALSE(QFileInfo::exists(Percorso(QStringLiteral("copia.jpg"))));
  EXPECT_FALSE(CopiaFileVerificata(Percorso(QStringLiteral("foto.jpg")), cartella.path()));
  EXPECT_TRUE(QFileInfo(cartella.path()).isDir());
}

}  // namespace
