// A fountain's quibblent: the word it rolls and the uses it starts with.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "world/quibblent_offer.h"
#include "world/random_source.h"

namespace {

// Draws in order: the rare test (draw mod 10, rare on 2), the word (mod 8 or
// mod 26), the cleansing test (mod 4, cleansing on 2).
struct OfferCase {
  std::vector<std::uint32_t> draws;
  const char* word;
  int timesUsed;
  int lastRoll;
};

TEST(QuibblentOffer, ScriptedDrawsGiveExactOffers) {
  const OfferCase cases[] = {
      {{0, 0, 0}, "UNINTERESTING", 0, 0},
      {{3, 25, 1}, "NIHILIST", 0, 1},
      {{2, 6, 0}, "ELITE", 2, 0},
      {{2, 7, 3}, "DAMNED", 0, 3},
      {{1, 9, 3}, "POISONOUS", 2, 3},
      {{5, 22, 1}, "KNOWLEDGEABLE", 2, 1},
      {{9, 29, 5}, "FLAMMABLE", 0, 1},  // 29 mod 26 = 3, 5 mod 4 = 1
      {{12, 3, 0}, "HIGHLY FLAMMABLE", 0, 0},  // 12 mod 10 = 2: rare
      {{0, 0, 2}, "CLEANSING", 0, 2},
      // A cleansing fountain counts no uses, whatever it drew before.
      {{2, 6, 2}, "CLEANSING", 0, 2},
      {{4, 9, 6}, "CLEANSING", 0, 2},
  };
  for (const OfferCase& c : cases) {
    SCOPED_TRACE(c.word);
    dice::Script script(c.draws);
    const QuibblentOffer offer;
    EXPECT_EQ(script.drawsLeft(), 0u);
    EXPECT_EQ(offer.word, c.word);
    EXPECT_EQ(offer.timesUsed, c.timesUsed);
    EXPECT_EQ(offer.lastRoll, c.lastRoll);
  }
}

TEST(QuibblentOffer, HoldsTheFountainWordListsInOrder) {
  dice::Script script({0, 0, 0});
  const QuibblentOffer offer;
  const std::vector<std::string> common = {
      "UNINTERESTING", "CONFUSED",    "DAMP",          "FLAMMABLE", "FLAMING",   "EXISTENTIAL",
      "INEFFECTUAL",   "LIGHTLY SALTED", "RAVENOUS",   "POISONOUS", "NOXIOUS",   "GAMER",
      "FRIGHTENED",    "HIPPIE",      "METALHEAD",     "VOLUMINOUS", "HORNY",    "PERVERTED",
      "FLIRTATIOUS",   "FUNDAMENTALIST", "CHARRED",    "CONFIDENT", "KNOWLEDGEABLE", "GROGGY",
      "VORPAL",        "NIHILIST"};
  const std::vector<std::string> rare = {"EXTRAVAGANT", "OILY", "HOLOGRAPHIC", "HIGHLY FLAMMABLE",
                                         "STARVING",    "MLG",  "ELITE",       "DAMNED"};
  EXPECT_EQ(offer.commonWords, common);
  EXPECT_EQ(offer.rareWords, rare);
}

TEST(QuibblentOffer, CopiesCarryWordUsesAndLists) {
  QuibblentOffer original = [] {
    dice::Script script({2, 6, 0});
    return QuibblentOffer();
  }();
  original.timesUsed = 3;
  QuibblentOffer copy = [] {
    dice::Script script({0, 0, 2});
    return QuibblentOffer();
  }();
  copy = original;
  EXPECT_EQ(copy.word, "ELITE");
  EXPECT_EQ(copy.timesUsed, 3);
  EXPECT_EQ(copy.lastRoll, original.lastRoll);
  EXPECT_EQ(copy.commonWords, original.commonWords);
  EXPECT_EQ(copy.rareWords, original.rareWords);
}

TEST(QuibblentOffer, ThousandsOfFountainsKeepTheirRules) {
  dice::useSeed(2024);
  constexpr int kFountains = 4000;
  int cleansing = 0;
  int rare = 0;
  const QuibblentOffer reference;
  for (int i = 0; i < kFountains; ++i) {
    const QuibblentOffer offer;
    const bool isCommon = std::count(reference.commonWords.begin(), reference.commonWords.end(), offer.word) == 1;
    const bool isRare = std::count(reference.rareWords.begin(), reference.rareWords.end(), offer.word) == 1;
    ASSERT_TRUE(isCommon || isRare || offer.word == "CLEANSING") << offer.word;
    ASSERT_NE(offer.word, "POISONED");
    ASSERT_NE(offer.word, "SLEEPING");
    ASSERT_NE(offer.word, "GHASTLY");
    const bool oneDrink = offer.word == "ELITE" || offer.word == "POISONOUS" || offer.word == "KNOWLEDGEABLE";
    ASSERT_EQ(offer.timesUsed, oneDrink ? 2 : 0) << offer.word;
    ASSERT_GE(offer.lastRoll, 0);
    ASSERT_LT(offer.lastRoll, 4);
    cleansing += offer.word == "CLEANSING";
    rare += isRare;
  }
  dice::useDevice();
  // Loose bounds: one in four cleansing, one in ten of the rest rare.
  EXPECT_GT(cleansing, kFountains / 5);
  EXPECT_LT(cleansing, kFountains * 3 / 10);
  EXPECT_GT(rare, kFountains / 20);
  EXPECT_LT(rare, kFountains * 3 / 20);
}

}  // namespace
