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
       "The DAMNED GOBLIN disintegrates before your eyes!\n"
       "Their DAMNED nature has caught up with them, evidently.\n"},
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
       "You feel your soul slipping away from your body.\n"
       "Your DAMNED nature has caught up with you...\n"
       "You are going to HELL!\n"
       "[TYPE ANYTHING TO CONTINUE]"},
      {"DAMNED", 2, "DAMNED", false, "You feel a premonition of doom... you will die in ONE TURN!\n"},
      {"STARVING", 1, "STARVING", true,
       "You starve to death! GAME OVER.\n"
       "[TYPE ANYTHING TO CONTINUE]"},
      {"CURSED", 1, "CURSED", true,
       "You fall to the ground clutching your chest...\n"
       "The CURSE has finally done you in.\n"
       "Your skin deliquesces off your bones. This is the end.\n"
       "[TYPE ANYTHING TO CONTINUE]"},
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
  EXPECT_EQ(type("x"), "The FLAMING DEMON heals 5 HP from its FLAMES...\n"
                       "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(state.currentEnemy.hp, 25);

  Creature burning = goblin;
  burning.quibblent = "FLAMING";
  burning.hp = 3;
  beginFight(burning, 7);
  EXPECT_EQ(type("x"), "The FLAMING GOBLIN takes 5 damage from FLAMING!\n"
                       "[TYPE ANYTHING TO CONTINUE]");
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

namespace {

class ExchangeEndGear : public FightPlay {};

TEST_F(ExchangeEndGear, GearWhoseWordRunsOutOrTakesFrightIsReplacedByFistsOrNudity) {
  // Columns: what the row shows, weapon word, weapon turns left, armor word,
  // armor turns left, hero hp, scripted draws, page, weapon type after, armor type after.
  struct Row {
    const char* shows;
    std::string weaponWord;
    int weaponTurns;
    std::string armorWord;
    int armorTurns;
    int hp;
    std::vector<std::uint32_t> draws;
    std::string page;
    std::string weaponAfter;
    std::string armorAfter;
  };
  const std::string fists = "You must now fight with your bare FISTS.\n";
  const std::string nude = "You are now NUDE, and will take extra damge.\n";
  const Row rows[] = {
      {"a damned weapon crumbles", "DAMNED", 1, "UNINTERESTING", 0, 40, {},
       "The OLD STICK disintegrates in your hand!\n" + fists, "FISTS", "RAG"},
      {"a starving weapon starves", "STARVING", 1, "UNINTERESTING", 0, 40, {},
       "The OLD STICK starves to death, somehow!?\n" + fists, "FISTS", "RAG"},
      {"damned armor crumbles", "UNINTERESTING", 0, "DAMNED", 1, 40, {},
       "The OLD RAG disintegrates!!\n" + nude, "STICK", "NUDITY"},
      {"starving armor starves", "UNINTERESTING", 0, "STARVING", 1, 40, {},
       "The OLD RAG starves to death, somehow!?\n" + nude, "STICK", "NUDITY"},
      {"frightened gear both flee a losing hero", "FRIGHTENED", 0, "FRIGHTENED", 0, 10, {16},
       "The OLD STICK, terrified of defeat, runs away!!\n" + fists + "The OLD RAG, terrified of defeat, runs away!!\n" +
           nude,
       "FISTS", "NUDITY"},
      {"frightened gear stays on other draws", "FRIGHTENED", 0, "FRIGHTENED", 0, 10, {1, 16}, "", "STICK", "RAG"},
      {"frightened gear stays with a hero above a quarter", "FRIGHTENED", 0, "FRIGHTENED", 0, 11, {}, "", "STICK",
       "RAG"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.hp = row.hp;
    player.attack = 15;
    player.defence = 4;
    ItemRecord& weapon = player.equipment[0];
    weapon.name = "OLD STICK";
    weapon.type = "STICK";
    weapon.quibblent = row.weaponWord;
    weapon.quibblentTimed = row.weaponTurns > 0;
    weapon.quibblentTurnsLeft = row.weaponTurns;
    weapon.attack = 5;
    weapon.defence = 0;
    ItemRecord& armor = player.equipment[1];
    armor.name = "OLD RAG";
    armor.type = "RAG";
    armor.quibblent = row.armorWord;
    armor.quibblentTimed = row.armorTurns > 0;
    armor.quibblentTurnsLeft = row.armorTurns;
    armor.attack = 0;
    armor.defence = 3;
    // A burning enemy keeps a page standing, so the enemy's turn waits for the next line.
    Creature burning = goblin;
    burning.quibblent = "FLAMING";
    beginFight(burning, 7);
    {
      // Past the rows' own draws, the rolls of the new fists and nudity: each
      // a 1 in the four low bits, so a frightened armor flees on its turn.
      std::vector<std::uint32_t> draws = row.draws;
      draws.insert(draws.end(), 12, 17u);
      dice::Script script(draws);
      EXPECT_EQ(type("x"), row.page + "The FLAMING GOBLIN takes 5 damage from FLAMING!\n"
                                      "[TYPE ANYTHING TO CONTINUE]");
      if (row.page.empty()) {
        EXPECT_EQ(script.drawsLeft(), 12u);
      }
    }
    EXPECT_EQ(player.equipment[0].type, row.weaponAfter);
    EXPECT_EQ(player.equipment[1].type, row.armorAfter);
    // The lost gear's bonuses leave with it and the new gear's join.
    const bool weaponLost = row.weaponAfter == "FISTS";
    const bool armorLost = row.armorAfter == "NUDITY";
    EXPECT_EQ(player.attack, (weaponLost ? 10 + player.equipment[0].attack : 15) +
                                 (armorLost ? player.equipment[1].attack : 0));
    EXPECT_EQ(player.defence, (armorLost ? 1 + player.equipment[1].defence : 4) +
                                  (weaponLost ? player.equipment[0].defence : 0));
  }
}

TEST_F(ExchangeEndGear, TheCurseHungerAndColoursTakeTheirTurn) {
  // Columns: what the row shows, hero word, timed, turns left before,
  // imbuement, hunger countdown, poisoned, hp, line the page holds, hp
  // after, max hp after, attack after, defence after, dodges after, word
  // after, player colour after.
  struct Row {
    const char* shows;
    std::string word;
    bool timed;
    int turnsLeft;
    std::string imbuement;
    int hunger;
    bool poisoned;
    int hp;
    std::string line;
    int hpAfter;
    int maxHpAfter;
    int attackAfter;
    int defenceAfter;
    int dodgesAfter;
    std::string wordAfter;
    std::vector<float> colour;
  };
  const std::vector<float> unchanged = {1, 2, 3};
  const Row rows[] = {
      {"the curse bites one a turn", "CURSED", true, 70, "", 0, false, 20, "", 19, 40, 10, 0, 3, "CURSED",
       {128, 20, 128}},
      {"the curse at 60", "CURSED", true, 61, "", 0, false, 20,
       "You feel terrible... You vomit, losing 3 max HP and 2 ATK.\n", 16, 37, 8, 0, 3, "CURSED", {128, 20, 128}},
      {"the curse at 40 never below 1", "CURSED", true, 41, "", 0, false, 3,
       "You feel awful... You vomit blood, losing 6 max HP and 2 DEF.\n", 1, 34, 10, 0, 3, "CURSED",
       {128, 20, 128}},
      {"the curse at 20", "CURSED", true, 21, "", 0, false, 20, "You lose all energy to continue... dodges set to 0.\n",
       19, 40, 10, 0, 0, "CURSED", {128, 20, 128}},
      {"the curse at 3", "CURSED", true, 4, "", 0, false, 20,
       "You begin to shudder uncontrollably. Your end is nigh.\n", 19, 40, 10, 0, 3, "CURSED", {128, 20, 128}},
      {"salt makes the hero hungry", "UNINTERESTING", false, 0, "SALT SHAKER", 1, false, 20, "", 20, 40, 10, 0, 3,
       "RAVENOUS", unchanged},
      {"salt counts down", "UNINTERESTING", false, 0, "SALT SHAKER", 2, false, 20, "", 20, 40, 10, 0, 3,
       "UNINTERESTING", unchanged},
      {"a potion heals 2 and shows", "UNINTERESTING", false, 0, "POTION", 0, false, 20, "", 22, 40, 10, 0, 3,
       "UNINTERESTING", {0, 255, 0}},
      {"poison and flames brown", "FLAMING", false, 0, "", 0, true, 20, "You're on fire!! You take 5 FLAMING damage.\n",
       11, 40, 10, 0, 3, "FLAMING", {165, 42, 42}},
      {"poison green over the curse", "CURSED", true, 70, "", 0, true, 20, "", 15, 40, 10, 0, 3, "CURSED",
       {20, 150, 20}},
      {"a spicy fire heals", "FLAMING", false, 0, "GHOST PEPPER", 0, false, 20,
       "You're on a spicy fire! You heal 5 health.\n", 25, 40, 10, 0, 3, "FLAMING", {255, 20, 20}},
      {"starving grey", "STARVING", false, 0, "", 0, false, 20, "", 12, 40, 10, 0, 3, "STARVING", {100, 100, 100}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.quibblent = row.word;
    player.quibblentTimed = row.timed;
    player.quibblentTurnsLeft = row.turnsLeft;
    player.imbuement = row.imbuement;
    player.hungerCountdown = row.hunger;
    player.poisoned = row.poisoned;
    player.hp = row.hp;
    player.maxHp = 40;
    player.attack = 10;
    player.defence = 0;
    player.dodges = 3;
    state.textColour1 = unchanged;
    // A burning enemy keeps a page standing, so the enemy's turn waits for the next line.
    Creature burning = goblin;
    burning.quibblent = "FLAMING";
    beginFight(burning, 7);
    const std::string reply = type("x");
    EXPECT_NE(reply.find(row.line), std::string::npos) << reply;
    EXPECT_EQ(player.hp, row.hpAfter);
    EXPECT_EQ(player.maxHp, row.maxHpAfter);
    EXPECT_EQ(player.attack, row.attackAfter);
    EXPECT_EQ(player.defence, row.defenceAfter);
    EXPECT_EQ(player.dodges, row.dodgesAfter);
    EXPECT_EQ(player.quibblent, row.wordAfter);
    EXPECT_EQ(state.textColour1, row.colour);
  }
}

TEST_F(ExchangeEndGear, AnEnemyRegainsItsRegenerationUpToItsMaximum) {
  // Columns: hp before, regeneration, poisoned, hp after, enemy colour after.
  struct Row {
    int hp;
    int regen;
    bool poisoned;
    int hpAfter;
    std::vector<float> colour;
  };
  const Row rows[] = {
      {20, 4, false, 24, {0, 255, 0}},
      {28, 4, false, 30, {0, 255, 0}},
      {20, 4, true, 21, {20, 150, 20}},  // poison of 3 first, then 4 back
      {20, 0, false, 20, {1, 2, 3}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.hp);
    Creature enemy = goblin;
    enemy.hp = row.hp;
    enemy.regenPerTurn = row.regen;
    enemy.poisoned = row.poisoned;
    state.textColour2 = {1, 2, 3};
    player.quibblent = "FLAMING";  // a page, so the enemy's turn waits
    beginFight(enemy, 7);
    type("x");
    EXPECT_EQ(state.currentEnemy.hp, row.hpAfter);
    EXPECT_EQ(state.textColour2, row.colour);
  }
}

}  // namespace
