#pragma once
// What the enemy's moves share while one of them is carried out, and the move
// tables each family of moves keeps beside its handlers.
#include <span>
#include <string>
#include <string_view>

#include "world/action.h"

struct Creature;
struct Floor;
struct GameState;
struct PlayerRecord;

// One enemy move being carried out. `move` is the turn's own copy of the
// move, so a move may take its entry out of the enemy's list (or a change of
// quibblent may do it) while the turn is still being told.
struct EnemyTurn {
  Action& move;
  PlayerRecord& player;
  GameState& state;
  Floor& floor;
  Creature& enemy;
  // Set by a move that ends the turn on its own (the armor that eats the
  // foe), so the closing death check is not made.
  bool skipCommonEnd = false;
};

// A move's name and what carrying it out does.
struct EnemyMoveRow {
  std::string_view name;
  void (*resolve)(EnemyTurn& turn);
};

// The families of moves.
std::span<const EnemyMoveRow> enemyBlowRows();
std::span<const EnemyMoveRow> enemySpellRows();
std::span<const EnemyMoveRow> enemyWordRows();
std::span<const EnemyMoveRow> enemyAppetiteRows();
// What a move no family knows does.
void resolveUnknownEnemyMove(EnemyTurn& turn);

// Closes a turn: the hero's turn prompt, or the game-over line at 0 hit points.
std::string promptEnding(const EnemyTurn& turn);
// A fire hit: a HIGHLY FLAMMABLE hero explodes, an OILY, FLAMMABLE or NOXIOUS
// one catches fire. Appends what happened to the narration.
void burnCheck(EnemyTurn& turn);
// True when the hero is HIGHLY FLAMMABLE; then blows them up as burnCheck does.
bool explodesInFire(EnemyTurn& turn);
// Water puts out half a fire: halved when the hero or the armor is DAMP.
int dampHalved(const PlayerRecord& player, int amount);
// Takes hit points from the hero, never below 0.
void hurtPlayer(PlayerRecord& player, int amount);
// The hero takes a new quibblent (never forced); answers with its message.
std::string changePlayerWord(EnemyTurn& turn, const std::string& word);
// The hero loses the next turn.
void stunPlayer(EnemyTurn& turn);
// The enemy's type alone for an ARCH-ACCOUNTANT, otherwise its full name.
std::string accountantOrFullName(const Creature& enemy);
// A fresh roll reduced modulo `choices`.
int rollBelow(unsigned choices);
