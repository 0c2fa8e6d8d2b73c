#include <gtest/gtest.h>

#include <string>

#include "persistence/atomic_file.h"
#include "tests/support/console_run.h"
#include "tests/support/game_texts.h"
#include "tests/support/scratch_dir.h"

namespace {

const std::string kDefaultMeta = "[META]\n"
                                 "1\n"
                                 "0\n"
                                 "1\n"
                                 "1\n"
                                 "1\n"
                                 "[ACHIEVEMENTS]\n" +
                                 std::string(17, '\n');

TEST(Console, FirstStartShowsTheNamePromptAndCreatesTheMetaSave) {
  ScratchDir scratch;
  const ConsoleRun run = runConsole({"hello"}, 1);
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 2u);
  EXPECT_EQ(run.blocks[0], kNameQuestion);
  // Standard output holds blocks and nothing else.
  std::string rebuilt;
  for (const std::string& block : run.blocks)
    rebuilt += block + "\n"
                       "----8<----\n";
  EXPECT_EQ(run.rawOutput, rebuilt);
  EXPECT_EQ(slurp("saves/meta-save.txt"), kDefaultMeta);
}

TEST(Console, TheMetaSaveIsEchoedOnStandardErrorAtTheNextStart) {
  ScratchDir scratch;
  runConsole({}, 1);
  const ConsoleRun run = runConsole({}, 1);
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 1u);
  EXPECT_EQ(run.blocks[0], kNameQuestion);
  EXPECT_EQ(run.errors.find("variable: [META], line num: 0\n"
                            "variable: 1, line num: 1\n"),
            0u);
  EXPECT_NE(run.errors.find("variable: , line num: 23\n"), std::string::npos);
  EXPECT_EQ(run.errors.find("line num: 24"), std::string::npos);
}

TEST(Console, ADamagedMetaSaveDoesNotStopTheGame) {
  ScratchDir scratch;
  ensureFolder("saves");
  const std::string damaged = "[META]\n"
                              "full\n"
                              "\xff\n"
                              "-\n"
                              "999999999999\n"
                              "?\n"
                              "[ACHIEVEMENTS]\n"
                              "Bob\n";
  spit("saves/meta-save.txt", damaged);
  const ConsoleRun run = runConsole({"Bob"}, 3);
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 2u);
  EXPECT_EQ(run.blocks[0], kNameQuestion);
  EXPECT_EQ(slurp("saves/meta-save.txt"), damaged);
}

TEST(Console, AStepThatClosesTheWindowEndsTheDriver) {
  ScratchDir scratch;
  ensureFolder("saves");
  const std::string memorial = "[DEAD FILE]\n"
                               "Here lies Bob\n";
  spit("saves/Bob.txt", memorial);
  const ConsoleRun run = runConsole({"Bob", "n", "anything", "never read", "nor this"}, 2);
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 4u);
  EXPECT_EQ(run.blocks[3], "byeeee");
  EXPECT_EQ(run.rawOutput.substr(run.rawOutput.size() - 18), "byeeee\n"
                                                             "----8<----\n");
  EXPECT_EQ(slurp("saves/Bob.txt"), memorial);
}

TEST(Console, TheSameSeedAndLinesGiveTheSameBytes) {
  const std::vector<std::string> lines = {"Ada", "1", "y", "look", "north", "", "status", "YES", "n"};
  std::string first;
  {
    ScratchDir scratch;
    first = runConsole(lines, 7).rawOutput;
  }
  ScratchDir scratch;
  const ConsoleRun again = runConsole(lines, 7);
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.rawOutput, first);
  EXPECT_GE(again.blocks.size(), lines.size() + 1);
}

}  // namespace
