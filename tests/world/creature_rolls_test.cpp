// Random creatures by floor tier.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "world/creature_rolls.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

class CreatureRolls : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
  void TearDown() override { dice::useDevice(); }
};

// Draws in order: the type (and the rare type after the "Rare" entry), the
// rare test q, the word (and any redraws), then the type's hit points and gold.
struct RollCase {
  const char* what;
  int tier;
  int fate;
  std::vector<std::uint32_t> draws;
  const char* type;
  const char* word;
};

TEST_F(CreatureRolls, ScriptedDrawsGiveExactCreatures) {
  const RollCase cases[] = {
      {"tier 3 common type, q 2 gives a rare word", 3, 0, {2, 2, 6, 0, 0}, "OGRE", "ELITE"},
      {"tier 3 rare entry", 3, 0, {4, 0, 2, 6, 0, 0}, "WIZARD", "ELITE"},
      {"tier 3 q 0 is common", 3, 0, {0, 0, 5, 0, 0}, "MASS", "FLAMING"},
      {"tier 2 rare entry is the COELOCANTH", 2, 0, {2, 0, 1, 27, 0, 0}, "COELOCANTH", "NIHILIST"},
      {"tier 2 q 2 is still common", 2, 0, {1, 2, 5, 0, 0}, "GOBLIN", "FLAMING"},
      {"tier 2 in a hard run, q 4 is rare", 2, 99, {0, 4, 7, 0, 0}, "MASS", "DAMNED"},
      {"hard run, q 5 is common", 2, 99, {0, 5, 7, 0, 0}, "MASS", "INEFFECTUAL"},
      {"tier 10, q 4 is still common", 10, 0, {1, 4, 1, 0, 0}, "WARLOCK", "POISONED"},
      {"tier 11, q 4 is rare", 11, 0, {0, 4, 1, 0, 0}, "WARLOCK", "OILY"},
      {"tier 11, q 5 is common", 11, 0, {0, 5, 1, 0, 0}, "WARLOCK", "POISONED"},
      {"tier 6 OGRE as a rare type", 6, 0, {4, 2, 0, 0, 0, 0}, "OGRE", "UNINTERESTING"},
      {"tier 9 has five common types", 9, 0, {4, 0, 0, 0, 0}, "DEEP GOBLIN", "UNINTERESTING"},
      {"tier 9 rare entry", 9, 0, {5, 1, 0, 0, 0, 0}, "ACCOUNTANT", "UNINTERESTING"},
      {"draws larger than the list wrap", 14, 0, {15, 20, 41, 0, 0}, "CTHULOID", "GAMER"},
      {"tier 6 may bear GHASTLY", 6, 0, {0, 2, 8, 0, 0}, "ACCOUNTANT", "GHASTLY"},
      {"tier 1 hard run redraws GHASTLY", 1, 99, {0, 0, 8, 8, 6, 0, 0}, "GOBLIN", "ELITE"},
      {"tier 5 redraws GHASTLY", 5, 0, {0, 2, 8, 3, 0, 0}, "COELOCANTH", "HIGHLY FLAMMABLE"},
      {"a DEEP TROLL redraws GHASTLY", 14, 0, {4, 1, 0, 8, 8, 0, 0, 0}, "DEEP TROLL", "EXTRAVAGANT"},
      {"tier 0 may bear GHASTLY", 0, 99, {1, 0, 0, 8, 0}, "ZOMBIE", "GHASTLY"},
      {"a ZOMBIE redraws POISONED", 0, 0, {0, 0, 1, 1, 2, 0}, "ZOMBIE", "CONFUSED"},
      {"a LICHE redraws POISONED", 10, 0, {3, 0, 1, 3, 0, 0}, "LICHE", "DAMP"},
      {"a WARLOCK may be POISONED", 10, 0, {1, 0, 1, 0, 0}, "WARLOCK", "POISONED"},
      {"the boss is ALMIGHTY", 15, 0, {0, 0, 0}, "HELLSATAN", "ALMIGHTY"},
      {"the hard run's boss", 15, 99, {1, 0, 0, 8}, "HELLFUCKER", "ALMIGHTY"},
      {"the DRAGON sleeps", 16, 0, {0, 3, 4}, "DRAGON", "SLEEPING"},
      {"the GHAST is GHASTLY", 17, 0, {1, 0, 0, 5, 0, 0}, "GHAST", "GHASTLY"},
  };
  for (const RollCase& c : cases) {
    SCOPED_TRACE(c.what);
    dice::Script script(c.draws);
    const Creature creature = rollCreature(c.tier, c.fate);
    EXPECT_EQ(script.drawsLeft(), 0u) << "the roll used exactly the draws scripted";
    EXPECT_EQ(creature.type, c.type);
    EXPECT_EQ(creature.quibblent, c.word);
    EXPECT_EQ(creature.hp, creature.maxHp);
  }
}

TEST_F(CreatureRolls, BossesAndSpecialCreaturesComeWithTheirStats) {
  {
    dice::Script script({0, 3, 4});
    const Creature dragon = rollCreature(16, 0);
    EXPECT_EQ(dragon.maxHp, 250);
    EXPECT_EQ(dragon.hp, 250);
    EXPECT_EQ(dragon.aggression, -17);
    EXPECT_FALSE(dragon.confident);
    EXPECT_TRUE(dragon.quibblentTimed);
    EXPECT_EQ(dragon.quibblentTurnsLeft, 4);
    ASSERT_EQ(dragon.actions.size(), 5u);
    EXPECT_EQ(dragon.actions.back().name, "SLEEP");
    EXPECT_EQ(dragon.actions.back().weight, 99);
  }
  {
    dice::Script script({0, 0, 0});
    const Creature boss = rollCreature(15, 99);
    EXPECT_EQ(boss.quibblentTurnsLeft, 16);
    EXPECT_EQ(boss.expReward, 9999);
  }
  {
    dice::Script script({0, 0, 0, 20, 5});
    const Creature ghast = rollCreature(17, 0);
    EXPECT_TRUE(ghast.ghastly);
    EXPECT_FLOAT_EQ(ghast.damageTakenFactor, 0.25f);
    EXPECT_EQ(ghast.maxHp, 80);
  }
  {
    // A HOLOGRAPHIC creature is marked as one.
    dice::Script script({0, 2, 2, 0, 0});
    const Creature hologram = rollCreature(4, 0);
    EXPECT_EQ(hologram.quibblent, "HOLOGRAPHIC");
    EXPECT_TRUE(hologram.holographic);
  }
}

TEST_F(CreatureRolls, TiersPastEitherEndAreTakenAsTheNearestTier) {
  dice::useSeed(7);
  for (int tier : {-1000, -1, 18, 25, 1000000}) {
    SCOPED_TRACE(tier);
    const Creature creature = rollCreature(tier, 0);
    EXPECT_EQ(creature.type, tier < 0 ? "ZOMBIE" : "GHAST");
    EXPECT_GT(creature.maxHp, 0);
  }
}

// The types each tier can give (common and rare lists together).
const std::map<int, std::set<std::string>>& tierTypes() {
  static const std::map<int, std::set<std::string>> types = {
      {0, {"ZOMBIE"}},
      {1, {"GOBLIN"}},
      {2, {"MASS", "GOBLIN", "COELOCANTH"}},
      {3, {"MASS", "COELOCANTH", "OGRE", "GOBLIN", "WIZARD"}},
      {4, {"MASS", "COELOCANTH", "OGRE", "WIZARD", "GOBLIN", "ORC"}},
      {5, {"COELOCANTH", "OGRE", "WIZARD", "ORC", "MASS", "ACCOUNTANT"}},
      {6, {"ACCOUNTANT", "WIZARD", "ORC", "OGRE", "MASS", "COELOCANTH", "ROGUE", "EXPLORER"}},
      {7, {"ACCOUNTANT", "ORC", "ROGUE", "EXPLORER", "WIZARD", "OGRE", "CHEF"}},
      {8, {"ACCOUNTANT", "ROGUE", "CHEF", "EXPLORER", "ORC", "WARLOCK", "DEEP GOBLIN"}},
      {9, {"ROGUE", "CHEF", "EXPLORER", "WARLOCK", "DEEP GOBLIN", "LICHE", "ACCOUNTANT"}},
      {10, {"CHEF", "WARLOCK", "DEEP GOBLIN", "LICHE", "TROLL", "ROGUE", "ACCOUNTANT"}},
      {11, {"WARLOCK", "LICHE", "TROLL", "DEEP GOBLIN", "DEMON", "CHEF", "ZOMBIE"}},
      {12, {"TROLL", "DEMON", "LICHE", "WARLOCK", "ARCH-ACCOUNTANT", "NECROMANCER", "DEEP GOBLIN", "ZOMBIE"}},
      {13, {"TROLL", "DEMON", "ARCH-ACCOUNTANT", "NECROMANCER", "CTHULOID", "WARLOCK", "LICHE"}},
      {14, {"CTHULOID", "DEMON", "ARCH-ACCOUNTANT", "NECROMANCER", "TROLL", "DEEP TROLL"}},
      {16, {"DRAGON"}},
      {17, {"GHAST"}},
  };
  return types;
}

bool listed(std::span<const std::string_view> words, const std::string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

TEST_F(CreatureRolls, ThousandsOfSeededRollsKeepEveryRule) {
  constexpr int kRollsPerTier = 600;
  for (int fate : {0, 99}) {
    dice::useSeed(1234 + fate);
    for (int tier = kLowestCreatureTier; tier <= kHighestCreatureTier; ++tier) {
      SCOPED_TRACE("tier " + std::to_string(tier) + " fate " + std::to_string(fate));
      std::set<std::string> allowed;
      if (tier == 15) {
        allowed = {fate == 99 ? "HELLFUCKER" : "HELLSATAN"};
      } else {
        allowed = tierTypes().at(tier);
      }
      std::set<std::string> seen;
      bool sawRare = false;
      for (int i = 0; i < kRollsPerTier; ++i) {
        const Creature c = rollCreature(tier, fate);
        seen.insert(c.type);
        ASSERT_TRUE(allowed.count(c.type)) << c.type;
        ASSERT_EQ(c.hp, c.maxHp);
        ASSERT_GT(c.maxHp, 0);
        ASSERT_FALSE(c.actions.empty());
        const bool rare = listed(creatureRareQuibblents(), c.quibblent);
        sawRare = sawRare || rare;
        if (tier == 15) {
          ASSERT_EQ(c.quibblent, "ALMIGHTY");
        } else if (tier == 16) {
          ASSERT_EQ(c.quibblent, "SLEEPING");
        } else if (tier == 17) {
          ASSERT_EQ(c.quibblent, "GHASTLY");
        } else {
          ASSERT_TRUE(rare || listed(creatureCommonQuibblents(), c.quibblent)) << c.quibblent;
        }
        if (tier >= 1 && tier <= 5) {
          ASSERT_NE(c.quibblent, "GHASTLY");
        }
        if (c.type == "DEEP TROLL") {
          ASSERT_NE(c.quibblent, "GHASTLY");
        }
        if (c.type == "ZOMBIE" || c.type == "LICHE") {
          ASSERT_NE(c.quibblent, "POISONED");
        }
        ASSERT_EQ(c.holographic, c.quibblent == "HOLOGRAPHIC");
        ASSERT_EQ(c.ghastly, c.quibblent == "GHASTLY");
        ASSERT_EQ(c.poisoned, c.quibblent == "POISONED");
      }
      EXPECT_EQ(seen, allowed) << "every type of the tier turns up";
      if (tier <= 2 && fate != 99) {
        EXPECT_FALSE(sawRare) << "the first floors never roll a rare word outside a hard run";
      }
      if (tier >= 11 && tier <= 14) {
        EXPECT_TRUE(sawRare);
      }
    }
  }
}

TEST_F(CreatureRolls, WordListsHoldTheCreatureQuibblentsInOrder) {
  const std::vector<std::string_view> common = {
      "UNINTERESTING", "POISONED", "CONFUSED",    "DAMP",          "FLAMMABLE",   "FLAMING",
      "EXISTENTIAL",   "INEFFECTUAL", "LIGHTLY SALTED", "RAVENOUS", "POISONOUS",   "NOXIOUS",
      "SLEEPING",      "GAMER",    "FRIGHTENED",  "HIPPIE",        "METALHEAD",   "VOLUMINOUS",
      "KNOWLEDGEABLE", "HORNY",    "PERVERTED",   "FLIRTATIOUS",   "FUNDAMENTALIST", "CHARRED",
      "CONFIDENT",     "GROGGY",   "VORPAL",      "NIHILIST"};
  const std::vector<std::string_view> rare = {"EXTRAVAGANT", "OILY", "HOLOGRAPHIC", "HIGHLY FLAMMABLE", "STARVING",
                                              "MLG",         "ELITE", "DAMNED",     "GHASTLY"};
  EXPECT_EQ(std::vector<std::string_view>(creatureCommonQuibblents().begin(), creatureCommonQuibblents().end()),
            common);
  EXPECT_EQ(std::vector<std::string_view>(creatureRareQuibblents().begin(), creatureRareQuibblents().end()), rare);
}

}  // namespace
