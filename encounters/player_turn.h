#pragma once
// The hero's skill in a fight.
#include <cstddef>
#include <string>

struct PlayerRecord;
struct GameState;

// Carries out the hero's skill at `skillIndex` of PlayerRecord::skills
// against GameState::currentEnemy and answers with the turn's narration
// (also left in that skill's Action::narration when the skill is still
// held). A skill may forget or learn skills during its turn, so the
// narration is returned rather than read back through the list.
std::string resolvePlayerTurn(std::size_t skillIndex, PlayerRecord& player, GameState& state);
