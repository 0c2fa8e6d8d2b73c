#pragma once
// The achievements viewer (GameState::achievementsViewerOpen): its pages and
// the eighteen descriptions, until "exit" leaves it.
#include "interpreter/stage_reply.h"

// Takes every line while the viewer is open; passes it on otherwise.
StageReply offerToAchievementsViewer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                     const std::string& line);
