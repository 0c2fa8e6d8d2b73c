#include "interpreter/dialogue_step.h"

// Not in the game yet: every line passes on.
StageReply offerToDialogue(GameState&, Floor&, PlayerRecord&, const std::string&) { return std::nullopt; }
