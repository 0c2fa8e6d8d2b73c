#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"

namespace {

class VictoryPlay : public PromptPlay {
 protected:
  void SetUp() override {
    startRun("Vic", "1");
    player.quibblent = "UNINTERESTING";
  }
  std::string pageAfter(int prompt) {
    openPrompt(prompt);
    return type("anything");
  }
};

const std::string kBattles = "You think back on the battles you've fought...\n";
const std::string kFuture = "You think forward, to your return to society...\n";
const std::string kFound = "Finally, your thoughts turn to what you found here...\n";

struct ReflectionCase {
  int killScore;
  const char* battlesStart;  // "" for the heading alone
};

TEST_F(VictoryPlay, TheBattlesPageFollowsTheKillScoreAtEachBoundary) {
  const ReflectionCase cases[] = {
      {-1, ""},
      {0, "Or you would, but you haven't really fought any monsters."},
      {1, "There isn't much to think about"},
      {14, "There isn't much to think about"},
      {15, "It was quite a variety."},
      {24, "It was quite a variety."},
      {25, "It's a long list."},
      {44, "It's a long list."},
      {45, "The dungeon behind you is littered with corpses"},
      {199, "The dungeon behind you is littered with corpses"},
      {200, "One battle rises to the forefront of your mind. The strange\n"
            "DEEP TROLL"},
      {999, "One battle rises to the forefront of your mind. The strange\n"
            "DEEP TROLL"},
      {1000, "One battle rises to the forefront of your mind. Although you\n"
             "killed"},
      {1499, "One battle rises to the forefront of your mind. Although you\n"
             "killed"},
      {1500, "Holy shit. You killed the DEEP TROLL *and* the DRAGON??"},
  };
  for (const ReflectionCase& c : cases) {
    player.killScore = c.killScore;
    const std::string page = pageAfter(50);
    EXPECT_EQ(page.substr(0, kBattles.size()), kBattles);
    if (*c.battlesStart == '\0') {
      EXPECT_EQ(page, kBattles) << c.killScore;
    } else {
      EXPECT_TRUE(page.substr(kBattles.size()).starts_with(c.battlesStart)) << c.killScore << ": " << page;
    }
    EXPECT_EQ(state.pendingPrompt, 51);
  }
}

TEST_F(VictoryPlay, TheFuturePageWeighsStaplesAndDarkItemsBeforeGold) {
  struct Case {
    std::vector<std::string> names;
    std::vector<int> counts;
    int gold;
    const char* start;
  };
  const Case cases[] = {
      {{"STAPLE REMOVER", "VORTEX", "NECRONOMICON"}, {10, 1, 1, 0, 0, 0}, 5000, "The answer is clear:"},
      {{"STAPLE REMOVER", "VORTEX", "NECRONOMICON"}, {9, 1, 1, 0, 0, 0}, 5000, "Your thoughts take a dark turn."},
      {{"VORTEX"}, {1, 0, 0, 0, 0, 0}, 0, "...and uh, there's no easy way to put it: You're penniless."},
      {{}, {0, 0, 0, 0, 0, 0}, 1, "Unfortunately, you performed very poorly"},
      {{}, {0, 0, 0, 0, 0, 0}, 399, "Unfortunately, you performed very poorly"},
      {{}, {0, 0, 0, 0, 0, 0}, 400, "You found enough money in the dungeon"},
      {{}, {0, 0, 0, 0, 0, 0}, 999, "You found enough money in the dungeon"},
      {{}, {0, 0, 0, 0, 0, 0}, 1000, "The future looks bright for you."},
      {{}, {0, 0, 0, 0, 0, 0}, 2499, "The future looks bright for you."},
      {{}, {0, 0, 0, 0, 0, 0}, 2500, "You think of all the extravagant things"},
  };
  for (const Case& c : cases) {
    player.inventoryNames = c.names;
    player.inventoryCounts = c.counts;
    player.gold = c.gold;
    const std::string page = pageAfter(51);
    EXPECT_TRUE(page.starts_with(kFuture + c.start)) << c.gold << ": " << page;
    EXPECT_EQ(state.pendingPrompt, 52);
  }
}

TEST_F(VictoryPlay, TheDiscoveriesPageReadsTheSecretsTheWizardAndGary) {
  struct Case {
    int score;
    const char* start;  // "" for the heading alone
  };
  const Case cases[] = {
      {50000, "But really, we all know you're thinking about one thing."},
      {1003, "What was with that strange wizard, for example?\n"
             "\"Garglefloxx\"."},
      {1007, "You feel like a proper archaeologist!"},
      {4, "You feel pretty good about your level of exploration."},
      {6, "You feel pretty good about your level of exploration."},
      {1, "Something about your dungeoneering experience nags at you,"},
      {3, "Something about your dungeoneering experience nags at you,"},
      {0, "Actually, you don't really think much of it."},
      {7, "You feel like a proper archaeologist!"},
      {100, ""},
  };
  for (const Case& c : cases) {
    player.discoveryScore = c.score;
    const std::string page = pageAfter(52);
    if (*c.start == '\0') {
      EXPECT_EQ(page, kFound) << c.score;
    } else {
      EXPECT_TRUE(page.starts_with(kFound + c.start)) << c.score << ": " << page;
    }
    EXPECT_EQ(player.discoveryScore, c.score);
    EXPECT_EQ(state.pendingPrompt, 53);
  }
}

TEST_F(VictoryPlay, ACursedWinnerIsMarkedAndEarnsUnDoomedOnTheWinPage) {
  player.quibblent = "CURSED";
  player.discoveryScore = 3;
  EXPECT_TRUE(pageAfter(52).starts_with(kFound + "You shudder, feeling nauseous."));
  EXPECT_EQ(player.discoveryScore, 25000);
  player.quibblent = "VICTORIOUS";
  pageAfter(54);
  EXPECT_EQ(state.achievements[16], "Vic");
}

TEST_F(VictoryPlay, TheClimbLeadsToTheLastFloorAndItsDoor) {
  floorRecord.floorNumber = 15;
  EXPECT_EQ(pageAfter(53), "You see light up ahead. It's a long walk back up from how\n"
                           "deep you descended, but now your time in the QUIBBLENT\n"
                           "DUNGEONS is coming definitively to a close. Walking up the\n"
                           "last few steps, you come to a room with a single, wooden\n"
                           "door - the final exit.");
  EXPECT_EQ(floorRecord.floorNumber, 16);
  EXPECT_EQ(state.pendingPrompt, 0);
  EXPECT_EQ(floorRecord.tileKinds[0], "ExitDoor");
}

TEST_F(VictoryPlay, TheWinWritesTheMemorialAndTheAchievementsThenClosesTheWindow) {
  player.quibblent = "VICTORIOUS";
  player.killScore = 0;
  player.inventoryNames = {"STAPLE REMOVER"};
  player.inventoryCounts = {10, 0, 0, 0, 0, 0};
  state.fateValue = 99;
  state.achievements[0] = "Ann";
  const std::string win = pageAfter(54);
  EXPECT_TRUE(win.starts_with("YOU WIN! Thank you for playing.\n"
                              "Vic's save file has been updated to reflect your win.\n"
                              "Total time: "))
      << win;
  EXPECT_TRUE(win.ends_with(".\n"
                            "\n"
                            "[TYPE ANYTHING TO CLOSE GAME WINDOW]"));
  EXPECT_TRUE(slurp("saves/Vic.txt").starts_with("[VICTORIOUS FILE]"));
  EXPECT_EQ(state.achievements[0], "Ann") << "a slot already earned keeps its name";
  for (int slot : {2, 6, 12, 18}) EXPECT_EQ(state.achievements[slot - 1], "Vic") << slot;
  for (int slot : {3, 4, 5, 17}) EXPECT_EQ(state.achievements[slot - 1], "") << slot;
  EXPECT_EQ(state.deepestFloor, 16);
  EXPECT_EQ(state.victoryCount, 1);
  const std::string meta = slurp("saves/meta-save.txt");
  EXPECT_NE(meta.find("[ACHIEVEMENTS]\n"
                      "Ann\n"
                      "Vic\n"
                      "\n"
                      "\n"
                      "\n"
                      "Vic\n"),
            std::string::npos)
      << meta;
  EXPECT_TRUE(meta.ends_with("\n"
                             "16\n"
                             "1\n"
                             "0"))
      << meta;

  EXPECT_EQ(type("bye"), "byeeeeeee");
  EXPECT_TRUE(state.closeRequested);
}

TEST_F(VictoryPlay, AWinThatCannotBeWrittenSaysSoAndStillCounts) {
  player.quibblent = "VICTORIOUS";
  std::filesystem::remove_all("saves");
  spit("saves", "a file where the folder should be");
  const std::string win = pageAfter(54);
  EXPECT_TRUE(win.starts_with("YOU WIN! Thank you for playing.\n"
                              "Uh oh. Vic's save file could NOT be updated to reflect \n"
                              "your win.\n"
                              "Your achievements could NOT be saved.\n"
                              "Total time: "))
      << win;
  EXPECT_EQ(state.victoryCount, 1);
  EXPECT_EQ(state.achievements[0], "Vic");
}

}  // namespace
