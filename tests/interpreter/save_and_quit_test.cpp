#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"

namespace {

const char kOverwriteQuestion[] = "There is already a save file with name Bob.\n"
                                  "Would you like to overwrite it? (Y/N)";
const char kQuitQuestion[] = "Would you like to save before quitting? (Y/N)\n"
                             "Type nothing to cancel and return to the game.";
const char kSaveFailed[] = "Uh oh. File Bob could not be saved! Your run is NOT saved. \n"
                           "Check that the saves folder can be written to.";

void breakTheSavesFolder() {
  std::filesystem::remove_all("saves");
  spit("saves", "not a folder");
}

TEST_F(PromptPlay, SaveWritesANewFileAndAsksBeforeWritingOverOne) {
  startRun("Bob", "2");
  state.lastReplyKind = 4;
  EXPECT_EQ(type("save"), "Saved file Bob!");
  EXPECT_EQ(state.lastReplyKind, 1);
  const std::string written = slurp("saves/Bob.txt");
  EXPECT_EQ(written.substr(0, 13), "[PLAYER]\n"
                                   "Bob\n");
  player.gold = 999;
  EXPECT_EQ(type("SAVE"), kOverwriteQuestion);
  EXPECT_EQ(state.pendingPrompt, 15);
  EXPECT_EQ(slurp("saves/Bob.txt"), written);
}

TEST_F(PromptPlay, RunCommandsOpenTheirPromptsAsOrdinaryReplies) {
  // Columns: command, prompt afterwards, load prompt open afterwards.
  struct Row {
    std::string command;
    int promptAfter;
    bool loadPromptOpen;
  };
  const std::vector<Row> rows = {
      {"load", 2, true}, {"give up", 16, false}, {"quit", 28, false}, {"exit", 28, false}};
  for (const Row& row : rows) {
    state.pendingPrompt = 2;
    state.loadPromptOpen = false;
    state.lastReplyKind = 4;
    type(row.command);
    EXPECT_EQ(state.lastReplyKind, 1) << row.command;
    EXPECT_EQ(state.pendingPrompt, row.promptAfter) << row.command;
    EXPECT_EQ(state.loadPromptOpen, row.loadPromptOpen) << row.command;
  }
}

TEST_F(PromptPlay, ASaveThatCannotBeReadIsNeverWrittenOverWithoutAsking) {
  startRun("Bob", "2");
  spit("saves/Bob.txt", "scribbles that are no save at all");
  EXPECT_EQ(type("save"), kOverwriteQuestion);
  EXPECT_EQ(type("n"), "Aye aye, sir. No saving today.");
  EXPECT_EQ(slurp("saves/Bob.txt"), "scribbles that are no save at all");

  std::filesystem::remove("saves/Bob.txt");
  std::filesystem::create_directory("saves/Bob.txt");
  EXPECT_EQ(type("save"), kOverwriteQuestion);
  type("n");
  EXPECT_TRUE(std::filesystem::is_directory("saves/Bob.txt"));
}

TEST_F(PromptPlay, ASaveThatFailsIsNeverReportedAsSaved) {
  startRun("Bob", "2");
  breakTheSavesFolder();
  EXPECT_EQ(type("save"), kSaveFailed);
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(slurp("saves"), "not a folder");
}

TEST_F(PromptPlay, QuitAsksAboutSavingFirst) {
  // Columns: answer, reply, window closes, save written, prompt afterwards.
  struct Row {
    std::string answer;
    std::string reply;
    bool closes;
    bool written;
    int promptAfter;
  };
  const std::vector<Row> rows = {
      {"", "Okay. Tell the goblins I said hi.", false, false, 2},
      {"maybe", "ExCUSE me. Will you save before quitting, Y or N?", false, false, 28},
      {" ", "ExCUSE me. Will you save before quitting, Y or N?", false, false, 28},
      {"no", "byeeeeeee", true, false, 28},
      {"2", "byeeeeeee", true, false, 28},
      {"y", "byeeeeeee", true, true, 28},
      {"1", "byeeeeeee", true, true, 28},
  };
  startRun("Bob", "3");
  for (const std::string command : {"quit", "exit", "QUIT"}) {
    for (const Row& row : rows) {
      std::filesystem::remove("saves/Bob.txt");
      state.closeRequested = false;
      state.pendingPrompt = 2;
      ASSERT_EQ(type(command), kQuitQuestion);
      testing::internal::CaptureStdout();
      EXPECT_EQ(type(row.answer), row.reply) << command << " " << row.answer;
      const std::string printed = testing::internal::GetCapturedStdout();
      EXPECT_EQ(printed.find("closing game window...") != std::string::npos, row.closes)
          << command << " " << row.answer << ": " << printed;
      EXPECT_EQ(state.closeRequested, row.closes) << command << " " << row.answer;
      EXPECT_EQ(fileExists("saves/Bob.txt"), row.written) << command << " " << row.answer;
      EXPECT_EQ(state.pendingPrompt, row.promptAfter) << command << " " << row.answer;
    }
  }
}

TEST_F(PromptPlay, QuittingWithASaveThatFailsKeepsTheGameOpen) {
  startRun("Bob", "3");
  breakTheSavesFolder();
  type("quit");
  testing::internal::CaptureStdout();
  const std::string reply = type("y");
  EXPECT_EQ(testing::internal::GetCapturedStdout().find("closing game window..."), std::string::npos);
  EXPECT_EQ(reply.substr(0, std::string(kSaveFailed).size()), kSaveFailed);
  EXPECT_FALSE(state.closeRequested);
  EXPECT_EQ(state.pendingPrompt, 28);
  // Mended, the save goes through and the game closes.
  std::filesystem::remove("saves");
  EXPECT_EQ(type("y"), "byeeeeeee");
  EXPECT_TRUE(state.closeRequested);
  EXPECT_TRUE(fileExists("saves/Bob.txt"));
}

TEST_F(PromptPlay, GivingUpMakesTheNextLineTheDeathPage) {
  startRun("Bob", "1");
  EXPECT_EQ(type("give up"), "You can't handle the stress anymore - dungeoneering is just \n"
                             "too difficult for you. You give up and lie down on the \n"
                             "ground, mentally defeated.\n"
                             "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(state.pendingWord, "giveup");
  player.willpower = true;  // giving up is final all the same
  const std::string reply = type("look");
  EXPECT_EQ(reply.substr(0, 20), "You died. GAME OVER.");
  EXPECT_EQ(state.pendingPrompt, 42);
  EXPECT_EQ(slurp("saves/Bob.txt").substr(0, 12), "[DEAD FILE]\n");
}

TEST_F(PromptPlay, NewGameAfterADeathStartsOverFromTheNamePrompt) {
  startRun("Bob", "1");
  type("give up");
  type("");
  state.dialogueStage = 12;
  state.achievementsViewerOpen = 1;
  state.combatState = 5;
  EXPECT_EQ(type("maybe"), "Come on, it's not that complicated a question. \n"
                           "Will you start a new game, Y or N?");
  EXPECT_EQ(state.pendingPrompt, 42);
  const int deathMusic = state.musicTrack;
  EXPECT_EQ(type("y"), kNameQuestion);
  EXPECT_EQ(state.previousMusicTrack, deathMusic);
  EXPECT_TRUE(state.namePromptOpen);
  EXPECT_FALSE(state.gameOver);
  EXPECT_TRUE(player.name.empty());
  EXPECT_TRUE(player.playerClass.empty());
  EXPECT_EQ(floorRecord.floorNumber, 0);
  EXPECT_EQ(floorRecord.tileKinds, (std::array<std::string, 8>{}));
  EXPECT_EQ(state.pendingPrompt, 1);
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(state.dialogueStage, 0);
  EXPECT_EQ(state.achievementsViewerOpen, 0);
  EXPECT_EQ(state.musicTrack, -10);
  // The old name is a memorial now; a new name starts a new adventurer.
  EXPECT_EQ(type("Cy"), std::string("Your name is: Cy") + kClassListReply);
  type("2");
  EXPECT_EQ(type("").substr(0, 30), "Cy, a level 1 CONVICT charged ");
  EXPECT_EQ(player.attack, 3 + player.equipment[0].attack);
}

TEST_F(PromptPlay, NoNewGameAfterADeathLeadsToTheLastPage) {
  openPrompt(42);
  EXPECT_EQ(type("n"), "Ok, fuck off then.");
  EXPECT_EQ(state.pendingPrompt, 18);
  EXPECT_EQ(type(""), "byeeee");
  EXPECT_TRUE(state.closeRequested);
}

TEST_F(PromptPlay, TheIllegibleScrollsPrank) {
  player.quibblent = "UNINTERESTING";
  state.moveDirection = 3;
  openPrompt(46);
  const std::string boo = type("");
  // Six lines of 60 characters: the BOO, then laughter all the way.
  const auto has = [](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "HA";
    return text;
  };
  std::string laughter = "BOO!!!!!!!!! " + has(23) + "H";
  for (int line = 0; line < 5; ++line) laughter += "\n" + has(30);
  EXPECT_EQ(boo, laughter);
  std::vector<std::size_t> lineLengths;
  std::size_t start = 0;
  for (std::size_t end; (end = boo.find('\n', start)) != std::string::npos; start = end + 1) {
    lineLengths.push_back(end - start);
  }
  lineLengths.push_back(boo.size() - start);
  EXPECT_EQ(lineLengths, std::vector<std::size_t>(6, 60));
  EXPECT_EQ(floorRecord.tileScrollTiers[3].tier, 10);
  EXPECT_EQ(player.quibblent, "FRIGHTENED");
  EXPECT_EQ(state.pendingPrompt, 47);
  EXPECT_EQ(type("what"), "Heheheheh... Stay on your toes!! Hee hee hee...");
  EXPECT_EQ(state.pendingPrompt, 2);
}

}  // namespace
