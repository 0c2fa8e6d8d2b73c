#pragma once
// The tiles that hand the hero loot: a random item, the HAT and the SPECIAL
// POTION an enemy dropped, the gold a barrel left, a treasure chest and the
// DRAGON's hoard with its artifact. Weapons and armor are put on offer;
// consumables go straight into the pockets.
#include "encounters/tile_events.h"

// The refusal of every object by a hero who only wants flesh.
inline constexpr const char* kNoInterestText = "You have no interest in material objects. All you desire \n"
                                               "is flesh. Gruuuuuhhhhh...";

void enterItemTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterBonusItemTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterHatTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterSpecialPotionTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterGoldTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterTreasureTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterDragonHoard(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterDragonArtifact(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
