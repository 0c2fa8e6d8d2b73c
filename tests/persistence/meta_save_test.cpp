#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iostream>
#include <sstream>
#include <string>

#include "persistence/atomic_file.h"
#include "persistence/meta_save.h"
#include "tests/support/odd_files.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/captured_output.h"
#include "world/game_state.h"

namespace {


std::string repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// A file as saveMeta writes it, with every line given.
std::string metaFile(const std::string& settings, const std::string& counters) {
  return "[META]\n" + settings + "[ACHIEVEMENTS]\n" + repeated("\n", 18) + counters;
}

const std::string kFreshStateFile = "[META]\n"
                                    "1\n"
                                    "0\n"
                                    "1\n"
                                    "1\n"
                                    "0\n"
                                    "[ACHIEVEMENTS]\n" +
                                    repeated("\n", 18) +
                                    "1\n"
                                    "0\n"
                                    "0";

TEST(MetaSave, FreshStateIsWrittenByteForByte) {
  ScratchDir scratch;
  GameState state;
  state.recreateWindow = false;
  CapturedOutput out;
  EXPECT_TRUE(state.saveMeta(false));
  EXPECT_EQ(slurp("saves/meta-save.txt"), kFreshStateFile);
  EXPECT_EQ(kFreshStateFile.size(), 55u);
  EXPECT_EQ(out.text(), "save successful!");
  EXPECT_FALSE(state.recreateWindow);
}

TEST(MetaSave, OnlyTheWindowSettingsAskForANewWindow) {
  ScratchDir scratch;
  GameState state;
  state.recreateWindow = false;
  CapturedOutput out;
  state.saveMeta(false);
  EXPECT_FALSE(state.recreateWindow);
  state.saveMeta(true);
  EXPECT_TRUE(state.recreateWindow);
  EXPECT_EQ(out.text(), "save successful!save successful!");
}

TEST(MetaSave, EveryValueReadsBackAsWritten) {
  ScratchDir scratch;
  GameState written;
  written.autosave = false;
  written.fullscreen = true;
  written.musicOn = false;
  written.resolution = 3;
  written.firstCombatHint = true;
  written.achievements[0] = "Bob";
  written.achievements[6] = "Mr. T, esq!";
  written.achievements[17] = "  two spaces";
  written.deepestFloor = 16;
  written.victoryCount = 12;
  written.potionProgress = 2;
  {
    CapturedOutput quiet;
    ASSERT_TRUE(written.saveMeta(false));
  }
  const std::string text = slurp("saves/meta-save.txt");
  EXPECT_EQ(text.substr(0, 21), "[META]\n"
                                "0\n"
                                "1\n"
                                "0\n"
                                "3\n"
                                "1\n"
                                "[ACH");
  EXPECT_EQ(text.substr(text.size() - 8), "\n"
                                          "16\n"
                                          "12\n"
                                          "2");

  GameState read;
  std::ostringstream echo;
  readMetaSaveText(read, text, echo);
  EXPECT_FALSE(read.autosave);
  EXPECT_TRUE(read.fullscreen);
  EXPECT_FALSE(read.musicOn);
  EXPECT_EQ(read.resolution, 3);
  EXPECT_TRUE(read.firstCombatHint);
  EXPECT_EQ(read.achievements, written.achievements);
  EXPECT_EQ(read.deepestFloor, 16);
  EXPECT_EQ(read.victoryCount, 12);
  EXPECT_EQ(read.potionProgress, 2);
  EXPECT_EQ(metaSaveText(read), text);

  // Every line 0..27 is echoed, line 6 included.
  const std::string shown = echo.str();
  EXPECT_EQ(shown.substr(0, 30), "variable: [META], line num: 0\n");
  EXPECT_NE(shown.find("variable: 3, line num: 4\n"), std::string::npos);
  EXPECT_NE(shown.find("variable: [ACHIEVEMENTS], line num: 6\n"), std::string::npos);
  EXPECT_NE(shown.find("variable: Mr. T, esq!, line num: 13\n"), std::string::npos);
  EXPECT_EQ(shown.substr(shown.size() - 26), "variable: 2, line num: 27\n");
}

TEST(MetaSave, WindowsLineEndsReadLikePlainOnes) {
  GameState written;
  written.fullscreen = true;
  written.resolution = 2;
  written.achievements[3] = "Bob";
  written.victoryCount = 4;
  std::string text = metaSaveText(written);
  std::string windows;
  for (const char c : text) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);

  GameState read;
  std::ostringstream echo;
  readMetaSaveText(read, windows, echo);
  EXPECT_TRUE(read.fullscreen);
  EXPECT_EQ(read.resolution, 2);
  EXPECT_EQ(read.achievements, written.achievements);
  EXPECT_EQ(read.victoryCount, 4);
  EXPECT_EQ(metaSaveText(read), text);
}

TEST(MetaSave, AByteOrderMarkBeforeTheFirstLineIsPassedOver) {
  const std::string marked = "\xEF\xBB\xBF" + metaFile("0\r\n"
                                                       "1\r\n"
                                                       "0\r\n"
                                                       "2\r\n"
                                                       "1\r\n",
                                                       "6\r\n"
                                                       "3\r\n"
                                                       "1");
  GameState read;
  std::ostringstream echo;
  readMetaSaveText(read, marked, echo);
  EXPECT_FALSE(read.autosave);
  EXPECT_TRUE(read.fullscreen);
  EXPECT_EQ(read.resolution, 2);
  EXPECT_EQ(read.victoryCount, 3);
  EXPECT_TRUE(echo.str().starts_with("variable: [META], line num: 0\n")) << echo.str();

  // Only a mark at the very start is one.
  GameState later;
  readMetaSaveText(later, "\n"
                          "\xEF\xBB\xBF" + metaFile("0\n"
                                                      "1\n"
                                                      "0\n"
                                                      "2\n"
                                                      "1\n", "6\n"
                                                                         "3\n"
                                                                         "1"), echo);
  EXPECT_TRUE(later.autosave);
  EXPECT_EQ(later.victoryCount, 0);
}

TEST(MetaSave, ReplacingAFileLeavesNothingOfTheOldOne) {
  ScratchDir scratch;
  ensureFolder("saves");
  spit("saves/meta-save.txt", metaFile("1\n"
                                       "1\n"
                                       "1\n"
                                       "2\n"
                                       "1\n",
                                       "9\n"
                                       "9\n"
                                       "9\n") +
                                  repeated("leftover line\n", 40));
  GameState state;
  CapturedOutput quiet;
  ASSERT_TRUE(state.saveMeta(false));
  EXPECT_EQ(slurp("saves/meta-save.txt"), kFreshStateFile);
  EXPECT_EQ(filesIn("saves"), std::vector<std::string>{"meta-save.txt"}) << "no temporary file is left";
}

TEST(MetaSave, AFailedWriteIsNotReportedAsSuccess) {
  ScratchDir scratch;
  spit("saves", "a plain file where the folder should be");
  GameState state;
  CapturedOutput out;
  EXPECT_FALSE(state.saveMeta(true));
  EXPECT_EQ(out.text(), "");
  EXPECT_TRUE(state.recreateWindow);
  EXPECT_EQ(slurp("saves"), "a plain file where the folder should be");
}

struct ReadCase {
  const char* what;
  std::string text;
  bool autosave, fullscreen, musicOn;
  int resolution;
  bool hint;
  int deepest, victories, potion;
};

TEST(MetaSave, DamagedLinesKeepTheirFieldsAndNeverThrow) {
  // Values a fresh state holds: autosave, fullscreen, music, resolution,
  // hint, deepest floor, victories, potion progress.
  const ReadCase cases[] = {
      {"well formed", metaFile("0\n"
                               "1\n"
                               "0\n"
                               "2\n"
                               "1\n", "7\n"
                                                  "3\n"
                                                  "1"), false, true, false, 2, true, 7, 3, 1},
      {"words instead of numbers", metaFile("x\n"
                                            "yes\n"
                                            "\n"
                                            "\n"
                                            "none\n", "deep\n"
                                                                  "\n"
                                                                  "-"), true, false, true, 1, false, 1, 0, 0},
      {"numbers with tails and blanks", metaFile("  0 off\n"
                                                 "+1\n"
                                                 "\t0x1\n"
                                                 " 2px\n"
                                                 "5 \n", "12abc\n"
                                                                                   " -3\n"
                                                                                   "+2"), false, true,
       false, 2, true, 12, -3, 2},
      {"numbers too large for a line", metaFile("99999999999999999999\n"
                                                "1\n"
                                                "1\n"
                                                "1\n"
                                                "1\n", "2147483648\n"
                                                                                      "-2147483648\n"
                                                                                      "1"),
       true, true, true, 1, true, 1, INT_MIN, 1},
      {"resolution above the sizes", metaFile("1\n"
                                              "0\n"
                                              "1\n"
                                              "4\n"
                                              "0\n", "1\n"
                                                                 "0\n"
                                                                 "0"), true, false, true, 1, false, 1, 0, 0},
      {"resolution zero", metaFile("1\n"
                                   "0\n"
                                   "1\n"
                                   "0\n"
                                   "0\n", "1\n"
                                                      "0\n"
                                                      "0"), true, false, true, 1, false, 1, 0, 0},
      {"resolution negative", metaFile("1\n"
                                       "0\n"
                                       "1\n"
                                       "-2\n"
                                       "0\n", "1\n"
                                                           "0\n"
                                                           "0"), true, false, true, 1, false, 1, 0, 0},
      {"file ends after the settings", "[META]\n"
                                       "0\n"
                                       "1\n"
                                       "0\n"
                                       "3", false, true, false, 3, false, 1, 0, 0},
      {"first line not [META]", "[MET]\n"
                                "0\n"
                                "1\n"
                                "0\n"
                                "3\n"
                                "1\n", true, false, true, 1, false, 1, 0, 0},
      {"first line with a blank", "[META] \n"
                                  "0\n"
                                  "1\n"
                                  "0\n"
                                  "3\n"
                                  "1\n", true, false, true, 1, false, 1, 0, 0},
      {"empty file", "", true, false, true, 1, false, 1, 0, 0},
      {"binary rubbish", std::string("[META]\n"
                                     "\xff\xfe\0\x80\n", 12), true, false, true, 1, false, 1, 0, 0},
  };
  for (const auto& c : cases) {
    GameState state;
    std::ostringstream echo;
    EXPECT_NO_THROW(readMetaSaveText(state, c.text, echo)) << c.what;
    EXPECT_EQ(state.autosave, c.autosave) << c.what;
    EXPECT_EQ(state.fullscreen, c.fullscreen) << c.what;
    EXPECT_EQ(state.musicOn, c.musicOn) << c.what;
    EXPECT_EQ(state.resolution, c.resolution) << c.what;
    EXPECT_EQ(state.firstCombatHint, c.hint) << c.what;
    EXPECT_EQ(state.deepestFloor, c.deepest) << c.what;
    EXPECT_EQ(state.victoryCount, c.victories) << c.what;
    EXPECT_EQ(state.potionProgress, c.potion) << c.what;
  }
}

TEST(MetaSave, AFileNotStartingWithMetaIsIgnoredSilently) {
  GameState state;
  std::ostringstream echo;
  readMetaSaveText(state,
                   "[ACHIEVEMENTS]\n"
                   "Bob\n",
                   echo);
  EXPECT_EQ(echo.str(), "");
  EXPECT_EQ(state.achievements[0], "");
}

TEST(MetaSave, DefaultTextTakesOnlyItsTwentyFourLines) {
  GameState state;
  state.achievements[16] = "Old";
  state.achievements[17] = "Kept";
  state.deepestFloor = 9;
  std::ostringstream echo;
  readMetaSaveText(state, kDefaultMetaSaveText, echo);
  EXPECT_TRUE(state.firstCombatHint);
  EXPECT_EQ(state.achievements[16], "");
  EXPECT_EQ(state.achievements[17], "Kept");
  EXPECT_EQ(state.deepestFloor, 9);
  const std::string shown = echo.str();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 24);
  EXPECT_EQ(shown.substr(shown.size() - 25), "variable: , line num: 23\n");
}

TEST(MetaSave, LinesAfterTheTwentyEighthAreNeitherReadNorEchoed) {
  GameState state;
  std::ostringstream echo;
  readMetaSaveText(state, metaFile("1\n"
                                   "0\n"
                                   "1\n"
                                   "2\n"
                                   "0\n", "5\n"
                                                      "6\n"
                                                      "1\n") + "extra\n"
                                                                     "99\n", echo);
  EXPECT_EQ(state.potionProgress, 1);
  const std::string shown = echo.str();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 28);
  EXPECT_EQ(shown.find("extra"), std::string::npos);
}

TEST(MetaSave, FirstStartCreatesTheFolderAndTheDefaultFile) {
  ScratchDir scratch;
  GameState state;
  CapturedOutput out;
  readOrCreateMetaSave(state);
  EXPECT_EQ(slurp("saves/meta-save.txt"), kDefaultMetaSaveText);
  EXPECT_EQ(std::string(kDefaultMetaSaveText).size(), 49u);
  EXPECT_EQ(out.text(), "");
  // The file's hint takes effect only at the next start.
  EXPECT_FALSE(state.firstCombatHint);
}

TEST(MetaSave, StartReadsAnExistingFileAndLeavesItAlone) {
  ScratchDir scratch;
  ensureFolder("saves");
  const std::string file = metaFile("0\n"
                                    "0\n"
                                    "0\n"
                                    "2\n"
                                    "0\n",
                                    "4\n"
                                    "1\n"
                                    "0");
  spit("saves/meta-save.txt", file);
  GameState state;
  CapturedOutput out;
  readOrCreateMetaSave(state);
  EXPECT_EQ(state.resolution, 2);
  EXPECT_EQ(state.deepestFloor, 4);
  EXPECT_EQ(slurp("saves/meta-save.txt"), file);
  EXPECT_NE(out.text().find("variable: 2, line num: 4\n"), std::string::npos);
}

TEST(MetaSave, StartWithoutAUsableFolderGoesOn) {
  ScratchDir scratch;
  spit("saves", "not a folder");
  GameState state;
  CapturedOutput out;
  EXPECT_NO_THROW(readOrCreateMetaSave(state));
  EXPECT_EQ(state.resolution, 1);
  EXPECT_EQ(slurp("saves"), "not a folder");
}

}  // namespace
