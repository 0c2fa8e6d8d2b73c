#pragma once
// A weapon, an armor or a consumable, worn, held or on offer.
#include <string>
#include <vector>

struct ItemRecord {
  ItemRecord() = default;
  // Loot for a floor. `lootKind` is "Weapon", "Armor", "Small" or "Large" for
  // a random find (a "Small" or "Large" one is finished by rollConsumable), or
  // one of the fixed kinds "start", "ostart", "shirt", "fists", "nude",
  // "loin" and "dragon".
  ItemRecord(std::string lootKind, int floorNumber);
  // A consumable of that type, at its price per unit.
  explicit ItemRecord(std::string consumableType);

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

  // The type's base attack or defence and price, then the quibblent's factors
  // and timer on top.
  void applyTypeStats();
  // Turns an offer into a consumable the player can still carry, at most
  // `quantity` units (set by the caller) and never a stack past ten. A bias
  // above 0 puts POTIONs among the candidates; above 3 it forces one.
  void rollConsumable(bool large, std::vector<std::string> heldNames, std::vector<int> heldCounts,
                      int potionBias);
  // Gives the item a new word, rescales its numbers, renames it and answers
  // with the text of the change.
  std::string changeQuibblent(std::string newWord);
};
