#include "encounters/matchups.h"

#include <string>
#include <unordered_map>

#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/whole_numbers.h"

namespace {

using MatchupTable = std::unordered_map<std::string, QuibblentMatchup>;

// The factor one table gives an attacking word against one defending word: 1
// unless the attacker's matchup targets exactly that word. Only looks, never
// adds an entry.
float matchupFactor(const MatchupTable& table, const std::string& attacker, const std::string& defender) {
  const auto found = table.find(attacker);
  if (found == table.end() || found->second.target != defender) return 1.0f;
  return found->second.factor;
}

const std::string& wornWord(const PlayerRecord& player, std::size_t slot) {
  static const std::string kNoWord;
  return slot < player.equipment.size() ? player.equipment[slot].quibblent : kNoWord;
}

}  // namespace

void applyMatchupMultiplier(Action& hit, GameState& state, PlayerRecord& player, bool playerIsAttacker) {
  const std::string& enemyWord = state.currentEnemy.quibblent;
  float factor = 1.0f;
  if (playerIsAttacker) {
    // The hero's own word and the weapon's both count against the enemy's word.
    const std::string& weaponWord = wornWord(player, 0);
    factor *= matchupFactor(matchupByQuibblent, player.quibblent, enemyWord);
    factor *= matchupFactor(matchupByQuibblent, weaponWord, enemyWord);
    factor *= matchupFactor(secondMatchupByQuibblent, player.quibblent, enemyWord);
    factor *= matchupFactor(secondMatchupByQuibblent, weaponWord, enemyWord);
  } else {
    // The enemy's word meets the hero's word and the armor's, each on its own.
    const std::string& armorWord = wornWord(player, 1);
    for (const MatchupTable* table : {&matchupByQuibblent, &secondMatchupByQuibblent}) {
      factor *= matchupFactor(*table, enemyWord, player.quibblent);
      factor *= matchupFactor(*table, enemyWord, armorWord);
    }
  }
  hit.attackValue = truncatedProduct(hit.attackValue, factor);
  state.combatValue = factor < 1.0f ? 1 : (factor > 1.0f ? 2 : 0);
}
