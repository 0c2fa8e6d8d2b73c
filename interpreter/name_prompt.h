#pragma once
// The name prompt, open from start-up until a name is accepted, and the
// load prompt that "load" opens. Both take the line exactly as typed.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

// The question the reply box shows at start and after starting over.
extern const char kNamePromptText[];

std::string answerNamePrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
std::string answerLoadPrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
