#include <gtest/gtest.h>

#include <optional>

#include "tests/interpreter/fight_play.h"

namespace {

class FightEndings : public FightPlay {};

TEST_F(FightEndings, DealsPricesFlightAndDatesEndTheFightOrGoOn) {
  // Columns: state, line, gold held, GameState::combatValue, tile kind,
  // scripted draws, reply, state after, gold after, tile kind after.
  struct Row {
    int fightState;
    std::string line;
    int gold;
    int value;
    std::string kind;
    std::vector<std::uint32_t> draws;
    std::string reply;
    int stateAfter;
    int goldAfter;
    std::string kindAfter;
  };
  const std::string menu = "You have 3" + kMenuTail;
  const Row rows[] = {
      {5, "y", 1, 6, "Mon", {},
       "The UNINTERESTING GOBLIN nods, pleased, and hands over\n"
       "the 6 gold. They skip off whistling a jaunty tune.\n"
       "You win!", 0, 7, ""},
      {5, "n", 1, 6, "Mon", {}, "The UNINTERESTING GOBLIN gulps, but nods and returns \n"
                                "to combat stance.\n" + menu, 2,
       1, "Mon"},
      {5, "maybe", 1, 6, "Mon", {},
       "The UNINTERESTING GOBLIN looks confused, and asks \n"
       "you to repeat yourself. 'Please', they say. 'Y or N?'",
       5, 1, "Mon"},
      {8, "y", 10, 8, "MonExit", {},
       "You begrudgingly give the UNINTERESTING GOBLIN 8 gold.\n"
       "They wander over somewhere which isn't visible on the map.\n"
       "You win!", 0, 2, "Exit"},
      {8, "1", 5, 8, "Mon", {},
       "The enemy squints and mumbles under its breath as it tries\n"
       "to count the gold you offer it... and realizes you aren't \n"
       "offering it enough!! It sees right through your scam and \n"
       "returns to attacking you without missing a beat.\n"
       "[TYPE ANYTHING TO CONTINUE]", 3, 5, "Mon"},
      {8, "n", 10, 8, "Mon", {},
       "The UNINTERESTING GOBLIN shrugs and continues attacking.\n"
       "Oh well. Their price was unreasonably steep anyways.\n"
       "[TYPE ANYTHING TO CONTINUE]", 3, 10, "Mon"},
      // What the goblin carries falls to the ground.
      {6, "x", 0, 0, "Mon", {},
       "In their haste, the enemy dropped 4 GOLD on the ground.\n"
       "You hastily scrounge it up. Better than nothing, I guess.", 0, 4, ""},
      {9, "x", 0, 0, "Mon", {},
       "Well, long story short, the two of you agree that it would \n"
       "be pretty silly to continue fighting to the death. You \n"
       "explain that you're a little busy exploring the QUIBBLENT \n"
       "DUNGEONS to go on a date right now, and they say that it's \n"
       "fine and you can come back to floor 2 if you ever want to, \n"
       "you know, hang out. You win???", 0, 0, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.fightState) + " " + row.line);
    player.gold = row.gold;
    player.skills.clear();
    player.skills.emplace_back("HEAL", 1, true);
    player.skills[0].uses = 2;
    player.skills[0].cooldownLeft = 2;
    player.stunned = true;
    beginFight(goblin, row.fightState);
    floorRecord.tileKinds[0] = row.kind;
    state.combatValue = row.value;
    state.auxCounter = 7;  // left by the enemy's draw; never gold
    dice::Script script(row.draws);
    EXPECT_EQ(type(row.line), row.reply);
    EXPECT_EQ(state.combatState, row.stateAfter);
    EXPECT_EQ(player.gold, row.goldAfter);
    EXPECT_EQ(floorRecord.tileKinds[0], row.kindAfter);
    if (row.stateAfter == 0) {
      EXPECT_FALSE(player.stunned);
      EXPECT_EQ(player.skills[0].uses, 0);
      EXPECT_EQ(player.skills[0].cooldownLeft, 1);
    }
  }
}

TEST_F(FightEndings, AWinAnnouncedWithTheEnemyUnhurtStandsAndPays) {
  // Columns: what, enemy word, hero's item ("" none), lines up to the win,
  // how the win is announced, experience won.
  struct Row {
    const char* what;
    const char* enemyWord;
    const char* item;
    std::vector<std::string> lines;
    std::string announced;
    int exp;
  };
  const Row rows[] = {
      {"LSD for a CONFUSED foe", "CONFUSED", "LSD", {"3", "1", "2"}, "The battle is over. You win!", 12},
      {"the AIRHORN for a GAMER", "GAMER", "AIRHORN", {"3", "1"}, "far away. You win???", -12},
      {"the AIRHORN for an MLG", "MLG", "AIRHORN", {"3", "1"}, "far away. You win???", -12},
      // Nothing in play confuses a CONFUSED foe yet, but the rule stands.
      {"death by confusion", "CONFUSED", "", {}, "It falls over dead.", 12},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    player = PlayerRecord();
    SetUp();
    player.exp = 50;
    state.defeatCount = 0;
    player.inventoryNames.clear();
    player.inventoryCounts = {0, 0, 0, 0, 0, 0};
    if (*row.item != '\0') player.gainItem(row.item, 1);
    Creature foe = goblin;
    foe.quibblent = row.enemyWord;
    beginFight(foe);
    std::string reply;
    for (const std::string& line : row.lines) reply = type(line);
    if (row.lines.empty()) reply = state.currentEnemy.changeQuibblent("EXISTENTIAL", state, false);
    EXPECT_NE(reply.find(row.announced), std::string::npos) << reply;
    EXPECT_EQ(state.combatState, 10);
    EXPECT_EQ(state.currentEnemy.hp, 30);

    dice::Script draws({1});  // no snicker-snack
    const std::string rewards = type("x");
    EXPECT_EQ(rewards, "You defeated the " + std::string(state.currentEnemy.quibblent) +
                           " GOBLIN handily!!\n"
                           "You gained " +
                           std::to_string(row.exp) +
                           " experience and 4 gold.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
    EXPECT_EQ(player.exp, 50 + row.exp);
    EXPECT_EQ(player.gold, 4);
    EXPECT_EQ(player.killScore, 1);
    EXPECT_TRUE(player.inventoryNames.empty());
    EXPECT_EQ(state.combatState, 13);
    type("x");
    EXPECT_EQ(state.combatState, 0);
    EXPECT_EQ(floorRecord.tileKinds[0], "");
    EXPECT_EQ(floorRecord.tileTexts[0], " lies the corpse of an enemy you killed.");
  }
}

TEST_F(FightEndings, ABossRisenFromItsAshesIsNoKillWhicheverBlowFelledIt) {
  // Columns: the blow, the lines that deal it, scripted draws.
  struct Row {
    const char* blow;
    std::vector<std::string> lines;
    std::vector<std::uint32_t> draws;
  };
  const Row rows[] = {
      {"ATTACK", {"1"}, {5}},
      {"SNEAK ATTACK", {"2", "1"}, {}},
      {"BODY TACKLE", {"2", "1"}, {0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.blow);
    player = PlayerRecord();
    SetUp();
    player.imbuement = "MATCH";
    player.skills = {Action(row.blow, 1, true)};
    Creature demon = goblin;
    demon.type = "DEMON";
    demon.quibblent = "HIGHLY FLAMMABLE";
    demon.hp = 5;
    demon.maxHp = 60;
    beginFight(demon);
    std::string reply;
    {
      dice::Script script(row.draws);
      for (const std::string& line : row.lines) reply = type(line);
    }
    EXPECT_NE(reply.find("...But it rises back out of the ashes, stronger than ever!"), std::string::npos) << reply;
    EXPECT_EQ(state.currentEnemy.hp, 60);
    EXPECT_EQ(state.combatState, 7);
    const std::string next = type("x");
    EXPECT_FALSE(next.starts_with("You defeated")) << next;
    EXPECT_EQ(player.killScore, 0);
    EXPECT_EQ(player.gold, 0);
    EXPECT_EQ(player.exp, 0);
  }
}

TEST_F(FightEndings, AHeroAlreadyAtZeroDiesAtTheEndOfTheExchange) {
  player.hp = 0;
  player.poisoned = true;
  beginFight(goblin, 7);
  const std::string page = type("x");
  EXPECT_EQ(page.rfind("You died on floor 2. GAME OVER!", 0), 0u) << page;
  EXPECT_EQ(player.hp, 0);
}

TEST_F(FightEndings, TheWrapUpFreesStairsAndTheWayOut) {
  // Columns: tile kind, creature type, hero hp, reply, kind after, text after.
  struct Row {
    std::string kind;
    std::string creatureType;
    int hp;
    std::string reply;
    std::string kindAfter;
    std::string textAfter;
  };
  const Row rows[] = {
      {"MonExit", "GOBLIN", 40,
       "The stairs the enemy was guarding are now open for the\n"
       "explorin'.",
       "Exit", " are the dungeon stairs, now free to enter."},
      {"FinalMon", "HELLSATAN", 40,
       "HELLSATAN vaporizes into nothingness, revealing the stairs\n"
       "that will lead you out of the QUIBBLENT DUNGEON for good!",
       "FinalExit", " holds the exit to the dungeon!!"},
      {"Mon", "DRAGON", 3,
       "You take a little breather after the encounter to catch your \n"
       "breath. Fighting to the death is really hard!",
       "DragTreasure", " lies a pile of dragon's treasure! Huzzah!"},
      {"Mon", "GOBLIN", 20,
       "You take a deep breath and dust yourself off. Boy, combat \n"
       "sure is tiring sometimes!",
       "", " lies the corpse of an enemy you killed."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind + " " + row.creatureType);
    Creature fallen = goblin;
    fallen.type = row.creatureType;
    fallen.hp = 0;
    player.hp = row.hp;
    beginFight(fallen, 13);
    floorRecord.tileKinds[0] = row.kind;
    EXPECT_EQ(type("x"), row.reply);
    EXPECT_EQ(state.combatState, 0);
    EXPECT_EQ(floorRecord.tileKinds[0], row.kindAfter);
    EXPECT_EQ(floorRecord.tileTexts[0], row.textAfter);
  }
}

TEST_F(FightEndings, SomeFoesLeaveSomethingBehindWhenTheyFall) {
  // Columns: what the row shows, enemy word, hero weapon word, value the
  // killing blow left, empty tiles, scripted draws (none: the seeded rolls,
  // as the new creatures of a burst roll their own stats), line the page
  // holds, hero hp after.
  struct Row {
    const char* shows;
    std::string enemyWord;
    std::string weaponWord;
    int blowValue;
    std::vector<int> emptyTiles;
    std::vector<std::uint32_t> draws;
    std::string line;
    int hpAfter;
  };
  const Row rows[] = {
      {"a knowing foe tells a secret", "KNOWLEDGEABLE", "UNINTERESTING", 0, {}, {1},
       "You feel a flash of insight after killing the enemy...\n"
       "Type 'secret' to access this floor's secret room!\n",
       40},
      {"a metalhead goes out in a blaze", "METALHEAD", "UNINTERESTING", 0, {}, {1},
       "The enemy goes out in a totally METAL blaze of glory, \n"
       "dealing 16 damage to you!! You are now at 24 / 40 HP.\n",
       24},
      {"a vorpal sword snicker-snacks", "UNINTERESTING", "VORPAL", 700, {}, {0},
       "One two, one two! Your VORPAL SWORD goes snicker-snack!\n"
       "The UNINTERESTING GOBLIN is soundly bested!\n"
       "You gained a boosted 18 experience",
       40},
      {"but only after a plain attack", "UNINTERESTING", "VORPAL", 0, {}, {0}, "You gained 12 experience", 40},
      {"a vorpal foe bursts in two", "VORPAL", "UNINTERESTING", 0, {3, 5}, {},
       "The enemy gyres, and gimbles... POP! \n"
       "It bursts into a FRUMIOUS and a WHIFFLING GOBLIN!!\n", 40},
      {"or one, with one tile free", "VORPAL", "UNINTERESTING", 0, {6}, {},
       "The enemy gyres, and gimbles... POP!\n"
       "It bursts, spawning a FRUMIOUS GOBLIN!!\n",
       40},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.hp = 40;
    player.defence = 2;
    player.equipment[0].quibblent = row.weaponWord;
    floorRecord.secretRoomKnown = false;
    Creature fallen = goblin;
    fallen.quibblent = row.enemyWord;
    fallen.attack = 10;
    fallen.hp = 0;
    beginFight(fallen, 10);
    for (int tile = 1; tile < 8; ++tile) floorRecord.tileKinds[tile] = "NPC";
    for (const int tile : row.emptyTiles) floorRecord.tileKinds[tile] = "";
    state.combatValue = row.blowValue;
    std::optional<dice::Script> script;
    if (!row.draws.empty()) script.emplace(row.draws);
    testing::internal::CaptureStdout();
    const std::string page = type("x");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(page.find(row.line), std::string::npos) << page;
    EXPECT_EQ(player.hp, row.hpAfter);
    if (row.enemyWord == "VORPAL" && row.emptyTiles.size() == 2) {
      EXPECT_NE(printed.find("loaded a FRUMIOUS GOBLIN at "), std::string::npos) << printed;
      EXPECT_NE(printed.find("loaded a WHIFFLING GOBLIN at "), std::string::npos) << printed;
      EXPECT_EQ(floorRecord.tileKinds[3], "Mon");
      EXPECT_EQ(floorRecord.tileKinds[5], "Mon");
      EXPECT_EQ(floorRecord.tileCreatures[3].type, "GOBLIN");
    }
  }
}

}  // namespace
