#pragma once
// A hero standing before a character on the tile to the north, nothing else open.
#include <string>

#include "encounters/character_tiles.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

struct CharacterScene {
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  static constexpr int kTile = 0;

  CharacterScene(const std::string& key, const std::string& heroClass) {
    state.pendingPrompt = 2;
    state.moveDirection = kTile;
    floorRecord.floorNumber = 2;
    floorRecord.tileKinds[kTile] = "NPC";
    floorRecord.tileTexts[kTile] = " stands someone.";
    floorRecord.tileOccupants[kTile] = TileOccupant(key, -1, -1);
    hero.playerClass = heroClass;
  }
  TileOccupant& occupant() { return floorRecord.tileOccupants[kTile]; }
  std::string enter() {
    state.messageBuffer.clear();
    enterCharacterTile(state, floorRecord, hero, kTile);
    return state.messageBuffer;
  }
  std::string say(const std::string& line) { return state.processCommand(line, floorRecord, hero); }
  void fillInventory() {
    hero.inventoryNames = {"POTION", "HAT", "GROG", "BOMB", "ROCK", "STICK"};
    hero.inventoryCounts = {1, 1, 1, 1, 1, 1};
  }
};
