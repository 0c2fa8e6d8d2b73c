#include <gtest/gtest.h>

#include "tests/interpreter/fight_play.h"

namespace {

class ExchangeEnd : public FightPlay {};

// The enemy's turn is not part of these checks: a quiet exchange hands over
// to it at once, and the reply then is whatever the enemy does.
TEST_F(ExchangeEnd, AnEnemyWordThatRunsOutTurnsIntoTheNextOrEndsTheEnemy) {
  // Columns: word that runs out, word after, state after, hp after, line the
  // page must hold ("" checks only the page's end).
  struct Row {
    std::string word;
    std::string wordAfter;
    int stateAfter;
    int hpAfter;
    std::string line;
  };
  const Row rows[] = {
      {"RAVENOUS", "STARVING", 3, 22, ""},  // and starves 8 at once
      {"ALMIGHTY", "RAVENOUS", 3, 30, ""},
      {"FLAMING", "CHARRED", 3, 30, ""},
      {"ENRAGED", "UNINTERESTING", 3, 30, ""},
      {"GROGGY", "UNINTERESTING", 3, 30, ""},
      {"GAMER", "MLG", 3, 30, "The GOBLIN has reached the MAJOR LEAGUE of GAMING!\n"},
      {"SLEEPING", "GROGGY", 3, 30, "The SLEEPING GOBLIN wakes up!\n"},
      {"DAMNED", "DAMNED", 10, 0,
       "The DAMNED GOBLIN disintegrates before your eyes!\nTheir DAMNED nature has caught up with them, "
       "evidently.\n"},
      {"STARVING", "STARVING", 10, 0, "The STARVING GOBLIN starves to death!!!\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.word);
    Creature enemy = goblin;
    enemy.quibblent = row.word;
    enemy.quibblentTimed = true;
    enemy.quibblentTurnsLeft = 1;
    beginFight(enemy, 7);
    const std::string reply = type("x");
    EXPECT_EQ(state.currentEnemy.quibblent, row.wordAfter);
    EXPECT_EQ(state.combatState, row.stateAfter);
    EXPECT_EQ(state.currentEnemy.hp, row.hpAfter);
    EXPECT_TRUE(reply.ends_with("[TYPE ANYTHING TO CONTINUE]")) << reply;
    EXPECT_NE(reply.find(row.line), std::string::npos) << reply;
  }
}

TEST_F(ExchangeEnd, AHeroWordThatRunsOutTurnsIntoTheNextOrKillsTheHero) {
  // Columns: word, turns left before, word after, death page opened, line
  // the page must hold.
  struct Row {
    std::string word;
    int turnsLeft;
    std::string wordAfter;
    bool dies;
    std::string line;
  };
  const Row rows[] = {
      {"DAMNED", 1, "DAMNED", true,
       "You feel your soul slipping away from your body.\nYour DAMNED nature has caught up with you...\nYou are "
       "going to HELL!\n[TYPE ANYTHING TO CONTINUE]"},
      {"DAMNED", 2, "DAMNED", false, "You feel a premonition of doom... you will die in ONE TURN!\n"},
      {"STARVING", 1, "STARVING", true, "You starve to death! GAME OVER.\n[TYPE ANYTHING TO CONTINUE]"},
      {"CURSED", 1, "CURSED", true,
       "You fall to the ground clutching your chest...\nThe CURSE has finally done you in.\nYour skin deliquesces "
       "off your bones. This is the end.\n[TYPE ANYTHING TO CONTINUE]"},
      {"RAVENOUS", 1, "STARVING", false, ""},
      {"FLAMING", 1, "CHARRED", false, ""},
      {"CONFUSED", 1, "UNINTERESTING", false, ""},
      {"GROGGY", 1, "UNINTERESTING", false, ""},
      {"ELITE", 1, "UNINTERESTING", false, "You feel the ELITE drain from you... back to normal. Sorry.\n"},
      {"GAMER", 1, "MLG", false, "Your skills are honed - you are now a MAJOR LEAGUE GAMER!\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.word + " " + std::to_string(row.turnsLeft));
    state.pendingPrompt = 2;
    player.quibblent = row.word;
    player.quibblentTimed = true;
    player.quibblentTurnsLeft = row.turnsLeft;
    player.hp = 40;
    beginFight(goblin, 7);
    const std::string reply = type("x");
    EXPECT_EQ(player.quibblent, row.wordAfter);
    EXPECT_EQ(state.pendingPrompt, row.dies ? 16 : 2);
    EXPECT_NE(reply.find(row.line), std::string::npos) << reply;
  }
}

TEST_F(ExchangeEnd, AilmentsBiteButNeverKillAndAQuietExchangeGoesStraightOn) {
  // Columns: what the row shows, hero hp, hero max hp, poisoned, hero word,
  // hero hp after, poisoned after, whether a page stands, line it holds.
  struct Row {
    const char* shows;
    int hp;
    int maxHp;
    bool poisoned;
    std::string word;
    int hpAfter;
    bool poisonedAfter;
    bool page;
    std::string line;
  };
  const Row rows[] = {
      {"poison takes a tenth", 10, 30, true, "UNINTERESTING", 7, true, false, ""},
      {"poison takes at most 5", 40, 80, true, "UNINTERESTING", 35, true, false, ""},
      {"poison clears near death", 4, 30, true, "UNINTERESTING", 1, false, true,
       "You feel the POISON clearing from your system...\n"},
      {"fire burns 5", 20, 40, false, "FLAMING", 15, false, true, "You're on fire!! You take 5 FLAMING damage.\n"},
      {"starving never kills alone", 5, 40, false, "STARVING", 1, false, true,
       "God, you're so hungry... you take 8 damage from STARVING!\n"},
      {"nothing happens", 20, 40, false, "UNINTERESTING", 20, false, false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.hp = row.hp;
    player.maxHp = row.maxHp;
    player.poisoned = row.poisoned;
    player.quibblent = row.word;
    player.quibblentTimed = false;
    beginFight(goblin, 7);
    const std::string reply = type("x");
    EXPECT_EQ(player.hp, row.hpAfter);
    EXPECT_EQ(player.poisoned, row.poisonedAfter);
    EXPECT_EQ(reply.ends_with("[TYPE ANYTHING TO CONTINUE]") && reply.find(row.line) == 0, row.page) << reply;
    // A page leaves the enemy's turn for the next line; otherwise it has begun.
    if (row.page) {
      EXPECT_EQ(state.combatState, 3);
    } else {
      EXPECT_NE(state.combatState, 7);
    }
  }
}

TEST_F(ExchangeEnd, AFlamingDemonHealsWhereOthersBurn) {
  Creature demon = goblin;
  demon.type = "DEMON";
  demon.quibblent = "FLAMING";
  demon.hp = 20;
  beginFight(demon, 7);
  EXPECT_EQ(type("x"), "The FLAMING DEMON heals 5 HP from its FLAMES...\n[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(state.currentEnemy.hp, 25);

  Creature burning = goblin;
  burning.quibblent = "FLAMING";
  burning.hp = 3;
  beginFight(burning, 7);
  EXPECT_EQ(type("x"), "The FLAMING GOBLIN takes 5 damage from FLAMING!\n[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(state.currentEnemy.hp, 1);  // flames alone never finish it
}

TEST_F(ExchangeEnd, AnEnemyAlreadyAtZeroIsDefeatedNotRevived) {
  Creature fallen = goblin;
  fallen.hp = 0;
  beginFight(fallen, 7);
  const std::string reply = type("x");
  EXPECT_EQ(reply.rfind("You defeated the UNINTERESTING GOBLIN", 0), 0u) << reply;
  EXPECT_EQ(state.combatState, 13);
  EXPECT_EQ(state.currentEnemy.hp, 0);
}

}  // namespace
