#pragma once
// Using and dropping items, and the three skills that work outside a fight
// (HEAL, EAT, ANTIBIOTICS), by slot number or by name.
#include <cstddef>
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;
struct Action;

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

// The three skills that work outside a fight, on a skill already chosen (by
// name, or from the skills list). The list's follow-up takes ANTIBIOTICS
// without its FLAMING line and with a blank before the poison cure.
std::string useHealSkillOutside(GameState& state, PlayerRecord& playerRecord, Action& skill);
std::string useEatSkillOutside(GameState& state, PlayerRecord& playerRecord, Action& skill);
std::string useAntibioticsSkillOutside(GameState& state, PlayerRecord& playerRecord, Action& skill,
                                       bool fromSkillsList);
// Throws away the whole stack of a held slot (0-based), with the refusals of
// the items that cannot be thrown away.
std::string throwSlotAway(PlayerRecord& playerRecord, std::size_t slot);
