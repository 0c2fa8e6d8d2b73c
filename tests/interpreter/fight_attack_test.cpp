#include <gtest/gtest.h>

#include "encounters/matchups.h"
#include "tests/interpreter/fight_play.h"
#include "world/whole_numbers.h"

namespace {

class PlainAttack : public FightPlay {};

TEST_F(PlainAttack, DamageFollowsDodgeFactorsCriticalsAndTruncation) {
  // Columns: what the row shows, hero ATK, hero attack factor, hero word,
  // weapon word, enemy DEF, enemy dodge, enemy stunned, enemy damage-taken
  // factor, enemy hp, scripted draws, reply, enemy hp after, state after.
  struct Row {
    const char* shows;
    int attack;
    float attackFactor;
    std::string heroWord;
    std::string weaponWord;
    int defence;
    float dodge;
    bool stunned;
    float takenFactor;
    int enemyHp;
    std::vector<std::uint32_t> draws;
    std::string reply;
    int hpAfter;
    int stateAfter;
  };
  const std::string swing = "You swing your UNINTERESTING STICK at the enemy.\n";
  const std::string dodged = swing + "The enemy dodged, taking 0 damage!!\n" + kEnemyTurnTail;
  const Row rows[] = {
      {"attack less defence", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 3, 0.0f, false, 1.0f, 30, {5},
       swing + "It took 7 damage. Nice!\n" + kEnemyTurnTail, 23, 7},
      {"never below 0", 2, 1.0f, "UNINTERESTING", "UNINTERESTING", 5, 0.0f, false, 1.0f, 30, {5},
       swing + "It took 0 damage. Nice!\n" + kEnemyTurnTail, 30, 7},
      {"an attack below 0 hits for 0, never a heal", -3, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 0.0f, false, 1.0f,
       30, {5}, swing + "It took 0 damage. Nice!\n" + kEnemyTurnTail, 30, 7},
      {"attack factor truncates", 7, 1.5f, "UNINTERESTING", "UNINTERESTING", 0, 0.0f, false, 1.0f, 30, {5},
       swing + "It took 10 damage. Nice!\n" + kEnemyTurnTail, 20, 7},
      // 10 x 0.7f is 7 in single precision (6 in double).
      {"single-precision taken factor", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 0.0f, false, 0.7f, 30, {5},
       swing + "It took 7 damage. Nice!\n" + kEnemyTurnTail, 23, 7},
      {"both factors in turn", 9, 1.5f, "UNINTERESTING", "UNINTERESTING", 0, 0.0f, false, 0.5f, 30, {5},
       swing + "It took 6 damage. Nice!\n" + kEnemyTurnTail, 24, 7},
      {"draw equal to dodge dodges", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 3.0f, false, 1.0f, 30, {2},
       dodged, 30, 7},
      {"draw above dodge hits", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 3.0f, false, 1.0f, 30, {3},
       swing + "It took 10 damage. Nice!\n" + kEnemyTurnTail, 20, 7},
      {"confused weapon misses more", 10, 1.0f, "UNINTERESTING", "CONFUSED", 0, 3.0f, false, 1.0f, 30, {3},
       dodged, 30, 7},
      {"stunned enemy never dodges", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 9.0f, true, 1.0f, 30, {0},
       swing + "It took 10 damage. Nice!\n" + kEnemyTurnTail, 20, 7},
      {"extravagant critical", 10, 1.0f, "EXTRAVAGANT", "UNINTERESTING", 3, 0.0f, false, 1.0f, 30, {5, 20},
       "Your STICK performs a critical EXTRAVAGANT HIT!\n"
       "The enemy took a boosted 21 damage. Nice!\n" +
           kEnemyTurnTail,
       9, 7},
      {"extravagant miss of the critical", 10, 1.0f, "UNINTERESTING", "EXTRAVAGANT", 3, 0.0f, false, 1.0f, 30,
       {5, 16}, swing + "It took 7 damage. Nice!\n" + kEnemyTurnTail, 23, 7},
      {"a kill ends the turn without the enemy's", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 0.0f, false,
       1.0f, 4, {5}, swing + "It took 10 damage. Nice!\n"
                             "[TYPE ANYTHING TO CONTINUE]", 0, 10},
      {"exactly 0 hp is dead", 10, 1.0f, "UNINTERESTING", "UNINTERESTING", 0, 0.0f, false, 1.0f, 10, {5},
       swing + "It took 10 damage. Nice!\n"
               "[TYPE ANYTHING TO CONTINUE]", 0, 10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.attack = row.attack;
    player.attackFactor = row.attackFactor;
    player.quibblent = row.heroWord;
    player.equipment[0].quibblent = row.weaponWord;
    Creature enemy = goblin;
    enemy.defence = row.defence;
    enemy.dodge = row.dodge;
    enemy.stunned = row.stunned;
    enemy.damageTakenFactor = row.takenFactor;
    enemy.hp = row.enemyHp;
    beginFight(enemy);
    dice::Script script(row.draws);
    EXPECT_EQ(type("1"), row.reply);
    EXPECT_EQ(state.currentEnemy.hp, row.hpAfter);
    EXPECT_EQ(state.combatState, row.stateAfter);
    EXPECT_EQ(script.drawsLeft(), 0u);
    if (row.stateAfter == 10) {
      EXPECT_EQ(state.combatValue, 700);
    }
  }
}

TEST_F(PlainAttack, AFireBlastKillsAnOrdinaryFoeButABossRisesFromItsAshes) {
  player.equipment[0].quibblent = "FLAMING";
  player.hp = 5;
  Creature enemy = goblin;
  enemy.quibblent = "HIGHLY FLAMMABLE";
  beginFight(enemy);
  {
    dice::Script script({5});
    EXPECT_EQ(type("1"), "FWOOOOOOSH!!! The GOBLIN explodes!!!\n"
                         "Its money disintegrates in the explosion. You win!\n"
                         "However, the blast also hits you for 4 damage.\n"
                         "[TYPE ANYTHING TO CONTINUE]");
  }
  EXPECT_EQ(player.hp, 1);  // half the 20 hp left, but never the hero's last point
  EXPECT_EQ(state.currentEnemy.goldReward, 0);
  EXPECT_EQ(state.combatState, 10);

  // The same blast finishing a DRAGON: it rises whole, and the fight goes on.
  Creature dragon = goblin;
  dragon.type = "DRAGON";
  dragon.quibblent = "HIGHLY FLAMMABLE";
  dragon.hp = 8;
  beginFight(dragon);
  player.hp = 40;
  {
    dice::Script script({5});
    EXPECT_EQ(type("1"), "FWOOOOOOSH!!! The DRAGON explodes!!!\n"
                         "...But it rises back out of the ashes, stronger than ever!\n"
                         "Full enemy health restored!\n" +
                             kEnemyTurnTail);
  }
  EXPECT_EQ(state.currentEnemy.hp, 30);
  EXPECT_EQ(state.combatState, 7);
  EXPECT_NE(state.combatValue, 700);
  const int killsBefore = player.killScore;
  type("");  // the exchange ends; no reward page
  EXPECT_EQ(player.killScore, killsBefore);
}

TEST_F(PlainAttack, MatchupsScaleTheHitBeforeTheFactorsAndMarkIt) {
  {
    // The matchups live with the enemy's half of the fight; a build without
    // them has nothing to check here.
    Action probe("ATTACK", 0, true);
    probe.attackValue = 10;
    player.quibblent = "NIHILIST";
    state.currentEnemy.quibblent = "EXISTENTIAL";
    applyMatchupMultiplier(probe, state, player, true);
    if (probe.attackValue == 10) GTEST_SKIP() << "no matchups in this build";
  }
  // Columns: hero word, weapon word, enemy word, hero attack factor, reply's damage part.
  struct Row {
    std::string heroWord;
    std::string weaponWord;
    std::string enemyWord;
    float attackFactor;
    std::string damage;
  };
  const Row rows[] = {
      {"NIHILIST", "UNINTERESTING", "EXISTENTIAL", 1.0f, "a boosted 14"},
      {"UNINTERESTING", "EXISTENTIAL", "NIHILIST", 1.0f, "a weakened 3"},  // 7 x 0.5 truncates
      {"FLIRTATIOUS", "FLIRTATIOUS", "HORNY", 1.0f, "a boosted 28"},
      {"NIHILIST", "UNINTERESTING", "FUNDAMENTALIST", 1.5f, "a boosted 21"},
      {"NIHILIST", "UNINTERESTING", "HORNY", 1.0f, "7"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.heroWord + " " + row.weaponWord + " vs " + row.enemyWord);
    player.attack = 7;
    player.attackFactor = row.attackFactor;
    player.quibblent = row.heroWord;
    player.equipment[0].quibblent = row.weaponWord;
    Creature enemy = goblin;
    enemy.quibblent = row.enemyWord;
    enemy.hp = 100;
    beginFight(enemy);
    dice::Script script({5});
    EXPECT_EQ(type("1"), "You swing your UNINTERESTING STICK at the enemy.\n"
                         "It took " +
                             row.damage + " damage. Nice!\n" + kEnemyTurnTail);
  }
}

// A run the save reader takes may hold an attack of ten million against a
// defence of minus ten million, with factors of 100 on both sides: the
// products pass any int long before the hit point is taken. Each product
// stops at its bound and the hit is taken from the hit points as usual.
TEST_F(PlainAttack, AHeroAndAFoeAtTheSaveBoundsTradeBlowsWithoutLeavingInt) {
  // Columns: what the row shows, hero attack, enemy defence, scripted draws
  // (the dodge roll, then the critical), reply, enemy hp after.
  struct Row {
    const char* shows;
    int attack;
    int defence;
    std::vector<std::uint32_t> draws;
    std::string reply;
    int hpAfter;
  };
  const std::string swing = "You swing your UNINTERESTING STICK at the enemy.\n"
                            "It took ";
  const std::string won = " damage. Nice!\n"
                          "[TYPE ANYTHING TO CONTINUE]";
  const Row rows[] = {
      {"the matchup and both factors stop at the bound", 10'000'000, -10'000'000, {5, 16},
       swing + std::to_string(kLargestProduct) + won, 0},
      {"a critical triples the bound", 10'000'000, -10'000'000, {5, 20},
       "Your STICK performs a critical EXTRAVAGANT HIT!\n"
       "The enemy took " +
           std::to_string(3 * kLargestProduct) + won,
       0},
      {"a blow below the bound counts as 0", -10'000'000, 10'000'000, {5, 16},
       swing + "0 damage. Nice!\n" + kEnemyTurnTail, 10'000'000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.attack = row.attack;
    player.attackFactor = 100.0f;
    player.quibblent = "EXTRAVAGANT";
    player.equipment[0].quibblent = "NIHILIST";  // doubles the hit on an EXISTENTIAL foe
    Creature enemy = goblin;
    enemy.quibblent = "EXISTENTIAL";
    enemy.defence = row.defence;
    enemy.damageTakenFactor = 100.0f;
    enemy.maxHp = 10'000'000;
    enemy.hp = 10'000'000;
    beginFight(enemy);
    dice::Script script(row.draws);
    EXPECT_EQ(type("1"), row.reply);
    EXPECT_EQ(state.currentEnemy.hp, row.hpAfter);
    EXPECT_EQ(script.drawsLeft(), 0u);
  }

  // The foe's blow on a hero of defence minus ten million who takes 100
  // times the damage: the bound again, and the hero falls.
  player.defence = -10'000'000;
  player.damageTakenFactor = 100.0f;
  player.maxHp = 10'000'000;
  player.hp = 10'000'000;
  player.dodges = 0;
  Creature enemy = goblin;
  enemy.attack = 30;
  enemy.attackFactor = 100.0f;
  enemy.actions.emplace_back("ATTACK", 5, true);
  beginFight(enemy, 7);
  dice::Script script({0});
  EXPECT_EQ(type("x"), "The UNINTERESTING GOBLIN attacks, dealing " + std::to_string(kLargestProduct) +
                           " damage!\n"
                           "That's it for you. GAME OVER.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(player.hp, 0);
}

}  // namespace

namespace {

class AttackFollowUps : public FightPlay {};

TEST_F(AttackFollowUps, TheHerosAndTheWeaponsWordsActOnceTheBlowLands) {
  // Columns: what the row shows, hero word, weapon word, imbuement, enemy
  // word, enemy hp, scripted draws (the dodge roll first), what the reply
  // holds after the damage line, enemy word after, poisoned after.
  struct Row {
    const char* shows;
    std::string heroWord;
    std::string weaponWord;
    std::string imbuement;
    std::string enemyWord;
    int enemyHp;
    std::vector<std::uint32_t> draws;
    std::string after;
    std::string wordAfter;
    bool poisonedAfter;
  };
  const Row rows[] = {
      {"a sleeper wakes enraged", "UNINTERESTING", "UNINTERESTING", "", "SLEEPING", 30, {0},
       "Your attack woke the enemy up!! ", "ENRAGED", false},
      {"oil on a one in three", "OILY", "UNINTERESTING", "", "UNINTERESTING", 30, {5, 1}, "", "FLAMMABLE", false},
      {"oil that does not take", "UNINTERESTING", "OILY", "", "UNINTERESTING", 30, {5, 2}, "", "UNINTERESTING",
       false},
      {"poison above 5 takes", "UNINTERESTING", "POISONOUS", "", "UNINTERESTING", 30, {5, 6}, "", "UNINTERESTING",
       true},
      {"poison of 5 does not", "UNINTERESTING", "POISONOUS", "", "UNINTERESTING", 30, {5, 5}, "", "UNINTERESTING",
       false},
      {"the poisons add up", "NOXIOUS", "POISONOUS", "POISON DART", "UNINTERESTING", 30, {5, 2, 2, 2}, "",
       "UNINTERESTING", true},
      {"fire catches the flammable", "UNINTERESTING", "FLAMING", "", "FLAMMABLE", 30, {5}, "", "FLAMING", false},
      {"a match is fire too", "UNINTERESTING", "UNINTERESTING", "MATCH", "OILY", 30, {5}, "", "FLAMING", false},
      {"fire comes before oil", "OILY", "FLAMING", "", "UNINTERESTING", 30, {5}, "", "UNINTERESTING", false},
      {"a starving weapon eats the dying foe", "UNINTERESTING", "STARVING", "", "UNINTERESTING", 5, {5},
       "Your STARVING STICK jumps to EAT the dying foe! \n", "UNINTERESTING", false},
      {"a ravenous weapon eats only the salted", "UNINTERESTING", "RAVENOUS", "", "LIGHTLY SALTED", 5, {5},
       "Your RAVENOUS STICK jumps to EAT the dying foe! \n", "LIGHTLY SALTED", false},
      {"a killing blow still poisons", "UNINTERESTING", "POISONOUS", "", "UNINTERESTING", 5, {5, 11}, "",
       "UNINTERESTING", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.quibblent = row.heroWord;
    player.equipment[0].quibblent = row.weaponWord;
    player.equipment[0].name = row.weaponWord + " STICK";
    player.imbuement = row.imbuement;
    Creature enemy = goblin;
    enemy.quibblent = row.enemyWord;
    enemy.hp = row.enemyHp;
    beginFight(enemy);
    dice::Script script(row.draws);
    const std::string reply = type("1");
    const std::string hit = "You swing your " + row.weaponWord +
                            " STICK at the enemy.\n"
                            "It took 10 damage. Nice!\n";
    ASSERT_EQ(reply.rfind(hit + row.after, 0), 0u) << reply;
    EXPECT_EQ(state.currentEnemy.quibblent, row.wordAfter);
    EXPECT_EQ(state.currentEnemy.poisoned, row.poisonedAfter);
    EXPECT_EQ(script.drawsLeft(), 0u);
    const bool changed = row.wordAfter != row.enemyWord || row.poisonedAfter || !row.after.empty();
    const std::string tail = state.combatState == 10 ? "[TYPE ANYTHING TO CONTINUE]" : kEnemyTurnTail;
    EXPECT_TRUE(reply.ends_with((changed ? "\n" : "") + tail)) << reply;
    EXPECT_EQ(reply.size() > hit.size() + tail.size(), changed) << reply;
  }
}

}  // namespace
