#include "world/game_state.h"

GameState::GameState() {
  elapsedSeconds = std::chrono::duration<double>(clockNow - clockStart).count();
  // Each trader's patience is rolled once per game state, in this order.
  gerardDealsLeft = static_cast<int>(random() % 4u) + 1;
  wombletonOffersLeft = static_cast<int>(random() % 4u) + 2;
  garyOffersLeft = static_cast<int>(random() % 2u) + 5;
}
