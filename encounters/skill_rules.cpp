#include "encounters/skill_rules.h"

#include "encounters/fight_texts.h"
#include "encounters/matchups.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

int skillDamage(GameState& state, PlayerRecord& player, Action& skill, double k) {
  Creature& enemy = state.currentEnemy;
  int damage = truncatedWhole(static_cast<double>(player.attack) * k - static_cast<double>(enemy.defence));
  damage = truncatedProduct(damage, player.attackFactor);
  damage = truncatedProduct(damage, enemy.damageTakenFactor);
  skill.attackValue = damage;
  applyMatchupMultiplier(skill, state, player, true);
  if (skill.attackValue < 0) skill.attackValue = 0;
  skill.amount = skill.attackValue;
  return skill.amount;
}

std::string matchupAdjective(const GameState& state) {
  if (state.combatValue == 2) return "a boosted ";
  if (state.combatValue == 1) return "a weakened ";
  return "";
}

std::string wakeUpOrEnemyTurn(GameState& state) {
  if (state.currentEnemy.quibblent != "SLEEPING") return kEnemyTurnPrompt;
  const std::string message = state.currentEnemy.changeQuibblent("ENRAGED", state, false);
  return "Your attack woke the enemy up!! " + message + "\n" + kEnemyTurnPrompt;
}
