#include "encounters/fought_tile.h"

#include "world/game_state.h"

void keepEnemyOnItsTile(GameState& state) {
  if (state.level != nullptr) keepEnemyOnItsTile(state, *state.level);
}

void keepEnemyOnItsTile(GameState& state, Floor& floorRecord) {
  if (state.moveDirection < 0 || state.moveDirection >= kTileCount) return;
  floorRecord.tileCreatures[static_cast<std::size_t>(state.moveDirection)] = state.currentEnemy;
}

void turnIntoChef(Creature& enemy) {
  enemy.type = "CHEF";
  enemy.expReward = 90;
  enemy.attack = 9;
  enemy.defence = 4;
  enemy.actions.clear();
  enemy.actions.emplace_back("ATTACK", 6);
  enemy.actions.emplace_back("APPLY SALT", 9);
  enemy.actions.emplace_back("EAT", 6);
}
