#pragma once
// Going down the stairs: a monster of the floor may ambush the hero on the
// way; otherwise the next floor is made and the run autosaved.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kStairsPrompt = 43;

std::string answerStairs(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
