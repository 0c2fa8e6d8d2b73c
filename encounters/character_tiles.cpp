#include "encounters/character_tiles.h"

#include "world/game_state.h"

// Not in the game yet: no character is known.
void enterCharacterTile(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = "error???"; }
