#include "interpreter/prompt_answers.h"

#include "interpreter/music_requests.h"
#include "world/floor.h"
#include "world/game_state.h"

YesNoAnswer readYesNo(const std::string& line) {
  if (line == "y" || line == "1") return YesNoAnswer::kYes;
  if (line == "n" || line == "2") return YesNoAnswer::kNo;
  return YesNoAnswer::kNeither;
}

bool enteredTileKnown(const GameState& state) {
  return state.moveDirection >= 0 && state.moveDirection < kTileCount;
}

void recordPotionKilled(GameState& state, const PlayerRecord& playerRecord) {
  constexpr int kJohnnyKilled = 1;
  state.recordPotionDeed(kJohnnyKilled, playerRecord.name);
}

void clearRunForNewHero(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  requestMusic(state, kDungeonTheme);
  state.dialogueStage = 0;
  floorRecord.tileKinds.fill(std::string());
  floorRecord.tileTexts.fill(std::string());
  state.resetPlayerForNewRun(playerRecord);
}
