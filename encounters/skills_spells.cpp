#include "encounters/skills_spells.h"

#include <algorithm>

#include "encounters/fight_texts.h"
#include "encounters/fire_and_oil.h"
#include "encounters/skill_rules.h"
#include "world/game_state.h"

namespace {

constexpr int kPlayersMenuState = 2;
constexpr int kEnemyDefeatedState = 10;

// HEAL restores a third of the hero's maximum, never more than this.
constexpr int kMostHealed = 25;

// A CONFUSED hero fumbles every spell.
bool tooConfused(const PlayerRecord& player, Action& skill, const char* spell) {
  if (player.quibblent != "CONFUSED") return false;
  skill.narration = player.name + " is too CONFUSED to cast " + spell + "!!\n" + kEnemyTurnPrompt;
  return true;
}

// What the bolt did to the enemy's hit points; answers the line that says so.
std::string boltLands(GameState& state, int amount) {
  Creature& enemy = state.currentEnemy;
  if (enemy.type == "DEMON") {
    enemy.hp = std::min(enemy.hp + amount, enemy.maxHp);
    return enemyFullName(enemy) + " healed " + std::to_string(amount) + " HP! Oh no!!\n";
  }
  enemy.hp -= amount;
  if (enemy.hp < 1) {
    enemy.hp = 0;
    state.combatState = kEnemyDefeatedState;
  }
  return enemyFullName(enemy) + " took " + std::to_string(amount) + " damage. Rad!\n";
}

}  // namespace

void effectFirebolt(GameState& state, PlayerRecord& player, Action& skill) {
  if (tooConfused(player, skill, "FIREBOLT")) return;
  Creature& enemy = state.currentEnemy;
  skill.amount = player.level * 2 + 8;
  if (enemy.quibblent == "DAMP") skill.amount /= 2;
  skill.cooldownLeft += skill.cooldown;
  skill.narration = player.name + " fires off a FIREBOLT!\n";

  if (enemy.quibblent == "HIGHLY FLAMMABLE" && risesFromTheAshes(enemy.type)) {
    enemy.hp = enemy.maxHp;
    enemy.quibblent = "UNINTERESTING";
    skill.narration += "FWOOOOOOSH!!! The " + enemy.type +
                       " explodes!!!\n"
                       "...But it rises back out of the ashes, stronger than ever!\n"
                       "Full enemy health restored! Oh no!!\n" +
                       kEnemyTurnPrompt;
    return;
  }
  if (enemy.quibblent == "HIGHLY FLAMMABLE") {
    skill.narration += explodeEnemy(state, player, skill);
    return;
  }
  skill.narration += boltLands(state, skill.amount);
  if (catchesFire(state, player)) {
    skill.narration += enemy.changeQuibblent("FLAMING", state, false) + "\n" + kEnemyTurnPrompt;
  } else {
    skill.narration += wakeUpOrEnemyTurn(state);
  }
}

void effectStunbolt(GameState& state, PlayerRecord& player, Action& skill) {
  if (tooConfused(player, skill, "STUNBOLT")) return;
  Creature& enemy = state.currentEnemy;
  skill.cooldownLeft += skill.cooldown;
  skill.narration = player.name + " fires off a STUNBOLT!\n" + enemyFullName(enemy);
  if (enemy.type == "HELLFUCKER" || enemy.type == "CTHULOID") {
    player.stunned = true;
    skill.narration += std::string(" reflects the attack back at you!!\n"
                                   "You are now STUNNED! ") +
                       kEnemyTurnPrompt;
    return;
  }
  enemy.stunned = true;
  state.combatState = kPlayersMenuState;
  skill.narration += " has been STUNNED!!\n"
                     "It is now your turn.\n" +
                     playerTurnText(player);
}

void effectHeal(GameState&, PlayerRecord& player, Action& skill) {
  if (tooConfused(player, skill, "HEAL")) return;
  skill.amount = std::min(player.maxHp / 3, kMostHealed);
  player.heal(skill.amount);
  skill.cooldownLeft += skill.cooldown;
  skill.narration = player.name + skill.message + " You recovered " + std::to_string(skill.amount) + " HP!!\n" +
                    kEnemyTurnPrompt;
}

void effectApplySalt(GameState& state, PlayerRecord& player, Action& skill) {
  skill.cooldownLeft += skill.cooldown;
  const std::string message = state.currentEnemy.changeQuibblent("LIGHTLY SALTED", state, false);
  skill.narration = player.name + skill.message + "\n" + message + "\n" + kEnemyTurnPrompt;
}
