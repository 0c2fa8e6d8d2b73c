#pragma once
// Finding one's way on a floor: the empty line, the play clock, looking
// around, the eight directions and the secret rooms.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

// What the previous reply was, so that the next unrecognised line can go on
// with it.
inline constexpr int kOrdinaryReply = 1;
inline constexpr int kHelpFirstPageShown = 2;
inline constexpr int kLookFirstPageShown = 3;
inline constexpr int kSkillsListShown = 4;
inline constexpr int kInventoryListShown = 5;

std::string commandEmptyLine(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandTime(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandLook(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
// Moves in the direction the line names (any long or short form).
std::string commandMove(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandSecret(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandSecret2(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);

// The direction code (0 north, clockwise) of a typed direction, or -1.
int directionOfLine(const std::string& line);
bool lineIsEmptyAfterOrdinaryReply(const GameState& state, const PlayerRecord& playerRecord, const std::string& line);
bool lineIsDirection(const GameState& state, const PlayerRecord& playerRecord, const std::string& line);

// The second half of the room description, as the first page left the texts.
std::string lookSecondPage(const Floor& floorRecord);
