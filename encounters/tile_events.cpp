#include "encounters/tile_events.h"

#include "world/game_state.h"

// Not in the game yet: every tile holds nothing.
void GameState::handleTileEvent(int, std::string, Floor&, PlayerRecord&) { messageBuffer = kNothingImportantText; }
