#pragma once
// The name prompt, open from start-up until a name is accepted, and the
// load prompt that "load" opens. Both take the line exactly as typed. A name
// becomes the file "saves/" + name + ".txt", so both accept only names that
// are safe as file names, by the one rule of persistence/save_names.h.
// Then the two prompts that follow a memorial: start a new game under that
// name (17), and the last page before the window closes (18).
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kNewGameOverMemorialPrompt = 17;
inline constexpr int kLastPagePrompt = 18;

// The question the reply box shows at start and after starting over.
extern const char kNamePromptText[];

std::string answerNamePrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
std::string answerLoadPrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);

std::string answerNewGameOverMemorial(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                      const std::string& line);
std::string answerLastPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);
