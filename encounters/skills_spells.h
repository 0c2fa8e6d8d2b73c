#pragma once
// The spells and the salt: FIREBOLT, STUNBOLT, HEAL and APPLY SALT. None of
// them uses the hero's attack.
#include "encounters/skill_effect.h"

void effectFirebolt(GameState& state, PlayerRecord& player, Action& skill);
void effectStunbolt(GameState& state, PlayerRecord& player, Action& skill);
void effectHeal(GameState& state, PlayerRecord& player, Action& skill);
void effectApplySalt(GameState& state, PlayerRecord& player, Action& skill);
