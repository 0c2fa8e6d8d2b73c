// A creature's quibblent changing in play: blocks, combinations, and what
// the creature keeps of its old word.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/world/creature_moves.h"
#include "world/creature.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"

namespace {

class CreatureQuibblent : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
  GameState state;
};

struct ChangeCase {
  const char* type;
  const char* oldWord;
  const char* newWord;
  bool force;
  std::string message;
  const char* wordAfter;
  bool poisonedAfter;
  int combatStateAfter;
};

TEST_F(CreatureQuibblent, ChangesFollowTheirBlocksAndCombinations) {
  const ChangeCase cases[] = {
      {"GOBLIN", "UNINTERESTING", "DAMP", false, "The UNINTERESTING GOBLIN is now DAMP!", "DAMP", false, 0},
      // Fuel catches: the plain message, with HIGHLY FLAMMABLE as the new word.
      {"GOBLIN", "FLAMMABLE", "FLAMMABLE", false, "The FLAMMABLE GOBLIN is now HIGHLY FLAMMABLE!",
       "HIGHLY FLAMMABLE", false, 0},
      {"GOBLIN", "OILY", "FLAMMABLE", false, "The OILY GOBLIN is now HIGHLY FLAMMABLE!", "HIGHLY FLAMMABLE",
       false, 0},
      {"GOBLIN", "HIGHLY FLAMMABLE", "FLAMMABLE", false, "The GOBLIN is as HIGHLY FLAMMABLE as it can get!!",
       "HIGHLY FLAMMABLE", false, 0},
      // Those who never change.
      {"GHAST", "GHASTLY", "DAMP", false, "The GHAST is too GHASTLY to change quibblent!", "GHASTLY", false, 0},
      {"POTION", "JOHNNY THE", "ELITE", false, "JOHNNY blocks the quibblent change!!", "JOHNNY THE", false, 0},
      {"HELLSATAN", "ALMIGHTY", "DAMP", false, "This enemy is too ALMIGHTY to change quibblent!", "ALMIGHTY",
       false, 0},
      {"HELLSATAN", "ALMIGHTY", "RAVENOUS", false, "HELLSATAN hungers for blood!! It is now RAVENOUS.",
       "RAVENOUS", false, 0},
      {"HELLFUCKER", "ALMIGHTY", "POISONED", false, "The HELLFUCKER is now POISONED!", "ALMIGHTY", true, 0},
      // Poison is a condition, not a word.
      {"GOBLIN", "UNINTERESTING", "POISONED", false, "The GOBLIN is now POISONED!", "UNINTERESTING", true, 0},
      {"GOBLIN", "POISONED", "POISONED", false, "The GOBLIN is already POISONED!", "POISONED", true, 0},
      {"MASS", "HIPPIE", "POISONED", false, "This enemy is too in tune with nature to be POISONED!", "HIPPIE",
       false, 0},
      {"LICHE", "UNINTERESTING", "POISONED", false, "This enemy is already dead; it cannot be POISONED!",
       "UNINTERESTING", false, 0},
      {"ZOMBIE", "DAMP", "POISONED", false, "This enemy is already dead; it cannot be POISONED!", "DAMP", false, 0},
      {"DRAGON", "SLEEPING", "POISONED", false, "Dragons are immune to POISON!", "SLEEPING", false, 0},
      // Words that meet.
      {"ORC", "LIGHTLY SALTED", "FLAMING", false, "The ORC's SALT is melted off!", "UNINTERESTING", false, 0},
      {"ORC", "RAVENOUS", "LIGHTLY SALTED", false, "The ORC licks off the SALT! It's less hungry now!",
       "UNINTERESTING", false, 0},
      {"ORC", "STARVING", "LIGHTLY SALTED", false, "The ORC licks off the SALT! It's less hungry now!",
       "RAVENOUS", false, 0},
      {"ORC", "EXISTENTIAL", "EXISTENTIAL", false, "The ORC becomes CONFUSED with EXISTENTIAL thought!",
       "CONFUSED", false, 0},
      {"ORC", "FLAMING", "CHARRED", false, "The enemy's flames go out; it is now CHARRED.", "CHARRED", false, 0},
      {"ORC", "SLEEPING", "ENRAGED", false, "It's ENRAGED now!!", "ENRAGED", false, 0},
      {"ORC", "ENRAGED", "UNINTERESTING", false, "The enemy calms down.", "UNINTERESTING", false, 0},
      {"ORC", "GROGGY", "UNINTERESTING", false, "The enemy fully wakes up, losing its GROGGINESS!",
       "UNINTERESTING", false, 0},
      {"ORC", "DAMP", "FLAMING", false, "The DAMP ORC's DAMPness reflects the flames!", "DAMP", false, 0},
      {"ORC", "FLAMING", "FLAMMABLE", false, "The FLAMING ORC's FLAMES grow bigger!", "FLAMING", false, 0},
      {"ORC", "FLAMING", "OILY", false, "The FLAMING ORC's FLAMES grow bigger!", "FLAMING", false, 0},
      // Too confused to live, unless mighty enough to shrug it off.
      {"GOBLIN", "CONFUSED", "CONFUSED", false,
       "The GOBLIN loses all sense of itself...\n"
       "It is just too damn CONFUSED!! It falls over dead.",
       "CONFUSED", false, 10},
      {"OGRE", "CONFUSED", "EXISTENTIAL", false,
       "The OGRE loses all sense of itself...\n"
       "It is just too damn CONFUSED!! It falls over dead.", "EXISTENTIAL",
       false, 10},
      {"DRAGON", "CONFUSED", "EXISTENTIAL", false, "The CONFUSED DRAGON reflects the quibblent change.",
       "EXISTENTIAL", false, 0},
      {"HELLSATAN", "CONFUSED", "CONFUSED", false, "The CONFUSED HELLSATAN reflects the quibblent change.",
       "CONFUSED", false, 0},
      // The same word again.
      {"ORC", "DAMP", "DAMP", false, "The enemy is already DAMP!", "DAMP", false, 0},
      // Forced changes skip every rule.
      {"GOBLIN", "UNINTERESTING", "POISONED", true, "The UNINTERESTING GOBLIN is now POISONED!", "POISONED", true,
       0},
      {"GOBLIN", "FLAMMABLE", "FLAMMABLE", true, "The FLAMMABLE GOBLIN is now FLAMMABLE!", "FLAMMABLE", false, 0},
      {"GHAST", "GHASTLY", "DAMP", true, "The GHASTLY GHAST is now DAMP!", "DAMP", false, 0},
      {"HELLSATAN", "ALMIGHTY", "DAMP", true, "The ALMIGHTY HELLSATAN is now DAMP!", "DAMP", false, 0},
      {"GOBLIN", "CONFUSED", "CONFUSED", true, "The CONFUSED GOBLIN is now CONFUSED!", "CONFUSED", false, 0},
  };
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.oldWord + " given " + c.newWord + (c.force ? " (forced)" : ""));
    Creature creature(c.oldWord, c.type, 0);
    state.combatState = 0;
    EXPECT_EQ(creature.changeQuibblent(c.newWord, state, c.force), c.message);
    EXPECT_EQ(creature.quibblent, c.wordAfter);
    EXPECT_EQ(creature.poisoned, c.poisonedAfter);
    EXPECT_EQ(state.combatState, c.combatStateAfter);
  }
}

// What the creature keeps and loses of the old word's effects.
struct EffectCase {
  const char* type;
  const char* oldWord;
  const char* newWord;
  int aggression;
  float dodge;
  float attackFactor;
  float damageTakenFactor;
  bool confident;
  Moves moves;
};

TEST_F(CreatureQuibblent, TheOldWordsEffectsAreGivenBackAndTheNewOnesTaken) {
  const EffectCase cases[] = {
      // Only the weight-99 attack goes with ENRAGED.
      {"GOBLIN", "ENRAGED", "DAMP", 0, 0.0f, 1.0f, 1.0f, false, {{"ATTACK", 5}}},
      {"CHEF", "ENRAGED", "UNINTERESTING", 3, 0.0f, 1.0f, 1.0f, false,
       {{"ATTACK", 6}, {"APPLY SALT", 9}, {"EAT", 6}}},
      {"ORC", "SLEEPING", "ENRAGED", 3, 1.0f, 2.0f, 1.0f, false, {{"ATTACK", 5}, {"ATTACK", 99}}},
      // A ZOMBIE woken up stays unconfident: flags are not given back.
      {"ZOMBIE", "SLEEPING", "DAMP", 3, 0.0f, 1.0f, 1.0f, false, {{"ATTACK", 5}, {"EAT", 3}}},
      {"ROGUE", "HIPPIE", "DAMP", 5, 4.0f, 1.0f, 1.0f, false, {{"ATTACK", 5}}},
      {"MASS", "FRIGHTENED", "CONFIDENT", 3, 0.0f, 1.0f, 1.0f, true, {{"ATTACK", 5}}},
      {"ORC", "MLG", "ELITE", 3, 1.0f, 1.25f, 0.75f, false, {{"ATTACK", 5}}},
      {"GOBLIN", "JOHNNY THE", "DAMP", 0, 0.0f, 1.0f, 1.0f, false, {{"ATTACK", 5}}},
      // Attacks get their weight back; a WARLOCK's from 0 to 2.
      {"WARLOCK", "EXTRAVAGANT", "DAMP", 3, 2.0f, 1.0f, 1.0f, false, {{"ATTACK", 2}, {"FIREBOLT", 5}, {"HEAL", 5}}},
      {"GOBLIN", "DAMP", "EXTRAVAGANT", 0, 0.0f, 1.0f, 1.0f, false, {{"ATTACK", 3}}},
      {"MASS", "CONFUSED", "FRIGHTENED", 0, 0.0f, 1.0f, 1.0f, false, {{"ATTACK", 5}, {"FLEE", 2}}},
      {"MASS", "DAMNED", "HIPPIE", 0, 0.0f, 0.5f, 1.0f, false, {{"ATTACK", 5}}},
  };
  for (const EffectCase& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.oldWord + " given " + c.newWord);
    Creature creature(c.oldWord, c.type, 0);
    creature.changeQuibblent(c.newWord, state, false);
    EXPECT_EQ(creature.quibblent, c.newWord);
    EXPECT_EQ(creature.aggression, c.aggression);
    EXPECT_FLOAT_EQ(creature.dodge, c.dodge);
    EXPECT_FLOAT_EQ(creature.attackFactor, c.attackFactor);
    EXPECT_FLOAT_EQ(creature.damageTakenFactor, c.damageTakenFactor);
    EXPECT_EQ(creature.confident, c.confident);
    EXPECT_EQ(movesOf(creature), c.moves);
  }
}

TEST_F(CreatureQuibblent, TheSameWordRestartsItsTimer) {
  Creature creature("FLAMING", "ORC", 0);
  creature.quibblentTurnsLeft = 1;
  creature.changeQuibblent("FLAMING", state, false);
  EXPECT_TRUE(creature.quibblentTimed);
  EXPECT_EQ(creature.quibblentTurnsLeft, 6);

  Creature plain("DAMP", "ORC", 0);
  plain.quibblentTimed = true;
  plain.quibblentTurnsLeft = 2;
  plain.changeQuibblent("DAMP", state, false);
  EXPECT_FALSE(plain.quibblentTimed);
  EXPECT_EQ(plain.quibblentTurnsLeft, 99);
}

TEST_F(CreatureQuibblent, HitPointsStandWhileFactorsOnThemPileUp) {
  Creature creature("UNINTERESTING", "OGRE", 0);
  creature.maxHp = 60;
  creature.hp = 40;
  creature.expReward = 120;
  creature.changeQuibblent("ELITE", state, false);
  EXPECT_EQ(creature.maxHp, 90);
  EXPECT_EQ(creature.expReward, 180);
  EXPECT_EQ(creature.hp, 40);
  creature.changeQuibblent("WHIFFLING", state, true);
  EXPECT_EQ(creature.maxHp, 45);
  EXPECT_EQ(creature.hp, 40);
  EXPECT_EQ(creature.expReward, 45);
}

TEST_F(CreatureQuibblent, FactorsPiledPastTheLargestNumberStopThere) {
  // Words changed back and forth keep multiplying hit points and rewards; a
  // product past the largest int must not wrap into a negative reward.
  constexpr int kLargest = std::numeric_limits<int>::max();
  Creature creature("UNINTERESTING", "OGRE", 0);
  creature.maxHp = 1'000'000'000;
  creature.expReward = 2'000'000'000;
  creature.goldReward = 1'500'000'000;
  creature.changeQuibblent("DAMNED", state, false);  // 2.5, 1.5, 1.5
  EXPECT_EQ(creature.maxHp, kLargest);
  EXPECT_EQ(creature.expReward, kLargest);
  EXPECT_EQ(creature.goldReward, kLargest);
  creature.changeQuibblent("WHIFFLING", state, true);  // 0.5, 0.25, 0.25: back below the top
  EXPECT_GT(creature.maxHp, 1'000'000'000);
  EXPECT_GT(creature.expReward, 500'000'000);
  EXPECT_GT(creature.goldReward, 500'000'000);
}

TEST_F(CreatureQuibblent, AOnceGhastlyCreatureAlwaysTakesSomeDamage) {
  const struct {
    const char* newWord;
    float damageTakenFactor;
  } cases[] = {
      {"UNINTERESTING", 0.25f},  // 1.0 - 0.75
      {"CHARRED", 0.5f},         // 1.25 - 0.75
      {"INEFFECTUAL", 0.75f},    // 1.5 - 0.75
      {"FRUMIOUS", 1.25f},       // 2.0 - 0.75
      // Taking 0.75 off would leave nothing (ELITE) or less than nothing
      // (DAMNED): the creature would be immune, or heal when hit.
      {"ELITE", 0.25f},
      {"DAMNED", 0.25f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.newWord);
    for (bool force : {false, true}) {
      Creature creature("GHASTLY", "ORC", 0);
      creature.changeQuibblent(c.newWord, state, force);
      EXPECT_TRUE(creature.ghastly);
      EXPECT_FLOAT_EQ(creature.damageTakenFactor, c.damageTakenFactor);
      EXPECT_GT(creature.damageTakenFactor, 0.0f);
    }
  }
  // Back to GHASTLY: the word's own share, nothing taken off.
  Creature creature("GHASTLY", "ORC", 0);
  creature.changeQuibblent("DAMP", state, false);
  creature.changeQuibblent("GHASTLY", state, false);
  EXPECT_FLOAT_EQ(creature.damageTakenFactor, 0.25f);
}

TEST_F(CreatureQuibblent, RemoveActionTakesTheFirstOfTheNameButNeverAnOrdinaryAttack) {
  const struct {
    const char* what;
    Moves before;
    const char* name;
    Moves after;
  } cases[] = {
      {"first of two", {{"EAT", 6}, {"ATTACK", 5}, {"EAT", 3}}, "EAT", {{"ATTACK", 5}, {"EAT", 3}}},
      {"ordinary attacks stay", {{"ATTACK", 5}, {"FLEE", 2}}, "ATTACK", {{"ATTACK", 5}, {"FLEE", 2}}},
      {"only the weight-99 attack", {{"ATTACK", 3}, {"ATTACK", 99}, {"ATTACK", 99}}, "ATTACK",
       {{"ATTACK", 3}, {"ATTACK", 99}}},
      {"no such move", {{"ATTACK", 5}}, "SLEEP", {{"ATTACK", 5}}},
      {"exact names only", {{"SLEEP", 99}}, "sleep", {{"SLEEP", 99}}},
      {"nothing to remove from", {}, "FLEE", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Creature creature;
    for (const auto& [name, weight] : c.before) creature.actions.emplace_back(name, weight, false);
    removeAction(creature, c.name);
    EXPECT_EQ(movesOf(creature), c.after);
  }
}

}  // namespace
