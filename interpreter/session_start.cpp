#include "interpreter/session_start.h"

#include <ctime>

#include "interpreter/name_prompt.h"
#include "persistence/meta_save.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

std::string startSession(GameState& state) {
  dice::csrand(static_cast<unsigned>(std::time(nullptr)));
  buildQuibblentTables();
  state.namePromptOpen = true;
  readOrCreateMetaSave(state);
  return kNamePromptText;
}
