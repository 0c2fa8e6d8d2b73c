#pragma once
// The commands that act on the run as a whole ("save", "load", "give up",
// "quit"/"exit") and the prompts around leaving a run: save before quitting
// (28), a new game after a death (42), and the prank of the illegible
// scroll (46, fired by the shell's timer, and 47).
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kSaveBeforeQuitPrompt = 28;
inline constexpr int kNewGameAfterDeathPrompt = 42;
inline constexpr int kScrollPrankPrompt = 46;
inline constexpr int kAfterPrankPrompt = 47;

// Says so on standard output and asks the shell to close the window.
void closeWindow(GameState& state);

std::string commandSave(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandLoad(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandGiveUp(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                          const std::string& line);
std::string commandQuit(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);

std::string answerSaveBeforeQuit(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line);
std::string answerNewGameAfterDeath(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                    const std::string& line);
std::string answerScrollPrank(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
std::string answerAfterPrank(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
