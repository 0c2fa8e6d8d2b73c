#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"

namespace {

const char kMemorialWritten[] = "\n"
                                "\n"
                                "Your save file has been updated; it is now a memorial for \n"
                                "your fallen adventurer.\n"
                                "\n"
                                "Would you like to start a new game? (Y/N)";
const char kPlainDeath[] = "You died. GAME OVER.";
const char kMetalheadOutside[] =
    "No... no, you're too METAL to die! Death is for FUCKING \n"
    "PANSIES! You use all your METALHEAD POWER to stand back up \n"
    "and pull yourself together, heedless of your wounds. \n"
    "Congratulations, you just survived your own death!";
const char kWillpowerOutside[] =
    "No... it isn't over. Dammit, it isn't over!\n"
    "You rise from the ashes of death, ready to keep fighting.\n"
    "You may have shrugged off death this time, but you won't be \n"
    "so lucky in the future...";
const char kZombieOutside[] =
    "As your body hits the floor, you begin to feel the dark \n"
    "energies within you growing... You rise again, with no \n"
    "thoughts except an inescapable hunger for the flesh of \n"
    "your enemies. Gruuuuhhhhhh...";
const char kEnemyTurnTail[] = "\n"
                              "It is now the enemy's turn.\n"
                              "[TYPE ANYTHING TO CONTINUE]";

std::string firstLineOf(const std::string& path) {
  const std::string text = slurp(path);
  return text.substr(0, text.find('\n'));
}

class DeathPlay : public PromptPlay {
 protected:
  // A CONVICT on floor 3 whose hp just reached 0 by `cause`.
  void dieOf(const std::string& cause) {
    player.name = "Bob";
    player.playerClass = "CONVICT";
    player.hp = 0;
    player.maxHp = 41;
    player.dodges = 3;
    floorRecord.floorNumber = 3;
    state.pendingWord = cause;
    openPrompt(16);
  }
};

TEST_F(DeathPlay, TheFirstWayOutThatAppliesDecidesTheHerosFate) {
  // Columns: cause, quibblent, turns left, willpower, imbuement, reply, prompt
  // afterwards, class and hp afterwards.
  struct Row {
    std::string cause;
    std::string quibblent;
    int turnsLeft;
    bool willpower;
    std::string imbuement;
    std::string reply;
    int promptAfter;
    std::string classAfter;
    int hpAfter;
  };
  const std::string plain = std::string(kPlainDeath) + kMemorialWritten;
  const std::string onFloor = std::string("You died on floor 3. GAME OVER!") + kMemorialWritten;
  const std::vector<Row> rows = {
      {"giveup", "METALHEAD", 99, true, "NECRONOMICON", plain, 42, "CONVICT", 0},
      {"vortex", "UNINTERESTING", 99, true, "NECRONOMICON", plain, 42, "CONVICT", 0},
      {"hologram", "UNINTERESTING", 99, true, "", plain, 42, "CONVICT", 0},
      {"GOBLIN", "CURSED", 0, true, "NECRONOMICON", plain, 42, "CONVICT", 0},
      {"GOBLIN", "CURSED", 4, true, "NECRONOMICON", kWillpowerOutside, 0, "CONVICT", 20},
      {"GOBLIN", "METALHEAD", 99, true, "NECRONOMICON", kMetalheadOutside, 0, "CONVICT", 10},
      {"GOBLIN", "UNINTERESTING", 99, true, "NECRONOMICON", kWillpowerOutside, 0, "CONVICT", 20},
      {"GOBLIN", "UNINTERESTING", 99, false, "NECRONOMICON", kZombieOutside, 0, "ZOMBIE", 160},
      {"GOBLIN", "UNINTERESTING", 99, false, "LSD", onFloor, 42, "CONVICT", 0},
  };
  for (const Row& row : rows) {
    std::filesystem::remove("saves/Bob.txt");
    state.resetPlayerForNewRun(player);
    dieOf(row.cause);
    player.quibblent = row.quibblent;
    player.quibblentTurnsLeft = row.turnsLeft;
    player.willpower = row.willpower;
    player.imbuement = row.imbuement;
    state.gameOver = false;
    EXPECT_EQ(type("look"), row.reply) << row.cause << " " << row.quibblent;
    EXPECT_EQ(state.pendingPrompt, row.promptAfter) << row.cause << " " << row.quibblent;
    EXPECT_EQ(player.playerClass, row.classAfter) << row.cause << " " << row.quibblent;
    EXPECT_EQ(player.hp, row.hpAfter) << row.cause << " " << row.quibblent;
    const bool over = row.promptAfter == 42;
    EXPECT_EQ(state.gameOver, over);
    EXPECT_EQ(firstLineOf("saves/Bob.txt"), over ? "[DEAD FILE]" : "") << row.cause << " " << row.quibblent;
  }
}

TEST_F(DeathPlay, EachRevivalSpendsWhatSavedTheHero) {
  dieOf("GOBLIN");
  player.quibblent = "METALHEAD";
  player.willpower = true;  // a METALHEAD's willpower goes with the word
  player.poisoned = true;
  type("");
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_FALSE(player.willpower);
  EXPECT_FALSE(player.poisoned);

  dieOf("GOBLIN");
  player.willpower = true;
  player.quibblent = "ELITE";
  player.quibblentTimed = true;
  player.poisoned = true;
  type("");
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_EQ(player.dodges, 0);
  EXPECT_FALSE(player.willpower);
  EXPECT_FALSE(player.poisoned);

  dieOf("GOBLIN");
  player.imbuement = "NECRONOMICON";
  player.gainItem("MATCH", 2);
  player.learnSkill("PISS OFF");
  type("");
  ASSERT_EQ(player.skills.size(), 1u);
  EXPECT_EQ(player.skills[0].name, "EAT");
  EXPECT_TRUE(player.inventoryNames.empty());
  EXPECT_EQ(player.attack, 24);
  EXPECT_EQ(player.defence, 10);
  EXPECT_TRUE(player.imbuement.empty());
  // Both are spent: the next death ends the run.
  dieOf("GOBLIN");
  EXPECT_EQ(type(""), std::string("You died on floor 3. GAME OVER!") + kMemorialWritten);
}

TEST_F(DeathPlay, RevivalWithHitPointsLeftKeepsThem) {
  dieOf("lsd");
  player.hp = 7;
  player.willpower = true;
  type("");
  EXPECT_EQ(player.hp, 7);
}

TEST_F(DeathPlay, RisingInAFightHandsTheFightOnWhereItStands) {
  // Columns: enemy hp, hero exp, imbuement, fight state afterwards.
  struct Row {
    int enemyHp;
    int exp;
    bool zombie;
    int fightStateAfter;
  };
  const std::vector<Row> rows = {
      {5, 0, false, 3},
      {0, 0, false, 13},
      {0, 100, false, 12},
      {0, 100, true, 13},
      // An enemy pushed below 0 is as dead as one at 0 and gets no turn.
      {-4, 0, false, 13},
  };
  for (const Row& row : rows) {
    state.resetPlayerForNewRun(player);
    dieOf("GOBLIN");
    state.combatState = 2;
    state.currentEnemy.hp = row.enemyHp;
    player.exp = row.exp;
    player.expForNextLevel = 100;
    if (row.zombie) {
      player.imbuement = "NECRONOMICON";
    } else {
      player.willpower = true;
    }
    const std::string reply = type("");
    EXPECT_EQ(state.combatState, row.fightStateAfter) << row.enemyHp << " " << row.exp;
    EXPECT_EQ(reply.substr(reply.size() - std::string(kEnemyTurnTail).size()), kEnemyTurnTail);
    EXPECT_EQ(state.pendingPrompt, 0);
  }
}

TEST_F(DeathPlay, PlainDeathKeepsTheFightAndTheDeepestFloorButTheLastDeathClearsAndRaisesThem) {
  dieOf("giveup");
  state.combatState = 2;
  state.deepestFloor = 1;
  type("");
  EXPECT_EQ(state.combatState, 2);
  EXPECT_EQ(state.deepestFloor, 1);
  EXPECT_EQ(state.musicTrack, -11);

  dieOf("GOBLIN");
  state.combatState = 2;
  type("");
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(state.deepestFloor, 3);
  EXPECT_EQ(state.auxCounter, 0);
}

TEST_F(DeathPlay, AnLsdDeathNamesItsAchievementOnlyOnce) {
  dieOf("lsd");
  type("");
  EXPECT_EQ(state.achievements[15], "Bob");
  // The achievement and the deepest floor are in the meta save at once:
  // achievement slots are its lines 8 to 25, the deepest floor line 26.
  std::vector<std::string> metaLines;
  std::istringstream meta(slurp("saves/meta-save.txt"));
  for (std::string metaLine; std::getline(meta, metaLine);) metaLines.push_back(metaLine);
  ASSERT_EQ(metaLines.size(), 28u);
  EXPECT_EQ(metaLines[7 + 15], "Bob");
  EXPECT_EQ(metaLines[25], "3");
  player.name = "Cy";
  dieOf("lsd");
  type("");
  EXPECT_EQ(state.achievements[15], "Bob");
  dieOf("GOBLIN");
  state.achievements[15].clear();
  type("");
  EXPECT_TRUE(state.achievements[15].empty());
}

TEST_F(DeathPlay, AMemorialThatCannotBeWrittenIsNotReportedAsWritten) {
  std::filesystem::remove_all("saves");
  spit("saves", "not a folder");
  for (const std::string cause : {"giveup", "GOBLIN"}) {
    dieOf(cause);
    const std::string reply = type("");
    EXPECT_EQ(reply.find("has been updated"), std::string::npos) << reply;
    EXPECT_NE(reply.find("could NOT be updated"), std::string::npos) << reply;
    EXPECT_NE(reply.find("Would you like to start a new game? (Y/N)"), std::string::npos);
    EXPECT_EQ(state.pendingPrompt, 42);
  }
}

TEST_F(PromptPlay, OverwriteQuestionWritesOnlyOnYes) {
  startRun("Bob", "1");
  const std::string old = "an older save of Bob";
  spit("saves/Bob.txt", old);
  // Columns: answer, reply, prompt afterwards, whether the file is rewritten.
  struct Row {
    std::string answer;
    std::string reply;
    int promptAfter;
    bool rewritten;
  };
  const std::vector<Row> rows = {
      {"maybe", "Listen here you little brat. Are you overwriting \n"
                "your save or not, Y or N?", 15, false},
      {"", "Listen here you little brat. Are you overwriting \n"
           "your save or not, Y or N?", 15, false},
      {"no", "Aye aye, sir. No saving today.", 2, false},
      {"2", "Aye aye, sir. No saving today.", 2, false},
      {"Yes", "Saved file Bob!", 2, true},
  };
  for (const Row& row : rows) {
    openPrompt(15);
    EXPECT_EQ(type(row.answer), row.reply) << row.answer;
    EXPECT_EQ(state.pendingPrompt, row.promptAfter) << row.answer;
    EXPECT_EQ(slurp("saves/Bob.txt") != old, row.rewritten) << row.answer;
  }
  EXPECT_EQ(firstLineOf("saves/Bob.txt"), "[PLAYER]");
}

TEST_F(PromptPlay, OverwriteThatFailsSaysSo) {
  startRun("Bob", "1");
  std::filesystem::remove_all("saves");
  spit("saves", "not a folder");
  openPrompt(15);
  EXPECT_EQ(type("y"), "Uh oh. File Bob could not be saved! Your run is NOT saved. \n"
                       "Check that the saves folder can be written to.");
  EXPECT_EQ(state.pendingPrompt, 2);
}

}  // namespace
