#include "world/game_state.h"

GameState::GameState() { rollTraderPatience(); }

void GameState::rollTraderPatience() {
  gerardDealsLeft = static_cast<int>(random() % 4u) + 1;
  wombletonOffersLeft = static_cast<int>(random() % 4u) + 2;
  garyOffersLeft = static_cast<int>(random() % 2u) + 5;
}

void GameState::recordPotionDeed(int progress, const std::string& heroName) {
  constexpr std::size_t kPotionFamilySlot = 6;
  achievements[kPotionFamilySlot] = heroName;
  potionProgress = progress;
  saveMeta(false);
}
