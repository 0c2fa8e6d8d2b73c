// The enemy's blows: attack minus defence, the enemy's and the hero's factors
// in single precision, the matchups, truncation, never below 0.
#include <gtest/gtest.h>

#include "encounters/enemy_turn.h"
#include "encounters/matchups.h"
#include "enemy_fight_fixture.h"
#include "world/random_source.h"

namespace {

struct BlowCase {
  const char* label;
  const char* move;
  const char* enemyWord;
  int enemyAttack;
  float attackFactor;
  float damageTakenFactor;
  const char* heroWord;
  const char* armorWord;
  int heroHp;
  std::string narration;
  int hpAfter;
};

TEST(EnemyBlows, DamageRuleAndNarration) {
  const BlowCase cases[] = {
      {"plain", "ATTACK", "ELITE", 10, 1.0f, 1.0f, "UNINTERESTING", "", 20,
       "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kYourTurn, 14},
      {"attack factor truncates", "ATTACK", "ELITE", 10, 0.7f, 1.0f, "UNINTERESTING", "", 20,
       "The ELITE GOBLIN attacks, dealing 4 damage!\n" + kYourTurn, 16},
      {"both factors truncate in turn", "ATTACK", "ELITE", 10, 0.5f, 1.5f, "UNINTERESTING", "", 20,
       "The ELITE GOBLIN attacks, dealing 4 damage!\n" + kYourTurn, 16},
      {"no damage factor", "ATTACK", "ELITE", 10, 1.0f, 0.0f, "UNINTERESTING", "", 20,
       "The ELITE GOBLIN attacks, dealing 0 damage!\n" + kYourTurn, 20},
      {"defence above attack", "ATTACK", "ELITE", 3, 1.0f, 1.0f, "UNINTERESTING", "", 20,
       "The ELITE GOBLIN attacks, dealing 0 damage!\n" + kYourTurn, 20},
      {"damp armor weakens fire", "ATTACK", "FLAMING", 10, 1.0f, 1.0f, "UNINTERESTING", "DAMP", 20,
       "The FLAMING GOBLIN attacks, dealing a weakened 3 damage!\n" + kYourTurn, 17},
      {"nineteen letters keep the full name", "ATTACK", "UNINTERESTING", 10, 1.0f, 1.0f, "UNINTERESTING", "", 20,
       "The UNINTERESTING GOBLIN attacks, dealing 6 damage!\n" + kYourTurn, 14},
      {"a long name is cut to the type", "ATTACK", "HIGHLY FLAMMABLE", 10, 1.0f, 1.0f, "UNINTERESTING", "", 20,
       "The GOBLIN attacks, dealing 6 damage!\n" + kYourTurn, 14},
      {"a killing blow", "ATTACK", "ELITE", 10, 1.0f, 1.0f, "UNINTERESTING", "", 5,
       "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kGameOver, 0},
      {"fire on a highly flammable hero", "ATTACK", "FLAMING", 10, 1.0f, 1.0f, "HIGHLY FLAMMABLE", "", 20,
       "The FLAMING GOBLIN attacks, dealing 6 damage!\n"
       "KA-BOOOOOOOMMMM!!! You explode into a million pieces.\n" +
           kGameOver,
       0},
      {"tackle on a damp hero", "BODY TACKLE", "FLAMING", 10, 1.0f, 1.0f, "DAMP", "", 20,
       "The FLAMING GOBLIN uses a full-body tackle, \n"
       "dealing  a weakened 5 damage!\n" +
           kYourTurn,
       15},
      {"tackle half a point over defence", "BODY TACKLE", "ELITE", 3, 1.0f, 1.0f, "UNINTERESTING", "", 20,
       "The ELITE GOBLIN uses a full-body tackle, \n"
       "dealing 0 damage!\n" +
           kYourTurn,
       20},
  };
  for (const BlowCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    fight.enemy().quibblent = row.enemyWord;
    fight.enemy().attack = row.enemyAttack;
    fight.enemy().attackFactor = row.attackFactor;
    fight.hero.damageTakenFactor = row.damageTakenFactor;
    fight.hero.quibblent = row.heroWord;
    fight.hero.equipment[1].quibblent = row.armorWord;
    fight.hero.hp = row.heroHp;
    Action& move = fight.give(row.move, 5);
    dice::Script noRolls({});
    resolveEnemyTurn(move, fight.hero, fight.state, fight.floor);
    EXPECT_EQ(fight.enemy().actions[0].narration, row.narration);
    EXPECT_EQ(fight.state.messageBuffer, row.narration);
    EXPECT_EQ(fight.hero.hp, row.hpAfter);
    EXPECT_EQ(fight.state.pendingPrompt, row.hpAfter == 0 ? 16 : 2);
    EXPECT_EQ(fight.state.combatState, 2);
  }
}

// What the enemy's word (or, for a GHAST, its type) does to the hero as a blow
// lands, with the rolls each effect takes: the rolls are scripted in the order
// the game makes them, so an extra or a missing roll shows as a wrong count.
struct HitEffectCase {
  const char* label;
  const char* move;
  const char* enemyWord;
  const char* enemyType;
  const char* heroWord;
  std::vector<std::uint32_t> draws;
  std::string effectText;  // what follows the damage line, before the prompt
  const char* heroWordAfter;
};

TEST(EnemyBlows, WhatTheEnemysWordDoesAsItLands) {
  const HitEffectCase cases[] = {
      {"oil sticks on a roll of one", "ATTACK", "OILY", "GOBLIN", "UNINTERESTING", {4}, "You are now FLAMMABLE!\n",
       "FLAMMABLE"},
      {"oil misses on other rolls", "ATTACK", "OILY", "GOBLIN", "UNINTERESTING", {5}, "", "UNINTERESTING"},
      {"a lustful gaze frightens", "ATTACK", "HORNY", "GOBLIN", "UNINTERESTING", {6},
       "You notice the enemy gazing at you lustfully...\n"
       "You are now FRIGHTENED!\n",
       "FRIGHTENED"},
      {"the confident are not even looked at", "ATTACK", "HORNY", "GOBLIN", "CONFIDENT", {}, "", "CONFIDENT"},
      {"poison always takes", "ATTACK", "POISONOUS", "GOBLIN", "UNINTERESTING", {}, "You are now POISONED!\n",
       "UNINTERESTING"},
      {"noxious fumes on a roll of one", "ATTACK", "NOXIOUS", "GOBLIN", "UNINTERESTING", {7},
       "You are now POISONED!\n", "UNINTERESTING"},
      {"a ghast rolls even for the confident", "ATTACK", "ELITE", "GHAST", "CONFIDENT", {1}, "", "CONFIDENT"},
      {"a ghast frightens on a roll of one", "ATTACK", "ELITE", "GHAST", "UNINTERESTING", {1},
       "You are now FRIGHTENED!\n", "FRIGHTENED"},
      {"fire lights the oily", "ATTACK", "FLAMING", "GOBLIN", "OILY", {}, "You are now FLAMING!\n", "FLAMING"},
      {"the enemy's word is tried before a ghast's type", "ATTACK", "POISONOUS", "GHAST", "UNINTERESTING", {},
       "You are now POISONED!\n", "UNINTERESTING"},
      {"a tackle carries oil", "BODY TACKLE", "OILY", "GOBLIN", "UNINTERESTING", {1}, "You are now FLAMMABLE!\n",
       "FLAMMABLE"},
      {"a tackle carries no poison", "BODY TACKLE", "POISONOUS", "GOBLIN", "UNINTERESTING", {}, "",
       "UNINTERESTING"},
  };
  for (const HitEffectCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    fight.enemy().quibblent = row.enemyWord;
    fight.enemy().type = row.enemyType;
    fight.hero.quibblent = row.heroWord;
    Action& move = fight.give(row.move, 5);
    dice::Script draws(row.draws);
    resolveEnemyTurn(move, fight.hero, fight.state, fight.floor);
    EXPECT_EQ(draws.drawsLeft(), 0u);
    const std::string name = std::string(row.enemyWord) + " " + row.enemyType;
    const std::string blow = std::string(row.move) == "ATTACK" ? "The " + name + " attacks, dealing 6 damage!\n"
                                                               : "The " + name +
                                                                     " uses a full-body tackle, \n"
                                                                     "dealing 11 damage!\n";
    EXPECT_EQ(fight.state.messageBuffer, blow + row.effectText + kYourTurn);
    EXPECT_EQ(fight.hero.quibblent, row.heroWordAfter);
  }
}

struct MatchupCase {
  const char* label;
  bool heroAttacks;
  const char* heroWord;
  const char* weaponWord;
  const char* armorWord;
  const char* enemyWord;
  int damageIn;
  int damageOut;
  int outcome;
};

TEST(Matchups, MultiplyEveryMatchAndRecordTheOutcome) {
  const MatchupCase cases[] = {
      {"hero and weapon both flirt", true, "FLIRTATIOUS", "FLIRTATIOUS", "", "HORNY", 5, 20, 2},
      {"fire on the damp", true, "FLAMING", "", "", "DAMP", 7, 3, 1},
      {"ghastly on the frightened", true, "GHASTLY", "", "", "FRIGHTENED", 5, 7, 2},
      {"the weapon's word alone", true, "UNINTERESTING", "EXISTENTIAL", "", "NIHILIST", 1, 0, 1},
      {"nihilist on the existential", true, "NIHILIST", "", "", "EXISTENTIAL", 3, 6, 2},
      {"nihilist on the fundamentalist", true, "NIHILIST", "", "", "FUNDAMENTALIST", 3, 6, 2},
      {"the enemy's word is not the hero's", true, "DAMP", "", "", "FLAMING", 7, 7, 0},
      {"enemy fire on damp hero and armor", false, "DAMP", "", "DAMP", "FLAMING", 10, 2, 1},
      {"enemy fire on damp armor only", false, "UNINTERESTING", "", "DAMP", "FLAMING", 10, 5, 1},
      {"enemy nihilist on a double fundamentalist", false, "FUNDAMENTALIST", "", "FUNDAMENTALIST", "NIHILIST", 3,
       12, 2},
      {"a boost and a weakening", false, "METALHEAD", "", "NIHILIST", "FUNDAMENTALIST", 4, 3, 1},
      {"the weapon does not defend", false, "UNINTERESTING", "DAMP", "", "FLAMING", 10, 10, 0},
      {"a negative hit keeps its sign", true, "FLAMING", "", "", "DAMP", -3, -1, 1},
  };
  for (const MatchupCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    fight.hero.quibblent = row.heroWord;
    fight.hero.equipment[0].quibblent = row.weaponWord;
    fight.hero.equipment[1].quibblent = row.armorWord;
    fight.enemy().quibblent = row.enemyWord;
    fight.state.combatValue = 2;
    Action hit("ATTACK", 5);
    hit.attackValue = row.damageIn;
    applyMatchupMultiplier(hit, fight.state, fight.hero, row.heroAttacks);
    EXPECT_EQ(hit.attackValue, row.damageOut);
    EXPECT_EQ(fight.state.combatValue, row.outcome);
  }
}

}  // namespace
