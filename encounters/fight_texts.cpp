#include "encounters/fight_texts.h"

#include "world/creature.h"
#include "world/player_record.h"

std::string playerTurnText(const PlayerRecord& player) {
  return "You have " + std::to_string(player.dodges) + " dodges left.\n" + kCombatMenu;
}

std::string enemyFullName(const Creature& enemy) { return enemy.quibblent + " " + enemy.type; }
