#pragma once
// The item catalogue: which weapons and armors turn up on which floors with
// their base numbers, the consumables and their prices, and the words an item
// can bear. The code that rolls items lives in item_record.cpp.
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A weapon or an armor type. `bonus` is a weapon's attack or an armor's
// defence. It is found as loot on floors firstFloor..lastFloor; types that are
// only ever handed out (FISTS, the DRAGON-TONGUE...) have an empty range.
struct GearRow {
  std::string_view type;
  int bonus;
  int price;
  int firstFloor;
  int lastFloor;
  bool plain;  // carries no word of its own: always UNINTERESTING
};

enum class ConsumableSize { Small, Large, Gift };

struct ConsumableRow {
  std::string_view type;
  int price;
  ConsumableSize size;
};

std::span<const GearRow> weaponRows();
std::span<const GearRow> armorRows();
std::span<const ConsumableRow> consumableRows();

// The row of a type, or nullptr.
const GearRow* findWeapon(std::string_view type);
const GearRow* findArmor(std::string_view type);
// A consumable's price per unit; 0 for a name that is not a consumable.
int consumablePrice(std::string_view type);

// The types found as loot on a floor, in catalogue order; never empty.
std::vector<std::string> weaponTypesForFloor(int floorNumber);
std::vector<std::string> armorTypesForFloor(int floorNumber);
// Consumables of one size, in catalogue order.
std::vector<std::string> consumableTypes(ConsumableSize size);

// The words loot is drawn from: common ones, and the rare ones that come 1 time in 15.
std::span<const std::string_view> itemCommonQuibblents();
std::span<const std::string_view> itemRareQuibblents();

// The four price factors of a sale, 0.9 to 1.2, as single-precision floats.
float priceFactor(unsigned priceRoll);
