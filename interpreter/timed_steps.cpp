#include "interpreter/timed_steps.h"

#include "interpreter/save_and_quit.h"
#include "world/game_state.h"

namespace {

constexpr int kDialoguePauseStage = 27;
constexpr int kDialoguePauseNext = 28;
constexpr double kShortWait = 2.0;
constexpr double kLongWait = 8.0;

}  // namespace

TimedStep standingTimedStep(const GameState& state) {
  if (state.pendingPrompt == kTimedPagePrompt) return {TimedStepKind::TimedPage, kShortWait, false};
  if (state.dialogueStage == kDialoguePauseStage) return {TimedStepKind::DialoguePause, kShortWait, false};
  if (state.dialogueStage == 66 || state.dialogueStage == 67) return {TimedStepKind::LongScene, kLongWait, true};
  return {};
}

bool timedStepDue(const TimedStep& step, double secondsWaited) {
  return step.kind != TimedStepKind::None && secondsWaited > step.waitSeconds;
}

std::string fireTimedStep(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  switch (standingTimedStep(state).kind) {
    case TimedStepKind::None: return std::string();
    case TimedStepKind::TimedPage: state.pendingPrompt = kScrollPrankPrompt; break;
    case TimedStepKind::DialoguePause: state.dialogueStage = kDialoguePauseNext; break;
    case TimedStepKind::LongScene: break;
  }
  return state.processCommand(std::string(), floorRecord, playerRecord);
}
