// Transcripts of the console walking onto tiles of a crafted run.
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

TEST(TileTranscript, AWallAStatueAndTheStairsDown) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", [](GameState&, Floor& f, PlayerRecord&) {
    f.tileKinds[0] = "Wall";
    f.tileKinds[2] = "Statue";
    f.tileKinds[4] = "Exit";
  }));
  const ConsoleRun run = runConsole({"Bob", "north", "e", "south"});
  ASSERT_EQ(run.blocks.size(), 5u) << run.rawOutput;
  EXPECT_EQ(run.blocks[2], "...there's nothing there...");
  EXPECT_EQ(run.blocks[3],
            "You stare at the statue. A large, tentacled beast, crafted \n"
            "from finely polished granite, stares back. You are unnerved \n"
            "by its piercing eyes, which seem to follow your movements... ");
  EXPECT_EQ(run.blocks[4],
            "These stairs will lead you to floor 2 of the QUIBBLENT \n"
            "DUNGEONS. Would you like to progress? (Y/N)\n"
            "\n"
            "[WARNING: YOU WILL NOT BE ABLE TO GO BACK UP TO PREVIOUS \n"
            "FLOORS AFTER DESCENDING]");
}

TEST(TileTranscript, AMonsterTileGivesTheHeroTheFirstGo) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "1", [](GameState&, Floor& f, PlayerRecord&) {
    f.tileKinds[6] = "Mon";
    f.tileCreatures[6].quibblent = "HAIRY";
    f.tileCreatures[6].type = "GOBLIN";
  }));
  const ConsoleRun run = runConsole({"Bob", "west"});
  ASSERT_EQ(run.blocks.size(), 3u) << run.rawOutput;
  EXPECT_EQ(run.blocks[2], "Beginning combat with HAIRY GOBLIN...\n"
                           "You have first go.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
}

}  // namespace
