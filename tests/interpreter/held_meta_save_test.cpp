// A meta save that stands in saves/ but could not be read at start is never
// replaced: every step that would write it holds the change for the session
// and its reply says the change was not saved.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "persistence/meta_save.h"
#include "tests/interpreter/prompt_play.h"
#include "tests/support/odd_files.h"
#include "tests/support/captured_output.h"

namespace {

// Far larger than a meta save can be, so the game refuses to read it; its
// first lines are a real profile's.
const std::string kUnreadableMeta = kPrizedMetaSave + std::string(200000, ' ');

class HeldMetaSave : public PromptPlay {
 protected:
  void SetUp() override {
    startRun("Kay", "2");
    spit("saves/meta-save.txt", kUnreadableMeta);
    CapturedOutput quiet;
    readOrCreateMetaSave(state);
    ASSERT_TRUE(state.metaSaveHeld);
  }
};

TEST_F(HeldMetaSave, EveryStepThatWouldWriteItSaysTheChangeWasNotSaved) {
  // Columns: what the step is, how it is set up, the line typed, what its
  // reply starts with, and what the session holds afterwards.
  struct Row {
    const char* step;
    std::function<void()> prepare;
    std::string line;
    std::string replyStart;
    std::function<bool()> held;
  };
  const std::vector<Row> rows = {
      {"a setting", [] {}, "music 0", "Music disabled!", [&] { return !state.musicOn; }},
      {"a window setting", [] {}, "resolution 3", "Resolution set to 2x size!",
       [&] { return state.resolution == 3 && state.recreateWindow; }},
      {"the first help, which retires the combat hint", [&] { state.firstCombatHint = true; }, "help", "",
       [&] { return !state.firstCombatHint; }},
      {"a load, which retires the combat hint",
       [&] {
         ASSERT_EQ(type("save"), "Saved file Kay!");
         state.firstCombatHint = true;
         type("load");
       },
       "Kay", "Loaded file Kay successfully!", [&] { return !state.firstCombatHint; }},
      {"an achievement earned at level 10",
       [&] {
         player.level = 9;
         player.exp = 8100;
         openPrompt(40);
       },
       "anything", "LEVEL UP!! You are now level 10!", [&] { return state.achievements[14] == "Kay"; }},
      {"the death page, which records the deepest floor",
       [&] {
         player.hp = 0;
         player.quibblent = "UNINTERESTING";
         player.willpower = false;
         player.imbuement.clear();
         floorRecord.floorNumber = 9;
         state.pendingWord = "GOBLIN";
         openPrompt(16);
       },
       "", "You died on floor 9. GAME OVER!", [&] { return state.deepestFloor == 9; }},
  };
  for (const Row& row : rows) {
    row.prepare();
    CapturedOutput out;
    const std::string reply = type(row.line);
    EXPECT_TRUE(reply.starts_with(row.replyStart)) << row.step << ": " << reply;
    EXPECT_TRUE(reply.ends_with(kMetaNotSavedTail)) << row.step << ": " << reply;
    EXPECT_EQ(reply.find(kMetaNotSavedTail), reply.size() - std::string(kMetaNotSavedTail).size())
        << row.step << ": told once";
    EXPECT_TRUE(row.held()) << row.step;
    EXPECT_EQ(slurp("saves/meta-save.txt"), kUnreadableMeta) << row.step;
  }
}

TEST_F(HeldMetaSave, AStepThatWritesNothingIsNotTold) {
  state.firstCombatHint = false;
  EXPECT_FALSE(type("help").ends_with(kMetaNotSavedTail));
  EXPECT_FALSE(type("info").ends_with(kMetaNotSavedTail));
}

TEST_F(HeldMetaSave, TheWinPageTellsInItsOwnWordsOnly) {
  player.quibblent = "VICTORIOUS";
  openPrompt(54);
  const std::string win = type("anything");
  EXPECT_NE(win.find("\n"
                     "Your achievements could NOT be saved.\n"),
            std::string::npos)
      << win;
  EXPECT_TRUE(win.ends_with("[TYPE ANYTHING TO CLOSE GAME WINDOW]")) << win;
  EXPECT_EQ(state.victoryCount, 1);
  EXPECT_EQ(slurp("saves/meta-save.txt"), kUnreadableMeta);
}

}  // namespace
