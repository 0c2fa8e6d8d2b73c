#pragma once
// A creature's moves as (name, weight) pairs in the order it learned them,
// so a whole move list compares in one check.
#include <string>
#include <utility>
#include <vector>

#include "world/creature.h"

using Moves = std::vector<std::pair<std::string, int>>;

inline Moves movesOf(const Creature& creature) {
  Moves moves;
  for (const Action& move : creature.actions) moves.emplace_back(move.name, move.weight);
  return moves;
}
