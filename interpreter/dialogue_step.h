#pragma once
// The characters' dialogue chains (GameState::dialogueStage): each stage
// number continues one character's talk with the next typed line.
#include "interpreter/stage_reply.h"

// Takes the line while a dialogue stage is open; passes it on otherwise.
StageReply offerToDialogue(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);
