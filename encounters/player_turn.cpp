#include "encounters/player_turn.h"

#include "world/game_state.h"

// Not in the game yet: no skill does anything.
std::string resolvePlayerTurn(std::size_t, PlayerRecord&, GameState& state) {
  state.combatState = 7;
  return "";
}
