#pragma once
// Levelling up, in a fight or out of one, and the offer of a skill to a hero
// who already holds six: yes lists the skills, a number replaces that one.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kLevelUpPrompt = 40;
inline constexpr int kSkillOfferPrompt = 48;
inline constexpr int kSkillReplacePrompt = 49;

// The experience needed after reaching `level`: (10 x level) squared, an
// ACADEMIC's (8 x level) squared, and 99999 from level 10 on.
int experienceForNextLevel(const std::string& playerClass, int level);

// Raises the hero one level; `attackGain` is the base ATK a level gives (one
// outside a fight, two in one). Answers with the LEVEL UP text; at level 5 it
// ends with the QBL.SWAP skill learned or offered (the offer opens the
// skill-offer prompt).
std::string levelUp(GameState& state, PlayerRecord& playerRecord, int attackGain);

// The LEVEL UP page outside a fight (any line).
std::string answerLevelUpPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
// "Do you want to replace one? (Y/N)"
std::string answerSkillOffer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
// "Select a skill to replace - "
std::string answerSkillReplace(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
