#pragma once
// The wizard Garglefloxx's study behind floor 14's secret room: the
// love-potion question (21), the greeting (22), the item list or the offer
// to lift the CURSE (23), the item choice or the lifting (24), the spell's
// effect (25), the farewell (26) and the confirmation of a powerful item
// (27).
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kWizardLovePotionPrompt = 21;
inline constexpr int kWizardGreetingPrompt = 22;
inline constexpr int kWizardListPrompt = 23;
inline constexpr int kWizardChoicePrompt = 24;
inline constexpr int kWizardEffectPrompt = 25;
inline constexpr int kWizardFarewellPrompt = 26;
inline constexpr int kWizardConfirmPrompt = 27;

std::string answerWizardLovePotion(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                   const std::string& line);
std::string answerWizardGreeting(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line);
std::string answerWizardList(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
std::string answerWizardChoice(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string answerWizardEffect(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string answerWizardFarewell(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line);
std::string answerWizardConfirm(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
