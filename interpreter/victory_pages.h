#pragma once
// The pages of a won run: looking back on the battles (50), the money (51)
// and the discoveries (52), the climb to the last floor (53), the win with
// its memorial and achievements (54), and the closing of the window (55).
// A ZOMBIE, who cares for none of it, starts at the climb. Every page
// ignores what is typed.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kBattlesPage = 50;
inline constexpr int kFuturePage = 51;
inline constexpr int kDiscoveriesPage = 52;
inline constexpr int kClimbPage = 53;
inline constexpr int kWinPage = 54;
inline constexpr int kClosingPage = 55;

std::string answerBattlesPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
std::string answerFuturePage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
std::string answerDiscoveriesPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                  const std::string& line);
std::string answerClimbPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                            const std::string& line);
std::string answerWinPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string answerClosingPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
