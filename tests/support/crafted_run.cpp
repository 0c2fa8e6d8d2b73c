#include "tests/support/crafted_run.h"

#include <memory>

#include "interpreter/session_start.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

bool writeCraftedRun(const std::string& name, const std::string& classChoice, const RunEdit& edit,
                     unsigned seed) {
  dice::useSeed(seed);
  auto state = std::make_unique<GameState>();
  PlayerRecord hero;
  Floor floorRecord;
  startSession(*state);
  state->processCommand(name, floorRecord, hero);
  state->processCommand(classChoice, floorRecord, hero);
  state->processCommand("onward", floorRecord, hero);
  if (edit) edit(*state, floorRecord, hero);
  return state->saveRun(floorRecord, hero);
}
