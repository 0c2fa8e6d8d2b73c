#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/atomic_file.h"
#include "persistence/run_save_format.h"
#include "tests/persistence/run_save_test_fixture.h"
#include "tests/support/odd_files.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"

namespace {

std::vector<std::string> tileBlock(int tile, std::vector<std::string> lines) {
  lines.insert(lines.begin(), "[TILE - " + std::to_string(tile) + "]");
  return lines;
}

std::vector<std::string> nothingTile(int tile) {
  return tileBlock(tile, {"", "... there is nothing at all.", "", "", "0", "0", "0", "0", "99",
                          "1.000000", "1.000000", "0", "0", "", "0", "0", "", "0", "0"});
}

// The fixture run, line by line, as it must stand on disk.
std::vector<std::string> fixtureLines() {
  std::vector<std::string> lines = {
      "[PLAYER]", "Bob", "FLAMMABLE", "4", "61", "47", "2", "12", "5", "1234", "1600", "321", "1",
      "17",
      // inventory names, then the six counts
      "POTION", "MATCH", "NONE", "NONE", "NONE", "NONE", "3", "7", "0", "0", "0", "0",
      // skill names, then their cooldowns
      "MAGICBOLT", "EXAMINE", "NONE", "NONE", "NONE", "NONE", "2", "-1", "NONE", "NONE", "NONE",
      "NONE",
      "ACADEMIC", "1", "3", "1", "2", "1", "9", "14", "", "6", "1.500000", "0.750000",
      "[WEAPON]", "FLAMING SWORD", "FLAMING", "SWORD", "Weapon", "6", "0", "0", "99",
      "[ARMOR]", "SHIRT", "", "SHIRT", "shirt", "0", "1", "1", "8",
      "[DUNGEON]", "3", "4", "7", "Fountain", "1", "0", "1", "42", "2", "9", "5", "10", "4"};
  const std::vector<std::vector<std::string>> tiles = {
      tileBlock(0, {"Mon", " stands a ELITE GOBLIN.", "GOBLIN", "ELITE", "9", "20", "1", "0", "99",
                    "1.250000", "0.800000", "0", "33", "", "0", "0", "", "0", "0"}),
      nothingTile(1),
      tileBlock(2, {"Fount", " is a mythical FOUNTAIN OF HASTY!", "", "", "0", "0", "0", "0", "99",
                    "1.000000", "1.000000", "0", "0", "HASTY", "1", "0", "", "0", "0"}),
      nothingTile(3),
      tileBlock(4, {"Scroll", ", a SCROLL has been left on the ground.", "", "", "0", "0", "0", "0",
                    "99", "1.000000", "1.000000", "0", "0", "", "0", "5", "", "0", "0"}),
      nothingTile(5),
      tileBlock(6, {"NPC", " stands a WISE ORC.", "", "", "0", "0", "0", "0", "99", "1.000000",
                    "1.000000", "0", "0", "", "0", "0", "Wise2", "1", "10"}),
      nothingTile(7),
  };
  for (const auto& tile : tiles) lines.insert(lines.end(), tile.begin(), tile.end());
  const std::vector<std::string> misc = {
      "[MISC]", "1", "3", "11", "0", "0", "1", "2", "1", "0", "1", "0", "12", "2", "5",
      "100100000001", "01000000001", "100000000000000000000000000010", "2", "Wise1 Chef ", "1", "1",
      "0", "1", "90.500000", "[END]"};
  lines.insert(lines.end(), misc.begin(), misc.end());
  return lines;
}

class RunSaveWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    buildQuibblentTables();
    buildFixtureRun(state, floorRecord, hero);
  }
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
};

TEST_F(RunSaveWriter, FixtureRunIsWrittenByteForByte) {
  const std::vector<std::string> expected = fixtureLines();
  ASSERT_EQ(expected.size(), 268u);  // guards the table above, not the writer
  const std::string text = resumableSaveText(state, floorRecord, hero);
  EXPECT_EQ(text, joinLines(expected));
  EXPECT_NE(text.back(), '\n');
  const std::vector<std::string> written = linesOf(text);
  ASSERT_EQ(written.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(written[i], expected[i]) << "line " << i;
  }
}

TEST_F(RunSaveWriter, EmptySlotsAndListsKeepEveryLineInPlace) {
  hero.skills.clear();
  hero.inventoryNames.clear();
  hero.inventoryCounts = {0, 0, 0, 0, 0, 0};
  floorRecord.npcPool.clear();
  floorRecord.secretRoomKind.clear();
  hero.imbuement.clear();
  const std::vector<std::string> lines = linesOf(resumableSaveText(state, floorRecord, hero));
  ASSERT_EQ(lines.size(), 268u);
  for (int line = 14; line <= 19; ++line) EXPECT_EQ(lines[line], "NONE") << line;
  for (int line = 20; line <= 25; ++line) EXPECT_EQ(lines[line], "0") << line;
  for (int line = 26; line <= 37; ++line) EXPECT_EQ(lines[line], "NONE") << line;
  EXPECT_EQ(lines[46], "");
  EXPECT_EQ(lines[72], "");
  EXPECT_EQ(lines[260], "0");
  EXPECT_EQ(lines[261], "");
  EXPECT_EQ(lines[267], "[END]");
}

TEST_F(RunSaveWriter, SaveWritesTheFileSnipsStairGuardsAndCountsPlayTime) {
  ScratchDir scratch;
  floorRecord.tileKinds[1] = "MonExit";
  floorRecord.tileTexts[1] = ", a ELITE GOBLIN blocks the stairs.";
  floorRecord.tileKinds[3] = "FinalMon";
  floorRecord.tileTexts[3] = " stands the fearsome X Y, \n"
                             "blocking your one exit out of the dungeon!!";
  state.clockStart = GameState::Clock::now() - std::chrono::seconds(100);
  state.storedPlayTime = 20.0;

  testing::internal::CaptureStdout();
  ASSERT_TRUE(state.saveRun(floorRecord, hero));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "save successful!");

  // The running game holds the snipped descriptions too.
  EXPECT_EQ(floorRecord.tileTexts[1], "-SNIP-");
  EXPECT_EQ(floorRecord.tileTexts[3], "-SNIP-");
  EXPECT_GE(state.elapsedSeconds, 100.0);
  EXPECT_LT(state.elapsedSeconds, 160.0);

  const std::string onDisk = slurp("saves/Bob.txt");
  EXPECT_EQ(onDisk, resumableSaveText(state, floorRecord, hero));
  const std::vector<std::string> lines = linesOf(onDisk);
  ASSERT_EQ(lines.size(), 268u);
  EXPECT_EQ(lines[82 + 20 * 1 + 2], "-SNIP-");
  EXPECT_EQ(lines[82 + 20 * 3 + 2], "-SNIP-");
  EXPECT_GE(std::stod(lines[266]), 120.0);
  EXPECT_EQ(filesIn("saves"), std::vector<std::string>{"Bob.txt"}) << "no temporary file is left";
}

TEST_F(RunSaveWriter, LineBreakInsideAValueCannotShiftTheLinesAfterIt) {
  floorRecord.tileTexts[5] = "a\n"
                             "b\r\n"
                             "c";
  hero.equipment[0].name = "ODD\n"
                           "SWORD";
  const std::vector<std::string> lines = linesOf(resumableSaveText(state, floorRecord, hero));
  ASSERT_EQ(lines.size(), 268u);
  EXPECT_EQ(lines[51], "ODD SWORD");
  EXPECT_EQ(lines[82 + 20 * 5 + 2], "a b  c");
  EXPECT_EQ(lines[267], "[END]");
}

TEST_F(RunSaveWriter, FormIsChosenByTheHerosWordThenTheDeathPrompt) {
  ScratchDir scratch;
  struct Row {
    const char* quibblent;
    int pendingPrompt;
    std::string firstLine;
    bool takesClock;  // the victory page has just taken it itself
    bool snips;       // only the resumable form must hold one value a line
  };
  const Row rows[] = {
      // hero's word, open prompt, first line of the file, clock taken, stair guard snipped
      {"VICTORIOUS", 16, "[VICTORIOUS FILE]", false, false},
      {"VICTORIOUS", 2, "[VICTORIOUS FILE]", false, false},
      {"FLAMMABLE", 16, "[DEAD FILE]", true, false},
      {"FLAMMABLE", 2, "[PLAYER]", true, true},
  };
  const std::string guardText = " stands the fearsome X Y, \n"
                                "blocking your one exit out of the dungeon!!";
  for (const Row& row : rows) {
    hero.quibblent = row.quibblent;
    state.pendingPrompt = row.pendingPrompt;
    state.clockStart = GameState::Clock::now() - std::chrono::seconds(100);
    state.elapsedSeconds = 5.0;
    floorRecord.tileKinds[3] = "FinalMon";
    floorRecord.tileTexts[3] = guardText;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(state.saveRun(floorRecord, hero));
    testing::internal::GetCapturedStdout();
    const std::string onDisk = slurp("saves/Bob.txt");
    EXPECT_EQ(linesOf(onDisk).front(), row.firstLine) << row.quibblent << " " << row.pendingPrompt;
    EXPECT_EQ(state.elapsedSeconds >= 100.0, row.takesClock) << row.firstLine;
    if (!row.takesClock) {
      EXPECT_EQ(state.elapsedSeconds, 5.0) << row.firstLine;
    }
    EXPECT_EQ(floorRecord.tileTexts[3], row.snips ? std::string("-SNIP-") : guardText) << row.firstLine;
    // The memorial on disk is exactly the memorial of the run as saved.
    if (row.firstLine == "[VICTORIOUS FILE]") {
      EXPECT_EQ(onDisk, victoriousMemorialText(state, floorRecord, hero));
    } else if (row.firstLine == "[DEAD FILE]") {
      EXPECT_EQ(onDisk, deadMemorialText(state, floorRecord, hero));
    }
  }
}

TEST_F(RunSaveWriter, FailedWriteIsReportedAndKeepsTheOldSave) {
  {
    ScratchDir scratch;
    spit("saves", "a plain file where the folder should be");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(state.saveRun(floorRecord, hero));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  }
  {
    ScratchDir scratch;
    ASSERT_TRUE(ensureFolder("saves"));
    spit("saves/Bob.txt", "the save before");
    // The disk fills up part way through the new text (even root cannot
    // write past the file size limit).
    const SmallFileLimit full(16);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(state.saveRun(floorRecord, hero));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(slurp("saves/Bob.txt"), "the save before");
    EXPECT_EQ(filesIn("saves"), std::vector<std::string>{"Bob.txt"}) << "the half-written file is gone";
  }
}

TEST_F(RunSaveWriter, UnsafeHeroNameIsNeverWritten) {
  ScratchDir scratch;
  for (const char* name : {"../x", "", "CON", "a/b", "TOOLONGNAME", "..", "meta-save"}) {
    hero.name = name;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(state.saveRun(floorRecord, hero)) << name;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << name;
  }
  EXPECT_FALSE(fileExists("x.txt"));
  EXPECT_FALSE(fileExists("saves/.txt"));
  EXPECT_FALSE(fileExists("saves/CON.txt"));
}

}  // namespace
