#pragma once
// FL'GARHH's shrine of hints, eating one's own salted equipment when hunger
// bites, and JIMMY THE POTION, who offers himself as a drink.
//   35  pay 20 gold into HINT HELL's shrine (Y/N)
//   36  eat the one LIGHTLY SALTED item, weapon or armor (Y/N)
//   37  both are salted: "weapon" or "armor", the empty line cancels
//   41  drink JIMMY THE POTION (Y/N)
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kHintHellPrompt = 35;
inline constexpr int kEatOneItemPrompt = 36;
inline constexpr int kEatWhichItemPrompt = 37;
inline constexpr int kDrinkJimmyPrompt = 41;

std::string answerHintHell(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);
std::string answerEatOneItem(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
std::string answerEatWhichItem(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string answerDrinkJimmy(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);

// JIMMY drunk on the tile `tile`: full HP, the bottle left as broken glass,
// and the achievement for murdering him to the hero when nobody holds it yet
// (written to the meta save at once).
void drinkJimmy(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile);
