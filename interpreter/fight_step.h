#pragma once
// The fight's turn cycle (GameState::combatState): the menu, the skill and
// item choices, the dodge question, the end of an exchange and of a fight.
#include "interpreter/stage_reply.h"

// Takes the line while a fight step is open; passes it on otherwise.
StageReply offerToFight(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
