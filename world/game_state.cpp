#include "world/game_state.h"

GameState::GameState() { rollTraderPatience(); }

void GameState::rollTraderPatience() {
  gerardDealsLeft = static_cast<int>(random() % 4u) + 1;
  wombletonOffersLeft = static_cast<int>(random() % 4u) + 2;
  garyOffersLeft = static_cast<int>(random() % 2u) + 5;
}
