#pragma once
// The enemy's half of a fight turn: GameState::runEnemyTurn chooses the
// move and may offer a dodge; resolveEnemyTurn carries the move out.
struct Action;
struct PlayerRecord;
struct GameState;
struct Floor;

// Carries out `move` of GameState::currentEnemy against the hero. Sets
// GameState::combatState 2 first (or 5, 6, 7, 9, 10, or the death prompt
// 16 as the move ends) and leaves the turn's text in the move's narration
// and, when the buffer is empty, in GameState::messageBuffer. The move may
// be an entry of the enemy's list that the move itself swaps out.
void resolveEnemyTurn(Action& move, PlayerRecord& player, GameState& state, Floor& floorRecord);
