#include <gtest/gtest.h>

#include "tests/interpreter/fight_play.h"

namespace {

class FightPaths : public FightPlay {};

const std::string kContinue = "[TYPE ANYTHING TO CONTINUE]";

TEST_F(FightPaths, AGoblinFelledInOneBlowPaysAndLeavesItsCorpse) {
  Creature weak = goblin;
  weak.hp = 5;
  beginFight(weak, 1);
  EXPECT_EQ(type("x"), "It's your move.\n"
                       "You have 3" +
                           kMenuTail);
  {
    dice::Script script({5});
    EXPECT_EQ(type("attack"), "You swing your UNINTERESTING STICK at the enemy.\n"
                              "It took 10 damage. Nice!\n" +
                                  kContinue);
  }
  {
    dice::Script script({1});  // the VORPAL roll is made whatever the weapon
    EXPECT_EQ(type("x"), "You defeated the UNINTERESTING GOBLIN handily!!\n"
                         "You gained 12 experience and 4 gold.\n" +
                             kContinue);
  }
  EXPECT_EQ(player.exp, 12);
  EXPECT_EQ(player.gold, 4);
  EXPECT_EQ(player.killScore, 1);
  EXPECT_EQ(type("x"), "You crack your knuckles, satisfied. These combat encounters\n"
                       "are going great!");
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(floorRecord.tileKinds[0], "");
  EXPECT_EQ(floorRecord.tileTexts[0], " lies the corpse of an enemy you killed.");
}

TEST_F(FightPaths, DefeatsEarnDodgesByCountClassAndWord) {
  // Columns: defeats since the last dodge, class, hero word, line after the
  // experience, dodges gained.
  struct Row {
    int defeatsBefore;
    std::string heroClass;
    std::string word;
    std::string goldLine;
    int dodgesGained;
  };
  const Row rows[] = {
      {0, "CONVICT", "UNINTERESTING", " and 4 gold.\n", 0},
      {1, "CONVICT", "UNINTERESTING", ", 4 gold, and 1 dodge.\n", 1},
      {0, "OPPORTUNIST", "UNINTERESTING", ", 4 gold, and 1 dodge.\n", 1},
      {0, "CONVICT", "MLG", ", 4 gold, and 1 dodge.\n", 1},
      {0, "OPPORTUNIST", "MLG", ", 4 gold, and 2 dodges.\n", 2},
      {0, "CONVICT", "JOHNNY THE", ", 4 gold, and 2 dodges.\n", 2},
      // A count left high while JOHNNY THE still earns the next dodge.
      {4, "CONVICT", "UNINTERESTING", ", 4 gold, and 1 dodge.\n", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.heroClass + " " + row.word + " " + std::to_string(row.defeatsBefore));
    player.playerClass = row.heroClass;
    player.quibblent = row.word;
    player.dodges = 3;
    state.defeatCount = row.defeatsBefore;
    Creature fallen = goblin;
    fallen.hp = 0;
    beginFight(fallen, 10);
    dice::Script script({1});
    EXPECT_EQ(type("x"), "You defeated the UNINTERESTING GOBLIN handily!!\n"
                         "You gained 12 experience" +
                             row.goldLine + kContinue);
    EXPECT_EQ(player.dodges, 3 + row.dodgesGained);
  }
}

TEST_F(FightPaths, KillsOfBossesAndLordsOfHellScoreByTheirOwnRules) {
  // Columns: type, kill score gained, achievement slot earned (0-based, -1 none).
  struct Row {
    std::string type;
    int killsGained;
    int slot;
  };
  const Row rows[] = {{"DRAGON", 1001, 7}, {"DEEP TROLL", 201, 9}, {"GHAST", 1, 8}, {"HELLSATAN", 0, -1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.type);
    state.achievements = {};
    player.killScore = 0;
    Creature fallen = goblin;
    fallen.type = row.type;
    fallen.hp = 0;
    beginFight(fallen, 10);
    dice::Script script({1});
    type("x");
    EXPECT_EQ(player.killScore, row.killsGained);
    for (int slot = 0; slot < 18; ++slot) EXPECT_EQ(state.achievements[slot], slot == row.slot ? "Bob" : "");
  }
}

TEST_F(FightPaths, KillingJohnnyTakesThePotionAchievementOnlyBeforeAnythingElseBefellHim) {
  // Columns: what, slot 7 before, progress before, slot 7 after, progress after.
  struct Row {
    const char* what;
    const char* holder;
    int progress;
    const char* holderAfter;
    int progressAfter;
  };
  const Row rows[] = {
      {"nobody's yet", "", 0, "Bob", 1},
      {"JIMMY's killer gives way", "Amy", 0, "Bob", 1},
      {"an earlier kill stays", "Amy", 1, "Amy", 1},
      {"a swap stays", "Amy", 2, "Amy", 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    state.achievements = {};
    state.achievements[6] = row.holder;
    state.potionProgress = row.progress;
    Creature johnny = goblin;
    johnny.type = "POTION";
    johnny.quibblent = "JOHNNY THE";
    johnny.hp = 0;
    beginFight(johnny, 10);
    dice::Script script({1});
    type("x");
    EXPECT_EQ(state.achievements[6], row.holderAfter);
    EXPECT_EQ(state.potionProgress, row.progressAfter);
  }
}

TEST_F(FightPaths, FleeingLeavesTheEnemyOnItsTileReadyToAmbush) {
  Creature skeleton = goblin;
  skeleton.type = "SKELETON";
  skeleton.hp = 17;
  beginFight(skeleton);
  EXPECT_EQ(type("4"), "You run away like a coward. The UNINTERESTING SKELETON \n"
                       "watches you suspiciously, but makes no move to attack. \n"
                       "You are now out of combat.");
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(floorRecord.tileCreatures[0].hp, 17);
  EXPECT_TRUE(floorRecord.tileCreatures[0].confident);

  Creature longName = goblin;
  longName.quibblent = "INCREDIBLY LONG-WINDED";  // 22 + 6 = 28 letters
  beginFight(longName);
  EXPECT_EQ(type("flee"), "You run away like a coward. The GOBLIN\n"
                          "watches you suspiciously, but makes no move to attack. \n"
                          "You are now out of combat.");
  EXPECT_FALSE(floorRecord.tileCreatures[0].confident);  // goblins never are

  // A sleeper is left as it was: no braver, and still stunned if it was.
  Creature sleeper = goblin;
  sleeper.quibblent = "SLEEPING";
  sleeper.stunned = true;
  sleeper.hp = 12;
  beginFight(sleeper);
  EXPECT_EQ(type("4"), "You sneak away from the SLEEPING GOBLIN.\n"
                       "It continues dozing obliviously... \n"
                       "You are now out of combat.");
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(floorRecord.tileCreatures[0].hp, 12);
  EXPECT_TRUE(floorRecord.tileCreatures[0].stunned);

  Creature fat = goblin;
  fat.quibblent = "VOLUMINOUS";
  beginFight(fat);
  EXPECT_EQ(type("4"), "You try to run away but the enemy is just too damn FAT!!\n" + kEnemyTurnTail);
  EXPECT_EQ(state.combatState, 7);
}

TEST_F(FightPaths, TheMenuWaitsScoldsAndTurnsAStunnedHeroAway) {
  beginFight(goblin);
  EXPECT_EQ(type("dance"), "Nope.\n"
                           "You have 3" +
                               kMenuTail);
  EXPECT_EQ(state.combatState, 2);
  EXPECT_EQ(type("wait"), "You stand around twiddling your thumbs like a chump.\n"
                          "Nothing happened!\n" +
                              kEnemyTurnTail);
  EXPECT_EQ(state.combatState, 7);

  beginFight(goblin, 1);
  player.stunned = true;
  EXPECT_EQ(type("1"), "You attempt to do something but you are STUNNED!!\n"
                       "You shake off your daze and return to battle.\n" +
                           kEnemyTurnTail);
  EXPECT_FALSE(player.stunned);
  EXPECT_EQ(state.combatState, 7);
}

TEST_F(FightPaths, ADeathInAFightIsTheMonstersDoingNotAnEarlierBarrels) {
  state.pendingWord = "barrel";  // the hero survived a barrel earlier on
  player.quibblent = "DAMNED";
  player.quibblentTimed = true;
  player.quibblentTurnsLeft = 1;
  beginFight(goblin, 1);
  type("x");
  type("wait");
  EXPECT_EQ(type("x"), "You feel your soul slipping away from your body.\n"
                       "Your DAMNED nature has caught up with you...\n"
                       "You are going to HELL!\n" +
                           kContinue);
  EXPECT_EQ(state.pendingPrompt, 16);
  const std::string page = type("x");
  EXPECT_EQ(page.rfind("You died on floor 2. GAME OVER!", 0), 0u) << page;
  const std::string memorial = slurp("saves/Bob.txt");
  EXPECT_NE(memorial.find("Cruelly struck down by a UNINTERESTING GOBLIN"), std::string::npos) << memorial;
  EXPECT_EQ(memorial.find("exploded"), std::string::npos);
}

TEST_F(FightPaths, AnAirhornGivesAGamerOneWayOutNotOneATurn) {
  // Columns: imbuement, enemy word, whether the enemy knows a FLEE of its
  // own, the horn's FLEEs after two enemy turns.
  struct Row {
    std::string imbuement;
    std::string word;
    bool ownFlee;
    int hornFlees;
  };
  const Row rows[] = {
      {"AIRHORN", "GAMER", false, 1},
      {"AIRHORN", "MLG", true, 1},
      {"AIRHORN", "UNINTERESTING", false, 0},
      {"MATCH", "GAMER", false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.imbuement + " " + row.word);
    player.imbuement = row.imbuement;
    Creature gamer = goblin;
    gamer.quibblent = row.word;
    if (row.ownFlee) gamer.actions.emplace_back("FLEE", 2, false);
    beginFight(gamer, 3);
    type("x");
    state.pendingPrompt = 2;
    state.combatState = 3;
    type("x");
    int hornFlees = 0;
    int ownFlees = 0;
    for (const Action& move : state.currentEnemy.actions) {
      hornFlees += move.name == "FLEE" && move.weight == 99;
      ownFlees += move.name == "FLEE" && move.weight == 2;
    }
    EXPECT_EQ(hornFlees, row.hornFlees);
    EXPECT_EQ(ownFlees, row.ownFlee ? 1 : 0);
  }
}

TEST_F(FightPaths, ADodgedMoveCostsADodgeAndCoolsTheMoveDown) {
  Creature enemy = goblin;
  enemy.actions.emplace_back("WINDUP-ATTACK", 5, false);
  enemy.actions.back().cooldown = 2;
  beginFight(enemy, 4);
  state.enemyActionIndex = 0;
  EXPECT_EQ(type("maybe"), "Ok, your answer was very clever and all, but how about \n"
                           "you type Y or N this time instead?\n"
                           "You have 3 dodges left.");
  dice::Script script({2});
  EXPECT_EQ(type("y"), "You casually sidestep the attack like some kind of \n"
                       "stone-cold badass. You take 0 damage!! \n"
                       "It is now your turn.\n"
                       "You have 2" +
                           kMenuTail);
  EXPECT_EQ(state.combatState, 2);
  ASSERT_EQ(state.currentEnemy.actions.size(), 1u);
  EXPECT_EQ(state.currentEnemy.actions[0].name, "WIND UP");
  EXPECT_EQ(state.currentEnemy.actions[0].weight, 8);
}

TEST_F(FightPaths, TheDodgeQuestionShufflesDodgesOrTakesTheBlowOnAFreshPage) {
  // Columns: class, answer, scripted draw, reply, dodges after.
  struct Row {
    std::string heroClass;
    std::string line;
    std::vector<std::uint32_t> draws;
    std::string reply;
    int dodgesAfter;
  };
  const Row rows[] = {
      {"ZOMBIE", "1", {4},
       "You shuffle lazily out of the way of the attack.\n"
       "You take 0 damage.\n"
       "It is now your turn.\n"
       "You have 2" +
           kMenuTail,
       2},
      {"CONVICT", "y", {0},
       "You dodge the attack swiftly, and strike a cool pose while\n"
       "doing it. You take 0 damage!! \n"
       "It is now your turn.\n"
       "You have 2" +
           kMenuTail,
       2},
      {"CONVICT", "y", {4},
       "You don't even move, and the attack misses anyway. You're \n"
       "just that good at dodging. You take 0 damage!! \n"
       "It is now your turn.\n"
       "You have 2" +
           kMenuTail,
       2},
      {"CONVICT", "2", {}, "", 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.heroClass + " " + row.line);
    player.playerClass = row.heroClass;
    player.dodges = 3;
    Creature enemy = goblin;
    enemy.actions.emplace_back("ATTACK", 5, false);
    beginFight(enemy, 4);
    state.enemyActionIndex = 0;
    state.messageBuffer = "what an earlier step left";
    std::string reply;
    if (row.draws.empty()) {
      reply = type(row.line);
      EXPECT_EQ(reply.find("what an earlier step left"), std::string::npos) << reply;
      EXPECT_FALSE(reply.empty());
    } else {
      dice::Script script(row.draws);
      reply = type(row.line);
      EXPECT_EQ(reply, row.reply);
      EXPECT_EQ(state.combatState, 2);
      EXPECT_EQ(script.drawsLeft(), 0u);
    }
    EXPECT_EQ(player.dodges, row.dodgesAfter);
  }
}

TEST_F(FightPaths, ALevelUpInAFightComesBeforeTheWrapUp) {
  Creature fallen = goblin;
  fallen.hp = 0;
  fallen.expReward = 100;
  player.hp = 30;
  beginFight(fallen, 10);
  {
    dice::Script script({1});
    EXPECT_EQ(type("x"), "You defeated the UNINTERESTING GOBLIN!!\n"
                         "You gained 100 experience and 4 gold.\n" +
                             kContinue);
  }
  EXPECT_EQ(state.combatState, 12);
  EXPECT_EQ(type("x"), "LEVEL UP!! You are now level 2!\n"
                       "You have been fully healed and gained 1 dodge.\n"
                       "You now have 55 HP, 13 ATK, and 1 DEF.\n"
                       "300 EXP to next level.\n" +
                           kContinue);
  EXPECT_EQ(state.combatState, 13);
  EXPECT_EQ(type("x"), "You crack your knuckles, satisfied. These combat encounters\n"
                       "are going great!");
}

TEST_F(FightPaths, AHeroWithSixSkillsReplacesTheChosenOneWithQblSwap) {
  for (const char* name : {"EAT", "EAT", "EAT", "HEAL", "FIREBOLT", "STUNBOLT"}) player.skills.emplace_back(name, 1, true);
  player.playerClass = "ZOMBIE";
  player.level = 4;
  player.exp = 1600;
  player.expForNextLevel = 1600;
  beginFight(goblin, 12);
  const std::string page = type("x");
  EXPECT_TRUE(page.ends_with("\n"
                             "You could gain permanent access to the QBL.SWAP skill, but \n"
                             "you have 6 skills already. Do you want to replace one? (Y/N)"))
      << page;
  EXPECT_EQ(state.pendingPrompt, 48);
  EXPECT_EQ(type("y"), "Select a skill to replace - (1): EAT\n"
                       "(2): EAT\n"
                       "(3): EAT\n"
                       "(4): HEAL\n"
                       "(5): FIREBOLT\n"
                       "(6): STUNBOLT\n");
  EXPECT_EQ(type("2"), "You successfully replaced EAT with QBL.SWAP!\n" + kContinue);
  std::vector<std::string> names;
  for (const Action& skill : player.skills) names.push_back(skill.name);
  EXPECT_EQ(names, (std::vector<std::string>{"EAT", "EAT", "HEAL", "FIREBOLT", "STUNBOLT", "QBL.SWAP"}));
  EXPECT_EQ(state.pendingPrompt, 0);
  EXPECT_EQ(state.combatState, 13);
}

}  // namespace
