// Starting a run: the records live as long as the program, so a new run puts
// their run-scoped parts back to the start and rolls the run's fate.
#include <iostream>
#include <string_view>
#include <utility>

#include "world/creature_rolls.h"
#include "world/floor_generator.h"
#include "world/game_state.h"

namespace {

// The name that always starts the run in hard mode, however it is typed.
constexpr std::string_view kHardModeName = "ironwill";
constexpr unsigned kFateValues = 100;

// A new hero's attack before the class choice.
constexpr int kNewRunAttack = 3;

// Columns: the floors a special tile may fall on (first, count).
struct FloorRange {
  int first;
  unsigned count;
};
constexpr FloorRange kHintFloors = {1, 2};
constexpr FloorRange kShopFloors = {8, 7};
constexpr FloorRange kShop2Floors = {2, 6};
constexpr FloorRange kDoomFloors = {9, 3};
constexpr FloorRange kHealFloors = {3, 11};

int rollFloor(RandomDevice& random, FloorRange range) {
  return static_cast<int>(random() % range.count) + range.first;
}

}  // namespace

void GameState::startNewRun(Floor& floorRecord, std::string heroName, bool firstRun) {
  if (firstRun) {
    floorRecord.floorNumber = 1;
    auxCounter = 0;
    storedPlayTime = 0.0;
    defeatCount = 0;
    cousinGreeting = 0;
    weaponsFedToRats = 0;
    potionsForSale = 0;
    floorRecord.goblinShopKnown = false;
    floorRecord.wizardMet = false;
    floorRecord.secret2Known = false;
  }

  fateValue = static_cast<int>(random() % kFateValues);
  pendingWord = std::move(heroName);
  for (char& c : pendingWord) c = toLowerAscii(c);
  if (pendingWord == kHardModeName) fateValue = kHardModeFate;
  std::cout << fateValue << "\n";

  // No two special tiles may share a floor.
  floorRecord.hintFloor = rollFloor(random, kHintFloors);
  floorRecord.shopFloor = rollFloor(random, kShopFloors);
  do {
    floorRecord.shop2Floor = rollFloor(random, kShop2Floors);
  } while (floorRecord.shop2Floor == floorRecord.hintFloor);
  do {
    floorRecord.doomFloor = rollFloor(random, kDoomFloors);
  } while (floorRecord.doomFloor == floorRecord.shopFloor);
  do {
    floorRecord.healFloor = rollFloor(random, kHealFloors);
  } while (floorRecord.healFloor == floorRecord.shopFloor || floorRecord.healFloor == floorRecord.shop2Floor ||
           floorRecord.healFloor == floorRecord.doomFloor);

  floorRecord.npcPool.clear();
  floorRecord.scrollBonus = false;
  floorRecord.highScrollCount = 0;
  floorRecord.scrollsBelow3Found = false;
  floorRecord.scroll3Found = false;
  floorRecord.scroll4Found = false;
  floorRecord.scroll5Found = false;
  floorRecord.ghastsToPlace = isHauntedRun(fateValue) ? 3 : 1;
  floorRecord.npcMissCount = 0;

  rollTraderPatience();
  gerardRefusals = 0;
  wombletonRefusals = 0;

  shopHintsGiven.assign(kShopHintCount, false);
  hellHintsGiven.assign(kHellHintCount, false);
}

void GameState::resetPlayerForNewRun(PlayerRecord& playerRecord) {
  // A new run starts from a fresh record; the hero keeps only the name, the
  // last item message, and the gear's name and word until the class choice
  // hands out new gear.
  PlayerRecord fresh;
  fresh.name = std::move(playerRecord.name);
  fresh.itemUseText = std::move(playerRecord.itemUseText);
  fresh.equipment = std::move(playerRecord.equipment);
  if (fresh.equipment.size() < 2) fresh.equipment.resize(2);
  fresh.equipment[0].type.clear();
  fresh.equipment[0].attack = 0;
  fresh.equipment[1].type.clear();
  fresh.equipment[1].defence = 0;
  fresh.attack = kNewRunAttack;
  playerRecord = std::move(fresh);
}
