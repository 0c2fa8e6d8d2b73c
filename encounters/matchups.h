#pragma once
// Quibblent matchups: some words hit harder or softer against others.
struct Action;
struct GameState;
struct PlayerRecord;

// Multiplies the hit's Action::attackValue by the factor of every matchup
// between the attacker's words and the defender's, truncating, and leaves
// in GameState::combatValue 2 (boosted), 1 (weakened) or 0.
void applyMatchupMultiplier(Action& hit, GameState& state, PlayerRecord& player, bool playerIsAttacker);
