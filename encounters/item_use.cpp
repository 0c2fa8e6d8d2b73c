#include "world/game_state.h"

// Not in the game yet: no item does anything.
std::string PlayerRecord::useItem(std::string, GameState& state, bool inFight) {
  if (inFight) state.combatState = 2;
  itemUseText.clear();
  return itemUseText;
}
