#include "encounters/enemy_turn.h"

#include "encounters/fight_texts.h"
#include "world/game_state.h"

// Not in the game yet: the enemy only waits.
void resolveEnemyTurn(Action&, PlayerRecord& player, GameState& state, Floor&) {
  state.combatState = 2;
  state.messageBuffer = "It is now your turn.\n" + playerTurnText(player);
}

std::string GameState::runEnemyTurn(Floor& floorRecord, PlayerRecord& playerRecord) {
  Action wait("WAIT", 0);
  resolveEnemyTurn(wait, playerRecord, *this, floorRecord);
  return messageBuffer;
}
