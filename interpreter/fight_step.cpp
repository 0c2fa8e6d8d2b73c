#include "interpreter/fight_step.h"

// Not in the game yet: every line passes on.
StageReply offerToFight(GameState&, Floor&, PlayerRecord&, const std::string&) { return std::nullopt; }
