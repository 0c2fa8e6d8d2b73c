#include <gtest/gtest.h>
#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"
TEST(CraftedRun, TileEditSurvivesTheSaveAndLoadsAtTheNamePrompt) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", [](GameState&, Floor& f, PlayerRecord& h) {
    f.tileKinds[0] = "Wall";
    h.gold = 777;
  }));
  const ConsoleRun run = runConsole({"Bob", "status"});
  ASSERT_GE(run.blocks.size(), 2u);
  EXPECT_NE(slurp("saves/Bob.txt").find("777"), std::string::npos);
}
