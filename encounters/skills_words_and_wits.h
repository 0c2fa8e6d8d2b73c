#pragma once
// The skills that talk, steal, cure, study, preach, eat and swap rather
// than strike: NEGOTIATE, PICKPOCKET, PISS OFF, ANTIBIOTICS, INFERENCE,
// EXAMINE, PREACH, PISS ON, EAT and QBL.SWAP.
#include "encounters/skill_effect.h"

void effectNegotiate(GameState& state, PlayerRecord& player, Action& skill);
void effectPickpocket(GameState& state, PlayerRecord& player, Action& skill);
void effectPissOff(GameState& state, PlayerRecord& player, Action& skill);
void effectAntibiotics(GameState& state, PlayerRecord& player, Action& skill);
void effectInference(GameState& state, PlayerRecord& player, Action& skill);
void effectExamine(GameState& state, PlayerRecord& player, Action& skill);
void effectPreach(GameState& state, PlayerRecord& player, Action& skill);
void effectPissOn(GameState& state, PlayerRecord& player, Action& skill);
void effectEat(GameState& state, PlayerRecord& player, Action& skill);
void effectQblSwap(GameState& state, PlayerRecord& player, Action& skill);
