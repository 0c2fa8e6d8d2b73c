#pragma once
// Waiting steps: a few pages move on by themselves once they have stood for
// a while, as if an empty line had been typed. The shell times them from
// GameState::clockNow; the console driver fires them at once.
//
//   open prompt 45 (a timed page)      after 2.0 s: prompt 46, empty line
//   dialogue stage 27                  after 2.0 s: stage 28, empty line
//   dialogue stages 66 and 67          after 8.0 s: empty line, typed line emptied
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

// The page that stands before the scroll prank: any line typed before its
// timer fires closes it instead.
inline constexpr int kTimedPagePrompt = 45;

enum class TimedStepKind { None, TimedPage, DialoguePause, LongScene };

struct TimedStep {
  TimedStepKind kind = TimedStepKind::None;
  double waitSeconds = 0.0;       // it fires once more than this has passed
  bool emptiesTypedLine = false;  // the shell also empties the line being typed
};

// The waiting step that stands now; kind None when there is none.
TimedStep standingTimedStep(const GameState& state);

// Whether `step` fires after `secondsWaited` (strictly more than its wait).
bool timedStepDue(const TimedStep& step, double secondsWaited);

// Fires the standing waiting step: moves its state on and runs the command
// step with an empty line; returns that reply. Nothing happens and the
// reply is empty when no step stands.
std::string fireTimedStep(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord);
