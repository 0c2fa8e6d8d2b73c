#pragma once
// What fire and oil on the hero's side do to the enemy a skill has just hit.
#include <string>

struct Action;
struct GameState;
struct PlayerRecord;

// The hero's hits burn when the hero is FLAMING, holds the wizard's MATCH or
// wields a FLAMING weapon.
bool hasFireSource(const PlayerRecord& player);
// The hero's hits can spread oil when the hero or the weapon is OILY.
bool hasOilSource(const PlayerRecord& player);

// Bosses that burst into flame only to rise again.
bool risesFromTheAshes(const std::string& enemyType);

// A HIGHLY FLAMMABLE enemy goes up: its money burns, it dies, and the blast
// (half its hit points, never the hero's last one) hits the hero. Answers
// with the text that tells it. Leaves the blast in skill.attackValue.
std::string explodeEnemy(GameState& state, PlayerRecord& player, Action& skill);

// Whether fire from a hit sets the enemy alight (its word or type feeds it).
bool catchesFire(const GameState& state, const PlayerRecord& player);

// The oil roll (the C library's rand() modulo 3, kept in skill.attackValue):
// a 1 makes the enemy FLAMMABLE. Answers with the change's message and a
// line break, or nothing.
std::string oilRoll(GameState& state, Action& skill);
