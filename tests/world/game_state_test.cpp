#include "world/game_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "world/random_source.h"

namespace {

TEST(GameState, AFreshStateWaitsForTheFirstStepOfANewGame) {
  const GameState state;
  EXPECT_EQ(state.pendingPrompt, 1);
  EXPECT_EQ(state.lastReplyKind, 1);
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(state.dialogueStage, 0);
  EXPECT_EQ(state.achievementsViewerOpen, 0);
  EXPECT_EQ(state.musicTrack, -10);
  EXPECT_EQ(state.previousMusicTrack, -10);
  EXPECT_TRUE(state.recreateWindow);
  EXPECT_TRUE(state.refreshSprites);
  EXPECT_EQ(state.resolution, 1);
  EXPECT_EQ(state.deepestFloor, 1);
  EXPECT_EQ(state.victoryCount, 0);
  EXPECT_EQ(state.potionProgress, 0);
  EXPECT_TRUE(state.autosave);
  EXPECT_TRUE(state.musicOn);
  EXPECT_FALSE(state.fullscreen);
  EXPECT_FALSE(state.firstCombatHint);
  EXPECT_FALSE(state.namePromptOpen);
  EXPECT_FALSE(state.closeRequested);
  for (const std::string& slot : state.achievements) EXPECT_EQ(slot, "");
  EXPECT_EQ(state.shopHintsGiven, std::vector<bool>(12, false));
  EXPECT_EQ(state.hellHintsGiven, std::vector<bool>(11, false));
  EXPECT_EQ(state.textColour1, std::vector<float>({255.0f, 255.0f, 255.0f}));
  EXPECT_EQ(state.textColour2, std::vector<float>({255.0f, 255.0f, 255.0f}));
  EXPECT_EQ(state.storedPlayTime, 0.0);
  EXPECT_GE(state.elapsedSeconds, 0.0);
  EXPECT_LT(state.elapsedSeconds, 1.0);
  EXPECT_EQ(state.currentFeature, nullptr);
  EXPECT_EQ(state.level, nullptr);
  EXPECT_EQ(state.player, nullptr);
  EXPECT_EQ(state.currentEnemy.aggression, 3);
  EXPECT_EQ(state.currentEnemy.quibblentTurnsLeft, 99);
  EXPECT_EQ(state.offeredItem.quibblentTurnsLeft, 99);
}

// The traders' counters come from three draws, modulo 4, 4 and 2. Every draw
// of the construction sees the same value here, whoever else draws first.
TEST(GameState, TradersCountersFollowTheirDraws) {
  struct Case {
    std::uint32_t draw;
    int gerard, wombleton, gary;
  };
  for (const Case& c : std::vector<Case>{{0, 1, 2, 5},
                                         {1, 2, 3, 6},
                                         {2, 3, 4, 5},
                                         {3, 4, 5, 6},
                                         {4, 1, 2, 5},
                                         {4294967295u, 4, 5, 6}}) {
    SCOPED_TRACE(c.draw);
    dice::Script script(std::vector<std::uint32_t>(256, c.draw));
    const GameState state;
    EXPECT_EQ(state.gerardDealsLeft, c.gerard);
    EXPECT_EQ(state.wombletonOffersLeft, c.wombleton);
    EXPECT_EQ(state.garyOffersLeft, c.gary);
  }
}

// The fountain on offer rolls its word first (rare test, pick, cleansing
// test); then GERARD, WOMBLETON and GARY draw once each, in that order, and
// nothing else is drawn.
TEST(GameState, TradersDrawAfterTheFountainInTheirOwnOrder) {
  dice::Script script({0, 0, 0, 5, 6, 7});
  const GameState state;
  EXPECT_EQ(state.currentOffer.word, "UNINTERESTING");
  EXPECT_EQ(state.gerardDealsLeft, 2);
  EXPECT_EQ(state.wombletonOffersLeft, 4);
  EXPECT_EQ(state.garyOffersLeft, 6);
  EXPECT_EQ(script.drawsLeft(), 0u);
}

TEST(GameState, TradersCountersStayInTheirRanges) {
  dice::useSeed(1234);
  std::set<int> gerard, wombleton, gary;
  for (int i = 0; i < 200; ++i) {
    const auto state = std::make_unique<GameState>();
    gerard.insert(state->gerardDealsLeft);
    wombleton.insert(state->wombletonOffersLeft);
    gary.insert(state->garyOffersLeft);
  }
  dice::useDevice();
  EXPECT_EQ(gerard, std::set<int>({1, 2, 3, 4}));
  EXPECT_EQ(wombleton, std::set<int>({2, 3, 4, 5}));
  EXPECT_EQ(gary, std::set<int>({5, 6}));
}

TEST(GameState, DeletingTheStateClosesItsOpenStreams) {
  ScratchDir scratch;
  spit("run.txt", "[PLAYER]\n");
  auto state = std::make_unique<GameState>();
  state->loadFile.open("run.txt");
  ASSERT_TRUE(state->loadFile.is_open());
  state->outFile.open("half-written.txt");
  state->outFile << "[META]\n"
                    "1";
  state.reset();
  // Whatever was still buffered reached the file when the stream closed.
  EXPECT_EQ(slurp("half-written.txt"), "[META]\n"
                                       "1");
}

TEST(GameState, OnlyThePotionAchievementChangesHandsEveryOtherSlotKeepsItsFirstHolder) {
  ScratchDir scratch;
  std::filesystem::create_directory("saves");
  GameState state;
  for (std::string& slot : state.achievements) slot = "Amy";
  for (int number = 1; number <= 18; ++number) {
    EXPECT_FALSE(state.earnAchievement(number, "Fay")) << number;
    EXPECT_FALSE(state.claimAchievement(number, "Fay")) << number;
  }
  state.recordPotionDeed(1, "Bob");
  state.recordPotionDeed(2, "Fay");
  for (std::size_t slot = 0; slot < state.achievements.size(); ++slot) {
    EXPECT_EQ(state.achievements[slot], slot == 6 ? "Fay" : "Amy") << slot;
  }
  EXPECT_EQ(state.potionProgress, 2);
  EXPECT_NE(slurp("saves/meta-save.txt")
                .find("\n"
                      "Fay\n"),
            std::string::npos);
}

}  // namespace
