#pragma once
// An enemy or any other creature standing on a tile or being fought.
#include <string>
#include <vector>

#include "world/action.h"

struct GameState;

struct Creature {
  Creature() = default;
  // A creature of a chosen type bearing a chosen word, at full hit points. The
  // scale level grows the class characters (callers pass the floor number for
  // them, 0 otherwise). The word is kept as given, whatever a random roll
  // would have forced on the type.
  Creature(std::string quibblentWord, std::string typeName, int scaleLevel);

  // Gives the creature a new quibblent unless its own rules block or alter
  // the change, and answers with the sentence that tells the player what
  // happened. `force` skips every rule and applies the word as given. The game
  // state is only touched when the change kills the creature outright.
  std::string changeQuibblent(std::string newWord, GameState& state, bool force);

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

// The bestiary: sets the stats and appends the moves of the creature's type
// for `scaleLevel`, then applies its quibblent. Expects a fresh creature:
// moves are appended and aggression is changed by differences.
void applyTypeStats(Creature& creature, int scaleLevel);

// Starts the word's timer: timed for the turns the word lasts, or untimed.
void startQuibblentTimer(Creature& creature, const std::string& word);

// What a quibblent does to a creature: its timer, its extra move, its two
// damage factors, its factors on hit points and rewards, and its fixed
// effects. Shared by a new creature and by a change of quibblent.
void applyQuibblentEffects(Creature& creature, const std::string& word);

// Takes away what `word` gave that can be given back: its extra move and the
// fixed changes to aggression, dodge and ATTACK weights. Flags and the factors
// on hit points and rewards stay.
void undoQuibblentEffects(Creature& creature, const std::string& word);

// Erases the first move called `moveName`. For "ATTACK" only the extra attack
// of weight 99 qualifies, never a creature's ordinary attacks.
void removeAction(Creature& creature, std::string moveName);
