#include "world/player_record.h"

#include <algorithm>
#include <utility>

namespace {

const std::string kNevermind = "uhh nevermind";

// The slot holding exactly this name, or -1.
int slotOf(const std::vector<std::string>& names, const std::string& itemName) {
  const auto found = std::find(names.begin(), names.end(), itemName);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// The counts always have one entry per slot, even after a hand-edited save.
void keepSixCounts(std::vector<int>& counts) {
  if (counts.size() < static_cast<std::size_t>(kInventorySlots)) counts.resize(kInventorySlots, 0);
}

}  // namespace

bool PlayerRecord::inventoryFull() const {
  return inventoryNames.size() >= static_cast<std::size_t>(kInventorySlots);
}

bool PlayerRecord::hasRoomFor(const std::string& itemName) const {
  const bool held = std::find(inventoryNames.begin(), inventoryNames.end(), itemName) != inventoryNames.end();
  if (held) return !hasItem(itemName, kStackLimit);
  return !inventoryFull();
}

bool PlayerRecord::knowsSkill(const std::string& skillName) const {
  return std::any_of(skills.begin(), skills.end(), [&](const Action& skill) { return skill.name == skillName; });
}

std::string PlayerRecord::learnSkill(std::string skillName) {
  if (skillName == kEmptySlotName) return kNevermind;
  if (skills.size() >= static_cast<std::size_t>(kSkillLimit)) {
    return "You have too many SKILLS already! Don't be skill-greedy.";
  }
  // A ZOMBIE's mind is too far gone to notice it already knows a trick.
  if (knowsSkill(skillName) && playerClass != "ZOMBIE") {
    return "You already know that skill! Don't be a skill-hoarder.";
  }
  skills.emplace_back(skillName, 1, true);
  return "You learned " + skillName + "!";
}

std::string PlayerRecord::forgetSkill(std::string skillName) {
  if (skillName == kEmptySlotName) return kNevermind;
  std::erase_if(skills, [&](const Action& skill) { return skill.name == skillName; });
  return "You forgot " + skillName + "!";
}

std::string PlayerRecord::gainItem(std::string itemName, int count) {
  if (itemName == kEmptySlotName) return kNevermind;
  keepSixCounts(inventoryCounts);
  const std::string gotIt = "You got a " + itemName + "!";
  const int slot = slotOf(inventoryNames, itemName);
  // Gaining nothing (or less) neither takes units away nor leaves an empty
  // stack under a new name.
  if (slot >= 0) {
    if (count > 0) inventoryCounts[slot] = std::min(inventoryCounts[slot], kStackLimit - count) + count;
    return gotIt;
  }
  if (inventoryNames.size() >= static_cast<std::size_t>(kInventorySlots)) {
    return "Your INVENTORY is full...";
  }
  if (count < 1) return gotIt;
  inventoryNames.push_back(itemName);
  // A new stack is no bigger than a full one.
  inventoryCounts[inventoryNames.size() - 1] = std::min(count, kStackLimit);
  return gotIt;
}

std::string PlayerRecord::loseItem(std::string itemName) {
  if (itemName == kEmptySlotName) return kNevermind;
  keepSixCounts(inventoryCounts);
  const std::string lostIt = "You lost a " + itemName + "!";
  const int slot = slotOf(inventoryNames, itemName);
  if (slot < 0) return lostIt;
  inventoryCounts[slot] -= 1;
  if (inventoryCounts[slot] < 1) {
    inventoryCounts.erase(inventoryCounts.begin() + slot);
    inventoryCounts.push_back(0);
    inventoryNames.erase(inventoryNames.begin() + slot);
  }
  return lostIt;
}

bool PlayerRecord::hasItem(std::string itemName, int leastCount) const {
  // Only the held names have counts that mean anything; a names list longer
  // than the counts (a hand-edited save) must not read past them.
  const std::size_t held = std::min(inventoryNames.size(), inventoryCounts.size());
  for (std::size_t i = 0; i < held; ++i) {
    if (inventoryNames[i] == itemName && inventoryCounts[i] >= leastCount) return true;
  }
  return false;
}

void PlayerRecord::heal(int amount) {
  // A hero already above the maximum (after it was lowered) keeps what he has.
  if (static_cast<long long>(hp) + amount > maxHp) amount = std::max(maxHp - hp, 0);
  hp += amount;
}

char toLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
