#include "world/game_state.h"

// Not in the game yet: no secret room opens.
void GameState::handleSecretRoom(std::string, Floor&, PlayerRecord&) { messageBuffer = "Don't be ridiculous."; }
