#pragma once
// A small fight for the skill checks: the hero "Hero" (level 1, 30 of 30 hit
// points, 3 dodges, attack 4, UNINTERESTING, plain weapon and armor) against
// an UNINTERESTING GOBLIN of 20 of 20 hit points, defence 0, never dodging,
// carrying 10 gold. Fields are set directly so that no word's factors creep
// in; rows change what they need.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "encounters/player_turn.h"
#include "world/game_state.h"
#include "world/player_record.h"

inline const std::string kEnemyTurn = "It is now the enemy's turn.\n"
                                      "[TYPE ANYTHING TO CONTINUE]";
inline const std::string kMenu = "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";
inline const std::string kYourTurn = "It is now your turn.\n" + kMenu;
inline std::string dodgesLeft(int dodges) { return "You have " + std::to_string(dodges) + " dodges left.\n" + kMenu; }

struct SkillFight {
  PlayerRecord player;
  GameState state;

  SkillFight() {
    player.name = "Hero";
    player.level = 1;
    player.hp = 30;
    player.maxHp = 30;
    player.dodges = 3;
    player.attack = 4;
    player.quibblent = "UNINTERESTING";
    Creature& enemy = state.currentEnemy;
    enemy.type = "GOBLIN";
    enemy.quibblent = "UNINTERESTING";
    enemy.hp = 20;
    enemy.maxHp = 20;
    enemy.defence = 0;
    enemy.dodge = 0.0f;
    enemy.goldReward = 10;
    state.combatState = 2;
  }

  Creature& enemy() { return state.currentEnemy; }
};

// One use of one learned skill, from a set-up to everything it leaves.
struct SkillCase {
  const char* label;
  const char* skill;
  std::function<void(SkillFight&)> setUp;
  std::vector<std::uint32_t> draws;
  std::vector<int> crands;
  std::string narration;
  int enemyHp;
  int combatState;
  int cooldownLeft;
  int playerHp;
  int dodges;
  std::string enemyQuibblent;
  bool enemyStunned = false;
  bool playerStunned = false;
  int enemyGold = 10;
};

// Plays every row through the turn with its draws scripted, and checks what
// the row expects, that the skill counted one use, and that exactly the
// scripted rolls were made.
void playSkillCases(const std::vector<SkillCase>& cases);
