#include <gtest/gtest.h>

#include "interpreter/timed_steps.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

TEST(TimedSteps, WhichWaitingStepStandsAndHowLongItWaits) {
  const struct {
    int prompt;
    int stage;
    TimedStepKind kind;
    double wait;
    bool emptiesTypedLine;
  } cases[] = {
      {45, 0, TimedStepKind::TimedPage, 2.0, false},
      // The timed page comes first when a dialogue pause stands as well.
      {45, 66, TimedStepKind::TimedPage, 2.0, false},
      {2, 27, TimedStepKind::DialoguePause, 2.0, false},
      {2, 66, TimedStepKind::LongScene, 8.0, true},
      {2, 67, TimedStepKind::LongScene, 8.0, true},
      {46, 0, TimedStepKind::None, 0.0, false},
      {2, 28, TimedStepKind::None, 0.0, false},
      {2, 65, TimedStepKind::None, 0.0, false},
      {2, 68, TimedStepKind::None, 0.0, false},
  };
  for (const auto& c : cases) {
    GameState state;
    state.pendingPrompt = c.prompt;
    state.dialogueStage = c.stage;
    const TimedStep step = standingTimedStep(state);
    EXPECT_EQ(step.kind, c.kind) << c.prompt << "/" << c.stage;
    EXPECT_EQ(step.waitSeconds, c.wait) << c.prompt << "/" << c.stage;
    EXPECT_EQ(step.emptiesTypedLine, c.emptiesTypedLine) << c.prompt << "/" << c.stage;
  }
}

TEST(TimedSteps, AStepFiresOnlyOnceItsWaitHasPassed) {
  const TimedStep page{TimedStepKind::TimedPage, 2.0, false};
  EXPECT_FALSE(timedStepDue(page, 1.999));
  EXPECT_FALSE(timedStepDue(page, 2.0));
  EXPECT_TRUE(timedStepDue(page, 2.001));
  EXPECT_FALSE(timedStepDue(TimedStep{}, 1000.0));
}

TEST(TimedSteps, FiringMovesTheStateOnAndRunsAStep) {
  Floor floorRecord;
  PlayerRecord playerRecord;
  {
    GameState state;
    state.pendingPrompt = 45;
    fireTimedStep(state, floorRecord, playerRecord);
    EXPECT_NE(state.pendingPrompt, 45);
    EXPECT_NE(state.pendingPrompt, 2);
    EXPECT_EQ(state.level, &floorRecord);
  }
  {
    GameState state;
    state.pendingPrompt = 2;
    state.dialogueStage = 27;
    fireTimedStep(state, floorRecord, playerRecord);
    EXPECT_NE(state.dialogueStage, 27);
    EXPECT_EQ(state.level, &floorRecord);
  }
}

TEST(TimedSteps, NothingFiresWhenNothingStands) {
  Floor floorRecord;
  PlayerRecord playerRecord;
  GameState state;
  state.pendingPrompt = 2;
  EXPECT_EQ(fireTimedStep(state, floorRecord, playerRecord), "");
  EXPECT_EQ(state.level, nullptr);
  EXPECT_EQ(state.pendingPrompt, 2);
}

}  // namespace
