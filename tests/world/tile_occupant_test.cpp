#include <gtest/gtest.h>

#include <array>
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
      {"Chef", -1, -1, " stands a HATLESS CHEF.", 19, "Qbl_nohat.png", 0},
      {"Convict", 2, -1, " is some ANGRY GUY.", 4, "Qbl_convict.png", 2},
      {"Opportunist", -1, -1, " is a ROGUISHLY HANDSOME FELLOW.", 5, "Qbl_opportunist.png", 0},
      {"Wise1", -1, -1, " stands a WISE GOBLIN.", 7, "Qbl_goblin.png", 0},
      {"Wise2", -1, -1, " stands a WISE ORC.", 9, "Qbl_orc.png", 0},
      {"Wise3", -1, -1, " stands a WISE TROLL.", 11, "Qbl_troll.png", 0},
      {"Seer", -1, -1, " stands the rare QUIBBLENT SEER.", 15, "Qbl_seer.png", 0},
      {"Consoom", -1, -1, " is a rare and exotic CONSUMPTION ELEMENTAL.", 23, "Qbl_consoom.png", 0},
      {"BabyGhast", -1, -1, " floats an adorable TINY SKULL!", 27, "Qbl_skull.png", 0},
      {"Johnny", -1, -1, " is what looks to be a POTION!", 40, "Qbl_johnny.png", 0},
      {"Flayer", -1, -1, " stands a MIND FLAYER.", 59, "Qbl_flayer.png", 0},
      {"Burger", -1, -1, ", someone left a CHEESEBURGER lying around.", 71, "Qbl_burger.png", 0},
      {"Ogre", 0, 0, " stands a LOST OGRE.", 0, "Qbl_ogre.png", 0},
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

TEST(Floor, AFreshFloorFacesTheEightDirectionsWithOneGhastOwed) {
  const Floor floor;
  EXPECT_EQ(floor.directionNames, (std::array<std::string, 8>{"north", "northeast", "east", "southeast", "south",
                                                               "southwest", "west", "northwest"}));
  EXPECT_EQ(floor.ghastsToPlace, 1);
  EXPECT_EQ(floor.tileKinds, (std::array<std::string, 8>{}));
  EXPECT_EQ(floor.tileTexts, (std::array<std::string, 8>{}));
  for (const TileOccupant& occupant : floor.tileOccupants) EXPECT_EQ(occupant.portraitFile, "Qbl_blank.png");
  for (const ScrollTier& scroll : floor.tileScrollTiers) EXPECT_EQ(scroll.tier, 0);
  EXPECT_TRUE(floor.npcPool.empty());
  EXPECT_EQ(floor.secretRoomKind, "");
  const std::array<int, 10> numbers = {floor.floorNumber, floor.monsterCount, floor.hintFloor,
                                       floor.doomFloor,   floor.shopFloor,    floor.shop2Floor,
                                       floor.healFloor,   floor.highScrollCount, floor.secretScrollIndex,
                                       floor.npcMissCount};
  EXPECT_EQ(numbers, (std::array<int, 10>{}));
  const std::array<bool, 10> flags = {floor.secretRoomKnown, floor.secretRoomEntered, floor.goblinShopKnown,
                                      floor.wizardMet,       floor.secret2Known,      floor.scrollBonus,
                                      floor.scrollsBelow3Found, floor.scroll3Found,   floor.scroll4Found,
                                      floor.scroll5Found};
  EXPECT_EQ(flags, (std::array<bool, 10>{}));
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
      // A negative count (a damaged save) counts as no rare scroll seen yet.
      {2, true, -3, 3},  {2, false, -14, 2},
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
