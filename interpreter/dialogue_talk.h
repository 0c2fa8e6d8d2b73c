#pragma once
// What every dialogue stage works on: the records, the typed line and the
// tile the hero last stepped onto.
#include <algorithm>
#include <string>

#include "world/game_state.h"

struct Talk {
  GameState& state;
  Floor& floorRecord;
  PlayerRecord& player;
  const std::string& line;
  int tile() const { return state.moveDirection; }
  TileOccupant& occupant() const { return floorRecord.tileOccupants[static_cast<std::size_t>(state.moveDirection)]; }
  void emptyTile(const char* description) const {
    floorRecord.tileKinds[static_cast<std::size_t>(tile())] = "";
    floorRecord.tileTexts[static_cast<std::size_t>(tile())] = description;
  }
  bool yes() const { return line == "y" || line == "1"; }
  bool no() const { return line == "n" || line == "2"; }
  std::string end(std::string reply) const {
    state.dialogueStage = 0;
    return reply;
  }
  std::string next(int stage, std::string reply) const {
    state.dialogueStage = stage;
    return reply;
  }
};


inline bool holdsName(const PlayerRecord& player, const std::string& name) {
  return std::find(player.inventoryNames.begin(), player.inventoryNames.end(), name) != player.inventoryNames.end();
}
