#include "world/game_state.h"

// Not in the game yet: the wizard's spell does nothing.
std::string GameState::castSpellOfImbuence(std::string itemName, int, PlayerRecord&) {
  pendingWord = itemName;
  return "";
}
