#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"

namespace {

class SettingsPlay : public PromptPlay {
 protected:
  void SetUp() override { startRun("Set", "1"); }

  std::string setting(const std::string& line) { return type(line); }

  // Line k of the meta save (0-based).
  std::string metaLine(int k) {
    std::istringstream in(slurp("saves/meta-save.txt"));
    std::string line;
    for (int i = 0; i <= k; ++i) std::getline(in, line);
    return line;
  }
};

TEST_F(SettingsPlay, EachSettingAppliesAtOnceAndIsWrittenToTheMetaSave) {
  struct Case {
    const char* line;
    const char* reply;
    int metaLineNumber;
    const char* metaValue;
    bool window;
  };
  const Case cases[] = {
      {"autosave 0", "Autosaves disabled!", 1, "0", false},
      {"autosaves 1", "Autosaves enabled!", 1, "1", false},
      {"mute 1", "Music disabled!", 3, "0", false},
      {"Mute 0", "Music enabled!", 3, "1", false},
      {"sound 0", "Music disabled!", 3, "0", false},
      {"music 1", "Music enabled!", 3, "1", false},
      {"resolution 3", "Resolution set to 2x size!", 4, "3", true},
      {"Full Screen 1", "Fullscreen enabled!", 2, "1", true},
      {"fullscreen 1", "Fullscreen enabled!", 2, "1", true},
      {"fullscreen 0", "Fullscreen disabled!", 2, "0", true},
  };
  for (const Case& c : cases) {
    state.recreateWindow = false;
    EXPECT_EQ(setting(c.line), c.reply) << c.line;
    EXPECT_EQ(metaLine(c.metaLineNumber), c.metaValue) << c.line;
    EXPECT_EQ(state.recreateWindow, c.window) << c.line;
    EXPECT_EQ(state.lastReplyKind, 1);
  }
  EXPECT_TRUE(state.autosave);
  EXPECT_TRUE(state.musicOn);
  EXPECT_EQ(state.resolution, 3);
  EXPECT_FALSE(state.fullscreen);
}

TEST_F(SettingsPlay, TheResolutionStaysInFullScreenAndNothingIsWritten) {
  setting("fullscreen 1");
  const std::string before = slurp("saves/meta-save.txt");
  state.recreateWindow = false;
  EXPECT_EQ(setting("resolution 2"), "You cannot change the resolution in fullscreen mode!!");
  EXPECT_EQ(state.resolution, 1);
  EXPECT_FALSE(state.recreateWindow);
  EXPECT_EQ(slurp("saves/meta-save.txt"), before);
}

TEST_F(SettingsPlay, ABareWordOnlyExplains) {
  const std::string before = slurp("saves/meta-save.txt");
  EXPECT_EQ(setting("mute"),
            "Type 'music 1' to turn the music on, 'music 0' to turn it \n"
            "off. Alternatively, type 'mute 1' to turn the sound off.");
  EXPECT_EQ(setting("resolution"),
            "Type 'resolution 1' to set the game at default size.\n"
            "Type 'resolution 2' for 1.5x size, or 'resolution 3' for \n"
            "2x size. Default screen size is 640x480. \n"
            "\n"
            "(This doesn't work in fullscreen.)");
  EXPECT_TRUE(state.musicOn);
  EXPECT_EQ(slurp("saves/meta-save.txt"), before);
  EXPECT_EQ(setting("settings"), "Type 'save' to save, 'load' to load.\n"
                                 "Type each of the following followed by '0' or '1' to \n"
                                 "enable/disable them:\n"
                                 "'music', 'fullscreen', 'autosave'\n"
                                 "Type 'resolution 1-3' to adjust screen size (windowed only).\n"
                                 "Type 'achievements' to view your current achievements.");
}

TEST_F(SettingsPlay, ASettingThatCannotBeWrittenStillHoldsAndSaysSo) {
  std::filesystem::remove_all("saves");
  spit("saves", "a file where the folder should be");
  EXPECT_EQ(setting("music 0"), "Music disabled!\n"
                                "(The setting could not be saved and holds only until the game \n"
                                "closes. Check that the saves folder can be written to.)");
  EXPECT_FALSE(state.musicOn);
  EXPECT_TRUE(setting("fullscreen 1")
                  .starts_with("Fullscreen enabled!\n"
                               "(The setting could not be saved"));
  EXPECT_TRUE(state.recreateWindow) << "the window follows even so";
}

class ViewerPlay : public PromptPlay {
 protected:
  void SetUp() override {
    startRun("Ann", "1");
    state.achievementsViewerOpen = 1;
  }
};

TEST_F(ViewerPlay, PagesShowTheEarnedNameOrTheLock) {
  state.achievements[7] = "Bob";
  EXPECT_EQ(type("8"), "ACHIEVEMENT #8 - \"Dragon-Slayer\"\n"
                       "Achieved by Bob.\n"
                       "\n"
                       "Earned for defeating the SLEEPING DRAGON in combat.");
  EXPECT_EQ(type("9"), "ACHIEVEMENT #9 - \"OOOOoooOOOooooOOOooo\"\n"
                       "\n"
                       "This achievement is currently locked.");
  EXPECT_EQ(state.achievementsViewerOpen, 1);
}

TEST_F(ViewerPlay, ThePotionAchievementFollowsThePotionFamily) {
  struct Case {
    const char* holder;
    int progress;
    bool othersEarned;
    const char* page;
  };
  const Case cases[] = {
      {"Kim", 0, false,
       "ACHIEVEMENT #7 - \"You Bastard\"\n"
       "Achieved by Kim.\n"
       "\n"
       "'Earned' for murdering JIMMY THE POTION in cold blood. \n"
       "You horrible monster."},
      {"Kim", 1, false,
       "ACHIEVEMENT #7 - \"Fratricide\"\n"
       "Achieved by Kim.\n"
       "\n"
       "'Earned' for murdering JOHNNY THE POTION.\n"
       "You've singlehandedly destroyed a beautiful potion family.\n"
       "I hope you're happy."},
      {"Kim", 2, false,
       "ACHIEVEMENT #7 - \"Johnnification\"\n"
       "Achieved by Kim.\n"
       "\n"
       "Through the power of JOHNNIFICATION, you created a new \n"
       "adventurer: 'JOHNNY THE Kim'. Good job...?"},
      {"Kim", 3, true,
       "ACHIEVEMENT #7 - \"You Bastard\"\n"
       "\n"
       "This achievement is currently locked."},
      {"", 0, true,
       "ACHIEVEMENT #7 - \"Kindred Spirit\"\n"
       "\n"
       "You managed to get every single other achievement without \n"
       "ever hurting JIMMY THE POTION!! You are a wonderful person."},
      {"", 0, false,
       "ACHIEVEMENT #7 - \"You Bastard\"\n"
       "\n"
       "This achievement is currently locked."},
  };
  for (const Case& c : cases) {
    for (std::string& slot : state.achievements) slot = c.othersEarned ? "Zed" : "";
    state.achievements[6] = c.holder;
    state.potionProgress = c.progress;
    EXPECT_EQ(type("7"), c.page) << c.holder << " " << c.progress;
  }
}

TEST_F(ViewerPlay, AnyOtherLineShowsTheHelpAndExitLeaves) {
  const std::string help = "Type a number (1-18) to read the achievement description, \n"
                           "or 'exit' to return to the main game.\n"
                           "\n";
  state.deepestFloor = 9;
  for (const char* line : {"0", "19", "07", "", "north"}) EXPECT_EQ(type(line), help + "Highest floor: 9.") << line;
  state.victoryCount = 2;
  EXPECT_EQ(type("help"), help + "Game clears: 2.");
  floorRecord.floorNumber = 4;
  EXPECT_EQ(type("EXIT"), "Welcome back to the dungeons, Ann.\n"
                          "You are currently on floor 4.");
  EXPECT_EQ(state.achievementsViewerOpen, 0);
}

}  // namespace
