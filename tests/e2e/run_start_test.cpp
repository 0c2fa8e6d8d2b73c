#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/game_texts.h"
#include "tests/support/scratch_dir.h"

namespace {

const std::string kConvict =
    "You are a CONVICT.\n"
    "You can use a dodge to TACKLE enemies, or PUNCH them at the\n"
    "expense of your own health. Your crass demeanor can ENRAGE\n"
    "enemies, but they cannot escape combat with you. You deal\n"
    "extra damage, and may even survive your own death... once.\n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kConvictOpeningStart =
    "Bob, a level 1 CONVICT charged with Section 9B Public \n"
    "Indecency and Improper Handling of a Yak, has just been\n"
    "sentenced to a cruel and unusual punishment: they have been\n"
    "thrown into the bizarre and poorly-understood QUIBBLENT\n"
    "DUNGEONS, with only a complementary ";
const std::string kConvictOpeningEnd = " SWORD.\n"
                                       "They look around the first floor... [type 'HELP']";
const std::string kQuitQuestion = "Would you like to save before quitting? (Y/N)\n"
                                  "Type nothing to cancel and return to the game.";
const std::string kLoadQuestion = "Type in the name of the character to be loaded.\n"
                                  "Type nothing and press ENTER to return to the dungeon.";

// Every file the game left in the scratch folder, the driver's own excepted.
std::vector<std::string> gameFiles() {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
    const std::string name = std::filesystem::relative(entry.path(), ".").string();
    if (!name.starts_with(".console-")) found.push_back(name);
  }
  std::sort(found.begin(), found.end());
  return found;
}

TEST(RunStart, BobIsNamedPicksAClassSavesQuitsAndIsLoadedAtTheNextStart) {
  ScratchDir scratch;
  const ConsoleRun first = runConsole({"Bob", "2", "onward", "save", "quit", "n", "never read"}, 21);
  EXPECT_EQ(first.exitCode, 0);
  ASSERT_EQ(first.blocks.size(), 7u) << first.rawOutput;
  EXPECT_EQ(first.blocks[0], kNameQuestion);
  EXPECT_EQ(first.blocks[1], "Your name is: Bob" + kClassListReply);
  EXPECT_EQ(first.blocks[2], kConvict);
  EXPECT_TRUE(first.blocks[3].starts_with(kConvictOpeningStart)) << first.blocks[3];
  EXPECT_TRUE(first.blocks[3].ends_with(kConvictOpeningEnd)) << first.blocks[3];
  EXPECT_EQ(first.blocks[4], "Saved file Bob!");
  EXPECT_EQ(first.blocks[5], kQuitQuestion);
  EXPECT_EQ(first.blocks[6], "byeeeeeee");
  const std::string saved = slurp("saves/Bob.txt");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 267) << "268 lines, the last without a line end";
  EXPECT_TRUE(saved.starts_with("[PLAYER]\n"
                                "Bob\n"));
  EXPECT_TRUE(saved.ends_with("\n"
                              "[END]"));

  const ConsoleRun second = runConsole({"Bob", "save", "y", "quit", "y"}, 22);
  EXPECT_EQ(second.exitCode, 0);
  ASSERT_EQ(second.blocks.size(), 6u) << second.rawOutput;
  EXPECT_EQ(second.blocks[1], "Loaded file Bob successfully!\n"
                              "Welcome back to the dungeon, Bob!\n"
                              "You were on floor 1 when you left off.");
  EXPECT_EQ(second.blocks[2], "There is already a save file with name Bob.\n"
                              "Would you like to overwrite it? (Y/N)");
  EXPECT_EQ(second.blocks[3], "Saved file Bob!");
  EXPECT_EQ(second.blocks[5], "byeeeeeee");
  EXPECT_EQ(gameFiles(), (std::vector<std::string>{"saves", "saves/Bob.txt", "saves/meta-save.txt"}));
}

TEST(RunStart, LoadCommandBringsBackTheSavedRunMidGame) {
  ScratchDir scratch;
  runConsole({"Bob", "1", "", "save", "quit", "n"}, 5);
  const ConsoleRun run = runConsole({"Ann", "3", "", "load", "", "load", "Nobody", "load", "Bob"}, 6);
  ASSERT_EQ(run.blocks.size(), 10u) << run.rawOutput;
  EXPECT_EQ(run.blocks[4], kLoadQuestion);
  EXPECT_EQ(run.blocks[5], "Load canceled. You can keep playing now.");
  EXPECT_EQ(run.blocks[7], "Load failed - could not find a file with that name!");
  EXPECT_EQ(run.blocks[9], "Loaded file Bob successfully!");
}

TEST(RunStart, UnsafeNamesAreRefusedAtBothPromptsAndNothingIsWrittenOutsideSaves) {
  ScratchDir scratch;
  // A memorial outside "saves/": reaching it would offer a new game under its name.
  spit("evil.txt", "[DEAD FILE]\n"
                   "Here lies evil");
  std::filesystem::create_directory("up");
  const std::vector<std::string> unsafe = {"../evil", "up/../../evil", "..\\evil", "/tmp/evil", "..",
                                           "CON",     "nul",           "com1",     "LPT1",      "a:b",
                                           "a*b",     "a?b",           "a\"b",     "a<b",       "a>b",
                                           "a|b",     "meta-save"};
  std::vector<std::string> lines = unsafe;  // at the name prompt
  lines.push_back("Bob");
  lines.push_back("1");
  lines.push_back("");
  for (const std::string& name : unsafe) {
    lines.push_back("load");
    lines.push_back(name);
    lines.push_back("");  // the load prompt stays open until something safe, or nothing, is typed
  }
  lines.push_back("save");
  const ConsoleRun run = runConsole(lines, 9);
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 1 + unsafe.size() + 3 + 3 * unsafe.size() + 1) << run.rawOutput;
  std::size_t block = 1;
  for (const std::string& name : unsafe) {
    const std::string& reply = run.blocks[block++];
    EXPECT_EQ(reply.find("Your name is"), std::string::npos) << name << ": " << reply;
    EXPECT_EQ(reply.find("is dead"), std::string::npos) << name << ": " << reply;
  }
  EXPECT_EQ(run.blocks[block++], "Your name is: Bob" + kClassListReply);
  block += 2;
  for (const std::string& name : unsafe) {
    EXPECT_EQ(run.blocks[block++], kLoadQuestion);
    EXPECT_EQ(run.blocks[block++], "There can't be a save file with a name like that, boss. \n"
                                   "Type the name of the character to be loaded, \n"
                                   "or type nothing to return to the dungeon.")
        << name;
    EXPECT_EQ(run.blocks[block++], "Load canceled. You can keep playing now.") << name;
  }
  EXPECT_EQ(run.blocks[block], "Saved file Bob!");
  EXPECT_EQ(slurp("evil.txt"), "[DEAD FILE]\n"
                               "Here lies evil");
  EXPECT_EQ(gameFiles(),
            (std::vector<std::string>{"evil.txt", "saves", "saves/Bob.txt", "saves/meta-save.txt", "up"}));
}

TEST(RunStart, GivingUpLeavesAMemorialThatTheNextStartRecognises) {
  ScratchDir scratch;
  const ConsoleRun first = runConsole({"Bob", "1", "", "give up", "look", "n", "bye"}, 3);
  EXPECT_EQ(first.exitCode, 0);
  ASSERT_EQ(first.blocks.size(), 8u) << first.rawOutput;
  EXPECT_EQ(first.blocks[5], "You died. GAME OVER.\n"
                             "\n"
                             "Your save file has been updated; it is now a memorial for \n"
                             "your fallen adventurer.\n"
                             "\n"
                             "Would you like to start a new game? (Y/N)");
  EXPECT_EQ(first.blocks[6], "Ok, fuck off then.");
  EXPECT_EQ(first.blocks[7], "byeeee");
  EXPECT_TRUE(slurp("saves/Bob.txt").starts_with("[DEAD FILE]\n"));

  const ConsoleRun second = runConsole({"Bob", "yes", "3", ""}, 4);
  ASSERT_EQ(second.blocks.size(), 5u) << second.rawOutput;
  EXPECT_EQ(second.blocks[1], "Bob is dead. \n"
                              "Your save file has been turned into a memorial for their \n"
                              "life, including stats and the monster who killed them.\n"
                              "Would you like to overwrite that file and start a new game \n"
                              "under the name Bob? (Y/N)\n"
                              "[WARNING - TYPING 'N' WILL QUIT THE GAME]");
  EXPECT_EQ(second.blocks[2], "Started a new file of name Bob" + kClassListReply);
  EXPECT_TRUE(second.blocks[4].starts_with("People have been whispering lately"));
  // The memorial stays until the new run is saved over it.
  EXPECT_TRUE(slurp("saves/Bob.txt").starts_with("[DEAD FILE]\n"));
}

}  // namespace
