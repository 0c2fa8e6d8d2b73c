#pragma once
// A line that nothing else took: it continues the previous list or first
// page (GameState::lastReplyKind), or is refused.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

std::string answerUnrecognised(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
