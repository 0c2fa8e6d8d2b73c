#include "encounters/fire_and_oil.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "world/game_state.h"
#include "world/random_source.h"

namespace {

constexpr std::string_view kRisingTypes[] = {"HELLSATAN", "HELLFUCKER", "DRAGON", "DEMON"};
constexpr std::string_view kFuelWords[] = {"FLAMMABLE", "NOXIOUS", "OILY"};

constexpr int kEnemyDefeatedState = 10;
constexpr int kOilRollChoices = 3;
constexpr int kOilRollSpreads = 1;

template <std::size_t N>
bool listed(const std::string_view (&words)[N], std::string_view word) {
  return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

const std::string& weaponWord(const PlayerRecord& player) { return player.equipment[0].quibblent; }

}  // namespace

bool hasFireSource(const PlayerRecord& player) {
  return player.quibblent == "FLAMING" || player.imbuement == "MATCH" || weaponWord(player) == "FLAMING";
}

bool hasOilSource(const PlayerRecord& player) {
  return player.quibblent == "OILY" || weaponWord(player) == "OILY";
}

bool risesFromTheAshes(const std::string& enemyType) { return listed(kRisingTypes, enemyType); }

std::string explodeEnemy(GameState& state, PlayerRecord& player, Action& skill) {
  Creature& enemy = state.currentEnemy;
  enemy.goldReward = 0;
  int blast = enemy.hp / 2;
  if (blast >= player.hp) blast = player.hp - 1;
  player.hp -= blast;
  skill.attackValue = blast;
  enemy.hp = 0;
  state.combatState = kEnemyDefeatedState;
  return "FWOOOOOOSH!!! The " + enemy.type +
         " explodes!!!\n"
         "Its money disintegrates in the explosion. You win!\n"
         "However, the blast also hits you for " +
         std::to_string(blast) +
         " damage.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

bool catchesFire(const GameState& state, const PlayerRecord& player) {
  const Creature& enemy = state.currentEnemy;
  return listed(kFuelWords, enemy.quibblent) || player.imbuement == "KEROSENE" || enemy.type == "MASS";
}

std::string oilRoll(GameState& state, Action& skill) {
  skill.attackValue = dice::crand() % kOilRollChoices;
  if (skill.attackValue != kOilRollSpreads) return "";
  return state.currentEnemy.changeQuibblent("FLAMMABLE", state, false) + "\n";
}
