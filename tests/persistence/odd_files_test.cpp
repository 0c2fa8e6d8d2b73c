// Whatever a player leaves in "saves/" where a save, the meta save or a
// save's temporary file belongs: the game never waits on it, never reads
// anything but a regular file, and leaves it as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "interpreter/save_probe.h"
#include "persistence/atomic_file.h"
#include "persistence/meta_save.h"
#include "persistence/regular_file.h"
#include "persistence/run_save_format.h"
#include "tests/persistence/run_save_test_fixture.h"
#include "tests/support/captured_output.h"
#include "tests/support/odd_files.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"

namespace {

constexpr unsigned kSecondsAllowed = 10;

class OddSaves : public ::testing::Test {
 protected:
  void SetUp() override {
    buildQuibblentTables();
    ASSERT_TRUE(ensureFolder("saves"));
  }
  ScratchDir scratch;
};

TEST_F(OddSaves, AnOddMetaSaveDoesNotHoldUpTheStartAndIsNeverReplaced) {
  for (const OddFileCase& odd : kOddFiles) {
    ScratchDir inner;
    ASSERT_TRUE(ensureFolder("saves"));
    ASSERT_TRUE(makeOddFile(odd.kind, "saves/meta-save.txt")) << odd.label;
    const std::string standing = whatStandsAt("saves/meta-save.txt");
    const std::vector<std::string> files = filesIn("saves");

    const Deadline deadline(kSecondsAllowed);
    GameState state;
    CapturedOutput out;
    readOrCreateMetaSave(state);
    EXPECT_TRUE(state.metaSaveHeld) << odd.label;
    EXPECT_EQ(out.text(), "") << odd.label << ": nothing was read";
    EXPECT_EQ(state.resolution, 1) << odd.label;

    state.musicOn = false;
    EXPECT_FALSE(state.saveMeta(false)) << odd.label;
    EXPECT_TRUE(state.earnAchievement(3, "Bob")) << odd.label << ": earned, though not written";
    EXPECT_EQ(state.achievements[2], "Bob") << odd.label << ": the achievement holds for the session";
    EXPECT_FALSE(state.musicOn) << odd.label;
    EXPECT_TRUE(state.metaSaveMissed) << odd.label;
    EXPECT_EQ(out.text(), "") << odd.label << ": no save is reported";
    EXPECT_EQ(whatStandsAt("saves/meta-save.txt"), standing) << odd.label;
    EXPECT_EQ(filesIn("saves"), files) << odd.label << ": no temporary file is left";
  }
}

TEST_F(OddSaves, AMetaSaveThatCannotBeReadIsKeptByteForByte) {
  struct Case {
    const char* label;
    std::string contents;
    mode_t mode;
  };
  const std::vector<Case> cases = {
      // Far larger than any meta save: a prized one with a long tail added.
      {"too large", kPrizedMetaSave + std::string(1 << 17, '\n'), 0644},
      {"no read permission", kPrizedMetaSave, 0000},
  };
  for (const Case& c : cases) {
    // Root reads a file whatever its permissions say.
    if (c.mode == 0000 && ::geteuid() == 0) continue;
    ScratchDir inner;
    ASSERT_TRUE(ensureFolder("saves"));
    spit("saves/meta-save.txt", c.contents);
    ASSERT_EQ(::chmod("saves/meta-save.txt", c.mode), 0);

    const Deadline deadline(kSecondsAllowed);
    GameState state;
    CapturedOutput out;
    readOrCreateMetaSave(state);
    EXPECT_TRUE(state.metaSaveHeld) << c.label;
    EXPECT_TRUE(state.musicOn) << c.label << ": nothing of it was taken";
    state.firstCombatHint = false;
    state.deepestFloor = 3;
    EXPECT_FALSE(state.saveMeta(true)) << c.label;
    EXPECT_TRUE(state.recreateWindow) << c.label;
    ::chmod("saves/meta-save.txt", 0644);
    EXPECT_EQ(slurp("saves/meta-save.txt"), c.contents) << c.label;
    EXPECT_EQ(filesIn("saves"), std::vector<std::string>{"meta-save.txt"}) << c.label;
  }
}

TEST_F(OddSaves, AMetaSaveReachedThroughALinkIsReadAndWrittenInTheSavesFolder) {
  spit("kept-elsewhere.txt", kPrizedMetaSave);
  ASSERT_EQ(::symlink("../kept-elsewhere.txt", "saves/meta-save.txt"), 0);
  GameState state;
  CapturedOutput out;
  readOrCreateMetaSave(state);
  EXPECT_FALSE(state.metaSaveHeld);
  EXPECT_EQ(state.achievements[0], "Ann");
  EXPECT_EQ(state.resolution, 3);
  EXPECT_EQ(state.potionProgress, 1);
  EXPECT_TRUE(state.saveMeta(false));
  EXPECT_EQ(whatStandsAt("saves/meta-save.txt"), "file: " + metaSaveText(state));
}

TEST_F(OddSaves, AnOddRunSaveIsUnreadableAndIsNeverWrittenOver) {
  for (const OddFileCase& odd : kOddFiles) {
    ScratchDir inner;
    ASSERT_TRUE(ensureFolder("saves"));
    ASSERT_TRUE(makeOddFile(odd.kind, "saves/Bob.txt")) << odd.label;
    const std::string standing = whatStandsAt("saves/Bob.txt");
    const std::vector<std::string> files = filesIn("saves");

    const Deadline deadline(kSecondsAllowed);
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    buildFixtureRun(state, floorRecord, hero);
    EXPECT_TRUE(runSaveExists("Bob")) << odd.label << ": a save of that name is not offered as free";
    EXPECT_EQ(openRunSave(state, "Bob"), SaveProbe::kUnreadable) << odd.label;
    EXPECT_FALSE(state.loadFile.is_open()) << odd.label;

    CapturedOutput out;
    EXPECT_FALSE(state.saveRun(floorRecord, hero)) << odd.label;
    EXPECT_EQ(out.text(), "") << odd.label;
    EXPECT_EQ(whatStandsAt("saves/Bob.txt"), standing) << odd.label;
    EXPECT_EQ(filesIn("saves"), files) << odd.label;
  }
}

TEST_F(OddSaves, ARunSaveReachedThroughALinkLoads) {
  GameState written;
  Floor floorRecord;
  PlayerRecord hero;
  buildFixtureRun(written, floorRecord, hero);
  spit("Bob-elsewhere.txt", resumableSaveText(written, floorRecord, hero));
  ASSERT_EQ(::symlink("../Bob-elsewhere.txt", "saves/Bob.txt"), 0);

  GameState state;
  Floor loadedFloor;
  PlayerRecord loadedHero;
  ASSERT_EQ(openRunSave(state, "Bob"), SaveProbe::kOpen);
  CapturedOutput out;
  EXPECT_EQ(state.loadRun(loadedFloor, loadedHero), kLoadedRun);
  EXPECT_EQ(loadedHero.name, "Bob");
  EXPECT_EQ(loadedHero.gold, hero.gold);
  EXPECT_EQ(loadedFloor.floorNumber, floorRecord.floorNumber);
}

TEST_F(OddSaves, AnOddLeftoverBesideASaveIsLeftAndTheSaveIsWritten) {
  for (const OddFileCase& odd : kOddFiles) {
    ScratchDir inner;
    ASSERT_TRUE(ensureFolder("saves"));
    // The names an earlier version of the game wrote its new text to first.
    ASSERT_TRUE(makeOddFile(odd.kind, "saves/Bob.txt.tmp")) << odd.label;
    ASSERT_TRUE(makeOddFile(odd.kind, "saves/meta-save.txt.tmp")) << odd.label;
    const std::string standing = whatStandsAt("saves/Bob.txt.tmp");
    std::vector<std::string> files = filesIn("saves");

    const Deadline deadline(kSecondsAllowed);
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    buildFixtureRun(state, floorRecord, hero);
    CapturedOutput out;
    EXPECT_TRUE(state.saveRun(floorRecord, hero)) << odd.label;
    EXPECT_TRUE(state.saveMeta(false)) << odd.label;
    EXPECT_EQ(out.text(), "save successful!save successful!") << odd.label;
    EXPECT_EQ(slurp("saves/Bob.txt"), resumableSaveText(state, floorRecord, hero)) << odd.label;
    EXPECT_EQ(slurp("saves/meta-save.txt"), metaSaveText(state)) << odd.label;
    EXPECT_EQ(whatStandsAt("saves/Bob.txt.tmp"), standing) << odd.label;
    files.insert(files.begin(), "Bob.txt");
    files.push_back("meta-save.txt");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(filesIn("saves"), files) << odd.label << ": only the two saves are new";
  }
}

TEST_F(OddSaves, AFileIsReadUpToItsLimitAndRefusedPastIt) {
  spit("saves/exact.txt", std::string(10000, 'x'));
  std::string contents = "untouched";
  EXPECT_EQ(readRegularFile("saves/exact.txt", 9999, contents), FileAccess::kRefused);
  EXPECT_EQ(contents, "untouched");
  EXPECT_EQ(readRegularFile("saves/exact.txt", 10000, contents), FileAccess::kOpen);
  EXPECT_EQ(contents, std::string(10000, 'x'));
  EXPECT_EQ(readRegularFile("saves/none.txt", 10000, contents), FileAccess::kMissing);
  ASSERT_EQ(::symlink("/dev/zero", "saves/zero.txt"), 0);
  const Deadline deadline(kSecondsAllowed);
  EXPECT_EQ(readRegularFile("saves/zero.txt", 1 << 30, contents), FileAccess::kRefused);
}

}  // namespace
