#pragma once
// The shop tiles: the hint seller ("Hint"), HINT HELL ("Doom"), SNEAKFUL
// GERARD ("Shop"), WOMBLETON ("Shop2") and JIMMY THE POTION ("Heal", and
// "Heal2" on later visits).
#include "encounters/tile_events.h"

void enterHintShop(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterHintHell(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterGerardShop(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterWombletonShop(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterJimmyFirstVisit(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
void enterJimmyLaterVisit(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);
