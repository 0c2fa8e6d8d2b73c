#pragma once
// Picking a class right after a new adventurer is named (prompt 30), and the
// one way to become a fourth class, the ZOMBIE.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kClassChoicePrompt = 30;

// The list of classes that follows a newly accepted name.
extern const std::string kClassListText;

std::string answerClassChoice(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);

// What a hero rises with as a ZOMBIE.
struct ZombieFigures {
  int hp;
  int attack;
  int defence;
  int eatSkills;  // how many times EAT is learned
};
inline constexpr ZombieFigures kZombieByNecronomicon = {120, 20, 8, 3};
inline constexpr ZombieFigures kZombieOnFloor15 = {160, 24, 10, 3};
// Rising from death imbued with the NECRONOMICON.
inline constexpr ZombieFigures kZombieRisenFromDeath = {160, 24, 10, 1};

// Fists and a loincloth (their bonuses not added), the given figures, level
// and experience 0, no items, no skills but EAT, no imbuement and no poison.
// Dodges, gold, quibblent and the rest stay.
void turnIntoZombie(PlayerRecord& playerRecord, const ZombieFigures& figures);
