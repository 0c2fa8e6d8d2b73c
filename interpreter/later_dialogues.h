#pragma once
// The dialogue stages of the consumption elemental and the small visitors,
// the risky encounters and the curse maker, the mind flayer's trance and
// the Quibblex jump. The dialogue step hands them every stage it does not
// serve itself.
#include "interpreter/stage_reply.h"

// Answers the line when GameState::dialogueStage is one of these stages;
// nothing otherwise.
StageReply answerLaterDialogueStage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                    const std::string& line);
