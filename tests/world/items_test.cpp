// Weapons, armor and consumables: what a floor yields, what it costs, and how
// a new word changes an item.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "world/item_record.h"
#include "world/item_tables.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

using Names = std::vector<std::string>;

class Items : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
  void TearDown() override { dice::useDevice(); }
};

struct FloorTypesCase {
  int floor;
  Names weapons;
  Names armors;
};

TEST_F(Items, EachFloorOffersItsWeaponsAndArmors) {
  const std::vector<FloorTypesCase> cases = {
      {1, {"DAGGER"}, {"SHIRT"}},
      {2, {"DAGGER", "SWORD"}, {"SHIRT", "LEATHER"}},
      {4, {"DAGGER", "SWORD", "SCIMITAR"}, {"SHIRT", "LEATHER"}},
      {5, {"SWORD", "SCIMITAR"}, {"LEATHER", "ARMOR"}},
      {7, {"SWORD", "SCIMITAR", "RAPIER"}, {"LEATHER", "ARMOR"}},
      {8, {"SCIMITAR", "RAPIER", "KATANA"}, {"LEATHER", "ARMOR", "CHAINMAIL"}},
      {9, {"SCIMITAR", "RAPIER", "KATANA", "GREATSWORD"}, {"ARMOR", "CHAINMAIL"}},
      {11, {"RAPIER", "KATANA", "GREATSWORD", "LASER SWORD"}, {"ARMOR", "CHAINMAIL", "PLATEMAIL"}},
      {12, {"KATANA", "GREATSWORD", "LASER SWORD"}, {"CHAINMAIL", "PLATEMAIL"}},
      {13, {"KATANA", "GREATSWORD", "LASER SWORD", "STABLORD(TM)"}, {"CHAINMAIL", "PLATEMAIL", "KEVLAR"}},
      {14, {"GREATSWORD", "LASER SWORD", "STABLORD(TM)"}, {"CHAINMAIL", "PLATEMAIL", "KEVLAR"}},
      {15, {"LASER SWORD", "STABLORD(TM)"}, {"PLATEMAIL"}},
      {16, {"LASER SWORD", "STABLORD(TM)"}, {"PLATEMAIL"}},
  };
  for (const FloorTypesCase& c : cases) {
    SCOPED_TRACE("floor " + std::to_string(c.floor));
    EXPECT_EQ(weaponTypesForFloor(c.floor), c.weapons);
    EXPECT_EQ(armorTypesForFloor(c.floor), c.armors);
    // The loot record carries the same lists it drew from.
    dice::Script script({0, 0, 0, 0});
    const ItemRecord loot("Weapon", c.floor);
    EXPECT_EQ(loot.weaponTypes, c.weapons);
    EXPECT_EQ(loot.armorTypes, c.armors);
  }
}

struct PriceCase {
  std::string type;
  int price;
};

TEST_F(Items, ConsumablesAreSoldAtTheirOwnPrice) {
  const std::vector<PriceCase> cases = {
      {"POTION", 20},      {"MATCH", 10},        {"KEROSENE", 10},     {"LSD", 4},
      {"MORALITY", 15},    {"AIRHORN", 25},      {"SALT SHAKER", 18},  {"POISON DART", 20},
      {"GHOST PEPPER", 40}, {"STAPLE REMOVER", 15}, {"CALCULATOR", 60},  {"LAUGHING GAS", 45},
      {"CONTRACT", 45},    {"TOME OF WISDOM", 35}, {"VORTEX", 80},      {"NECRONOMICON", 80},
      {"TELEPOROMETER", 70}, {"GHAST-BUSTER", 50}, {"SPECIAL POTION", 1}, {"HAT", 1},
      {"ROCK", 0},         {"potion", 0},
  };
  for (const PriceCase& c : cases) {
    SCOPED_TRACE(c.type);
    const ItemRecord item(c.type);
    EXPECT_EQ(item.price, c.price);
    EXPECT_EQ(item.name, c.type);
    EXPECT_EQ(item.type, c.type);
    EXPECT_EQ(item.quibblent, "");
    EXPECT_EQ(item.attack, 0);
    EXPECT_FALSE(item.quibblentTimed);
    EXPECT_EQ(item.quibblentTurnsLeft, 99);
    EXPECT_TRUE(item.smallItemTypes.empty());
  }
}

// Draws in order: rare test (mod 15), word (mod 8 or 20), type (random kinds
// only, mod list size), price factor (mod 4: 0.9, 1.0, 1.1, 1.2).
struct LootCase {
  std::string what;
  std::string kind;
  int floor;
  std::vector<std::uint32_t> draws;
  std::string name;
  std::string word;
  int attack;
  int defence;
  int price;
  float factor;
  bool timed;
  int turns;
};

TEST_F(Items, LootIsRolledFromScriptedDraws) {
  const std::vector<LootCase> cases = {
      {"plain dagger", "Weapon", 1, {0, 0, 0, 0}, "UNINTERESTING DAGGER", "UNINTERESTING", 3, 0, 27, 0.9f, false, 99},
      {"elite katana", "Weapon", 8, {2, 6, 2, 0}, "ELITE KATANA", "ELITE", 10, 0, 297, 0.9f, false, 99},
      {"elite katana dearest", "Weapon", 8, {17, 14, 17, 3}, "ELITE KATANA", "ELITE", 10, 0, 396, 1.2f, false, 99},
      {"hologram is worthless", "Weapon", 1, {2, 2, 0, 3}, "HOLOGRAPHIC DAGGER", "HOLOGRAPHIC", 0, 0, 0, 1.2f,
       false, 99},
      {"ineffectual rounds down", "Weapon", 1, {0, 6, 0, 2}, "INEFFECTUAL DAGGER", "INEFFECTUAL", 2, 0, 33, 1.1f,
       false, 99},
      {"half rounds away from zero", "Weapon", 1, {0, 13, 0, 0}, "HIPPIE DAGGER", "HIPPIE", 2, 0, 27, 0.9f, false,
       99},
      {"horny sword", "Weapon", 2, {0, 15, 1, 1}, "HORNY SWORD", "HORNY", 5, 0, 60, 1.0f, false, 99},
      {"damned sword wears off", "Weapon", 2, {2, 7, 1, 1}, "DAMNED SWORD", "DAMNED", 8, 0, 90, 1.0f, true, 6},
      {"gamer never wears off an item", "Weapon", 2, {0, 11, 1, 0}, "GAMER SWORD", "GAMER", 4, 0, 54, 0.9f, false,
       99},
      {"flaming wears off", "Weapon", 2, {0, 4, 0, 1}, "FLAMING DAGGER", "FLAMING", 3, 0, 30, 1.0f, true, 6},
      {"charred platemail", "Armor", 15, {0, 17, 0, 1}, "CHARRED PLATEMAIL", "CHARRED", 0, 5, 500, 1.0f, false, 99},
      {"elite kevlar", "Armor", 13, {2, 6, 2, 2}, "ELITE KEVLAR", "ELITE", 0, 14, 1320, 1.1f, false, 99},
      {"starter sword never rare", "start", 1, {2, 5, 0}, "EXISTENTIAL SWORD", "EXISTENTIAL", 4, 0, 54, 0.9f, false,
       99},
      {"starter dagger", "ostart", 9, {2, 19, 3}, "NIHILIST DAGGER", "NIHILIST", 3, 0, 36, 1.2f, false, 99},
      {"starter shirt", "shirt", 1, {2, 1, 1}, "CONFUSED SHIRT", "CONFUSED", 0, 0, 10, 1.0f, false, 99},
      {"fists", "fists", 1, {0, 3, 1}, "FISTS", "UNINTERESTING", 0, 0, 0, 1.0f, false, 99},
      {"nudity", "nude", 1, {2, 6, 1}, "NUDITY", "UNINTERESTING", 0, -2, 0, 1.0f, false, 99},
      {"loincloth", "loin", 1, {0, 0, 2}, "LOINCLOTH", "UNINTERESTING", 0, 0, 0, 1.1f, false, 99},
      {"dragon tongue", "dragon", 1, {0, 0, 3}, "FLAMING DRAGON-TONGUE", "FLAMING", 25, 0, 2400, 1.2f, true, 6},
      {"dragon tongue cheapest", "dragon", 1, {2, 6, 0}, "FLAMING DRAGON-TONGUE", "FLAMING", 25, 0, 1800, 0.9f, true,
       6},
  };
  for (const LootCase& c : cases) {
    SCOPED_TRACE(c.what);
    dice::Script script(c.draws);
    const ItemRecord item(c.kind, c.floor);
    EXPECT_EQ(script.drawsLeft(), 0u);
    EXPECT_EQ(item.lootKind, c.kind);
    EXPECT_EQ(item.name, c.name);
    EXPECT_EQ(item.quibblent, c.word);
    EXPECT_EQ(item.attack, c.attack);
    EXPECT_EQ(item.defence, c.defence);
    EXPECT_EQ(item.price, c.price);
    EXPECT_EQ(item.roll, c.factor);
    EXPECT_EQ(item.quibblentTimed, c.timed);
    EXPECT_EQ(item.quibblentTurnsLeft, c.turns);
  }
}

TEST_F(Items, SeededLootKeepsToTheFloorsTypesAndWords) {
  dice::useSeed(11);
  std::set<std::string> starterWords;
  std::set<int> dragonPrices;
  for (int i = 0; i < 3000; ++i) {
    const int floor = i % 16 + 1;
    const ItemRecord weapon("Weapon", floor);
    const ItemRecord armor("Armor", floor);
    if (floor == 1) {
      EXPECT_EQ(weapon.type, "DAGGER");
    }
    if (floor == 16) {
      EXPECT_TRUE(weapon.type == "LASER SWORD" || weapon.type == "STABLORD(TM)") << weapon.type;
    }
    if (floor >= 15) {
      EXPECT_EQ(armor.type, "PLATEMAIL");
    }
    EXPECT_EQ(weapon.name, weapon.quibblent + " " + weapon.type);
    starterWords.insert(ItemRecord("start", floor).quibblent);
    dragonPrices.insert(ItemRecord("dragon", floor).price);
  }
  const std::vector<std::string_view> common(itemCommonQuibblents().begin(), itemCommonQuibblents().end());
  for (const std::string& word : starterWords) {
    EXPECT_NE(std::find(common.begin(), common.end(), word), common.end()) << word << " on a starting sword";
  }
  EXPECT_EQ(starterWords.size(), common.size());
  EXPECT_EQ(dragonPrices, (std::set<int>{1800, 2000, 2200, 2400}));
}

// Draws in order: the candidate (mod the number of candidates), the price factor.
struct ConsumableCase {
  std::string what;
  bool large;
  Names held;
  std::vector<int> counts;
  int bias;
  int quantity;
  std::vector<std::uint32_t> draws;
  std::string type;
  int finalQuantity;
  int price;
};

TEST_F(Items, ConsumableOffersRespectTheInventory) {
  const Names none;
  const std::vector<int> noCounts = {0, 0, 0, 0, 0, 0};
  const std::vector<ConsumableCase> cases = {
      // A POTION of one costs 18, 20, 22 or 24: single precision, never 17.
      {"forced potion at 0.9", false, {"POTION"}, {2, 0, 0, 0, 0, 0}, 4, 1, {0, 0}, "POTION", 1, 18},
      {"forced potion at 1.0", false, {"POTION"}, {2, 0, 0, 0, 0, 0}, 4, 1, {5, 1}, "POTION", 1, 20},
      {"forced potion at 1.1", false, {"POTION"}, {2, 0, 0, 0, 0, 0}, 4, 1, {8, 2}, "POTION", 1, 22},
      {"forced potion at 1.2", false, {"POTION"}, {2, 0, 0, 0, 0, 0}, 4, 1, {20, 3}, "POTION", 1, 24},
      {"no bias: nine small candidates", false, none, noCounts, 0, 2, {9, 0}, "MATCH", 2, 18},
      {"last small candidate", false, none, noCounts, 0, 1, {8, 1}, "STAPLE REMOVER", 1, 15},
      {"bias 1 adds four potions", false, none, noCounts, 1, 2, {22, 0}, "POTION", 2, 36},
      {"bias 1 wraps at thirteen", false, none, noCounts, 1, 2, {13, 0}, "MATCH", 2, 18},
      {"bias 3 adds twelve, not forced", false, none, noCounts, 3, 1, {21, 3}, "MATCH", 1, 12},
      {"bias 3 potion", false, none, noCounts, 3, 1, {20, 3}, "POTION", 1, 24},
      {"ten potions held: no potion, no forcing", false, {"POTION"}, {10, 0, 0, 0, 0, 0}, 4, 2, {10, 3},
       "KEROSENE", 2, 24},
      {"nine matches cap any offer at one", false, {"MATCH"}, {9, 0, 0, 0, 0, 0}, 0, 3, {7, 1}, "GHOST PEPPER", 1,
       40},
      {"a stack is never pushed past ten", false, {"LSD"}, {7, 0, 0, 0, 0, 0}, 0, 5, {2, 1}, "LSD", 3, 12},
      {"eight large candidates", true, none, noCounts, 0, 1, {8, 0}, "CALCULATOR", 1, 54},
      {"a held large item is not offered again", true, {"CALCULATOR"}, {1, 0, 0, 0, 0, 0}, 0, 1, {7, 0},
       "LAUGHING GAS", 1, 40},
      {"two large items held", true, {"VORTEX", "CONTRACT"}, {1, 1, 0, 0, 0, 0}, 0, 1, {3, 3},
       "NECRONOMICON", 1, 96},
      // A count left over past the held names (a damaged save) is ignored.
      {"stray count without a name", false, {"MATCH"}, {1, 10, 0, 0, 0, 0}, 0, 1, {1, 1}, "KEROSENE", 1, 10},
  };
  for (const ConsumableCase& c : cases) {
    SCOPED_TRACE(c.what);
    ItemRecord offer;
    offer.quantity = c.quantity;
    dice::Script script(c.draws);
    offer.rollConsumable(c.large, c.held, c.counts, c.bias);
    EXPECT_EQ(script.drawsLeft(), 0u);
    EXPECT_EQ(offer.type, c.type);
    EXPECT_EQ(offer.name, c.type);
    EXPECT_EQ(offer.quantity, c.finalQuantity);
    EXPECT_EQ(offer.price, c.price);
  }
}

TEST_F(Items, SmallLootBecomesAConsumableByName) {
  // Loot draws (rare test, word, type, factor), then the consumable's (candidate, factor).
  dice::Script script({0, 0, 3, 0, 4, 2});
  ItemRecord offer("Small", 3);
  EXPECT_EQ(offer.name, "LSD");
  offer.quantity = 2;
  offer.rollConsumable(false, {"POTION"}, {2, 0, 0, 0, 0, 0}, 0);
  EXPECT_EQ(offer.type, "AIRHORN");
  EXPECT_EQ(offer.name, "AIRHORN");
  EXPECT_EQ(offer.price, 55);
  EXPECT_EQ(offer.lootKind, "Small");
}

ItemRecord gear(const std::string& word, const std::string& type) {
  ItemRecord item;
  item.quibblent = word;
  item.type = type;
  item.name = word + " " + type;
  item.applyTypeStats();
  return item;
}

struct BaseCase {
  std::string type;
  int attack;
  int defence;
  int price;
};

TEST_F(Items, EveryTypeHasItsBaseNumbers) {
  const std::vector<BaseCase> cases = {
      {"DAGGER", 3, 0, 15},       {"SWORD", 4, 0, 30},          {"SCIMITAR", 5, 0, 55},    {"RAPIER", 6, 0, 80},
      {"KATANA", 8, 0, 110},      {"GREATSWORD", 10, 0, 140},   {"LASER SWORD", 12, 0, 200},
      {"STABLORD(TM)", 14, 0, 300}, {"DRAGON-TONGUE", 25, 0, 1000}, {"FISTS", 0, 0, 0},
      {"SHIRT", 0, 0, 5},         {"LEATHER", 0, 1, 40},        {"ARMOR", 0, 2, 70},       {"CHAINMAIL", 0, 4, 150},
      {"PLATEMAIL", 0, 6, 250},   {"KEVLAR", 0, 9, 400},        {"NUDITY", 0, -2, 0},      {"LOINCLOTH", 0, 0, 0},
      // Not gear: nothing is set.
      {"POTION", 0, 0, 0},
  };
  for (const BaseCase& c : cases) {
    SCOPED_TRACE(c.type);
    const ItemRecord item = gear("UNINTERESTING", c.type);
    EXPECT_EQ(item.attack, c.attack);
    EXPECT_EQ(item.defence, c.defence);
    EXPECT_EQ(item.price, c.price);
  }
  // The plain stand-ins shed any word before the factors apply.
  for (const std::string type : {"FISTS", "NUDITY", "LOINCLOTH"}) {
    SCOPED_TRACE(type);
    const ItemRecord item = gear("ELITE", type);
    EXPECT_EQ(item.quibblent, "UNINTERESTING");
    EXPECT_EQ(item.attack, 0);
    EXPECT_EQ(item.defence, type == "NUDITY" ? -2 : 0);
  }
}

TEST_F(Items, LootDrawsItsWordsAndConsumablesInTheirOrder) {
  const Names common = {"UNINTERESTING", "CONFUSED",  "DAMP",       "FLAMMABLE", "FLAMING",  "EXISTENTIAL",
                        "INEFFECTUAL",   "LIGHTLY SALTED", "RAVENOUS", "POISONOUS", "NOXIOUS",  "GAMER",
                        "FRIGHTENED",    "HIPPIE",    "METALHEAD",  "HORNY",     "PERVERTED", "CHARRED",
                        "VORPAL",        "NIHILIST"};
  const Names rare = {"EXTRAVAGANT", "OILY", "HOLOGRAPHIC", "HIGHLY FLAMMABLE", "STARVING", "MLG", "ELITE", "DAMNED"};
  const Names small = {"POTION",  "MATCH",       "KEROSENE",    "LSD",          "MORALITY",
                       "AIRHORN", "SALT SHAKER", "POISON DART", "GHOST PEPPER", "STAPLE REMOVER"};
  const Names large = {"CALCULATOR", "LAUGHING GAS", "CONTRACT",      "TOME OF WISDOM",
                       "VORTEX",     "NECRONOMICON", "TELEPOROMETER", "GHAST-BUSTER"};
  // Draws: rare test, word, type, price factor.
  for (std::uint32_t i = 0; i < common.size(); ++i) {
    dice::Script script({0, i + 20, 0, 0});
    EXPECT_EQ(ItemRecord("Weapon", 1).quibblent, common[i]);
  }
  for (std::uint32_t i = 0; i < rare.size(); ++i) {
    dice::Script script({17, i + 8, 0, 0});
    EXPECT_EQ(ItemRecord("Armor", 1).quibblent, rare[i]);
  }
  for (std::uint32_t i = 0; i < small.size(); ++i) {
    dice::Script script({0, 0, i + 10, 0});
    const ItemRecord loot("Small", 4);
    EXPECT_EQ(loot.type, small[i]);
    EXPECT_EQ(loot.name, small[i]);
  }
  for (std::uint32_t i = 0; i < large.size(); ++i) {
    dice::Script script({0, 0, i + 8, 0});
    EXPECT_EQ(ItemRecord("Large", 4).name, large[i]);
  }
  // A kind the catalogue does not know brings no type and costs nothing.
  dice::Script script({0, 1, 3});
  const ItemRecord odd("Ring", 1);
  EXPECT_EQ(odd.type, "");
  EXPECT_EQ(odd.name, "CONFUSED ");
  EXPECT_EQ(odd.price, 0);
}

struct ChangeCase {
  std::string what;
  ItemRecord item;
  std::string newWord;
  std::string message;
  std::string name;
  int attack;
  int defence;
  bool timed;
  int turns;
};

TEST_F(Items, ChangingAnItemsWordRescalesAndRenamesIt) {
  const std::vector<ChangeCase> cases = {
      {"flames go out", gear("FLAMING", "SWORD"), "CHARRED", "Your FLAMING SWORD's flames go out; it's now CHARRED.",
       "CHARRED SWORD", 4, 0, false, 99},
      {"hologram rebuilt from the type", gear("HOLOGRAPHIC", "SWORD"), "ELITE", "Your SWORD is now ELITE!",
       "ELITE SWORD", 5, 0, false, 99},
      {"hologram to a waning word", gear("HOLOGRAPHIC", "DAGGER"), "DAMNED", "Your DAGGER is now DAMNED!",
       "DAMNED DAGGER", 6, 0, true, 6},
      {"already elite", gear("ELITE", "SWORD"), "ELITE", "The ELITE SWORD is already ELITE!", "ELITE SWORD", 5, 0,
       false, 99},
      {"damned doubles and wears off", gear("UNINTERESTING", "SWORD"), "DAMNED", "Your SWORD is now DAMNED!",
       "DAMNED SWORD", 8, 0, true, 6},
      // The change works from the rounded numbers, not from the type's base.
      {"ineffectual to elite", gear("INEFFECTUAL", "DAGGER"), "ELITE", "Your DAGGER is now ELITE!", "ELITE DAGGER",
       3, 0, false, 99},
      {"elite armor to charred", gear("ELITE", "ARMOR"), "CHARRED", "Your ARMOR is now CHARRED!", "CHARRED ARMOR", 0,
       2, false, 99},
      {"damned armor to plain", gear("DAMNED", "CHAINMAIL"), "UNINTERESTING", "Your CHAINMAIL is now UNINTERESTING!",
       "UNINTERESTING CHAINMAIL", 0, 4, false, 99},
  };
  for (ChangeCase c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.item.changeQuibblent(c.newWord), c.message);
    EXPECT_EQ(c.item.quibblent, c.newWord);
    EXPECT_EQ(c.item.name, c.name);
    EXPECT_EQ(c.item.attack, c.attack);
    EXPECT_EQ(c.item.defence, c.defence);
    EXPECT_EQ(c.item.quibblentTimed, c.timed);
    EXPECT_EQ(c.item.quibblentTurnsLeft, c.turns);
  }
}

TEST_F(Items, OfferingTheSameWaningWordRestartsItsTimer) {
  ItemRecord sword = gear("FLAMING", "SWORD");
  sword.quibblentTurnsLeft = 2;
  EXPECT_EQ(sword.changeQuibblent("FLAMING"), "The FLAMING SWORD is already FLAMING!");
  EXPECT_TRUE(sword.quibblentTimed);
  EXPECT_EQ(sword.quibblentTurnsLeft, 6);
}

}  // namespace
