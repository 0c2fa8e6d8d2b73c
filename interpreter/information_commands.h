#pragma once
// The commands that only tell the hero about the run: help, info, status,
// the inventory and skills lists, the greeting and the hall of fame.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

std::string commandHelp(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandInfo(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandStatus(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandInventory(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
std::string commandSkills(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandAchievements(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
std::string commandHello(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);

extern const char kHelpSecondPage[];

// What a HEAL restores: a third of the hero's most hit points, at most 25.
int healAmount(const PlayerRecord& playerRecord);
