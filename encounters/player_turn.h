#pragma once
// The hero's skill in a fight.
#include <cstddef>
#include <span>
#include <string>

#include "encounters/skill_effect.h"

struct PlayerRecord;
struct GameState;

// Carries out the hero's skill at `skillIndex` of PlayerRecord::skills
// against GameState::currentEnemy and answers with the turn's narration
// (also left in that skill's Action::narration when the skill is still
// held). A skill may forget or learn skills during its turn, so the
// narration is returned rather than read back through the list.
std::string resolvePlayerTurn(std::size_t skillIndex, PlayerRecord& player, GameState& state);

// The same turn, with the skills' effects looked up in `effects`.
std::string resolvePlayerTurnWith(std::span<const SkillEffectRow> effects, std::size_t skillIndex,
                                  PlayerRecord& player, GameState& state);
