// quibblent-console: the game without its window, for end-to-end tests.
// It prints the first reply, then runs one command step per line of
// standard input and prints each reply as a block (the reply, a line break,
// then "----8<----"). A waiting step left standing fires at once, as if its
// time had passed. The game's own trace lines go to standard error, so
// standard output holds only blocks. Saves are read and written in the
// current folder.
//
//   quibblent-console [--seed N]     N: every random draw comes from a
//                                    generator seeded with N
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "interpreter/session_start.h"
#include "interpreter/timed_steps.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

// Bound on waiting steps fired after one line, should pages ever chain
// into each other without end.
constexpr int kMostTimedStepsPerLine = 64;

void printBlock(std::ostream& out, const std::string& reply) { out << reply << "\n"
                                                                               "----8<----\n" << std::flush; }

bool readSeed(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument != "--seed" || i + 1 >= argc) return false;
    char* end = nullptr;
    const unsigned long long seed = std::strtoull(argv[++i], &end, 10);
    if (end == argv[i] || *end != '\0') return false;
    dice::useSeed(seed);
  }
  return true;
}

struct StepState {
  int pendingPrompt;
  int dialogueStage;
  bool operator==(const StepState&) const = default;
};

StepState stepStateOf(const GameState& state) { return {state.pendingPrompt, state.dialogueStage}; }

// Fires the waiting steps that stand after a step; false once the game asks
// for its window to close.
bool fireStandingSteps(std::ostream& out, GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  for (int fired = 0; fired < kMostTimedStepsPerLine; ++fired) {
    if (standingTimedStep(state).kind == TimedStepKind::None) return true;
    const StepState before = stepStateOf(state);
    printBlock(out, fireTimedStep(state, floorRecord, playerRecord));
    if (state.closeRequested) return false;
    // A step that leaves its page standing would fire forever.
    if (stepStateOf(state) == before) return true;
  }
  return true;
}

int run(std::ostream& out) {
  // The game state and the player exist before the program's entry runs;
  // the floor is made by the entry itself.
  auto state = std::make_unique<GameState>();
  PlayerRecord playerRecord;
  printBlock(out, startSession(*state));
  Floor floorRecord;

  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    printBlock(out, state->processCommand(line, floorRecord, playerRecord));
    if (state->closeRequested) return 0;
    if (!fireStandingSteps(out, *state, floorRecord, playerRecord)) return 0;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!readSeed(argc, argv)) {
    std::cerr << "usage: quibblent-console [--seed N]\n";
    return 2;
  }
  std::streambuf* const standardOutput = std::cout.rdbuf();
  std::ostream blocks(standardOutput);
  std::cout.rdbuf(std::cerr.rdbuf());
  const int status = run(blocks);
  std::cout.flush();
  std::cout.rdbuf(standardOutput);
  return status;
}
