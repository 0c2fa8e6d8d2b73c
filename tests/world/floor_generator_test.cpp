// Filling floors: exact layouts from scripted draws, and the rules every
// seeded floor of every run keeps.
#include "tests/support/captured_output.h"
#include "world/floor_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

using Names = std::vector<std::string>;
using Tiles = std::array<std::string, 8>;


class FloorGenerator : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
  void TearDown() override { dice::useDevice(); }
};

void setSpecialFloors(Floor& floor, int hint, int shop, int shop2, int doom, int heal) {
  floor.hintFloor = hint;
  floor.shopFloor = shop;
  floor.shop2Floor = shop2;
  floor.doomFloor = doom;
  floor.healFloor = heal;
}

TEST_F(FloorGenerator, ScriptedSecondFloorForAnAcademic) {
  Floor floor;
  setSpecialFloors(floor, 1, 9, 2, 10, 5);
  floor.secretRoomKnown = floor.secretRoomEntered = floor.secret2Known = true;
  PlayerRecord player;
  player.playerClass = "ACADEMIC";

  const std::vector<std::uint32_t> draws = {
      0,       // monster count roll, replaced by the forced 0
      3,       // stairs: southeast
      3, 5,    // WOMBLETON's shop: southeast is taken, southwest is free
      2,       // character score 2, plus 1 for six empty tiles
      2, 0,    // third empty tile (east), first pool name
      5, 0, 13, 17, 15, 1,  // north, northeast, south, west, northwest (a scroll, then its tier)
      6,       // secret room roll 7
  };
  dice::Script script(draws);
  CapturedOutput out;
  generateFloor(floor, 2, 0, player, 0);

  EXPECT_EQ(script.drawsLeft(), 0u);
  EXPECT_EQ(out.text(),
            "Loading a new level... 2\n"
            "stairs loaded at southeast\n"
            "cheapshop loaded southwest\n"
            "Accountant loaded east!!!\n"
            "bonus item loaded north!\n"
            "northeast left blank\n"
            "chest loaded south! neat!\n"
            "barrel loaded west!!! wowzers!!!!\n"
            "scroll loaded northwest! cool!\n"
            "there is a trap in the secret room\n");
  EXPECT_EQ(floor.tileKinds, (Tiles{"BonusItem", "", "NPC", "Exit", "Treasure", "Shop2", "Barrel", "Scroll"}));
  EXPECT_EQ(floor.tileTexts, (Tiles{", you spot an ITEM hidden away!", "... there is nothing at all.",
                                    " stands a being with a POWERFUL PRESENCE.",
                                    ", the EXIT STAIRS beckon you to go down.", " lies a TREASURE CHEST! Huzzah!",
                                    " is WOMBLETON WAMBLEFLUMP THE SHOP THING!!",
                                    " lies an inconspicuous EXPLOSIVE BARREL.",
                                    ", a SCROLL has been left on the ground."}));
  EXPECT_EQ(floor.tileOccupants[2].key, "Accountant");
  EXPECT_EQ(floor.tileOccupants[2].stateCode, 21);
  EXPECT_EQ(floor.tileScrollTiers[7].tier, 1);
  EXPECT_EQ(floor.highScrollCount, 0);
  // WOMBLETON's barber cousin stays away from the shop's floor.
  EXPECT_TRUE(floor.npcPool.empty());
  EXPECT_EQ(floor.npcMissCount, 0);
  EXPECT_EQ(floor.monsterCount, 0);
  EXPECT_EQ(floor.secretRoomKind, "Trap");
  EXPECT_FALSE(floor.secretRoomKnown || floor.secretRoomEntered || floor.secret2Known);
}

TEST_F(FloorGenerator, ScriptedTenthFloorWithFountainsAndALoreScroll) {
  Floor floor;
  setSpecialFloors(floor, 1, 8, 3, 9, 4);
  floor.npcPool = {"Seer", "Flayer"};
  floor.npcMissCount = 1;
  floor.scrollBonus = true;
  floor.highScrollCount = 12;
  floor.scrollsBelow3Found = true;
  floor.scroll3Found = true;
  PlayerRecord player;
  player.playerClass = "CONVICT";
  player.drankJimmy = 1;

  const std::vector<std::uint32_t> draws = {
      1,           // monster count roll, replaced by the forced 0
      0,           // stairs: north
      0,           // character score 0 + 1 missed floor + 1 roomy: no one comes
      9, 0, 4, 0,  // northeast: a fountain of FLAMING (no rare word, not cleansing)
      8,           // east: an item
      6,           // southeast: an item only an ACADEMIC would spot
      18, 2, 6, 2, // south: a fountain, ELITE drawn but it turns out CLEANSING
      17,          // southwest: a barrel
      16, 1,       // west: a scroll, lifted by the bonus and the run's rare scrolls
      10,          // northwest: an item
      19, 0, 1,    // secret room roll 20: a scroll room; lore scroll 3 is read, so 4
  };
  dice::Script script(draws);
  CapturedOutput out;
  generateFloor(floor, 10, 0, player, 0);

  EXPECT_EQ(script.drawsLeft(), 0u);
  EXPECT_EQ(out.text(),
            "Loading a new level... 10\n"
            "stairs loaded at north\n"
            "fount FLAMING loaded northeast !!! hallelujah!!!!\n"
            "item loaded east!\n"
            "southeast left blank\n"
            "fount CLEANSING loaded south !!! hallelujah!!!!\n"
            "barrel loaded southwest!!! wowzers!!!!\n"
            "scroll loaded west! cool!\n"
            "item loaded northwest!\n"
            "there is a scroll in the secret room\n");
  EXPECT_EQ(floor.tileKinds, (Tiles{"Exit", "Fount", "Item", "", "Fount", "Barrel", "Scroll", "Item"}));
  EXPECT_EQ(floor.tileTexts[1], " is a mythical FOUNTAIN OF FLAMING!");
  EXPECT_EQ(floor.tileTexts[4], " is a mythical FOUNTAIN OF CLEANSING!");
  EXPECT_EQ(floor.tileOffers[4].timesUsed, 0);
  EXPECT_EQ(floor.tileScrollTiers[6].tier, 5);
  EXPECT_EQ(floor.highScrollCount, 13);
  EXPECT_EQ(floor.npcMissCount, 2);
  EXPECT_EQ(floor.npcPool, (Names{"Flayer", "Wise3", "KingSword", "Johnny"}));
  EXPECT_EQ(player.drankJimmy, 2);
  EXPECT_EQ(floor.secretRoomKind, "Scroll");
  EXPECT_EQ(floor.secretScrollIndex, 4);
}

// Floors with monsters, scripted draw by draw. A GOBLIN or a TROLL takes five
// draws (type, rare test, word, hit points, gold); the DRAGON three (its
// numbers are fixed); the GHAST five.
struct ScriptedFloorCase {
  std::string what;
  int floor;
  int fate;
  std::string playerClass;
  int forced;
  std::array<int, 5> specials;  // hint, shop, shop2, doom, heal
  Names poolBefore;
  int ghastsBefore;
  std::vector<std::uint32_t> draws;
  Names trace;
  Tiles kinds;
  Tiles texts;
  Names poolAfter;
  int ghastsAfter;
  int missesAfter;
};

TEST_F(FloorGenerator, ScriptedFloorsWithMonstersDragonsAndGhasts) {
  const std::vector<ScriptedFloorCase> cases = {
      {"hard first floor: three goblins, one guarding the stairs",
       1, 99, "CONVICT", kRolledMonsterCount, {1, 8, 2, 9, 3}, {}, 1,
       {
           0, 0, 7, 0, 0, 0,  // north: a GOBLIN, plain word
           0,                 // north again: taken
           5, 0, 3, 6, 0, 0,  // southwest: hard mode's rare word, ELITE
           2, 0, 9, 5, 0, 0,  // east: a FLAMING GOBLIN
           5,                 // stairs on the southwest goblin
           2, 7,              // the hint shop: east is taken, northwest is free
           2, 1, 0,           // score 2 + 1 roomy; second free tile (southeast); Wise1
           17, 0,             // northeast: a roll of 18 is a scroll on floor 1, tier 0
           8,                 // south: a roll of 9 is nothing this high up
           0,                 // west: nothing
           17,                // secret room: 17 mod 16 + 1 = 2, a chest
       },
       {"Loading a new level... 1", "loaded a UNINTERESTING GOBLIN at north", "loaded a ELITE GOBLIN at southwest",
        "loaded a FLAMING GOBLIN at east", "stairs loaded (with encounter) at southwest", "hintshop loaded northwest",
        "Wise1 loaded southeast!!!", "scroll loaded northeast! cool!", "south left blank", "west left blank",
        "there is a chest in the secret room"},
       {"Mon", "Scroll", "Mon", "NPC", "", "MonExit", "", "Hint"},
       {" stands a UNINTERESTING GOBLIN.", ", a SCROLL has been left on the ground.", " stands a FLAMING GOBLIN.",
        " stands a WISE GOBLIN.", "... there is nothing at all.", ", a ELITE GOBLIN blocks the stairs.",
        "... there is nothing at all.", " is HINTLY MCGEE'S HINT EMPORIUM! What luck!"},
       {},
       1,
       0},
      {"the dragon takes the south stairs, which move north",
       12, 50, "OPPORTUNIST", 0, {1, 8, 2, 9, 3}, {"Warlock", "Ogre"}, 1,
       {
           1,         // monster count, replaced by the forced 0
           4,         // stairs: south
           0, 9, 0,   // the DRAGON: a common word drawn, SLEEPING all the same
           1,         // score 1 + 1 roomy: nobody
           8,         // northeast: a roll of 9 is an item this deep
           17,        // east: a barrel
           5,         // southeast: a hidden item, but not for an OPPORTUNIST
           13,        // southwest: a chest
           0,         // west: nothing
           15, 0,     // northwest: a scroll, tier 0
           19, 3,     // secret room 20: a scroll room with lore scroll 3
       },
       {"Loading a new level... 12", "stairs loaded at south", "south has been taken over by a mighty dragon!!",
        "item loaded northeast!", "barrel loaded east!!! wowzers!!!!", "southeast left blank",
        "chest loaded southwest! neat!", "west left blank", "scroll loaded northwest! cool!",
        "there is a scroll in the secret room"},
       {"Exit", "Item", "Barrel", "", "Mon", "Treasure", "", "Scroll"},
       {", the EXIT STAIRS beckon you to go down.", ", some kind of ITEM is lying on the ground.",
        " lies an inconspicuous EXPLOSIVE BARREL.", "... there is nothing at all.", " is a mighty DRAGON...",
        " lies a TREASURE CHEST! Huzzah!", "... there is nothing at all.", ", a SCROLL has been left on the ground."},
       {"Ogre"},
       1,
       1},
      {"a ghast haunts a monster, never the stairs' guard nor another ghast",
       13, 0, "ACADEMIC", 2, {1, 8, 2, 9, 3}, {"Flayer", "Ogre", "Wise3", "KingSword"}, 2,
       {
           0,                  // monster count, replaced by the forced 2
           1, 0, 14, 0, 0, 0,  // northeast: an UNINTERESTING TROLL
           6, 0, 14, 0, 0, 0,  // west: another
           1,                  // stairs on the northeast troll
           6, 0, 14, 0, 0, 0,  // first try: the west troll becomes the GHAST
           6,                  // second try: already a ghast
           1,                  // third try: the stairs' guard
           3, 4, 4,            // score 3 + 1 roomy; fifth free tile (southwest); 4 mod 3: Wise3
           10,                 // north: an item
           0,                  // east: nothing
           14,                 // southeast: a chest
           7,                  // south: a hidden item, for this ACADEMIC's eyes
           1,                  // northwest: nothing
           10,                 // secret room 11: a bit of gold
       },
       {"Loading a new level... 13", "loaded a UNINTERESTING TROLL at northeast",
        "loaded a UNINTERESTING TROLL at west", "stairs loaded (with encounter) at northeast",
        "west updated to GHASTLY GHAST.", "Wise3 loaded southwest!!!", "item loaded north!", "east left blank",
        "chest loaded southeast! neat!", "bonus item loaded south!", "northwest left blank",
        "there is a bit of gold in the secret room"},
       {"Item", "MonExit", "", "Treasure", "BonusItem", "NPC", "Mon", ""},
       {", some kind of ITEM is lying on the ground.", ", a UNINTERESTING TROLL blocks the stairs.",
        "... there is nothing at all.", " lies a TREASURE CHEST! Huzzah!", ", you spot an ITEM hidden away!",
        " stands a WISE TROLL.", " stands a GHASTLY GHAST.", "... there is nothing at all."},
       {"Ogre", "KingSword"},
       1,
       0},
  };
  for (const ScriptedFloorCase& c : cases) {
    SCOPED_TRACE(c.what);
    Floor floor;
    setSpecialFloors(floor, c.specials[0], c.specials[1], c.specials[2], c.specials[3], c.specials[4]);
    floor.npcPool = c.poolBefore;
    floor.ghastsToPlace = c.ghastsBefore;
    // The caller owns the floor number; and what a tile held before stays
    // until something new is put there.
    floor.floorNumber = 77;
    for (int t = 0; t < 8; ++t) {
      floor.tileCreatures[t].type = "LEFTOVER";
      floor.tileOffers[t].word = "LEFTOVER";
      floor.tileScrollTiers[t].tier = 9;
      floor.tileOccupants[t].key = "Leftover";
    }
    PlayerRecord player;
    player.playerClass = c.playerClass;
    dice::Script script(c.draws);
    CapturedOutput out;
    generateFloor(floor, c.floor, c.fate, player, c.forced);
    EXPECT_EQ(script.drawsLeft(), 0u);
    EXPECT_EQ(floor.floorNumber, 77);
    for (int t = 0; t < 8; ++t) {
      const std::string& kind = c.kinds[t];
      EXPECT_EQ(floor.tileCreatures[t].type == "LEFTOVER", kind != "Mon" && kind != "MonExit") << t;
      EXPECT_EQ(floor.tileOffers[t].word, "LEFTOVER") << t;
      EXPECT_EQ(floor.tileScrollTiers[t].tier == 9, kind != "Scroll") << t;
      EXPECT_EQ(floor.tileOccupants[t].key == "Leftover", kind != "NPC") << t;
    }
    EXPECT_EQ(out.lines(), c.trace);
    EXPECT_EQ(floor.tileKinds, c.kinds);
    EXPECT_EQ(floor.tileTexts, c.texts);
    EXPECT_EQ(floor.npcPool, c.poolAfter);
    EXPECT_EQ(floor.ghastsToPlace, c.ghastsAfter);
    EXPECT_EQ(floor.npcMissCount, c.missesAfter);
    EXPECT_EQ(floor.monsterCount, 0);
  }
}

TEST_F(FloorGenerator, RemovingFromThePoolKeepsTheOthersInOrder) {
  struct Case {
    Names pool;
    std::string name;
    Names after;
  };
  const std::vector<Case> cases = {
      {{"Chef", "Ogre", "Chef", "Seer"}, "Chef", {"Ogre", "Seer"}},
      {{"Chef", "Ogre"}, "Wise1", {"Chef", "Ogre"}},
      {{}, "Chef", {}},
      {{"Ogre"}, "ogre", {"Ogre"}},
  };
  for (const Case& c : cases) {
    Floor floor;
    floor.npcPool = c.pool;
    removeFromPool(floor, c.name);
    EXPECT_EQ(floor.npcPool, c.after) << c.name;
  }
}

int countKinds(const Floor& floor, std::initializer_list<std::string> kinds) {
  return static_cast<int>(std::count_if(floor.tileKinds.begin(), floor.tileKinds.end(), [&](const std::string& k) {
    return std::find(kinds.begin(), kinds.end(), k) != kinds.end();
  }));
}

void expectBossFloor(const Floor& floor, int fate, const Names& lines) {
  EXPECT_EQ(floor.tileKinds,
            (Tiles{"FinalMon", "Statue", "Statue", "Statue", "Fount", "Statue", "Statue", "Statue"}));
  const Creature& boss = floor.tileCreatures[0];
  EXPECT_EQ(boss.type, fate == 99 ? "HELLFUCKER" : "HELLSATAN");
  EXPECT_EQ(boss.quibblent, "ALMIGHTY");
  EXPECT_EQ(floor.tileTexts[0], " stands the fearsome ALMIGHTY " + boss.type +
                                    ", \n"
                                    "blocking your one exit out of the dungeon!!");
  EXPECT_EQ(floor.tileTexts[3], " is a strange, eerie statue...");
  EXPECT_EQ(floor.tileTexts[4], " is a mythical FOUNTAIN OF " + floor.tileOffers[4].word + "!");
  EXPECT_EQ(floor.secretRoomKind, "Special");
  const Names tail(lines.end() - 9, lines.end());
  EXPECT_EQ(tail, (Names{"loaded a ALMIGHTY " + boss.type + " at north.", "loaded a statue at northeast",
                         "loaded a statue at east", "loaded a statue at southeast", "loaded a statue at southwest",
                         "loaded a statue at west", "loaded a statue at northwest",
                         "fount " + floor.tileOffers[4].word + " loaded south!!! hallelujah!!!!",
                         "there is a bunch of corpses in the secret room"}));
}

void expectLastFloor(const Floor& floor, const Names& lines) {
  EXPECT_EQ(floor.tileKinds, (Tiles{"ExitDoor", "Wall", "Wall", "Wall", "ReturnStairs", "Wall", "Wall", "Wall"}));
  EXPECT_EQ(floor.tileTexts, Tiles{});
  EXPECT_EQ(floor.secretRoomKind, "Secret");
  const Names tail(lines.end() - 9, lines.end());
  EXPECT_EQ(tail, (Names{"loaded the final exit at North.", "loaded a wall at northeast", "loaded a wall at east",
                         "loaded a wall at southeast", "loaded a wall at southwest", "loaded a wall at west",
                         "loaded a wall at northwest", "loaded the stairs back at NE.",
                         "there is nothing of interest in the secret room"}));
}

TEST_F(FloorGenerator, TheLastTwoFloorsAlwaysLookTheSame) {
  dice::useSeed(15);
  for (int i = 0; i < 200; ++i) {
    const int fate = i % 2 == 0 ? 99 : i % 99;
    const int forced = i % 3 == 0 ? 4 : kRolledMonsterCount;
    SCOPED_TRACE("fate " + std::to_string(fate) + " forced " + std::to_string(forced));
    Floor floor;
    PlayerRecord player;
    {
      CapturedOutput out;
      generateFloor(floor, 15, fate, player, forced);
      ASSERT_GE(out.lines().size(), 10u);
      EXPECT_EQ(out.lines().front(), "Loading a new level... 15");
      expectBossFloor(floor, fate, out.lines());
    }
    {
      CapturedOutput out;
      generateFloor(floor, 16, fate, player, forced);
      ASSERT_GE(out.lines().size(), 10u);
      EXPECT_EQ(out.lines().front(), "Loading a new level... 16");
      expectLastFloor(floor, out.lines());
    }
  }
}

struct ForcedCase {
  std::string what;
  int floor;
  int forced;
  std::array<int, 5> specials;  // hint, shop, shop2, doom, heal
  int monsters;
  int fewestSpecialTiles;
  int mostSpecialTiles;
};

TEST_F(FloorGenerator, ForcedMonsterCountsAlwaysFinish) {
  const std::vector<ForcedCase> cases = {
      {"none at all", 14, 0, {1, 8, 2, 9, 3}, 0, 0, 0},
      {"five on a shallow floor", 3, 5, {1, 8, 2, 9, 3}, 5, 1, 1},
      // Six monsters and the stairs still leave the shop a tile.
      {"seven beside a shop", 2, 7, {1, 8, 2, 9, 3}, 6, 1, 1},
      {"too many are held to six", 6, 12, {1, 8, 2, 9, 6}, 6, 1, 1},
      {"eight on a plain floor", 13, 8, {1, 8, 2, 9, 3}, 6, 0, 0},
      // Should a floor ever be owed more special tiles than it has room for,
      // the ones that find no empty tile are left out.
      {"no room for every special", 5, 6, {5, 5, 5, 9, 5}, 6, 1, 2},
  };
  dice::useSeed(99);
  for (const ForcedCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (int seed = 0; seed < 40; ++seed) {
      Floor floor;
      setSpecialFloors(floor, c.specials[0], c.specials[1], c.specials[2], c.specials[3], c.specials[4]);
      PlayerRecord player;
      CapturedOutput out;
      generateFloor(floor, c.floor, 0, player, c.forced);
      ASSERT_EQ(countKinds(floor, {"Mon", "MonExit"}), c.monsters);
      ASSERT_EQ(countKinds(floor, {"Exit", "MonExit"}), 1);
      const int specials = countKinds(floor, {"Hint", "Doom", "Shop", "Shop2", "Heal"});
      ASSERT_GE(specials, c.fewestSpecialTiles);
      ASSERT_LE(specials, c.mostSpecialTiles);
    }
  }
}

// ---------------------------------------------------------------------------
// Whole seeded runs.

// The floors on which a character may be met; class characters by the class
// that meets them. Columns: name, first floor, last floor.
struct PoolWindow {
  std::string name;
  int first;
  int last;
};

std::vector<PoolWindow> poolWindows(const std::string& playerClass) {
  std::vector<PoolWindow> windows = {
      {"Wise1", 1, 4},     {"Accountant", 2, 5}, {"Worgleton", 2, 5}, {"BabyGhast", 3, 6}, {"Groggum", 3, 6},
      {"Quibblex", 4, 7},  {"Wise2", 5, 8},      {"Burger", 5, 8},    {"Consoom", 6, 9},   {"Seer", 6, 9},
      {"Chef", 7, 10},     {"Peanut", 7, 10},    {"Warlock", 8, 11},  {"Flayer", 9, 12},   {"Johnny", 9, 12},
      {"Wise3", 10, 13},   {"KingSword", 10, 13}, {"Ogre", 11, 14},   {"?", 14, 14},
  };
  const std::map<std::string, std::vector<PoolWindow>> classWindows = {
      {"ACADEMIC", {{"Opportunist", 4, 7}, {"Convict", 8, 11}}},
      {"CONVICT", {{"Academic", 4, 7}, {"Opportunist", 8, 11}}},
      {"OPPORTUNIST", {{"Convict", 4, 7}, {"Academic", 8, 11}}},
      {"ZOMBIE", {{"Academic", 4, 11}, {"Convict", 4, 11}, {"Opportunist", 4, 11}}},
  };
  for (const PoolWindow& w : classWindows.at(playerClass)) windows.push_back(w);
  return windows;
}

bool allowedOn(const std::vector<PoolWindow>& windows, const std::string& name, int floorNumber) {
  return std::any_of(windows.begin(), windows.end(), [&](const PoolWindow& w) {
    return w.name == name && floorNumber >= w.first && floorNumber <= w.last;
  });
}

bool hasLine(const Names& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::map<std::string, std::string> kFixedTexts = {
    {"", "... there is nothing at all."},
    {"Exit", ", the EXIT STAIRS beckon you to go down."},
    {"Hint", " is HINTLY MCGEE'S HINT EMPORIUM! What luck!"},
    {"Doom", " is... HINT HELL WITH FL'GARHH!?"},
    {"Shop", " stands a shifty-looking MAN."},
    {"Shop2", " is WOMBLETON WAMBLEFLUMP THE SHOP THING!!"},
    {"Heal", " is what looks to be a POTION!"},
    {"Barrel", " lies an inconspicuous EXPLOSIVE BARREL."},
    {"Item", ", some kind of ITEM is lying on the ground."},
    {"BonusItem", ", you spot an ITEM hidden away!"},
    {"Treasure", " lies a TREASURE CHEST! Huzzah!"},
    {"Scroll", ", a SCROLL has been left on the ground."},
};

const std::map<std::string, std::string> kFixedTraces = {
    {"Hint", "hintshop loaded "},    {"Doom", "doomshop loaded "},   {"Shop", "scumshop loaded "},
    {"Shop2", "cheapshop loaded "},  {"Heal", "potion loaded "},     {"Barrel", "barrel loaded "},
    {"Item", "item loaded "},        {"BonusItem", "bonus item loaded "}, {"Treasure", "chest loaded "},
    {"Scroll", "scroll loaded "},
};
const std::map<std::string, std::string> kFixedTraceEnds = {
    {"Barrel", "!!! wowzers!!!!"}, {"Item", "!"}, {"BonusItem", "!"}, {"Treasure", "! neat!"}, {"Scroll", "! cool!"},
};

const std::map<std::string, std::string> kSecretTraces = {
    {"Treasure", "there is a chest in the secret room"},
    {"Trap", "there is a trap in the secret room"},
    {"Abandoned", "there is a bit of gold in the secret room"},
    {"Fountain", "there is a fountain in the secret room"},
    {"Barrel", "there is a plasma barrel in the secret room"},
    {"Scroll", "there is a scroll in the secret room"},
    {"Goblin", "there is a goblin in the secret room"},
    {"Wizard", "there is a wizard in the secret room"},
};

const std::map<std::string, std::string> kClassTexts = {
    {"Academic/OPPORTUNIST", " is some BORING GUY."},
    {"Convict/ACADEMIC", " is a PUGNACIOUS RUFFIAN."},
    {"Opportunist/CONVICT", " is a SMUG PRICK."},
    {"Academic/ZOMBIE", " is some DELICIOUS FLESH!"},
    {"Convict/ZOMBIE", " is some DELICIOUS FLESH!"},
    {"Opportunist/ZOMBIE", " is some DELICIOUS FLESH!"},
};

// Rolled monsters per floor, before hard mode's extra one.
std::pair<int, int> monsterRange(int floorNumber) {
  if (floorNumber == 1) return {2, 2};
  if (floorNumber <= 5) return {2, 3};
  if (floorNumber <= 10) return {2, 4};
  if (floorNumber <= 13) return {3, 5};
  return {4, 6};
}

struct RunPlan {
  std::string playerClass;
  int fateLow;
  int fateHigh;
  bool jimmy;
};

class RunChecker {
 public:
  explicit RunChecker(const RunPlan& plan) : plan_(plan), windows_(poolWindows(plan.playerClass)) {
    player_.playerClass = plan.playerClass;
    CapturedOutput quiet;
    do {
      state_.startNewRun(floor_, plan.fateLow == 99 ? "IronWill" : "Hero", true);
    } while (state_.fateValue < plan.fateLow || state_.fateValue > plan.fateHigh);
    ghastsOwed_ = floor_.ghastsToPlace;
  }

  void playAllFloors() {
    for (int n = 1; n <= 16; ++n) {
      SCOPED_TRACE("floor " + std::to_string(n) + " fate " + std::to_string(state_.fateValue) + " class " +
                   plan_.playerClass);
      if (plan_.jimmy && n == 10) player_.drankJimmy = 1;
      const int missesBefore = floor_.npcMissCount;
      floor_.floorNumber = n;
      CapturedOutput out;
      generateFloor(floor_, n, state_.fateValue, player_, kRolledMonsterCount);
      const Names lines = out.lines();
      ASSERT_GE(lines.size(), 3u);
      EXPECT_EQ(lines.front(), "Loading a new level... " + std::to_string(n));
      EXPECT_EQ(floor_.monsterCount, 0);
      if (n < 15) {
        checkOrdinaryFloor(n, lines, missesBefore);
      } else if (n == 15) {
        expectBossFloor(floor_, state_.fateValue, lines);
      } else {
        expectLastFloor(floor_, lines);
      }
      if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_EQ(ghastsMet_ + floor_.ghastsToPlace, ghastsOwed_);
    if (plan_.jimmy) {
      EXPECT_EQ(player_.drankJimmy, 2);
      EXPECT_TRUE(met_.count("Johnny") || everInPool_.count("Johnny"));
    }
  }

 private:
  bool dragonFloor(int n) const { return n == 12 && state_.fateValue >= 40 && state_.fateValue <= 64; }
  bool hauntedRun() const { return state_.fateValue >= 95 && state_.fateValue <= 98; }

  void checkOrdinaryFloor(int n, const Names& lines, int missesBefore) {
    const Floor& f = floor_;
    const bool dragon = dragonFloor(n);
    ASSERT_EQ(countKinds(f, {"Exit", "MonExit"}), 1);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("stairs loaded", 0) == 0; }),
              1);
    EXPECT_EQ(lines.back(), kSecretTraces.at(f.secretRoomKind));

    // Monsters.
    auto [least, most] = monsterRange(n);
    if (state_.fateValue == 99 && most < 6) most += 1;
    if (state_.fateValue == 99 && least < 6) least += 1;
    const long placed = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.rfind("loaded a ", 0) == 0;
    });
    EXPECT_GE(placed, least);
    EXPECT_LE(placed, most);
    int monsters = 0;
    for (int t = 0; t < 8; ++t) {
      if (f.tileKinds[t] == "Mon" || f.tileKinds[t] == "MonExit") monsters += f.tileCreatures[t].type != "DRAGON";
    }
    // The dragon's stairs may land on a monster of the north tile.
    if (dragon) {
      EXPECT_GE(monsters, placed - 2);
    } else {
      EXPECT_EQ(monsters, placed);
    }

    // Every tile: a known kind, its text and its trace line.
    int characters = 0;
    for (int t = 0; t < 8; ++t) {
      const std::string& kind = f.tileKinds[t];
      const std::string& dir = f.directionNames[t];
      const Creature& c = f.tileCreatures[t];
      const std::string words = c.quibblent + " " + c.type;
      SCOPED_TRACE(dir + " holds '" + kind + "'");
      if (kind == "Mon" && c.type == "DRAGON") {
        EXPECT_TRUE(dragon);
        EXPECT_EQ(t, 4);
        EXPECT_EQ(f.tileTexts[t], " is a mighty DRAGON...");
        EXPECT_EQ(c.quibblent, "SLEEPING");
      } else if (kind == "Mon" && c.type == "GHAST") {
        EXPECT_EQ(c.quibblent, "GHASTLY");
        EXPECT_TRUE(n >= 13 || (n >= 11 && hauntedRun()));
        EXPECT_EQ(f.tileTexts[t], " stands a GHASTLY GHAST.");
        EXPECT_TRUE(hasLine(lines, dir + " updated to GHASTLY GHAST."));
        ++ghastsMet_;
      } else if (kind == "Mon") {
        EXPECT_EQ(f.tileTexts[t], " stands a " + words + ".");
        EXPECT_TRUE(hasLine(lines, "loaded a " + words + " at " + dir));
        if (n == 1) {
          EXPECT_EQ(c.type, "GOBLIN");
        }
      } else if (kind == "MonExit") {
        EXPECT_NE(c.type, "GHAST");
        EXPECT_EQ(f.tileTexts[t], ", a " + words + " blocks the stairs.");
        EXPECT_TRUE(hasLine(lines, "stairs loaded (with encounter) at " + dir));
        if (n == 1) {
          EXPECT_EQ(c.type, "GOBLIN");
        }
      } else if (kind == "NPC") {
        ++characters;
        const std::string& name = f.tileOccupants[t].key;
        EXPECT_TRUE(allowedOn(windows_, name, n)) << name;
        EXPECT_FALSE(met_.count(name)) << name << " met twice";
        met_.insert(name);
        if (name == "Worgleton") {
          EXPECT_LT(n, f.shop2Floor);
        }
        const auto classText = kClassTexts.find(name + "/" + plan_.playerClass);
        EXPECT_EQ(f.tileTexts[t],
                  classText != kClassTexts.end() ? classText->second : f.tileOccupants[t].description);
        EXPECT_EQ(f.tileOccupants[t].visitState, 0);
        EXPECT_TRUE(hasLine(lines, name + " loaded " + dir + "!!!"));
        if (name == "Warlock") {
          EXPECT_EQ(c.type, "WARLOCK");
        }
      } else if (kind == "Fount") {
        EXPECT_EQ(f.tileTexts[t], " is a mythical FOUNTAIN OF " + f.tileOffers[t].word + "!");
        EXPECT_TRUE(hasLine(lines, "fount " + f.tileOffers[t].word + " loaded " + dir + " !!! hallelujah!!!!"));
      } else if (kind == "Exit") {
        EXPECT_EQ(f.tileTexts[t], kFixedTexts.at(kind));
        EXPECT_TRUE(hasLine(lines, "stairs loaded at " + dir) || (dragon && t == 0));
      } else {
        ASSERT_TRUE(kFixedTexts.count(kind)) << "unknown tile kind";
        EXPECT_EQ(f.tileTexts[t], kFixedTexts.at(kind));
        if (kind.empty()) {
          EXPECT_TRUE(hasLine(lines, dir + " left blank"));
        } else {
          const auto end = kFixedTraceEnds.find(kind);
          EXPECT_TRUE(hasLine(lines, kFixedTraces.at(kind) + dir + (end != kFixedTraceEnds.end() ? end->second : "")));
        }
      }
      if (kind == "BonusItem") {
        EXPECT_EQ(plan_.playerClass, "ACADEMIC");
      }
      if (n == 1) {
        EXPECT_NE(kind, "Barrel");
      }
    }

    // The special tiles stand on their own floors (the dragon may crush one).
    const auto specialsOn = [&](const std::string& kind, bool due) {
      const int found = countKinds(f, {kind});
      if (dragon && due) {
        EXPECT_LE(found, 1) << kind;
      } else {
        EXPECT_EQ(found, due ? 1 : 0) << kind;
      }
    };
    specialsOn("Hint", n == f.hintFloor);
    specialsOn("Doom", n == f.doomFloor && n != f.hintFloor);
    specialsOn("Shop", n == f.shopFloor);
    specialsOn("Shop2", n == f.shop2Floor);
    specialsOn("Heal", n == f.healFloor);
    if (dragon) {
      EXPECT_TRUE(hasLine(lines, "south has been taken over by a mighty dragon!!"));
      if (hasLine(lines, "stairs loaded at south") || hasLine(lines, "stairs loaded (with encounter) at south")) {
        EXPECT_EQ(f.tileKinds[0], "Exit");
      }
    }

    // The character pool.
    EXPECT_LE(characters, 1);
    EXPECT_EQ(f.npcMissCount, characters == 1 ? 0 : missesBefore + 1);
    // After three floors without anyone, a waiting character comes as soon as
    // a tile is free for them: the tiles filled after them were free then.
    if (characters == 0 && missesBefore >= 3 && !f.npcPool.empty()) {
      for (const std::string& kind : f.tileKinds) {
        EXPECT_TRUE(kind != "" && kind != "Item" && kind != "BonusItem" && kind != "Treasure" && kind != "Scroll" &&
                    kind != "Barrel" && kind != "Fount")
            << "a free '" << kind << "' tile while " << f.npcPool.front() << " waited";
      }
    }
    for (const std::string& name : f.npcPool) {
      EXPECT_TRUE(allowedOn(windows_, name, n)) << name << " still waiting";
      everInPool_.insert(name);
    }
    if (n >= f.shop2Floor) {
      EXPECT_EQ(std::count(f.npcPool.begin(), f.npcPool.end(), "Worgleton"), 0);
    }

    // The secret room.
    if (n <= 4) {
      EXPECT_NE(f.secretRoomKind, "Scroll");
    }
    if (n == 7 && state_.fateValue >= 65 && state_.fateValue <= 94) {
      EXPECT_EQ(f.secretRoomKind, "Goblin");
    }
    if (n == 14) {
      EXPECT_EQ(f.secretRoomKind, "Wizard");
    }
    if (f.secretRoomKind == "Scroll") {
      EXPECT_GE(f.secretScrollIndex, 0);
      EXPECT_LE(f.secretScrollIndex, 5);
    }

    // Ghasts.
    EXPECT_LE(ghastsMet_, hauntedRun() ? 3 : 1);
  }

  RunPlan plan_;
  std::vector<PoolWindow> windows_;
  GameState state_;
  Floor floor_;
  PlayerRecord player_;
  int ghastsOwed_ = 0;
  int ghastsMet_ = 0;
  std::set<std::string> met_;
  std::set<std::string> everInPool_;
};

TEST_F(FloorGenerator, SeededRunsKeepEveryFloorsRules) {
  const Names classes = {"ACADEMIC", "CONVICT", "OPPORTUNIST", "ZOMBIE"};
  // Columns: lowest and highest fate value of the runs.
  const std::vector<std::pair<int, int>> fates = {{0, 39}, {40, 64}, {65, 94}, {95, 98}, {99, 99}};
  dice::useSeed(20261209);
  for (const auto& [low, high] : fates) {
    for (const std::string& playerClass : classes) {
      for (int run = 0; run < 40; ++run) {
        RunChecker checker({playerClass, low, high, run % 2 == 1});
        checker.playAllFloors();
        if (HasFatalFailure()) return;
      }
    }
  }
}

}  // namespace
