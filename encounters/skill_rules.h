#pragma once
// Rules the damaging skills share.
#include <string>

struct Action;
struct GameState;
struct PlayerRecord;

// The damage of a skill with factor k against GameState::currentEnemy:
// attack x k - the enemy's defence (double, truncated), then x the hero's
// attack factor, x the enemy's damage-taken factor (single precision, each
// truncated), then the matchups with the hero attacking; never below 0.
// Leaves the matchup outcome in GameState::combatValue and the damage in
// skill.amount (the skill's text reads it there) and skill.attackValue, and
// answers with it. The enemy is not hurt here.
int skillDamage(GameState& state, PlayerRecord& player, Action& skill, double k);

// "a boosted ", "a weakened " or "" by GameState::combatValue (2, 1, other).
std::string matchupAdjective(const GameState& state);

// What closes a damaging skill's turn: the enemy-turn prompt, or, when the
// hit left a SLEEPING enemy, the enemy waking ENRAGED and then the prompt.
std::string wakeUpOrEnemyTurn(GameState& state);
