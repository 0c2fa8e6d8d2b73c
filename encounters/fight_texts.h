#pragma once
// The words every fight turn is closed with, and how the enemy is named.
#include <string>

struct Creature;
struct PlayerRecord;

// Closes a turn after which the enemy moves.
inline constexpr const char* kEnemyTurnPrompt = "It is now the enemy's turn.\n"
                                                "[TYPE ANYTHING TO CONTINUE]";
// The fight menu.
inline constexpr const char* kCombatMenu = "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";

// Closes a turn that gives the hero another move:
// "You have " + dodges + " dodges left.\n" + the fight menu.
std::string playerTurnText(const PlayerRecord& player);

// The enemy's full name in fight texts: quibblent + " " + type.
std::string enemyFullName(const Creature& enemy);
