// Console transcripts with odd things in saves/: a pipe or a link where a
// save or the meta save belongs never holds the game up, gets the answer
// the game gives for a file it cannot read, and is left as it was.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "persistence/atomic_file.h"
#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/game_texts.h"
#include "tests/support/odd_files.h"
#include "tests/support/scratch_dir.h"

namespace {

// Long enough for a slow sanitizer build; a game that waits on a pipe is
// killed at the end of it and the run fails.
constexpr unsigned kSecondsAllowed = 30;

const char kUnreadableAtNamePrompt[] =
    "Uh oh. There is a save file with that name, but it is \n"
    "damaged or unreadable, so it can't be loaded. I won't touch \n"
    "it. Pick another name.";
const char kUnreadableAtLoadPrompt[] =
    "Load failed - that file is damaged or unreadable! \n"
    "Your game goes on as it was.";
const char kNotSavedTail[] =
    "\n"
    "(The setting could not be saved and holds only until the game \n"
    "closes. Check that the saves folder can be written to.)";

TEST(OddSavesConsole, AnOddMetaSaveDoesNotHoldUpTheStart) {
  for (const OddFileCase& odd : kOddFiles) {
    ScratchDir scratch;
    ASSERT_TRUE(ensureFolder("saves"));
    ASSERT_TRUE(makeOddFile(odd.kind, "saves/meta-save.txt")) << odd.label;
    const std::string standing = whatStandsAt("saves/meta-save.txt");
    const ConsoleRun run = runConsole({"Sam", "2", "", "music 0"}, 1, kSecondsAllowed);
    EXPECT_EQ(run.exitCode, 0) << odd.label << run.errors;
    ASSERT_EQ(run.blocks.size(), 5u) << odd.label << run.rawOutput;
    EXPECT_EQ(run.blocks[0], kNameQuestion) << odd.label;
    EXPECT_EQ(run.blocks[1], "Your name is: Sam" + kClassListReply) << odd.label;
    EXPECT_EQ(run.blocks[4], "Music disabled!" + std::string(kNotSavedTail)) << odd.label;
    EXPECT_EQ(whatStandsAt("saves/meta-save.txt"), standing) << odd.label;
  }
}

TEST(OddSavesConsole, APipeUnderAHerosNameIsDamagedOrUnreadableAtBothPrompts) {
  ScratchDir scratch;
  ASSERT_TRUE(ensureFolder("saves"));
  ASSERT_TRUE(makeOddFile(OddFile::kPipe, "saves/Sam.txt"));
  const ConsoleRun run = runConsole({"Sam", "Kay", "2", "", "load", "Sam", "save"}, 1, kSecondsAllowed);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_EQ(run.blocks.size(), 8u) << run.rawOutput;
  EXPECT_EQ(run.blocks[1], kUnreadableAtNamePrompt);
  EXPECT_EQ(run.blocks[2], "Your name is: Kay" + kClassListReply) << "the prompt took another name";
  EXPECT_EQ(run.blocks[6], kUnreadableAtLoadPrompt);
  EXPECT_EQ(run.blocks[7], "Saved file Kay!") << "the game goes on as it was";
  EXPECT_EQ(whatStandsAt("saves/Sam.txt"), "pipe");
}

TEST(OddSavesConsole, AMetaSaveTheGameCannotReadOutlivesASettingByteForByte) {
  struct Case {
    const char* label;
    std::string contents;
    mode_t mode;
  };
  const std::vector<Case> cases = {
      {"far too large to be a meta save", kPrizedMetaSave + std::string(300000, '\n'), 0644},
      {"no read permission", kPrizedMetaSave, 0000},
  };
  for (const Case& c : cases) {
    // Root reads a file whatever its permissions say.
    if (c.mode == 0000 && ::geteuid() == 0) continue;
    ScratchDir scratch;
    ASSERT_TRUE(writeCraftedRun("Sam", "1", nullptr)) << c.label;
    spit("saves/meta-save.txt", c.contents);
    ASSERT_EQ(::chmod("saves/meta-save.txt", c.mode), 0) << c.label;
    const ConsoleRun run = runConsole({"Sam", "autosave 0", "achievements", "EXIT"}, 1, kSecondsAllowed);
    EXPECT_EQ(run.exitCode, 0) << c.label << run.errors;
    ASSERT_EQ(run.blocks.size(), 5u) << c.label << run.rawOutput;
    EXPECT_EQ(run.blocks[2], "Autosaves disabled!" + std::string(kNotSavedTail)) << c.label;
    EXPECT_NE(run.blocks[3].find("Your farthest run made it to floor 1."), std::string::npos)
        << c.label << ": nothing of it was read";
    ::chmod("saves/meta-save.txt", 0644);
    EXPECT_EQ(slurp("saves/meta-save.txt"), c.contents) << c.label;
  }
}

TEST(OddSavesConsole, AMetaSaveAnEditorMarkedIsReadAsOne) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Sam", "1", nullptr));
  spit("saves/meta-save.txt", "\xEF\xBB\xBF[META]\r\n"
                              "1\r\n"
                              "0\r\n"
                              "1\r\n"
                              "1\r\n"
                              "0\r\n"
                              "[ACHIEVEMENTS]\r\n"
                              "Ann\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "\r\n"
                              "12\r\n"
                              "2\r\n"
                              "1");
  const ConsoleRun run = runConsole({"Sam", "achievements", "1", "EXIT"}, 1, kSecondsAllowed);
  ASSERT_EQ(run.blocks.size(), 5u) << run.rawOutput;
  EXPECT_NE(run.blocks[2].find("You have completed the game 2 times!"), std::string::npos) << run.blocks[2];
  EXPECT_NE(run.blocks[3].find("Achieved by Ann."), std::string::npos) << run.blocks[3];
}

}  // namespace
