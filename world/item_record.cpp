#include "world/item_record.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "world/item_tables.h"
#include "world/player_record.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"
#include "world/whole_numbers.h"

namespace {

// Loot kinds that always bring the same type. Columns: kind, type.
struct FixedLootRow {
  std::string_view kind;
  std::string_view type;
};

constexpr FixedLootRow kFixedLoot[] = {
    {"start", "SWORD"},  {"ostart", "DAGGER"}, {"shirt", "SHIRT"},        {"fists", "FISTS"},
    {"nude", "NUDITY"}, {"loin", "LOINCLOTH"}, {"dragon", "DRAGON-TONGUE"},
};

// The dragon's tongue is always still burning.
constexpr std::string_view kDragonKind = "dragon";
constexpr std::string_view kDragonWord = "FLAMING";

// A starting kit never comes with a rare word.
bool isStartingKit(std::string_view kind) { return kind == "start" || kind == "ostart" || kind == "shirt"; }

// Consumables and the plain stand-ins for missing gear are called by their type alone.
bool namedByTypeAlone(std::string_view kind) {
  return kind == "Small" || kind == "Large" || kind == "fists" || kind == "nude" || kind == "loin";
}

// One in this many loot words is rare, when the roll hits kRareWordRoll.
constexpr unsigned kRareWordOdds = 15;
constexpr unsigned kRareWordRoll = 2;

// Loot is worth twice its catalogue price before the sale's factor.
constexpr int kLootPriceMultiplier = 2;

// POTIONs a positive bias adds to the small candidates, and the further ones above 2.
constexpr int kBiasPotions = 4;
constexpr int kStrongBiasPotions = 8;
constexpr int kStrongBias = 2;
constexpr int kForcingBias = 3;
constexpr std::string_view kPotion = "POTION";

// Words whose grip on an item wears off, and after how many turns.
constexpr std::string_view kWaningItemWords[] = {"RAVENOUS", "STARVING", "DAMNED", "FLAMING"};
constexpr int kWaningItemTurns = 6;
// GAMER wears off a creature or the player, but never an item.
constexpr std::string_view kLastingItemWord = "GAMER";

std::vector<std::string> toStrings(std::span<const std::string_view> words) {
  return std::vector<std::string>(words.begin(), words.end());
}

std::string pick(const std::vector<std::string>& choices) {
  return choices[dice::draw() % static_cast<unsigned>(choices.size())];
}

int roundHalfAway(float value) { return static_cast<int>(std::round(value)); }

// The single-precision price of a sale: truncated toward zero.
int scaledPrice(int price, float factor) { return truncatedProduct(price, factor); }

}  // namespace

ItemRecord::ItemRecord(std::string kind, int floorNumber) : lootKind(std::move(kind)) {
  commonQuibblents = toStrings(itemCommonQuibblents());
  rareQuibblents = toStrings(itemRareQuibblents());
  weaponTypes = weaponTypesForFloor(floorNumber);
  armorTypes = armorTypesForFloor(floorNumber);
  smallItemTypes = consumableTypes(ConsumableSize::Small);
  largeItemTypes = consumableTypes(ConsumableSize::Large);

  const bool rare = dice::draw() % kRareWordOdds == kRareWordRoll;
  quibblent = rare && !isStartingKit(lootKind) ? pick(rareQuibblents) : pick(commonQuibblents);

  if (lootKind == "Weapon") {
    type = pick(weaponTypes);
  } else if (lootKind == "Armor") {
    type = pick(armorTypes);
  } else if (lootKind == "Small") {
    type = pick(smallItemTypes);
  } else if (lootKind == "Large") {
    type = pick(largeItemTypes);
  } else {
    for (const FixedLootRow& row : kFixedLoot) {
      if (row.kind == lootKind) type = row.type;
    }
    if (lootKind == kDragonKind) quibblent = kDragonWord;
  }

  applyTypeStats();
  name = namedByTypeAlone(lootKind) ? type : quibblent + " " + type;

  price *= kLootPriceMultiplier;
  roll = priceFactor(dice::draw());
  price = scaledPrice(price, roll);
}

ItemRecord::ItemRecord(std::string consumableType)
    : name(consumableType), type(std::move(consumableType)), price(consumablePrice(type)) {}

void ItemRecord::applyTypeStats() {
  if (const GearRow* weapon = findWeapon(type)) {
    attack = weapon->bonus;
    price = weapon->price;
    if (weapon->plain) quibblent = "UNINTERESTING";
  } else if (const GearRow* armor = findArmor(type)) {
    defence = armor->bonus;
    price = armor->price;
    if (armor->plain) quibblent = "UNINTERESTING";
  }

  const float scaledAttack = static_cast<float>(attack) * factorFor(attackFactorByQuibblent, quibblent);
  const float scaledDefence = static_cast<float>(defence) * factorFor(defenceFactorByQuibblent, quibblent);
  // A price is only rescaled by a word that has a factor: the float product
  // would round a price too big for single precision.
  if (auto it = goldFactorByQuibblent.find(quibblent); it != goldFactorByQuibblent.end()) {
    price = scaledPrice(price, it->second);
  }
  attack = roundHalfAway(scaledAttack);
  defence = roundHalfAway(scaledDefence);

  if (auto it = durationByQuibblent.find(quibblent); it != durationByQuibblent.end() && quibblent != kLastingItemWord) {
    quibblentTimed = true;
    quibblentTurnsLeft = it->second;
  }
}

void ItemRecord::rollConsumable(bool large, std::vector<std::string> heldNames, std::vector<int> heldCounts,
                                int potionBias) {
  smallItemTypes.clear();
  bool potionForced = false;
  if (large) {
    smallItemTypes = consumableTypes(ConsumableSize::Large);
  } else {
    for (const std::string& candidate : consumableTypes(ConsumableSize::Small)) {
      if (candidate != kPotion) smallItemTypes.push_back(candidate);
    }
    if (potionBias > 0) smallItemTypes.insert(smallItemTypes.end(), kBiasPotions, std::string(kPotion));
    if (potionBias > kStrongBias) smallItemTypes.insert(smallItemTypes.end(), kStrongBiasPotions, std::string(kPotion));
    potionForced = potionBias > kForcingBias;
  }

  // Only slots that hold a name count: a count without a name is a hole left by a bad load.
  for (std::size_t slot = 0; slot < heldNames.size() && slot < heldCounts.size(); ++slot) {
    const int held = heldCounts[slot];
    if (held >= kStackLimit || (large && held >= 1)) {
      std::erase(smallItemTypes, heldNames[slot]);
      if (heldNames[slot] == kPotion) potionForced = false;
    } else if (quantity + held > kStackLimit) {
      quantity = kStackLimit - held;
    }
  }
  // Six held names can never exhaust either list; a corrupted inventory that
  // does leaves the offer as it was rather than draw from nothing.
  if (smallItemTypes.empty()) return;

  const unsigned index = dice::draw() % static_cast<unsigned>(smallItemTypes.size());
  type = potionForced ? std::string(kPotion) : smallItemTypes[index];
  name = type;

  price = consumablePrice(type) * quantity;
  roll = priceFactor(dice::draw());
  price = scaledPrice(price, roll);
}

std::string ItemRecord::changeQuibblent(std::string newWord) {
  const std::string oldWord = quibblent;
  std::string message;

  quibblentTimed = false;
  quibblentTurnsLeft = kUntimedTurns;
  for (std::string_view waning : kWaningItemWords) {
    if (newWord == waning) {
      quibblentTimed = true;
      quibblentTurnsLeft = kWaningItemTurns;
    }
  }

  if (oldWord == "FLAMING" && newWord == "CHARRED") {
    message = "Your " + name + "'s flames go out; it's now CHARRED.";
  } else if (newWord == oldWord) {
    return "The " + name + " is already " + newWord + "!";
  }

  // A hologram's numbers were all zero: rebuild them from the type itself.
  if (oldWord == "HOLOGRAPHIC") {
    quibblent = newWord;
    name = newWord + " " + type;
    applyTypeStats();
    return "Your " + type + " is now " + newWord + "!";
  }

  // The old word's factor is taken back before the new one is applied.
  const float scaledAttack = static_cast<float>(attack) / factorFor(attackFactorByQuibblent, oldWord) *
                             factorFor(attackFactorByQuibblent, newWord);
  const float scaledDefence = static_cast<float>(defence) / factorFor(defenceFactorByQuibblent, oldWord) *
                              factorFor(defenceFactorByQuibblent, newWord);
  if (message.empty()) message = "Your " + type + " is now " + newWord + "!";
  quibblent = newWord;
  attack = roundHalfAway(scaledAttack);
  defence = roundHalfAway(scaledDefence);
  name = newWord + " " + type;
  return message;
}
