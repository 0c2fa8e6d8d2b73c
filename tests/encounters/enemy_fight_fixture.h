#pragma once
// A fight against an enemy whose numbers are set by hand, so no word or type
// adds hidden factors: an ELITE GOBLIN of attack 10 and 50 hit points against
// a hero of defence 4 at 20 of 30 hit points with 3 dodges.
#include <string>
#include <utility>
#include <vector>

#include "world/game_state.h"
#include "world/quibblent_tables.h"

inline const std::string kYourTurn = "It is now your turn.\n"
                                     "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";
inline const std::string kEnemyTurn = "It is now the enemy's turn.\n"
                                      "[TYPE ANYTHING TO CONTINUE]";
inline const std::string kGameOver = "That's it for you. GAME OVER.\n"
                                     "[TYPE ANYTHING TO CONTINUE]";

struct EnemyFight {
  GameState state;
  Floor floor;
  PlayerRecord hero;

  EnemyFight() {
    buildQuibblentTables();
    hero.name = "Hero";
    hero.hp = 20;
    hero.maxHp = 30;
    hero.defence = 4;
    Creature& enemy = state.currentEnemy;
    enemy.type = "GOBLIN";
    enemy.quibblent = "ELITE";
    enemy.attack = 10;
    enemy.hp = 50;
    enemy.maxHp = 50;
    enemy.goldReward = 10;
    state.combatState = 4;
    state.pendingPrompt = 2;
    floor.floorNumber = 3;
  }

  Creature& enemy() { return state.currentEnemy; }
  Action& give(const std::string& name, int weight) { return enemy().actions.emplace_back(name, weight, false); }
};

