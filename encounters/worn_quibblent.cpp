#include "encounters/worn_quibblent.h"

#include "world/player_record.h"

std::string changeWornQuibblent(PlayerRecord& player, std::size_t slot, const std::string& word) {
  if (player.equipment.size() <= slot) player.equipment.resize(slot + 1);
  ItemRecord& worn = player.equipment[slot];
  player.attack -= worn.attack;
  player.defence -= worn.defence;
  std::string change = worn.changeQuibblent(word);
  player.attack += worn.attack;
  player.defence += worn.defence;
  return change;
}
