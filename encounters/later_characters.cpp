#include "encounters/later_characters.h"

// Not in the game yet: no character is known here.
bool enterLaterCharacter(GameState&, Floor&, PlayerRecord&, int, const std::string&) { return false; }
