// Console transcripts of the settings commands, the achievements viewer and
// the way out of the last floor, with the meta save read back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

std::vector<std::string> metaLines() {
  std::istringstream in(slurp("saves/meta-save.txt"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SettingsConsole, EachSettingIsWrittenAtOnceAndOddValuesAreRefused) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Sam", "1", nullptr));
  const ConsoleRun run =
      runConsole({"Sam", "mute 1", "music 2", "Full Screen 1", "resolution 2", "fullscreen 0", "resolution 3",
                  "autosave 0", "autosave"});
  ASSERT_EQ(run.blocks.size(), 10u) << run.rawOutput;
  EXPECT_EQ(run.blocks[2], "Music disabled!");
  EXPECT_EQ(run.blocks[3], "Nope. Sorry bucko. Try again.");
  EXPECT_EQ(run.blocks[4], "Fullscreen enabled!");
  EXPECT_EQ(run.blocks[5], "You cannot change the resolution in fullscreen mode!!");
  EXPECT_EQ(run.blocks[6], "Fullscreen disabled!");
  EXPECT_EQ(run.blocks[7], "Resolution set to 2x size!");
  EXPECT_EQ(run.blocks[8], "Autosaves disabled!");
  EXPECT_TRUE(run.blocks[9].starts_with("Type 'autosave 1' to enable auto-saving"));
  const std::vector<std::string> meta = metaLines();
  ASSERT_GE(meta.size(), 5u);
  EXPECT_EQ(meta[0], "[META]");
  EXPECT_EQ(meta[1], "0") << "autosave";
  EXPECT_EQ(meta[2], "0") << "full screen";
  EXPECT_EQ(meta[3], "0") << "music";
  EXPECT_EQ(meta[4], "3") << "resolution";
}

TEST(ViewerConsole, TheHallOfFameOpensThePagesAndExitLeaves) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Sam", "1", nullptr));
  const ConsoleRun run = runConsole({"Sam", "achievements", "8", "north", "EXIT", "north"});
  ASSERT_EQ(run.blocks.size(), 7u) << run.rawOutput;
  EXPECT_EQ(run.blocks[3], "ACHIEVEMENT #8 - \"Dragon-Slayer\"\n"
                           "\n"
                           "This achievement is currently locked.");
  EXPECT_EQ(run.blocks[4], "Type a number (1-18) to read the achievement description, \n"
                           "or 'exit' to return to the main game.\n"
                           "\n"
                           "Highest floor: 1.");
  EXPECT_EQ(run.blocks[5], "Welcome back to the dungeons, Sam.\n"
                           "You are currently on floor 1.");
  EXPECT_NE(run.blocks[6], run.blocks[4]) << "the hero walks again once the viewer is closed";
}

TEST(VictoryConsole, TheDoorOutOfTheLastFloorWinsTheRunAndClosesTheWindow) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Sam", "2", [](GameState&, Floor& f, PlayerRecord&) {
    f.floorNumber = 16;
    f.tileKinds[0] = "ExitDoor";
  }));
  const ConsoleRun run = runConsole({"Sam", "north", "onward", "bye", "never read"});
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 5u) << run.rawOutput;
  EXPECT_TRUE(run.blocks[2].ends_with("You are now VICTORIOUS.\n"
                                      "[TYPE ANYTHING TO COMPLETE THE GAME]"));
  EXPECT_TRUE(run.blocks[3].starts_with("YOU WIN! Thank you for playing.\n"
                                        "Sam's save file has been updated to reflect your win.\n"
                                        "Total time: "))
      << run.blocks[3];
  EXPECT_EQ(run.blocks[4], "byeeeeeee");
  EXPECT_TRUE(slurp("saves/Sam.txt").starts_with("[VICTORIOUS FILE]"));
  const std::vector<std::string> meta = metaLines();
  ASSERT_EQ(meta.size(), 28u);
  EXPECT_EQ(meta[7], "Sam") << "achievement 1";
  EXPECT_EQ(meta[9], "Sam") << "achievement 3, won as CONVICT";
  EXPECT_EQ(meta[25], "16");
  EXPECT_EQ(meta[26], "1");
}

}  // namespace
