#include "interpreter/later_dialogues.h"

#include <array>

#include "interpreter/later_dialogue_rows.h"
#include "world/game_state.h"

int talkTile(const GameState& state) {
  return state.moveDirection >= 0 && state.moveDirection < kTileCount ? state.moveDirection : 0;
}

TileOccupant& talkOccupant(GameState& state, Floor& floorRecord) {
  if (state.currentFeature != nullptr) return *state.currentFeature;
  return floorRecord.tileOccupants[talkTile(state)];
}

void emptyTalkTile(GameState& state, Floor& floorRecord, const char* text) {
  floorRecord.clearTile(talkTile(state), text);
}

StageReply answerLaterDialogueStage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                    const std::string& line) {
  const std::array<std::span<const LaterStageRow>, 3> tables = {visitorStages(), riskyStages(), tranceStages()};
  for (const auto& table : tables) {
    for (const LaterStageRow& row : table) {
      if (row.stage == state.dialogueStage) return row.handler(state, floorRecord, playerRecord, line);
    }
  }
  return std::nullopt;
}
