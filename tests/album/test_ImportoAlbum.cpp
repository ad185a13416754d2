// The album's amount as a function of its entries and the prices.
#include <gtest/gtest.h>

#include <limits>

#include "album/ImportoAlbum.h"

namespace {

constexpr std::int32_t kMassimo = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kCaro = 2000000000;

// An entry of the format "f" priced by its own format, with a title and prints.
VoceAlbum Voce(const char* proprio, const char* titolo, std::int32_t quantita) {
  return {QStringLiteral("/l/") + QString::fromUtf8(titolo), QString::fromUtf8(titolo), quantita,
          QString::fromUtf8(proprio), QStringLiteral("FILLIN")};
}

TEST(ImportoAlbum, AddsPriceTimesPrintsEntryByEntryInTitleOrderLeavingOutWhatDoesNotFit) {
  const PrezziFormati prezzi{{"13x9", 19}, {"15x10", 25}, {"gratis", 0}, {"caro", kCaro}, {"sconto", -kCaro}};
  const struct {
    const char* caso;
    QList<FormatoAlbum> album;
    std::int32_t atteso;
  } casi[] = {
      {"empty", {{"15x10", {}}}, 0},
      {"two prints and three", {{"15x10", {Voce("15x10", "a", 2), Voce("15x10", "b", 3)}}}, 125},
      {"formats add up", {{"13x9", {Voce("13x9", "a", 4)}}, {"15x10", {Voce("15x10", "b", 1)}}}, 4 * 19 + 25},
      {"the entry's own format sets the price", {{"15x10", {Voce("13x9", "a", 2)}}}, 38},
      {"a format without a price, free or gone", {{"x", {Voce("gratis", "a", 5), Voce("sparito", "b", 3)}}}, 0},
      {"no format of its own", {{"15x10", {Voce("", "a", 3), Voce("15x10", "b", 1)}}}, 25},
      {"prints that were no number", {{"15x10", {Voce("15x10", "a", 0), Voce("15x10", "b", 1)}}}, 25},
      {"the largest amount", {{"p", {Voce("caro", "a", 1), Voce("15x10", "b", 1), Voce("sconto", "c", 0)}}},
       kCaro + 25},
      {"a product that does not fit", {{"p", {Voce("caro", "a", 2), Voce("13x9", "b", 1)}}}, 19},
      {"the sum that would overflow is left out", {{"p", {Voce("13x9", "1", 1), Voce("caro", "2", 1),
                                                          Voce("caro", "3", 1)}}}, kCaro + 19},
      // In album order the second "caro" would be the one left out and the total 0.
      {"titles decide which entry is left out", {{"p", {Voce("caro", "z", 1), Voce("caro", "y", 1)}},
                                                 {"q", {Voce("sconto", "a", 1)}}}, kCaro},
      // Equal titles keep album order: the discount comes last, after the second was left out.
      {"equal titles in album order", {{"p", {Voce("caro", "t", 1), Voce("caro", "t", 1), Voce("sconto", "t", 1)}}},
       0},
      {"debits below the limit", {{"p", {Voce("sconto", "a", 1), Voce("sconto", "b", 1), Voce("13x9", "c", 1)}}},
       -kCaro + 19},
  };
  for (const auto& caso : casi) EXPECT_EQ(ImportoAlbum(caso.album, prezzi), caso.atteso) << caso.caso;
  EXPECT_EQ(ImportoAlbum({{"p", {Voce("caro", "a", 1)}}}, {{"caro", kMassimo}}), kMassimo);
}

TEST(ImportoAlbum, PricedEntriesComeInTitleOrderWithoutThoseThatHaveNoFormat) {
  const QList<FormatoAlbum> album{{"15x10", {Voce("15x10", "b", 2), Voce("", "a", 1)}},
                                  {"13x9", {Voce("13x9", "a", 3)}}};
  const QList<VocePrezzata> prezzate = VociPrezzate(album, {{"15x10", 25}});
  ASSERT_EQ(prezzate.size(), 2);
  EXPECT_EQ(prezzate[0].formato, QStringLiteral("13x9"));
  EXPECT_EQ(prezzate[0].prezzo, 0);
  EXPECT_EQ(prezzate[1].quantita, 2);
  EXPECT_EQ(prezzate[1].prezzo, 25);
}

}  // namespace
