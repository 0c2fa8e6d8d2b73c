#include "interpreter/command_step.h"

#include <utility>

#include "interpreter/achievements_viewer.h"
#include "interpreter/dialogue_step.h"
#include "interpreter/fight_step.h"
#include "interpreter/free_commands.h"
#include "interpreter/name_prompt.h"
#include "interpreter/pending_prompts.h"
#include "interpreter/prompt_answers.h"
#include "interpreter/stage_reply.h"
#include "interpreter/unrecognised_input.h"
#include "persistence/meta_save.h"
#include "persistence/run_save_format.h"
#include "world/game_state.h"

const char kUnrecognisedReply[] = "Nope. Sorry bucko. Try again.";

namespace {

StageReply offerToPendingPrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line) {
  const PendingPromptRow* row = findPendingPrompt(state.pendingPrompt);
  if (row == nullptr) return std::nullopt;
  if (row->handler == nullptr) {
    // A timed page: whatever is typed before its timer fires closes it.
    state.pendingPrompt = kNoPrompt;
    return std::nullopt;
  }
  return row->handler(state, floorRecord, playerRecord, line);
}

StageReply offerToFreeCommands(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line) {
  const FreeCommandRow* row = findFreeCommand(state, playerRecord, line);
  if (row == nullptr) return std::nullopt;
  return row->handler(state, floorRecord, playerRecord, line);
}

}  // namespace

std::string normaliseTypedLine(std::string line) {
  for (char& c : line) c = toLowerAscii(c);
  if (line == "yes") return "y";
  if (line == "no") return "n";
  return line;
}

namespace {

std::string stepReply(GameState& state, std::string line, Floor& floorRecord, PlayerRecord& playerRecord) {
  if (state.namePromptOpen) return answerNamePrompt(state, floorRecord, playerRecord, line);
  if (state.loadPromptOpen) return answerLoadPrompt(state, floorRecord, playerRecord, line);

  line = normaliseTypedLine(std::move(line));
  static constexpr CommandStage kStages[] = {offerToPendingPrompt, offerToFight, offerToAchievementsViewer,
                                      offerToDialogue, offerToFreeCommands};
  for (const CommandStage stage : kStages) {
    if (StageReply reply = stage(state, floorRecord, playerRecord, line)) return std::move(*reply);
  }
  return answerUnrecognised(state, floorRecord, playerRecord, line);
}

}  // namespace

std::string GameState::processCommand(std::string line, Floor& floorRecord, PlayerRecord& playerRecord) {
  level = &floorRecord;
  player = &playerRecord;
  refreshSprites = true;
  // Every step that changes a setting, an achievement or a meta counter
  // writes the meta save; one that could not tells the player once, at the
  // end of whatever it answers, that the change lasts only this session.
  metaSaveMissed = false;
  std::string reply = stepReply(*this, std::move(line), floorRecord, playerRecord);
  if (metaSaveMissed) reply += kMetaNotSavedTail;
  metaSaveMissed = false;
  // Whatever the step added or took, the run stays one its save can carry.
  keepRunWithinSaveBounds(*this, floorRecord, playerRecord);
  return reply;
}
