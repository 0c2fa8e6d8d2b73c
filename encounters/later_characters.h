#pragma once
// The characters of an "NPC" tile that the skull, the peanut, the vengeful
// potion and their company bring. The character tile hands them every
// occupant key it does not know itself.
#include <string>

#include "encounters/tile_events.h"

// Greets the hero when `occupantKey` is one of these characters and answers
// true; answers false and changes nothing otherwise.
bool enterLaterCharacter(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction,
                         const std::string& occupantKey);
