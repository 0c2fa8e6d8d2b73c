#include "interpreter/later_dialogues.h"

// Not in the game yet: no stage is served here.
StageReply answerLaterDialogueStage(GameState&, Floor&, PlayerRecord&, const std::string&) { return std::nullopt; }
