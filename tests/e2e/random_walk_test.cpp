#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/scratch_dir.h"

namespace {

// What the walk types, drawn at random. Widen it as the game grows. "quit"
// and "exit" are left out, and so is "give up": the yes of the one and the
// no after the other close the console and end the walk.
const char* const kWalkWords[] = {
    "", "time", "look", "look around", "l", " look", "n", "ne", "e", "se", "s", "sw", "w", "nw", "north",
    "north east", "southwest", "secret", "secret2", "use item [n]", "use heal", "heal", "antibiotics", "eat",
    "use item 1", "use item 9", "use potion", "drop item 1", "drop potion", "drop 1", "h", "help", "settings",
    "info", "status", "skills", "autosave 0", "music 0", "achievements", "save", "load",
    "hello", "potion", "y", "n", "yes", "no", "1", "2", "3", "4", "5", "6", "0", "7", "12", "exit now",
    "YES", "LOOK AROUND", "\t", "   ", "drop ", "use ", "ab\xC9", "Walker",
};

std::vector<std::string> walkLines(unsigned seed, int count) {
  std::mt19937 pick(seed);
  std::uniform_int_distribution<std::size_t> word(0, std::size(kWalkWords) - 1);
  std::vector<std::string> lines = {"Walker", "1"};
  for (int i = 0; i < count; ++i) {
    if (pick() % 50 == 0) {
      lines.push_back(std::string(300 + pick() % 200, static_cast<char>('a' + pick() % 26)));
    } else {
      lines.push_back(kWalkWords[word(pick)]);
    }
  }
  return lines;
}

TEST(RandomWalk, EveryLineGetsAnAnswerAndNothingBreaks) {
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    ScratchDir scratch;
    const std::vector<std::string> lines = walkLines(seed, 3000);
    const ConsoleRun run = runConsole(lines, seed);
    EXPECT_EQ(run.exitCode, 0) << "seed " << seed << "\n" << run.errors;
    EXPECT_GT(run.blocks.size(), 100u) << "seed " << seed;
    for (std::size_t i = 0; i < run.blocks.size(); ++i) {
      EXPECT_FALSE(run.blocks[i].empty()) << "seed " << seed << " block " << i << " after \""
                                           << (i >= 1 && i - 1 < lines.size() ? lines[i - 1] : "") << "\" then \""
                                           << (i < lines.size() ? lines[i] : "") << '"';
    }
  }
}

}  // namespace
