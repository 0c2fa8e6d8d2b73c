#pragma once
// An enemy or any other creature standing on a tile or being fought.
#include <string>
#include <vector>

#include "world/action.h"

struct Creature {
  Creature() = default;

  std::string type;
  std::string quibblent;
  std::vector<Action> actions;
  int maxHp = 0;
  int goldReward = 0;
  int expReward = 0;
  int attack = 0;
  int defence = 0;
  int regenPerTurn = 0;
  int aggression = 3;
  float dodge = 0.0f;
  int hp = 0;
  bool woundUp = false;
  bool stunned = false;
  bool confident = false;
  bool quibblentTimed = false;
  bool poisoned = false;
  bool noNegotiation = false;
  int quibblentTurnsLeft = 99;
  float attackFactor = 1.0f;
  float damageTakenFactor = 1.0f;
  bool ghastly = false;
  bool holographic = false;
};
