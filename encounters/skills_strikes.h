#pragma once
// The skills that strike the enemy: MAGICBOLT's fixed blast, and the three
// blows dealt with the hero's own attack, SNEAK ATTACK, MEGATON PUNCH and
// BODY TACKLE.
#include "encounters/skill_effect.h"

void effectMagicbolt(GameState& state, PlayerRecord& player, Action& skill);
void effectSneakAttack(GameState& state, PlayerRecord& player, Action& skill);
void effectMegatonPunch(GameState& state, PlayerRecord& player, Action& skill);
void effectBodyTackle(GameState& state, PlayerRecord& player, Action& skill);
