#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

// A floor of walls with a goblin to the north, so that looking around and
// the information commands only pass through the free commands.
void wallsAndAGoblin(GameState&, Floor& f, PlayerRecord& h) {
  for (int i = 0; i < kTileCount; ++i) {
    f.tileKinds[i] = "Wall";
    f.tileTexts[i] = " is a wall.";
  }
  f.tileKinds[0] = "Mon";
  f.tileCreatures[0].quibblent = "SLEEPING";
  f.tileCreatures[0].type = "GOBLIN";
  h.killScore = 4;
  h.willpower = false;
  h.quibblent = "UNINTERESTING";
}

TEST(ExploreConsole, LookHelpAndInformationTranscript) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", wallsAndAGoblin));
  const ConsoleRun run = runConsole({"Bob", "Look", "", "help", "go on", "", "info", "hello", " look"});
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const std::vector<std::string> expected = {
      "To the NORTH stands a SLEEPING GOBLIN.\nTo the NORTHEAST is a wall.\nTo the EAST is a wall.\n"
      "To the SOUTHEAST is a wall.\n[TYPE ANYTHING TO CONTINUE]",
      "To the SOUTH is a wall.\nTo the SOUTHWEST is a wall.\nTo the WEST is a wall.\nTo the NORTHWEST is a wall.",
      "Type 'status'/'inv'/'skills' to view player information.\nType 'l', 'look', or 'look around' to view all "
      "current tiles.\nType a cardinal direction ('n', 'se', etc) to go there.\nFor items, type 'use [item name]' "
      "or 'drop [item name]'.\nType 'settings' for meta options, including save/load.\n[TYPE ANYTHING TO CONTINUE]",
      "Your goal in QUIBBLENT RUDIRUVU is to descend through all \n15 floors. Fight enemies to gain money and "
      "experience (or \ntry to avoid them). Type the cardinal direction of the \nstairs when you feel ready to "
      "descend to the next floor.\nType 'info' for more miscellaneous information.",
      "...",
      "You are currently on floor 1 of 15.\nYou have killed 4 monsters.\n",
      "hi",
      "Nope. Sorry bucko. Try again.",
  };
  ASSERT_GE(run.blocks.size(), expected.size());
  const std::size_t first = run.blocks.size() - expected.size();
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(run.blocks[first + i], expected[i]) << i;
}

}  // namespace
