#pragma once
// What a perilous item or a secret room leaves to the next line: the CURSE
// taking hold (29), the floor after a VORTEX (31) and after a TELEPOROMETER
// (32), reading the NECRONOMICON (33), bathing in the FOUNTAIN OF
// RESTORATION (34) and the PLASMA BARREL (38).
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kCurseTakesHoldPrompt = 29;
inline constexpr int kAfterVortexPrompt = 31;
inline constexpr int kAfterTeleporometerPrompt = 32;
inline constexpr int kNecronomiconPrompt = 33;
inline constexpr int kRestorationFountainPrompt = 34;
inline constexpr int kPlasmaBarrelPrompt = 38;

std::string answerCurseTakesHold(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line);
std::string answerAfterVortex(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
std::string answerAfterTeleporometer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                     const std::string& line);
std::string answerNecronomicon(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string answerRestorationFountain(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                      const std::string& line);
std::string answerPlasmaBarrel(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
