#include "world/item_tables.h"

#include <climits>

namespace {

constexpr int kNever = 0;  // with a last floor below it: never found as loot
constexpr int kNoLimit = INT_MAX;

// Columns: type, attack, price, first floor, last floor, plain.
constexpr GearRow kWeapons[] = {
    {"DAGGER", 3, 15, INT_MIN, 4, false},
    {"SWORD", 4, 30, 2, 7, false},
    {"SCIMITAR", 5, 55, 4, 9, false},
    {"RAPIER", 6, 80, 6, 11, false},
    {"KATANA", 8, 110, 8, 13, false},
    {"GREATSWORD", 10, 140, 9, 14, false},
    {"LASER SWORD", 12, 200, 11, kNoLimit, false},
    {"STABLORD(TM)", 14, 300, 13, kNoLimit, false},
    {"DRAGON-TONGUE", 25, 1000, kNever, kNever - 1, false},
    {"FISTS", 0, 0, kNever, kNever - 1, true},
};

// Columns: type, defence, price, first floor, last floor, plain.
constexpr GearRow kArmors[] = {
    {"SHIRT", 0, 5, INT_MIN, 4, false},
    {"LEATHER", 1, 40, 2, 8, false},
    {"ARMOR", 2, 70, 5, 11, false},
    {"CHAINMAIL", 4, 150, 8, kNoLimit, false},
    {"PLATEMAIL", 6, 250, 11, kNoLimit, false},
    {"KEVLAR", 9, 400, 13, kNoLimit, false},
    {"NUDITY", -2, 0, kNever, kNever - 1, true},
    {"LOINCLOTH", 0, 0, kNever, kNever - 1, true},
};

// From this floor on the only armor left to find is PLATEMAIL.
constexpr int kPlatemailOnlyFrom = 15;
constexpr std::string_view kDeepestArmor = "PLATEMAIL";

// Columns: type, price per unit, size (Gift: only ever handed over by a character).
constexpr ConsumableRow kConsumables[] = {
    {"POTION", 20, ConsumableSize::Small},
    {"MATCH", 10, ConsumableSize::Small},
    {"KEROSENE", 10, ConsumableSize::Small},
    {"LSD", 4, ConsumableSize::Small},
    {"MORALITY", 15, ConsumableSize::Small},
    {"AIRHORN", 25, ConsumableSize::Small},
    {"SALT SHAKER", 18, ConsumableSize::Small},
    {"POISON DART", 20, ConsumableSize::Small},
    {"GHOST PEPPER", 40, ConsumableSize::Small},
    {"STAPLE REMOVER", 15, ConsumableSize::Small},
    {"CALCULATOR", 60, ConsumableSize::Large},
    {"LAUGHING GAS", 45, ConsumableSize::Large},
    {"CONTRACT", 45, ConsumableSize::Large},
    {"TOME OF WISDOM", 35, ConsumableSize::Large},
    {"VORTEX", 80, ConsumableSize::Large},
    {"NECRONOMICON", 80, ConsumableSize::Large},
    {"TELEPOROMETER", 70, ConsumableSize::Large},
    {"GHAST-BUSTER", 50, ConsumableSize::Large},
    {"SPECIAL POTION", 1, ConsumableSize::Gift},
    {"HAT", 1, ConsumableSize::Gift},
};

constexpr std::string_view kCommonItemWords[] = {
    "UNINTERESTING", "CONFUSED", "DAMP",     "FLAMMABLE", "FLAMING",  "EXISTENTIAL", "INEFFECTUAL",
    "LIGHTLY SALTED", "RAVENOUS", "POISONOUS", "NOXIOUS",  "GAMER",    "FRIGHTENED",  "HIPPIE",
    "METALHEAD",     "HORNY",    "PERVERTED", "CHARRED",  "VORPAL",   "NIHILIST",
};

constexpr std::string_view kRareItemWords[] = {
    "EXTRAVAGANT", "OILY", "HOLOGRAPHIC", "HIGHLY FLAMMABLE", "STARVING", "MLG", "ELITE", "DAMNED",
};

// A sale's factor is 0.8 plus a tenth of a roll of 1..4, held in single precision.
constexpr float kPriceFactors[] = {0.9f, 1.0f, 1.1f, 1.2f};

const GearRow* findRow(std::span<const GearRow> rows, std::string_view type) {
  for (const GearRow& row : rows) {
    if (row.type == type) return &row;
  }
  return nullptr;
}

std::vector<std::string> typesOnFloor(std::span<const GearRow> rows, int floorNumber) {
  std::vector<std::string> types;
  for (const GearRow& row : rows) {
    if (floorNumber >= row.firstFloor && floorNumber <= row.lastFloor) types.emplace_back(row.type);
  }
  return types;
}

}  // namespace

std::span<const GearRow> weaponRows() { return kWeapons; }
std::span<const GearRow> armorRows() { return kArmors; }
std::span<const ConsumableRow> consumableRows() { return kConsumables; }

const GearRow* findWeapon(std::string_view type) { return findRow(kWeapons, type); }
const GearRow* findArmor(std::string_view type) { return findRow(kArmors, type); }

int consumablePrice(std::string_view type) {
  for (const ConsumableRow& row : kConsumables) {
    if (row.type == type) return row.price;
  }
  return 0;
}

std::vector<std::string> weaponTypesForFloor(int floorNumber) { return typesOnFloor(kWeapons, floorNumber); }

std::vector<std::string> armorTypesForFloor(int floorNumber) {
  if (floorNumber >= kPlatemailOnlyFrom) return {std::string(kDeepestArmor)};
  return typesOnFloor(kArmors, floorNumber);
}

std::vector<std::string> consumableTypes(ConsumableSize size) {
  std::vector<std::string> types;
  for (const ConsumableRow& row : kConsumables) {
    if (row.size == size) types.emplace_back(row.type);
  }
  return types;
}

std::span<const std::string_view> itemCommonQuibblents() { return kCommonItemWords; }
std::span<const std::string_view> itemRareQuibblents() { return kRareItemWords; }

float priceFactor(unsigned priceRoll) { return kPriceFactors[priceRoll % 4u]; }
