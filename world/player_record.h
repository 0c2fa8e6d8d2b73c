#pragma once
// The player's character: equipment, inventory, skills, quibblent, stats and
// the flags and counters that events and fights set along a run.
#include <array>
#include <string>
#include <vector>

#include "world/action.h"
#include "world/item_record.h"
#include "world/random_source.h"

struct GameState;

// How many distinct items the inventory holds, and how many units one stack holds.
inline constexpr int kInventorySlots = 6;
inline constexpr int kStackLimit = 10;
// How many skills the player can know at once.
inline constexpr int kSkillLimit = 6;
// The word a run save writes for an empty slot; handing it to a list
// operation changes nothing.
inline constexpr const char* kEmptySlotName = "NONE";

struct PlayerRecord {
  // [0] the weapon, [1] the armor.
  std::vector<ItemRecord> equipment = std::vector<ItemRecord>(2);
  // Always six counts, parallel to inventoryNames; counts past the last name are 0.
  std::vector<int> inventoryCounts = {2, 0, 0, 0, 0, 0};
  std::vector<std::string> inventoryNames = {"POTION"};
  std::vector<Action> skills;
  std::string quibblent = "UNINTERESTING";
  std::string name;
  std::string playerClass;
  std::string itemUseText;
  int level = 1;
  int maxHp = 30;
  int hp = 30;
  int dodges = 3;
  int attack = 4;
  int defence = 0;
  int exp = 0;
  int expForNextLevel = 100;
  int gold = 0;
  bool stunned = false;
  bool quibblentTimed = false;
  bool willpower = false;
  bool wieldsSwordOfKings = false;
  bool boonOfConsumption = false;
  int drankJimmy = 0;
  int quibblentTurnsLeft = 99;
  RandomDevice rng;
  bool poisoned = false;
  float attackFactor = 1.0f;
  float damageTakenFactor = 1.0f;
  int antibioticsUsed = 0;
  int spicyTolerance = 0;
  int lsdLevel = 0;
  int discoveryScore = 0;
  int killScore = 0;
  std::string imbuement;
  int hungerCountdown = 8;
  std::array<bool, 30> curedDiseases{};

  // Each answers with the message the caller shows.
  std::string learnSkill(std::string skillName);
  std::string forgetSkill(std::string skillName);
  std::string gainItem(std::string itemName, int count);
  std::string loseItem(std::string itemName);

  // Whether one of the hero's skills has exactly this name.
  bool knowsSkill(const std::string& skillName) const;
  // Whether every inventory slot already holds a name.
  bool inventoryFull() const;
  // Whether one more unit of the item would really be pocketed: a held
  // stack below its limit, or a free slot for a new one. A find, gift or
  // purchase that cannot be taken is refused rather than announced and lost.
  bool hasRoomFor(const std::string& itemName) const;
  // True when a slot holds exactly this name with at least `leastCount` units.
  bool hasItem(std::string itemName, int leastCount) const;
  // Adds hit points, never above maxHp.
  void heal(int amount);
  // Takes on a new quibblent under the blocking and combination rules; `force`
  // imposes it past the combinations. Answers with the message to show.
  std::string changeQuibblent(std::string newWord, GameState& state, bool force);
  // Uses the first held item of that name (matched case-blind) and answers
  // with the narration, also left in itemUseText. Whether a fight is on is
  // read from GameState::combatState (16: the item choice); `onEnemy` is the
  // answer to the fight's target question, true when the item is used on
  // the enemy rather than on the hero.
  std::string useItem(std::string itemName, GameState& state, bool onEnemy);
};

// A to Z become a to z; every other byte, those above 127 included, is kept.
char toLowerAscii(char c);
