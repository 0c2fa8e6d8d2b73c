#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "world/floor.h"
#include "world/random_source.h"

namespace {

struct OccupantCase {
  std::string key;
  int visitState;
  int stateCode;
  std::string description;
  int expectedStateCode;
  std::string portrait;
  int expectedVisitState;
};

TEST(TileOccupant, KeyBringsDescriptionStageAndPortraitUnlessOverridden) {
  const std::vector<OccupantCase> cases = {
      {"Academic", -1, -1, " is an ANNOYING NERD.", 1, "Qbl_academic.png", 0},
      {"Academic", 0, -1, " is an ANNOYING NERD.", 1, "Qbl_academic.png", 0},
      // Once he has handed over his item the tile shows the item.
      {"Academic", 2, -1, " is an ANNOYING NERD.", 1, "Qbl_item.png", 2},
      {"Chef", -1, 20, " stands a HATLESS CHEF.", 20, "Qbl_nohat.png", 0},
      {"Warlock", 1, -1, " stands a VERY NORMAL WARLOCK.", 50, "Qbl_warlock.png", 1},
      {"Peanut", -1, -1, "... my god... it's a GIANT PEANUT!", 55, "Qbl_peanut.png", 0},
      {"Groggum", -1, -1, ", someone appears to have set up a business?", 57, "Qbl_groggum.png", 0},
      {"Accountant", -1, -1, " stands a being with a POWERFUL PRESENCE.", 21, "Qbl_archaccountant.png", 0},
      {"Quibblex", -1, -1, " is the mystical QUIBBLEX!", 69, "Qbl_tex.png", 0},
      {"KingSword", -1, -1, ", some kind of ITEM is lying on the ground.", 18, "Qbl_item.png", 0},
      {"?", -1, -1, "?????????????????", 31, "Qbl_evil.png", 0},
      {"Worgleton", -1, -1, " is WORGLETON WINNLEFLAP THE BARBER THING!", 13, "Qbl_worgleton.png", 0},
      {"", -1, -1, "", 0, "blank.png", 0},
      // Keys are exact: a lower-case key is nobody the game knows.
      {"chef", -1, -1, "", 0, "", 0},
      {"Stranger", 1, 7, "", 7, "", 1},
  };
  for (const OccupantCase& c : cases) {
    SCOPED_TRACE(c.key + " visit " + std::to_string(c.visitState) + " stage " + std::to_string(c.stateCode));
    const TileOccupant occupant(c.key, c.visitState, c.stateCode);
    EXPECT_EQ(occupant.key, c.key);
    EXPECT_EQ(occupant.description, c.description);
    EXPECT_EQ(occupant.stateCode, c.expectedStateCode);
    EXPECT_EQ(occupant.portraitFile, c.portrait);
    EXPECT_EQ(occupant.visitState, c.expectedVisitState);
  }
}

TEST(TileOccupant, NobodyStandsOnAFreshTile) {
  const TileOccupant nobody;
  EXPECT_EQ(nobody.key, "");
  EXPECT_EQ(nobody.stateCode, 0);
  EXPECT_EQ(nobody.portraitFile, "Qbl_blank.png");
  EXPECT_EQ(nobody.visitState, 0);
}

struct TierCase {
  std::uint32_t draw;
  bool bonus;
  int highScrollCount;
  int tier;
};

TEST(ScrollTier, RollLiftsWithBonusAndPicksRareScrollByCount) {
  const std::vector<TierCase> cases = {
      {0, false, 0, 0},  {4, false, 0, 1},   {5, false, 9, 2},  {2, false, 10, 3},
      {2, false, 14, 7}, {0, true, 14, 1},   {1, true, 14, 7},  {1, true, 9, 2},
      {2, true, 3, 6},   {2, true, 9, 12},   {3, true, 20, 1},  {2, false, 25, 8},
  };
  for (const TierCase& c : cases) {
    SCOPED_TRACE("draw " + std::to_string(c.draw) + " bonus " + std::to_string(c.bonus) + " count " +
                 std::to_string(c.highScrollCount));
    dice::Script script({c.draw});
    EXPECT_EQ(rollScrollTier(c.bonus, c.highScrollCount).tier, c.tier);
    EXPECT_EQ(script.drawsLeft(), 0u);
  }
}

TEST(ScrollTier, SeededRollsStayInTheirTiers) {
  dice::useSeed(7);
  std::set<int> plain;
  std::set<int> lifted;
  for (int i = 0; i < 600; ++i) {
    plain.insert(rollScrollTier(false, i % 10).tier);
    lifted.insert(rollScrollTier(true, 14).tier);
  }
  dice::useDevice();
  EXPECT_EQ(plain, (std::set<int>{0, 1, 2}));
  EXPECT_EQ(lifted, (std::set<int>{1, 7}));
}

}  // namespace
