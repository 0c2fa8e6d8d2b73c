#pragma once
// Filling a floor: the eight tiles around the player, the secret room, and
// which characters may still turn up further down.
#include <string>

#include "world/floor.h"
#include "world/player_record.h"

// A run whose fate value is 95..98 is haunted: three ghasts roam it instead
// of one, and they may turn up from floor 11 instead of 13.
inline bool isHauntedRun(int fateValue) { return fateValue >= 95 && fateValue <= 98; }

// Pass as the forced monster count to let the floor roll its own.
inline constexpr int kRolledMonsterCount = -1;

// Refills `floorRecord` as floor `floorNumber` (1..16) of a run with this fate
// value, printing a trace line per placement. A forced monster count of 0 or
// more replaces the rolled one; it is held to at most 6, so that beside the
// stairs a tile is always left for the floor's own shop or potion.
void generateFloor(Floor& floorRecord, int floorNumber, int fateValue, PlayerRecord& player, int forcedMonsterCount);

// Takes every entry of this name out of the character pool, keeping the order of the rest.
void removeFromPool(Floor& floorRecord, std::string name);
