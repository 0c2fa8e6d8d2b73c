#pragma once
// The fixed features of a floor: fountains, barrels, scrolls, statues and
// walls, the stairs down, and the ways out at the top of the dungeon.
#include "encounters/tile_events.h"

void enterFountain(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterBarrel(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterScroll(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterStairsDown(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterStatue(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterWall(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterReturnStairs(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterFinalExit(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterExitDoor(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
