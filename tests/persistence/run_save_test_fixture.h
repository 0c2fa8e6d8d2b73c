#pragma once
// A hand-built run in the middle of floor 7, with a value in every saved
// field that differs from its neighbours, so a line written or read at the
// wrong place shows.
#include <string>
#include <vector>

#include "world/action.h"
#include "world/game_state.h"

inline void buildFixtureRun(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  hero.name = "Bob";
  hero.quibblent = "FLAMMABLE";
  hero.level = 4;
  hero.maxHp = 61;
  hero.hp = 47;
  hero.dodges = 2;
  hero.attack = 12;
  hero.defence = 5;
  hero.exp = 1234;
  hero.expForNextLevel = 1600;
  hero.gold = 321;
  hero.quibblentTimed = true;
  hero.quibblentTurnsLeft = 17;
  hero.inventoryNames = {"POTION", "MATCH"};
  hero.inventoryCounts = {3, 7, 0, 0, 0, 0};
  hero.skills = {Action("MAGICBOLT", 1, true), Action("EXAMINE", 1, true)};
  hero.skills[0].cooldownLeft = 2;
  hero.skills[1].cooldownLeft = -1;
  hero.playerClass = "ACADEMIC";
  hero.poisoned = true;
  hero.spicyTolerance = 3;
  hero.antibioticsUsed = 1;
  hero.lsdLevel = 2;
  hero.willpower = true;
  hero.discoveryScore = 9;
  hero.killScore = 14;
  hero.imbuement = "";
  hero.hungerCountdown = 6;
  hero.attackFactor = 1.5f;
  hero.damageTakenFactor = 0.75f;
  hero.equipment[0].name = "FLAMING SWORD";
  hero.equipment[0].quibblent = "FLAMING";
  hero.equipment[0].type = "SWORD";
  hero.equipment[0].lootKind = "Weapon";
  hero.equipment[0].attack = 6;
  hero.equipment[0].defence = 0;
  hero.equipment[0].quibblentTimed = false;
  hero.equipment[0].quibblentTurnsLeft = 99;
  hero.equipment[1].name = "SHIRT";
  hero.equipment[1].quibblent = "";
  hero.equipment[1].type = "SHIRT";
  hero.equipment[1].lootKind = "shirt";
  hero.equipment[1].attack = 0;
  hero.equipment[1].defence = 1;
  hero.equipment[1].quibblentTimed = true;
  hero.equipment[1].quibblentTurnsLeft = 8;
  hero.curedDiseases = {};
  hero.curedDiseases[0] = true;
  hero.curedDiseases[28] = true;
  hero.drankJimmy = 1;
  hero.wieldsSwordOfKings = false;
  hero.boonOfConsumption = true;

  state.gerardDealsLeft = 3;
  state.wombletonOffersLeft = 4;
  state.fateValue = 42;
  state.defeatCount = 11;
  state.gerardRefusals = 1;
  state.wombletonRefusals = 2;
  state.potionsForSale = 2;
  state.weaponsFedToRats = 5;
  state.cousinGreeting = 1;
  state.shopHintsGiven = {true, false, false, true, false, false, false, false, false, false, false, true};
  state.hellHintsGiven = {false, true, false, false, false, false, false, false, false, false, true};
  state.elapsedSeconds = 60.25;
  state.storedPlayTime = 30.25;

  floorRecord.floorNumber = 7;
  floorRecord.secretRoomKind = "Fountain";
  floorRecord.secretRoomKnown = true;
  floorRecord.goblinShopKnown = false;
  floorRecord.wizardMet = true;
  floorRecord.hintFloor = 2;
  floorRecord.shopFloor = 9;
  floorRecord.shop2Floor = 5;
  floorRecord.doomFloor = 10;
  floorRecord.secretScrollIndex = 4;
  floorRecord.scrollBonus = true;
  floorRecord.highScrollCount = 3;
  floorRecord.ghastsToPlace = 0;
  floorRecord.secretRoomEntered = false;
  floorRecord.scrollsBelow3Found = true;
  floorRecord.scroll3Found = false;
  floorRecord.scroll4Found = true;
  floorRecord.scroll5Found = false;
  floorRecord.healFloor = 12;
  floorRecord.npcPool = {"Wise1", "Chef"};

  for (int tile = 0; tile < 8; ++tile) {
    floorRecord.tileKinds[tile] = "";
    floorRecord.tileTexts[tile] = "... there is nothing at all.";
    floorRecord.tileCreatures[tile] = Creature();
    floorRecord.tileOffers[tile].word = "";
    floorRecord.tileOffers[tile].timesUsed = 0;
    floorRecord.tileScrollTiers[tile].tier = 0;
    floorRecord.tileOccupants[tile] = TileOccupant();
  }
  // North: a monster.
  floorRecord.tileKinds[0] = "Mon";
  floorRecord.tileTexts[0] = " stands a ELITE GOBLIN.";
  Creature& goblin = floorRecord.tileCreatures[0];
  goblin.type = "GOBLIN";
  goblin.quibblent = "ELITE";
  goblin.hp = 9;
  goblin.maxHp = 20;
  goblin.confident = true;
  goblin.quibblentTimed = false;
  goblin.quibblentTurnsLeft = 99;
  goblin.attackFactor = 1.25f;
  goblin.damageTakenFactor = 0.8f;
  goblin.poisoned = false;
  goblin.goldReward = 33;
  // East: a fountain.
  floorRecord.tileKinds[2] = "Fount";
  floorRecord.tileTexts[2] = " is a mythical FOUNTAIN OF HASTY!";
  floorRecord.tileOffers[2].word = "HASTY";
  floorRecord.tileOffers[2].timesUsed = 1;
  // South: a scroll.
  floorRecord.tileKinds[4] = "Scroll";
  floorRecord.tileTexts[4] = ", a SCROLL has been left on the ground.";
  floorRecord.tileScrollTiers[4].tier = 5;
  // West: a character.
  floorRecord.tileKinds[6] = "NPC";
  floorRecord.tileTexts[6] = " stands a WISE ORC.";
  floorRecord.tileOccupants[6] = TileOccupant("Wise2", 1, 10);
}

// The lines of `text`, split at each line end.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\n") {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += lineEnd;
    text += lines[i];
  }
  return text;
}
