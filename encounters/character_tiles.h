#pragma once
// The characters an "NPC" tile holds: who greets the hero, by occupant key,
// class and visit state, and which dialogue stage, prompt or fight follows.
#include "encounters/tile_events.h"

void enterCharacterTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
