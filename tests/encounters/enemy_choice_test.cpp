// How the enemy picks its move: the weighted draw over ready moves, forced
// moves, the stunned enemy, the dodge offer and the turns with nothing to pick.
#include <gtest/gtest.h>

#include "../support/captured_output.h"
#include "enemy_fight_fixture.h"
#include "world/random_source.h"

namespace {

struct MoveSetup {
  const char* name;
  int weight;
  int cooldownLeft;
  int uses;
};

struct ChoiceCase {
  const char* label;
  std::vector<MoveSetup> moves;
  std::vector<std::uint32_t> draws;
  int chosen;  // index offered for a dodge, or -1 when the turn passes back
  std::string trace;
};

std::string offer(const std::string& move) {
  return "The ELITE GOBLIN is choosing to use " + move +
         ".\n"
         "Would you like to dodge? (Y/N or 1/2)\n"
         "You have 3 dodges left.";
}

TEST(EnemyChoice, WeightedDrawOverReadyMoves) {
  const ChoiceCase cases[] = {
      {"low draw falls on the first slot", {{"ATTACK", 3, 0, 0}, {"BODY TACKLE", 5, 0, 0}}, {2}, 0, "0, 0, "},
      {"next draw falls on the second", {{"ATTACK", 3, 0, 0}, {"BODY TACKLE", 5, 0, 0}}, {3}, 1, "0, 0, "},
      {"a slot of a move on cooldown passes on", {{"ATTACK", 3, 2, 0}, {"BODY TACKLE", 5, 0, 0}}, {0}, 1, "1, 0, "},
      {"the top slot of a move on cooldown passes on", {{"ATTACK", 3, 2, 0}, {"BODY TACKLE", 5, 0, 0}}, {7}, 1,
       "1, 0, "},
      {"a slot past the last ready move is drawn again",
       {{"ATTACK", 3, 0, 0}, {"BODY TACKLE", 5, 2, 0}}, {5, 0}, 0, "0, 1, 0, 1, "},
      {"a used-up move passes its slot on", {{"ATTACK", 3, 0, 99}, {"BODY TACKLE", 5, 0, 0}}, {0}, 1, "0, 0, "},
      {"a move of weight 99 is forced, cooldown or not",
       {{"BODY TACKLE", 5, 0, 0}, {"ATTACK", 99, 4, 0}, {"FIRE CLAW", 99, 0, 0}}, {}, 1, "0, 3, "},
      {"nothing ready: the enemy hesitates", {{"ATTACK", 3, 0, 99}}, {}, -1, "0, "},
      {"a warlock with its spells spent hesitates",
       {{"ATTACK", 0, 0, 0}, {"HEAL", 2, 0, 2}, {"FIREBOLT", 3, 3, 0}}, {}, -1, "0, 0, 2, "},
  };
  for (const ChoiceCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    for (const MoveSetup& setup : row.moves) {
      Action& move = fight.give(setup.name, setup.weight);
      move.cooldownLeft = setup.cooldownLeft;
      move.uses = setup.uses;
      move.dodgeable = true;
    }
    dice::Script draws(row.draws);
    CapturedOutput out;
    const std::string reply = fight.state.runEnemyTurn(fight.floor, fight.hero);
    EXPECT_EQ(draws.drawsLeft(), 0u);
    EXPECT_EQ(out.text(), row.trace);
    if (row.chosen < 0) {
      EXPECT_EQ(reply, "The ELITE GOBLIN hesitates.\n"
                       "It is now your turn.\n"
                       "You have 3 dodges left.\n"
                       "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]");
      EXPECT_EQ(fight.state.combatState, 2);
      EXPECT_EQ(fight.hero.hp, 20);
    } else {
      EXPECT_EQ(reply, offer(row.moves[row.chosen].name));
      EXPECT_EQ(fight.state.combatState, 4);
      EXPECT_EQ(fight.state.enemyActionIndex, row.chosen);
    }
  }
}

TEST(EnemyChoice, WeightsOfNothingLeaveTheFightMenuOpen) {
  EnemyFight fight;
  fight.give("DRINK SELF", 0);  // worth nothing above half hit points
  dice::Script noDraws({});
  CapturedOutput out;
  EXPECT_EQ(fight.state.runEnemyTurn(fight.floor, fight.hero), "Something probably broke!");
  EXPECT_EQ(fight.state.combatState, 2);
  EXPECT_EQ(fight.enemy().actions[0].uses, 0);
}

TEST(EnemyChoice, StunnedEnemyLosesItsTurnWithoutADraw) {
  for (const bool inference : {false, true}) {
    SCOPED_TRACE(inference ? "after an inference" : "plain stun");
    EnemyFight fight;
    Action& heal = fight.give("HEAL", 7);
    heal.cooldownLeft = 2;
    fight.enemy().stunned = true;
    fight.state.loopFlag = inference;
    dice::Script noDraws({});
    CapturedOutput out;
    const std::string reply = fight.state.runEnemyTurn(fight.floor, fight.hero);
    EXPECT_EQ(reply, inference ? "ELITE GOBLIN is unable to react!\n"
                                 "Your INFERENCE gives you an extra move!\n" +
                                     kYourTurn
                               : "ELITE GOBLIN is too STUNNED to act!\n"
                                 "They shake off the confusion and return to battle.\n" +
                                     kYourTurn);
    EXPECT_FALSE(fight.enemy().stunned);
    EXPECT_FALSE(fight.state.loopFlag);
    EXPECT_EQ(fight.enemy().actions[0].cooldownLeft, 1);
    EXPECT_EQ(fight.enemy().actions[0].weight, 7);
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(fight.state.combatState, 2);
  }
}

struct OfferCase {
  const char* label;
  const char* enemyWord;
  const char* enemyType;
  const char* move;
  int weight;
  int dodges;
  const char* heroWord;
  bool heroStunned;
  std::vector<std::uint32_t> draws;
  std::string reply;
  int combatState;
};

TEST(EnemyChoice, DodgeOffersAndTheirWording) {
  const std::string question = ".\n"
                               "Would you like to dodge? (Y/N or 1/2)\n"
                               "You have ";
  const OfferCase cases[] = {
      {"forced attack", "ELITE", "GOBLIN", "ATTACK", 99, 3, "UNINTERESTING", false, {},
       "The ELITE GOBLIN is choosing to use ATTACK" + question + "3 dodges left.", 4},
      {"no dodges left", "ELITE", "GOBLIN", "ATTACK", 99, 0, "UNINTERESTING", false, {},
       "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kYourTurn, 2},
      {"a stunned hero cannot dodge", "ELITE", "GOBLIN", "ATTACK", 99, 3, "UNINTERESTING", true, {},
       "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kYourTurn, 2},
      {"a groggy hero cannot dodge", "ELITE", "GOBLIN", "ATTACK", 99, 3, "GROGGY", false, {},
       "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kYourTurn, 2},
      {"a long name is cut to the type", "HIGHLY FLAMMABLE", "ARCH-ACCOUNTANT", "ATTACK", 99, 1, "UNINTERESTING",
       false, {}, "The ARCH-ACCOUNTANT is choosing to use ATTACK" + question + "1 dodges left.", 4},
      {"a forced potion is named bare", "JOHNNY", "POTION", "ATTACK", 99, 3, "UNINTERESTING", false, {},
       "POTION is choosing to use ATTACK" + question + "3 dodges left.", 4},
      {"a drawn potion is named as any enemy", "JOHNNY", "POTION", "ATTACK", 5, 3, "UNINTERESTING", false, {0},
       "The JOHNNY POTION is choosing to use ATTACK" + question + "3 dodges left.", 4},
      {"the attack after a wind-up", "ELITE", "GOBLIN", "WINDUP-ATTACK", 5, 3, "UNINTERESTING", false, {0},
       "The ELITE GOBLIN is choosing to use ATTACK" + question + "3 dodges left.", 4},
      {"a starving enemy's eat", "STARVING", "GOBLIN", "EAT", 0, 3, "UNINTERESTING", false, {0},
       "The STARVING GOBLIN is choosing to use EAT" + question +
           "3 dodges left.\n"
           "(WARNING -- BEING EATEN IS INSTANT DEATH)",
       4},
      {"an eat with one reason is not dodgeable", "RAVENOUS", "GOBLIN", "EAT", 0, 3, "UNINTERESTING", false, {0},
       "RAVENOUS GOBLIN looks at you hungrily...\n"
       "They want to EAT you, but you aren't *quite* tasty enough.\n" +
           kYourTurn,
       2},
  };
  for (const OfferCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    fight.enemy().quibblent = row.enemyWord;
    fight.enemy().type = row.enemyType;
    fight.hero.dodges = row.dodges;
    fight.hero.quibblent = row.heroWord;
    fight.hero.stunned = row.heroStunned;
    fight.give(row.move, row.weight);
    dice::Script draws(row.draws);
    CapturedOutput out;
    const std::string reply = fight.state.runEnemyTurn(fight.floor, fight.hero);
    EXPECT_EQ(draws.drawsLeft(), 0u);
    if (row.combatState == 4) {
      EXPECT_EQ(reply, row.reply);
      EXPECT_EQ(fight.hero.hp, 20);
    } else {
      EXPECT_EQ(reply, row.reply);
    }
    EXPECT_EQ(fight.state.combatState, row.combatState);
  }
}

// The situational weights after one refresh, by how the fight stands.
TEST(EnemyChoice, SituationalWeights) {
  struct WeightCase {
    const char* label;
    const char* move;
    const char* enemyWord;
    const char* enemyType;
    int enemyHp;
    const char* heroWord;
    int heroHp;
    int weight;
  };
  const WeightCase cases[] = {
      {"eat of a chef at half hp with one reason", "EAT", "ELITE", "CHEF", 25, "LIGHTLY SALTED", 30, 8},
      {"eat with two reasons", "EAT", "RAVENOUS", "ZOMBIE", 50, "UNINTERESTING", 30, 4},
      {"warlock heals more when hurt", "HEAL", "ELITE", "WARLOCK", 25, "UNINTERESTING", 30, 5},
      {"poison gas of a liche", "POISON GAS", "ELITE", "LICHE", 50, "UNINTERESTING", 30, 4},
      {"salt on the salted", "APPLY SALT", "ELITE", "GOBLIN", 50, "LIGHTLY SALTED", 30, 2},
      {"drink self at a quarter", "DRINK SELF", "ELITE", "POTION", 12, "UNINTERESTING", 30, 10},
      {"mega heal at a quarter", "MEGA HEAL", "ELITE", "GOBLIN", 12, "UNINTERESTING", 30, 5},
      {"wind up ii on a weak hero", "WIND UP II", "ELITE", "GOBLIN", 50, "UNINTERESTING", 19, 1},
      {"wind up ii while healthy", "WIND UP II", "ELITE", "GOBLIN", 50, "UNINTERESTING", 20, 0},
  };
  for (const WeightCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    fight.enemy().quibblent = row.enemyWord;
    fight.enemy().type = row.enemyType;
    fight.enemy().hp = row.enemyHp;
    fight.hero.quibblent = row.heroWord;
    fight.hero.hp = row.heroHp;
    fight.hero.dodges = 0;
    fight.give(row.move, 1).uses = 99;  // refreshed but never ready
    dice::Script noDraws({});
    CapturedOutput out;
    fight.state.runEnemyTurn(fight.floor, fight.hero);
    EXPECT_EQ(fight.enemy().actions[0].weight, row.weight);
  }
}

}  // namespace
