#pragma once
// Using and dropping items, and the three skills that work outside a fight
// (HEAL, EAT, ANTIBIOTICS), by slot number or by name.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

std::string commandUseItemJoke(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string commandUseHealSkill(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
std::string commandUseAntibiotics(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                  const std::string& line);
std::string commandUseEatSkill(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string commandUseItemSlot(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string commandUseItemByName(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line);
std::string commandDropItemSlot(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
std::string commandDropItemByName(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                  const std::string& line);
std::string commandUseHeldItem(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);

// Whether "drop " + name is taken as a drop (a one-letter line right after
// the inventory list is left to the unrecognised-input answer instead).
bool dropByNameTakesLine(const GameState& state, const PlayerRecord& playerRecord, const std::string& line);
// Whether the line, upper-cased, is the exact name of an item the hero holds.
bool lineNamesHeldItem(const GameState& state, const PlayerRecord& playerRecord, const std::string& line);
