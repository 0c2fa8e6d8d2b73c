#pragma once
// A weapon, an armor or a consumable, worn, held or on offer.
#include <string>
#include <vector>

struct ItemRecord {
  ItemRecord() = default;

  std::string name;
  std::string quibblent;
  std::string type;
  std::string lootKind;
  int attack = 0;
  int defence = 0;
  int quantity = 0;
  float roll = 0.0f;
  int price = 0;
  std::vector<std::string> commonQuibblents;
  std::vector<std::string> rareQuibblents;
  std::vector<std::string> weaponTypes;
  std::vector<std::string> armorTypes;
  std::vector<std::string> smallItemTypes;
  std::vector<std::string> largeItemTypes;
  bool quibblentTimed = false;
  int quibblentTurnsLeft = 99;
};
