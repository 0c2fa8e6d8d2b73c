#include "encounters/fought_tile.h"

#include "world/game_state.h"

void keepEnemyOnItsTile(GameState& state) {
  if (state.level == nullptr || state.moveDirection < 0) return;
  const auto tile = static_cast<std::size_t>(state.moveDirection);
  if (tile < state.level->tileCreatures.size()) state.level->tileCreatures[tile] = state.currentEnemy;
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
