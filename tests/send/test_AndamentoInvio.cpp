#include <gtest/gtest.h>

#include "album/CatalogoFormati.h"
#include "ordine/DettaglioPrezzo.h"
#include "send/AndamentoInvio.h"
#include "support/LocaleProvvisorio.h"

namespace {

class AndamentoInvioTest : public ::testing::Test {
 protected:
  AndamentoInvio Nuovo(qint64 totale) {
    return AndamentoInvio(totale, [this] { return adesso; });
  }
  // The file in transfer sends at this rate for the given time, reported every 50 ms.
  void Invia(AndamentoInvio& a, qint64& delFile, qint64 byteAlSecondo, qint64 ms) {
    for (const qint64 fine = adesso + ms; adesso < fine;) {
      adesso += 50;
      delFile += byteAlSecondo / 20;
      a.FileInCorso(delFile);
    }
  }

  qint64 adesso = 1'000'000;
};

TEST(TestoAndamento, ByteAndTimeLeftReadAsItalianWithDecimalUnits) {
  const std::pair<qint64, const char*> byte[] = {
      {0, "0 byte"},       {999, "999 byte"},         {1000, "1 kB"},          {999'499, "999 kB"},
      {999'500, "1,0 MB"}, {182'449'999, "182,4 MB"}, {999'950'000, "1,0 GB"}, {1'234'000'000'000, "1.234,0 GB"}};
  for (const auto& [n, testo] : byte) EXPECT_EQ(TestoByte(n), QString::fromUtf8(testo)) << n;
  const std::pair<qint64, const char*> tempi[] = {
      {1, "circa 1 secondo"},        {7, "circa 7 secondi"},  {41, "circa 40 secondi"},
      {57, "circa 55 secondi"},      {58, "circa 1 minuto"},  {89, "circa 1 minuto"},
      {90, "circa 2 minuti"},        {565, "circa 9 minuti"}, {59 * 60 + 29, "circa 59 minuti"},
      {59 * 60 + 30, "circa 1 ora"}, {90 * 60, "circa 2 ore"}};
  for (const auto& [secondi, testo] : tempi) EXPECT_EQ(TestoTempoRimasto(secondi), QString::fromUtf8(testo)) << secondi;
}

TEST(TestoAndamento, FollowsTheUsersRegionalFormatAsTheAmountAndThePriceRowsDo) {
  const LocaleProvvisorio inglese(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(ImportoInEuro(75), QStringLiteral("€ 0.75"));
  EXPECT_EQ(TestoByte(182'449'999), QStringLiteral("182.4 MB"));
  EXPECT_EQ(TestoByte(1'234'000'000'000), QStringLiteral("1,234.0 GB"));
  EXPECT_EQ(CelleRiga({QStringLiteral("15x10"), QStringLiteral("Stampa"), 4938, 25, 123450}),
            (QStringList{QStringLiteral("15x10"), QStringLiteral("Stampa"), QStringLiteral("4,938"),
                         QStringLiteral("€ 0.25"), QStringLiteral("€ 1,234.50")}));
}

TEST_F(AndamentoInvioTest, ResumedBytesCountAsSentButNotInTheRate) {
  auto a = Nuovo(1'200'000'000);
  EXPECT_EQ(a.testo(), QStringLiteral("Inviati 0 byte di 1,2 GB"));
  a.GiaSulServer(177'000'000);
  qint64 delFile = 0;
  Invia(a, delFile, 1'800'000, 900);
  // No rate in the first second: the first samples say too little.
  EXPECT_FALSE(a.byteAlSecondo());
  EXPECT_EQ(a.testo(), QStringLiteral("Inviati 178,6 MB di 1,2 GB"));
  Invia(a, delFile, 1'800'000, 2100);
  EXPECT_EQ(a.inviati(), 182'400'000);
  EXPECT_EQ(a.testo(), QStringLiteral("Inviati 182,4 MB di 1,2 GB · 1,8 MB/s · circa 9 minuti"));
}

TEST_F(AndamentoInvioTest, TheRateFollowsTheLastSecondsAcrossFilesAndFallsWhenTheLineStalls) {
  auto a = Nuovo(100'000'000);
  qint64 delFile = 0;
  Invia(a, delFile, 2'000'000, 10'000);
  a.FileConcluso();
  delFile = 0;
  Invia(a, delFile, 500'000, 4000);
  EXPECT_NEAR(*a.byteAlSecondo(), 500'000, 500'000 * 0.02);
  const qint64 prima = *a.secondiRimasti();
  EXPECT_NEAR(prima, (100'000'000 - 22'000'000) / 500'000, 2);
  // Nothing moves: the rate sinks and the time left grows, then goes.
  adesso += 1500;
  EXPECT_NEAR(*a.byteAlSecondo(), 500'000 * 1.5 / 3, 500'000 * 0.1);
  EXPECT_GT(*a.secondiRimasti(), prima);
  adesso += 3000;
  EXPECT_EQ(*a.byteAlSecondo(), 0);
  EXPECT_FALSE(a.secondiRimasti());
  EXPECT_EQ(a.testo(), QStringLiteral("Inviati 22,0 MB di 100,0 MB · 0 byte/s"));
}

TEST_F(AndamentoInvioTest, TheWindowIsToldTwiceASecondAndNeverOfMoreThanTheWhole) {
  auto a = Nuovo(5000);
  int volte = 0;
  for (int i = 0; i < 100; ++i) {
    adesso += 30;
    volte += a.DaMostrare() ? 1 : 0;
  }
  EXPECT_EQ(volte, 5);
  // A photo grown after the total was taken.
  a.GiaSulServer(4000);
  a.FileInCorso(3000);
  EXPECT_EQ(a.inviati(), 5000);
  EXPECT_FALSE(a.secondiRimasti());
  EXPECT_EQ(a.testoFinale(), QStringLiteral("Inviati 5 kB di 5 kB"));
}

}  // namespace
