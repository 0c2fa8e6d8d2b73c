#include "encounters/matchups.h"

#include "world/game_state.h"

// Not in the game yet: no word changes a hit.
void applyMatchupMultiplier(Action&, GameState& state, PlayerRecord&, bool) { state.combatValue = 0; }
