// A creature's stats and moves from its type, and what its quibblent adds.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "world/bestiary.h"
#include "tests/world/creature_moves.h"
#include "world/creature.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

class CreatureStats : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
};

// The hit-point draw comes first, then the gold draw; each row scripts the
// largest value of each roll, so the creature gets the top of its ranges.
struct BestiaryCase {
  const char* type;
  std::vector<std::uint32_t> draws;
  int maxHp, gold, exp, attack, defence, regen;
  float dodge;
  int aggression;
  bool confident;
  Moves moves;
};

TEST_F(CreatureStats, TypesGetTheirNumbersAndMovesAtTheTopOfTheirRolls) {
  const BestiaryCase cases[] = {
      {"GOBLIN", {5, 2}, 15, 4, 20, 5, 1, 0, 0.0f, 0, false, {{"ATTACK", 5}}},
      {"MASS", {10, 3}, 30, 8, 35, 3, 2, 0, 0.0f, 3, false, {{"ATTACK", 5}}},
      {"COELOCANTH", {7, 4}, 25, 12, 50, 6, 1, 0, 0.0f, 3, false,
       {{"ATTACK", 5}, {"BODY TACKLE", 4}, {"SPLASH", 4}}},
      {"OGRE", {25, 10}, 75, 35, 120, 12, 3, 0, 0.0f, 3, false, {{"WIND UP", 8}}},
      {"WIZARD", {8, 7}, 32, 15, 50, 4, 1, 0, 0.0f, 3, false, {{"ATTACK", 3}, {"MAGICBOLT", 7}}},
      {"ORC", {15, 8}, 45, 22, 65, 10, 2, 0, 1.0f, 3, false, {{"ATTACK", 5}}},
      {"ACCOUNTANT", {10, 25}, 35, 50, 75, 6, 1, 0, 0.0f, 3, false,
       {{"ATTACK", 5}, {"CONFUSING TERMINOLOGY", 5}, {"RUN THE NUMBERS", 15}}},
      {"ROGUE", {10, 5}, 20, 25, 90, 20, 0, 0, 4.0f, 5, false, {{"ATTACK", 5}}},
      {"EXPLORER", {30, 5}, 70, 25, 150, 9, 3, 0, 0.0f, 0, false,
       {{"ATTACK", 5}, {"NEGOTIATION", 3}, {"FLEE", 2}}},
      {"CHEF", {15, 10}, 55, 35, 90, 9, 4, 0, 0.0f, 3, false,
       {{"ATTACK", 6}, {"APPLY SALT", 9}, {"EAT", 6}}},
      {"WARLOCK", {16, 8}, 64, 40, 140, 8, 2, 0, 2.0f, 3, false,
       {{"ATTACK", 2}, {"FIREBOLT", 5}, {"HEAL", 5}}},
      {"DEEP GOBLIN", {15, 80}, 90, 90, 120, 12, 5, 0, 0.0f, 3, false, {{"ATTACK", 5}, {"EAT", 3}}},
      {"LICHE", {15, 15}, 70, 70, 160, 4, 10, 0, 0.0f, 3, false,
       {{"ATTACK", 4}, {"POISON GAS", 4}, {"CURSE BOLT", 10}}},
      {"ZOMBIE", {2}, 50, 5, 80, 15, 4, 0, 0.0f, 3, true, {{"ATTACK", 5}, {"EAT", 3}}},
      {"TROLL", {25, 25}, 125, 100, 200, 16, 6, 4, 0.0f, 3, false, {{"ATTACK", 3}, {"WIND UP", 8}}},
      {"DEMON", {30, 25}, 115, 80, 150, 18, 5, 0, 0.0f, 3, false, {{"ATTACK", 5}, {"FIRE CLAW", 5}}},
      {"ARCH-ACCOUNTANT", {15, 50}, 90, 200, 200, 8, 2, 0, 1.0f, 3, false,
       {{"ATTACK", 5}, {"CONFUSING TERMINOLOGY", 5}, {"RUN THE NUMBERS II", 15}}},
      {"NECROMANCER", {24, 10}, 96, 90, 250, 12, 4, 0, 1.0f, 3, false,
       {{"ATTACK", 3}, {"POISON GAS", 5}, {"FIREBOLT", 5}, {"HEAL", 5}, {"RAISE DEAD", 40}}},
      {"CTHULOID", {30, 20}, 160, 110, 350, 20, 6, 0, 0.0f, 3, false,
       {{"ATTACK", 5}, {"MADNESS", 3}, {"BANSHEE SHRIEK", 4}, {"CURSE BOLT", 3}}},
      {"DEEP TROLL", {50, 50}, 250, 400, 1000, 25, 10, 8, 0.0f, -7, false,
       {{"ATTACK", 6}, {"BANSHEE SHRIEK", 3}}},
      {"GHAST", {20, 5}, 80, 30, 333, 20, 20, 0, 0.0f, -7, false, {{"ATTACK", 10}, {"MAGICBOLT", 6}}},
      {"DRAGON", {}, 250, 0, 800, 15, 10, 0, 0.0f, -7, false,
       {{"ATTACK", 3}, {"FIRE BREATH", 4}, {"KEROSENE BREATH", 2}, {"EAT", 3}}},
      {"POTION", {}, 65, 0, 200, 15, 0, 0, 0.0f, 3, false, {{"ATTACK", 5}, {"DRINK SELF", 0}}},
      {"HELLSATAN", {}, 200, 0, 0, 30, 8, 1, 1.0f, 3, false,
       {{"ATTACK", 5},
        {"BANSHEE SHRIEK", 1},
        {"POISON GAS", 3},
        {"FIRE CLAW", 5},
        {"MEGA HEAL", 2},
        {"WIND UP II", 0}}},
      {"HELLFUCKER", {}, 200, 0, 9999, 35, 8, 2, 1.0f, 3, false,
       {{"ATTACK", 5},
        {"BANSHEE SHRIEK", 3},
        {"POISON GAS", 2},
        {"FIRE CLAW", 5},
        {"MEGA HEAL", 2},
        {"WIND UP II", 0},
        {"CURSE BOLT", 10},
        {"RUN THE NUMBERS", 2},
        {"MADNESS", 1}}},
      // A type the bestiary does not know: 1 everywhere, nothing to fight with.
      {"FOO", {}, 1, 1, 1, 1, 1, 0, 0.0f, 3, false, {}},
  };
  for (const BestiaryCase& c : cases) {
    SCOPED_TRACE(c.type);
    dice::Script script(c.draws);
    const Creature creature("UNINTERESTING", c.type, 0);
    EXPECT_EQ(script.drawsLeft(), 0u) << "every roll of the row is drawn, and no other";
    EXPECT_EQ(creature.maxHp, c.maxHp);
    EXPECT_EQ(creature.hp, c.maxHp);
    EXPECT_EQ(creature.goldReward, c.gold);
    EXPECT_EQ(creature.expReward, c.exp);
    EXPECT_EQ(creature.attack, c.attack);
    EXPECT_EQ(creature.defence, c.defence);
    EXPECT_EQ(creature.regenPerTurn, c.regen);
    EXPECT_FLOAT_EQ(creature.dodge, c.dodge);
    EXPECT_EQ(creature.aggression, c.aggression);
    EXPECT_EQ(creature.confident, c.confident);
    EXPECT_EQ(movesOf(creature), c.moves);
  }
}

TEST_F(CreatureStats, RollsStartAtTheBottomOfTheirRanges) {
  const struct {
    const char* type;
    int maxHp, gold;
  } cases[] = {{"GOBLIN", 10, 2}, {"CHEF", 40, 25}, {"LICHE", 55, 55}, {"CTHULOID", 130, 90}, {"DEMON", 85, 55}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    dice::Script script({0, 0});
    const Creature creature("UNINTERESTING", c.type, 0);
    EXPECT_EQ(creature.maxHp, c.maxHp);
    EXPECT_EQ(creature.goldReward, c.gold);
  }
}

TEST_F(CreatureStats, AHugeDrawIsTakenModuloTheRoll) {
  // 4294967295 = 6 * 715827882 + 3, and = 3 * 1431655765 + 0.
  dice::Script script({4294967295u, 4294967295u});
  const Creature goblin("UNINTERESTING", "GOBLIN", 0);
  EXPECT_EQ(goblin.maxHp, 13);
  EXPECT_EQ(goblin.goldReward, 2);
}

struct ClassCase {
  const char* type;
  int scaleLevel;
  std::uint32_t goldDraw;
  int maxHp, gold, exp, attack, defence;
  float dodge;
  Moves moves;
};

TEST_F(CreatureStats, ClassCharactersGrowWithTheScaleLevel) {
  const ClassCase cases[] = {
      // L = 4
      {"ACADEMIC", 4, 0, 75, 60, 200, 9, 1, 0.0f, {{"ATTACK", 3}, {"MAGICBOLT", 3}, {"EXAMINE-E", 2}}},
      {"ACADEMIC", 4, 19, 75, 79, 200, 9, 1, 0.0f, {{"ATTACK", 3}, {"MAGICBOLT", 3}, {"EXAMINE-E", 2}}},
      // L = 2 at the start of a run
      {"ACADEMIC", 0, 5, 45, 35, 100, 7, 1, 0.0f, {{"ATTACK", 3}, {"MAGICBOLT", 3}, {"EXAMINE-E", 2}}},
      // L = 3
      {"CONVICT", 4, 0, 60, 45, 150, 11, 1, 0.0f, {{"ATTACK", 3}, {"BODY TACKLE", 2}}},
      // L = 8: defence (8 + 1) / 3
      {"CONVICT", 15, 20, 135, 120, 400, 21, 3, 0.0f, {{"ATTACK", 3}, {"BODY TACKLE", 2}}},
      // L = 1
      {"OPPORTUNIST", 1, 7, 30, 22, 50, 6, 0, 2.0f, {{"ATTACK", 3}, {"NEGOTIATION", 2}}},
  };
  for (const ClassCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " at " + std::to_string(c.scaleLevel));
    dice::Script script({c.goldDraw});
    const Creature creature("UNINTERESTING", c.type, c.scaleLevel);
    EXPECT_EQ(script.drawsLeft(), 0u);
    EXPECT_EQ(creature.maxHp, c.maxHp);
    EXPECT_EQ(creature.hp, c.maxHp);
    EXPECT_EQ(creature.goldReward, c.gold);
    EXPECT_EQ(creature.expReward, c.exp);
    EXPECT_EQ(creature.attack, c.attack);
    EXPECT_EQ(creature.defence, c.defence);
    EXPECT_FLOAT_EQ(creature.dodge, c.dodge);
    EXPECT_EQ(creature.aggression, 3);
    EXPECT_EQ(movesOf(creature), c.moves);
  }
}

TEST_F(CreatureStats, AnAbsurdScaleLevelStillGivesACreature) {
  // Far past any floor: the numbers must stay numbers, not overflow.
  for (const char* type : {"ACADEMIC", "CONVICT", "OPPORTUNIST"}) {
    SCOPED_TRACE(type);
    {
      dice::Script script({19});
      const Creature huge("UNINTERESTING", type, std::numeric_limits<int>::max());
      EXPECT_GT(huge.maxHp, 500'000'000);
      EXPECT_EQ(huge.hp, huge.maxHp);
      EXPECT_GT(huge.expReward, huge.maxHp);
      EXPECT_GT(huge.goldReward, 500'000'000);
      EXPECT_GT(huge.attack, 1'000'000);
    }
    {
      dice::Script script({0});
      const Creature sunken("UNINTERESTING", type, std::numeric_limits<int>::min());
      EXPECT_LT(sunken.maxHp, 0);
      EXPECT_LT(sunken.expReward, 0);
    }
  }
}

// What a word does to a freshly made creature, beyond its type's row.
struct WordCase {
  const char* word;
  const char* type;
  bool timed;
  int turns;
  int aggression;
  float dodge;
  float attackFactor, damageTakenFactor;
  bool confident, poisoned, ghastly, holographic;
  Moves moves;
};

TEST_F(CreatureStats, QuibblentsAddTimersMovesFactorsAndFixedEffects) {
  const WordCase cases[] = {
      {"UNINTERESTING", "GOBLIN", false, 99, 0, 0.0f, 1.0f, 1.0f, false, false, false, false, {{"ATTACK", 5}}},
      {"SLEEPING", "GOBLIN", true, 4, -10, 0.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5}, {"SLEEP", 99}}},
      // The quibblent comes after the bestiary, so a SLEEPING ZOMBIE is not confident.
      {"SLEEPING", "ZOMBIE", true, 4, -7, 0.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5}, {"EAT", 3}, {"SLEEP", 99}}},
      {"SLEEPING", "DRAGON", true, 4, -17, 0.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 3}, {"FIRE BREATH", 4}, {"KEROSENE BREATH", 2}, {"EAT", 3}, {"SLEEP", 99}}},
      {"HIPPIE", "ROGUE", false, 99, 2, 4.0f, 0.5f, 1.0f, false, false, false, false, {{"ATTACK", 5}}},
      {"FRIGHTENED", "MASS", false, 99, 0, 0.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5}, {"FLEE", 2}}},
      {"MLG", "ORC", false, 99, 3, 3.0f, 1.0f, 1.0f, false, false, false, false, {{"ATTACK", 5}}},
      {"JOHNNY THE", "POTION", false, 99, 3, 5.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5}, {"DRINK SELF", 0}}},
      {"CONFIDENT", "MASS", false, 99, 3, 0.0f, 1.0f, 1.0f, true, false, false, false, {{"ATTACK", 5}}},
      {"POISONED", "MASS", false, 99, 3, 0.0f, 1.0f, 1.0f, false, true, false, false, {{"ATTACK", 5}}},
      {"GHASTLY", "ORC", false, 99, 3, 1.0f, 1.0f, 0.25f, false, false, true, false, {{"ATTACK", 5}}},
      {"ALMIGHTY", "HELLSATAN", true, 11, 3, 1.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5},
        {"BANSHEE SHRIEK", 1},
        {"POISON GAS", 3},
        {"FIRE CLAW", 5},
        {"MEGA HEAL", 2},
        {"WIND UP II", 0}}},
      {"ENRAGED", "GOBLIN", true, 5, 0, 0.0f, 2.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5}, {"ATTACK", 99}}},
      {"CONFUSED", "MASS", false, 99, 3, 0.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 5}, {"UNSTABLE", 6}}},
      {"STARVING", "CHEF", true, 6, 3, 0.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 6}, {"APPLY SALT", 9}, {"EAT", 6}, {"EAT", 8}}},
      {"ELITE", "MASS", false, 99, 3, 0.0f, 1.25f, 0.75f, false, false, false, false, {{"ATTACK", 5}}},
      {"DAMNED", "MASS", true, 6, 3, 0.0f, 2.0f, 0.4f, false, false, false, false, {{"ATTACK", 5}}},
      {"HOLOGRAPHIC", "MASS", false, 99, 3, 0.0f, 0.0f, 1.0f, false, false, false, true, {{"ATTACK", 5}}},
      // An EXTRAVAGANT creature's attacks lose 2 weight each, a WARLOCK's down to 0.
      {"EXTRAVAGANT", "GOBLIN", false, 99, 0, 0.0f, 1.0f, 1.0f, false, false, false, false, {{"ATTACK", 3}}},
      {"EXTRAVAGANT", "WARLOCK", false, 99, 3, 2.0f, 1.0f, 1.0f, false, false, false, false,
       {{"ATTACK", 0}, {"FIREBOLT", 5}, {"HEAL", 5}}},
      // Keys are matched exactly.
      {"elite", "MASS", false, 99, 3, 0.0f, 1.0f, 1.0f, false, false, false, false, {{"ATTACK", 5}}},
  };
  for (const WordCase& c : cases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.type);
    const Creature creature(c.word, c.type, 0);
    EXPECT_EQ(creature.quibblent, c.word);
    EXPECT_EQ(creature.quibblentTimed, c.timed);
    EXPECT_EQ(creature.quibblentTurnsLeft, c.turns);
    EXPECT_EQ(creature.aggression, c.aggression);
    EXPECT_FLOAT_EQ(creature.dodge, c.dodge);
    EXPECT_FLOAT_EQ(creature.attackFactor, c.attackFactor);
    EXPECT_FLOAT_EQ(creature.damageTakenFactor, c.damageTakenFactor);
    EXPECT_EQ(creature.confident, c.confident);
    EXPECT_EQ(creature.poisoned, c.poisoned);
    EXPECT_EQ(creature.ghastly, c.ghastly);
    EXPECT_EQ(creature.holographic, c.holographic);
    EXPECT_EQ(movesOf(creature), c.moves);
  }
}

TEST_F(CreatureStats, AlmightyLastsFiveTurnsLongerOnTheHellfuckerOnly) {
  EXPECT_EQ(Creature("ALMIGHTY", "HELLFUCKER", 0).quibblentTurnsLeft, 16);
  EXPECT_EQ(Creature("ALMIGHTY", "HELLSATAN", 0).quibblentTurnsLeft, 11);
}

// Factors on hit points and rewards are single precision, truncated toward
// zero, and the creature starts with the lowered or raised hit points full.
struct FactorCase {
  const char* word;
  const char* type;
  std::vector<std::uint32_t> draws;
  int maxHp, exp, gold;
};

TEST_F(CreatureStats, RewardAndHitPointFactorsTruncate) {
  const FactorCase cases[] = {
      {"VOLUMINOUS", "GOBLIN", {5, 0}, 22, 25, 2},   // 15 * 1.5 = 22.5, 20 * 1.25 = 25
      {"VOLUMINOUS", "MASS", {9, 0}, 43, 43, 5},     // 29 * 1.5 = 43.5, 35 * 1.25 = 43.75
      {"ELITE", "GOBLIN", {5, 2}, 22, 30, 6},        // gold 4 * 1.5
      {"DAMNED", "GOBLIN", {1, 1}, 27, 30, 4},       // 11 * 2.5 = 27.5, 3 * 1.5 = 4.5
      {"HIPPIE", "MASS", {0, 0}, 20, 28, 5},         // 35 * 0.8 = 28
      {"INEFFECTUAL", "OGRE", {3, 0}, 53, 90, 25},   // 120 * 0.75
      {"HOLOGRAPHIC", "TROLL", {0, 0}, 100, 0, 0},
  };
  for (const FactorCase& c : cases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.type);
    dice::Script script(c.draws);
    const Creature creature(c.word, c.type, 0);
    EXPECT_EQ(creature.maxHp, c.maxHp);
    EXPECT_EQ(creature.hp, c.maxHp);
    EXPECT_EQ(creature.expReward, c.exp);
    EXPECT_EQ(creature.goldReward, c.gold);
  }
}

TEST_F(CreatureStats, ApplyTypeStatsLeavesHitPointsAndHologramToTheCaller) {
  Creature creature;
  creature.type = "GOBLIN";
  creature.quibblent = "HOLOGRAPHIC";
  creature.dodge = 7.0f;
  creature.regenPerTurn = 9;
  dice::Script script({0, 0});
  applyTypeStats(creature, 0);
  EXPECT_EQ(creature.hp, 0);
  EXPECT_FALSE(creature.holographic);
  EXPECT_FLOAT_EQ(creature.dodge, 0.0f);
  EXPECT_EQ(creature.regenPerTurn, 0);
  EXPECT_EQ(creature.maxHp, 10);
}

TEST_F(CreatureStats, EveryBestiaryMoveIsOneTheMoveListKnows) {
  // A move the move list does not know would fight with no numbers at all.
  auto known = [](const char* name) { return !Action(name, 1, false).message.empty(); };
  for (const BestiaryRow& row : bestiaryRows()) {
    for (const BestiaryMove& move : row.moves) {
      if (move.name != nullptr) {
        EXPECT_TRUE(known(move.name)) << row.type << ": " << move.name;
      }
    }
  }
  for (const ClassCharacterRow& row : classCharacterRows()) {
    for (const BestiaryMove& move : row.moves) {
      if (move.name != nullptr) {
        EXPECT_TRUE(known(move.name)) << row.type << ": " << move.name;
      }
    }
  }
}

TEST_F(CreatureStats, CopiesAreWhole) {
  Creature original("ENRAGED", "CHEF", 0);
  Creature copy;
  copy = original;
  original.actions[0].weight = 1;
  original.type = "X";
  EXPECT_EQ(copy.type, "CHEF");
  EXPECT_EQ(copy.quibblent, "ENRAGED");
  EXPECT_EQ(copy.maxHp, original.maxHp);
  EXPECT_EQ(movesOf(copy), (Moves{{"ATTACK", 6}, {"APPLY SALT", 9}, {"EAT", 6}, {"ATTACK", 99}}));
}

}  // namespace
