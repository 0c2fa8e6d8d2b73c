#pragma once
// Written knowledge: a scroll lying on a floor tile, the ancient scroll of a
// secret room, and HINTLY MCGEE's hint shop.
//   8  read the scroll of the tile just entered (any line)
//   9  buy a hint for 2 GOLD (Y/N)
//  14  read the ancient scroll of the floor's secret room (any line)
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kScrollPrompt = 8;
inline constexpr int kHintShopPrompt = 9;
inline constexpr int kSecretScrollPrompt = 14;

std::string answerScroll(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string answerSecretScroll(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string answerHintShop(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);

// Teaches `skill`, appending what happened to the message buffer: with a full
// set of skills the hero is asked whether to replace one, unless he already
// holds it. `learnedLead` comes before the text of a skill learned outright.
void offerScrollSkill(GameState& state, PlayerRecord& playerRecord, const std::string& skill,
                      const std::string& learnedLead);
