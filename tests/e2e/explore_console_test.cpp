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
      "To the NORTH stands a SLEEPING GOBLIN.\n"
      "To the NORTHEAST is a wall.\n"
      "To the EAST is a wall.\n"
      "To the SOUTHEAST is a wall.\n"
      "[TYPE ANYTHING TO CONTINUE]",
      "To the SOUTH is a wall.\n"
      "To the SOUTHWEST is a wall.\n"
      "To the WEST is a wall.\n"
      "To the NORTHWEST is a wall.",
      "Type 'status'/'inv'/'skills' to view player information.\n"
      "Type 'l', 'look', or 'look around' to view all current tiles.\n"
      "Type a cardinal direction ('n', 'se', etc) to go there.\n"
      "For items, type 'use [item name]' or 'drop [item name]'.\n"
      "Type 'settings' for meta options, including save/load.\n"
      "[TYPE ANYTHING TO CONTINUE]",
      "Your goal in QUIBBLENT RUDIRUVU is to descend through all \n"
      "15 floors. Fight enemies to gain money and experience (or \n"
      "try to avoid them). Type the cardinal direction of the \n"
      "stairs when you feel ready to descend to the next floor.\n"
      "Type 'info' for more miscellaneous information.",
      "...",
      "You are currently on floor 1 of 15.\n"
      "You have killed 4 monsters.\n",
      "hi",
      "Nope. Sorry bucko. Try again.",
  };
  ASSERT_GE(run.blocks.size(), expected.size());
  const std::size_t first = run.blocks.size() - expected.size();
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(run.blocks[first + i], expected[i]) << i;
}

}  // namespace

namespace {

const char kStairsText[] = ", the EXIT STAIRS beckon you to go down.";

// The first floor shut in by walls but for the stairs to the east; the fate
// of hard mode (which lets the first floors ambush) is kept away.
void stairsToTheEast(GameState& state, Floor& f, PlayerRecord&) {
  state.fateValue = 1;
  for (int i = 0; i < kTileCount; ++i) {
    f.tileKinds[i] = "Wall";
    f.tileTexts[i] = " is a wall.";
  }
  f.tileKinds[2] = "Exit";
  f.tileTexts[2] = kStairsText;
}

// The word to walk towards the stairs, read from the two pages of "look".
std::string directionOfStairs(const std::string& firstPage, const std::string& secondPage) {
  const struct {
    const char* label;
    const char* word;
  } directions[] = {{"NORTH", "n"}, {"NORTHEAST", "ne"}, {"EAST", "e"}, {"SOUTHEAST", "se"},
                    {"SOUTH", "s"}, {"SOUTHWEST", "sw"}, {"WEST", "w"}, {"NORTHWEST", "nw"}};
  const std::string pages = "\n" + firstPage + "\n" + secondPage + "\n";
  for (const auto& d : directions) {
    if (pages.find(std::string("\n"
                               "To the ") +
                   d.label + kStairsText + "\n") != std::string::npos)
      return d.word;
  }
  return "";
}

std::string arrivalOn(int floorNumber) {
  return "With the current floor emptied to your satisfaction, you\n"
         "take a deep breath and walk down the stairs to the next \n"
         "floor... You are now on level " +
         std::to_string(floorNumber) + "!!";
}

TEST(ExploreConsole, DownTheStairsTwiceFromTheNamePromptToTheThirdFloor) {
  const std::vector<std::string> toSecondFloor = {"Bob", "e", "y", "look", ""};
  std::string toStairs;
  {
    ScratchDir scouted;
    ASSERT_TRUE(writeCraftedRun("Bob", "2", stairsToTheEast));
    const ConsoleRun scouting = runConsole(toSecondFloor);
    ASSERT_EQ(scouting.exitCode, 0) << scouting.errors;
    ASSERT_EQ(scouting.blocks.size(), 6u) << scouting.rawOutput;
    EXPECT_EQ(scouting.blocks[2], "These stairs will lead you to floor 2 of the QUIBBLENT \n"
                                  "DUNGEONS. Would you like to progress? (Y/N)\n"
                                  "\n"
                                  "[WARNING: YOU WILL NOT BE ABLE TO GO BACK UP TO PREVIOUS \n"
                                  "FLOORS AFTER DESCENDING]");
    EXPECT_EQ(scouting.blocks[3].rfind(arrivalOn(2), 0), 0u) << scouting.blocks[3];
    toStairs = directionOfStairs(scouting.blocks[4], scouting.blocks[5]);
    ASSERT_FALSE(toStairs.empty()) << scouting.blocks[4] << "\n" << scouting.blocks[5];
  }

  // The scouting run's autosave moved Bob down already: the walk starts over
  // in a fresh folder, where the same seed makes the same second floor.
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", stairsToTheEast));
  std::vector<std::string> lines = toSecondFloor;
  lines.insert(lines.end(), {toStairs, "YES", "info"});
  const ConsoleRun run = runConsole(lines);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_EQ(run.blocks.size(), 9u) << run.rawOutput;
  EXPECT_EQ(run.blocks[6], "These stairs will lead you to floor 3 of the QUIBBLENT \n"
                           "DUNGEONS. Would you like to progress? (Y/N)\n"
                           "\n"
                           "[WARNING: YOU WILL NOT BE ABLE TO GO BACK UP TO PREVIOUS \n"
                           "FLOORS AFTER DESCENDING]");
  EXPECT_EQ(run.blocks[7].rfind(arrivalOn(3), 0), 0u) << run.blocks[7];
  EXPECT_EQ(run.blocks[8].rfind("You are currently on floor 3 of 15.\n", 0), 0u) << run.blocks[8];
  EXPECT_NE(run.blocks[7].find("\n"
                               "Autosaved file Bob!"),
            std::string::npos)
      << run.blocks[7];
}

}  // namespace
