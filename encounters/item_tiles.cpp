#include "encounters/item_tiles.h"

#include <string>

#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

constexpr int kDragonTile = 4;  // the DRAGON always guards the south tile
constexpr const char* kEmptiedItemText = " was once an ITEM, but now there is nothing.";
constexpr const char* kFallsOutText = "\n"
                                      "...Almost immediately, it falls out of your pockets and \n"
                                      "into a crack in the floor, where you can't reach it anymore. \n"
                                      "Dammit. Your INVENTORY must be full.";
constexpr const char* kPocketedText = "!! You pocket the loot with a gleeful smile.";

bool isZombie(const PlayerRecord& player) { return player.playerClass == "ZOMBIE"; }

int roll(GameState& state, int choices) {
  state.auxCounter = static_cast<int>(dice::below(static_cast<std::uint32_t>(choices)));
  return state.auxCounter;
}

void pocket(GameState& state, PlayerRecord& player, const ItemRecord& item, bool fromSmallRoll) {
  player.gainItem(item.name, item.quantity);
  if (fromSmallRoll && item.type == "POTION") state.potionsForSale -= 1;
}

std::string weaponQuestion(const PlayerRecord& player) {
  return "Would you like to replace your current weapon, the \n" + player.equipment[0].name + ", with it? (Y/N)";
}

std::string armorQuestion(const PlayerRecord& player) {
  return "Would you like to replace your current armor, the \n" + player.equipment[1].name + ", with it? (Y/N)";
}

void offerWeapon(GameState& state, PlayerRecord& player, int lootFloor) {
  state.offeredItem = ItemRecord("Weapon", lootFloor);
  state.pendingPrompt = 4;
  state.messageBuffer = "Looking closer, it seems the ITEM you saw was actually a \n" + state.offeredItem.name +
                        "!! (ATK: " + std::to_string(state.offeredItem.attack) +
                        ")\n"
                        "\n" +
                        weaponQuestion(player);
}

void offerArmor(GameState& state, PlayerRecord& player, int lootFloor) {
  state.offeredItem = ItemRecord("Armor", lootFloor);
  state.pendingPrompt = 5;
  state.messageBuffer = "Looking closer, it seems the ITEM you saw was actually a \n" + state.offeredItem.name +
                        "!! (DEF: " + std::to_string(state.offeredItem.defence) +
                        ")\n"
                        "\n" +
                        armorQuestion(player);
}

void findConsumable(GameState& state, PlayerRecord& player, bool large, int floorNumber) {
  ItemRecord& item = state.offeredItem;
  item = ItemRecord(large ? "Large" : "Small", floorNumber);
  item.quantity = large ? 1 : roll(state, 3) + 1;
  item.rollConsumable(large, player.inventoryNames, player.inventoryCounts, large ? 0 : state.potionsForSale);
  const std::string found = "Looking closer, it seems the ITEM you saw was actually\n" +
                            std::to_string(item.quantity) + " " + item.type + kPocketedText;
  if (!player.hasRoomFor(item.name)) {
    state.pendingPrompt = 2;
    state.messageBuffer = found + kFallsOutText;
    return;
  }
  pocket(state, player, item, !large);
  state.messageBuffer = large ? "Looking closer, it seems the ITEM you saw was actually a\n" + item.type + kPocketedText
                              : found;
}

void findRandomItem(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction, bool bonus) {
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
    return;
  }
  floorRecord.clearTile(direction, kEmptiedItemText);
  const int floorNumber = floorRecord.floorNumber;
  // Large consumables only come where the roll reaches 16: deeper floors, or a
  // bonus find from the third floor on.
  const bool wideRoll = floorNumber >= 5 || (bonus && floorNumber >= 3);
  const int r = roll(state, wideRoll ? 20 : 13);
  const int gearFloor = bonus ? floorNumber + 1 : floorNumber;
  if (r <= 4) {
    offerWeapon(state, player, gearFloor);
  } else if (r <= 10) {
    findConsumable(state, player, false, floorNumber);
  } else if (r <= 15) {
    offerArmor(state, player, gearFloor);
  } else {
    findConsumable(state, player, true, floorNumber);
  }
}

void findDroppedItem(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction,
                     const std::string& itemName, const std::string& foundText) {
  floorRecord.clearTile(direction, kEmptiedItemText);
  state.offeredItem = ItemRecord(itemName);
  state.offeredItem.quantity = 1;
  if (!player.hasRoomFor(itemName)) {
    state.pendingPrompt = 2;
    state.messageBuffer = foundText + kFallsOutText;
    return;
  }
  player.gainItem(itemName, 1);
  state.messageBuffer = foundText;
}

}  // namespace

void enterItemTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  findRandomItem(state, floorRecord, player, direction, false);
}

void enterBonusItemTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  findRandomItem(state, floorRecord, player, direction, true);
}

void enterHatTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  findDroppedItem(state, floorRecord, player, direction, "HAT",
                  std::string("Looking closer, it seems the ITEM was actually a HAT!! \n"
                              "You pocket the loot with a gleeful smile."));
}

void enterSpecialPotionTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  findDroppedItem(state, floorRecord, player, direction, "SPECIAL POTION",
                  std::string("It seems the ITEM was actually a SPECIAL POTION!! \n"
                              "You pocket the loot with a gleeful smile."));
}

void enterGoldTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
    return;
  }
  floorRecord.clearTile(direction, " are the ashes of a vaporized enemy.");
  const int gold = floorRecord.tileCreatures[direction].goldReward;
  player.gold += gold;
  state.messageBuffer = "Looks like some gold was left un-disintegrated after that \n"
                        "monster was destroyed by the explosive barrel. You greedily \n"
                        "pocket the money. You got " +
                        std::to_string(gold) + " gold!";
}

void enterTreasureTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
    return;
  }
  floorRecord.clearTile(direction, " lies a looted TREASURE CHEST.");
  std::string text = "You look inside the TREASURE CHEST...\n";
  const int gold = roll(state, 30) + 10;
  player.gold += gold;
  text += std::to_string(gold) + " gold!! ";
  const int itemCount = roll(state, 2) + 2;
  for (int i = 0; i < itemCount; ++i) {
    ItemRecord& item = state.offeredItem;
    item = ItemRecord("Small", floorRecord.floorNumber);
    item.quantity = roll(state, 3) + 1;
    item.rollConsumable(false, player.inventoryNames, player.inventoryCounts, state.potionsForSale);
    // What does not fit stays in the chest without a word.
    if (!player.hasRoomFor(item.name)) continue;
    pocket(state, player, item, true);
    text += std::to_string(item.quantity) + " " + item.type + "! ";
  }
  if (roll(state, 2) == 1 && floorRecord.floorNumber >= 4) {
    state.offeredItem = ItemRecord("Armor", floorRecord.floorNumber);
    state.pendingPrompt = 5;
    text += "\n"
            "And a " +
            state.offeredItem.name + "!! (DEF: " + std::to_string(state.offeredItem.defence) + ")\n" +
            armorQuestion(player);
  } else {
    state.offeredItem = ItemRecord("Weapon", floorRecord.floorNumber);
    state.pendingPrompt = 4;
    text += "\n"
            "And a " +
            state.offeredItem.name + "!! (ATK: " + std::to_string(state.offeredItem.attack) + ")\n" +
            weaponQuestion(player);
  }
  state.messageBuffer = text;
}

void enterDragonHoard(GameState& state, Floor& floorRecord, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
    return;
  }
  player.gold += 1000;
  floorRecord.tileKinds[kDragonTile] = "DragTreasure2";
  floorRecord.tileTexts[kDragonTile] = " lies a powerful artifact.";
  state.messageBuffer = "Look at all this treasure! You greedily pocket the many \n"
                        "gold coins the DRAGON was hoarding. You count one \n"
                        "hundred... two hundred... ONE THOUSAND gold here! You take \n"
                        "it all, leaving a lone artifact lying on the ground.";
}

void enterDragonArtifact(GameState& state, Floor& floorRecord, PlayerRecord& player, int) {
  floorRecord.clearTile(kDragonTile, " lies the remains of a slain DRAGON.");
  state.offeredItem = ItemRecord("dragon", 16);
  state.pendingPrompt = 4;
  state.messageBuffer = "Looking closer, it seems this artifact is the legendary \n"
                        "weapon, the FLAMING DRAGON-TONGUE! (ATK: " +
                        std::to_string(state.offeredItem.attack) +
                        ")\n"
                        "Would you like to replace your current weapon, the \n" +
                        player.equipment[0].name + " with it? (Y/N)";
}
