#pragma once
// The first step of a new run and the prompts about the hero's equipment and
// two objects of the dungeon floor:
//   1  start kit, floor 1 and the opening text (any line)
//   4  replace the weapon with the one found (Y/N)
//   5  replace the armor with the one found (Y/N)
//   6  a fountain: dip weapon, armor or self; at a CLEANSING fountain, bathe (Y/N)
//   7  blow up the explosive barrel (Y/N)
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kStartKitPrompt = 1;
inline constexpr int kReplaceWeaponPrompt = 4;
inline constexpr int kReplaceArmorPrompt = 5;
inline constexpr int kFountainPrompt = 6;
inline constexpr int kBarrelPrompt = 7;

struct ItemRecord;

// Puts `item` into equipment slot `slot` (0 weapon, 1 armor): the old
// item's attack and defence bonuses come off the hero, the new one's go on.
void wearEquipment(PlayerRecord& playerRecord, int slot, const ItemRecord& item);

// A monster the blast of a barrel killed leaves its tile: freed stairs,
// a smattering of gold or ashes; the kill is counted, and blowing up
// JOHNNY THE POTION earns the potion family's achievement.
void removeCreatureKilledByBlast(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile);

std::string answerStartKit(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);
std::string answerReplaceWeapon(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
std::string answerReplaceArmor(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line);
std::string answerFountain(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);
std::string answerBarrel(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                         const std::string& line);

// The diseases a CLEANSING fountain cures, by index of PlayerRecord::curedDiseases.
extern const char* const kDiseaseNames[30];
