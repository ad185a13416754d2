#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <limits>

#include "common/Ansi.h"
#include "common/CifraXOR.h"
#include "common/Percorsi.h"
#include "support/CartellaProgrammaProva.h"

namespace {

TEST(Percorsi, TextHelpersSplitAtTheLastSeparatorAndAddOneOnlyWhenMissing) {
  EXPECT_EQ(AggiungiBarra("/"), QStringLiteral("/"));
  EXPECT_EQ(AggiungiBarra("/home/foto"), QStringLiteral("/home/foto/"));
  EXPECT_EQ(EstensioneFile("vacanze.2024.JPG "), QStringLiteral("JPG"));
  EXPECT_EQ(EstensioneFile("finale."), QString());
  EXPECT_EQ(TestoDopoUltimo("/foto/mare.jpg", "/"), QStringLiteral("mare.jpg"));
  EXPECT_EQ(TestoFinoAUltimo("/foto/mare.jpg", "/"), QStringLiteral("/foto/"));
  EXPECT_EQ(TestoDopoUltimo("mare.jpg", "/"), QString());
  EXPECT_EQ(TestoFinoAUltimo("mare.jpg", "/"), QString());
  EXPECT_EQ(TestoDopoUltimo("a::b::c", "::"), QStringLiteral("c"));
}

TEST(Percorsi, FileEsisteFindsHiddenFilesButNotFolders) {
  CartellaProgrammaProva cartella(false);
  cartella.Scrivi(QStringLiteral(".nascosto"), "x");
  QDir().mkdir(cartella.file(QStringLiteral("sotto")));
  // Name, is a file, is a folder.
  for (const auto& [nome, file, sotto] :
       {std::tuple{".nascosto", true, false}, {"sotto", false, true}, {"manca", false, false}}) {
    EXPECT_EQ(FileEsiste(cartella.file(nome)), file) << nome;
    EXPECT_EQ(IsCartella(cartella.file(nome)), sotto) << nome;
  }
  EXPECT_FALSE(FileEsiste(QString()));
}

TEST(Percorsi, DimensioneDaPartiCountsTheLowHalfUnsignedAndNeverOverflows) {
  EXPECT_EQ(DimensioneDaParti(0, -1), 4294967295LL);
  EXPECT_EQ(DimensioneDaParti(1, 0), 4294967296LL);
  EXPECT_EQ(DimensioneDaParti(-5, 10), 10);
  constexpr auto massimo = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(DimensioneDaParti(massimo, -1), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(DimensioneDaParti(std::numeric_limits<std::int32_t>::min(), -1), 4294967295LL);
}

TEST(Ansi, EveryByteRoundTripsAndForeignCharactersBecomeQuestionMarks) {
  QByteArray tutti;
  for (int b = 0; b < 256; ++b) tutti.append(static_cast<char>(b));
  EXPECT_EQ(InAnsi(DaAnsi(tutti)), tutti);
  EXPECT_EQ(InAnsi(QStringLiteral("Perù €")), QByteArray("Per\xF9 \x80"));
  EXPECT_EQ(InAnsi(QStringLiteral("日本 😀")), QByteArray("?? ?"));
}

TEST(CifraXOR, TwiceWithTheSameKeyGivesTheTextBackAlsoForHighCodes) {
  QString alti;
  for (int b = 128; b < 256; ++b) alti.append(CarattereAnsi(static_cast<unsigned char>(b)));
  const QString chiave = QStringLiteral("Kz9àé");
  for (const QString& testo : {alti, QStringLiteral("password segreta"), QStringLiteral("a")}) {
    const QString cifrato = CifraXOR(testo, chiave);
    EXPECT_EQ(cifrato.size(), testo.size());
    EXPECT_NE(cifrato, testo);
    EXPECT_EQ(CifraXOR(cifrato, chiave), testo);
  }
  EXPECT_EQ(CifraXOR(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
  EXPECT_EQ(CifraXOR(QString(), chiave), QString());
  // The key repeats: 'a' ^ 'A' = ' ', 'a' ^ 'B' = '#'.
  EXPECT_EQ(CifraXOR(QStringLiteral("aaa"), QStringLiteral("AB")), QStringLiteral(" # "));
}

}  // namespace
