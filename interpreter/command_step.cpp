#include "interpreter/command_step.h"

#include <optional>
#include <utility>

#include "interpreter/free_commands.h"
#include "interpreter/name_prompt.h"
#include "interpreter/pending_prompts.h"
#include "interpreter/prompt_answers.h"
#include "world/game_state.h"

const char kUnrecognisedReply[] = "Nope. Sorry bucko. Try again.";

namespace {

// A stage either answers the line or passes it on to the next one.
using StageReply = std::optional<std::string>;

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

// Fight states (combatState) get their own turn cycle; until it is in the
// game every line passes on.
StageReply offerToFight(GameState&, Floor&, PlayerRecord&, const std::string&) { return std::nullopt; }

// The achievements viewer (achievementsViewerOpen 1) takes every line once
// it is in the game; until then the line passes on.
StageReply offerToAchievementsViewer(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return std::nullopt;
}

// Dialogue stages 1..72 (dialogueStage) get their chains; until they are in
// the game every line passes on.
StageReply offerToDialogue(GameState&, Floor&, PlayerRecord&, const std::string&) { return std::nullopt; }

StageReply offerToFreeCommands(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line) {
  const FreeCommandRow* row = findFreeCommand(state, playerRecord, line);
  if (row == nullptr) return std::nullopt;
  return row->handler(state, floorRecord, playerRecord, line);
}

// Continuing the previous list or first page (lastReplyKind) comes here
// once those replies are in the game; what nothing takes is refused.
std::string answerUnrecognised(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return kUnrecognisedReply;
}

}  // namespace

std::string normaliseTypedLine(std::string line) {
  for (char& c : line) c = toLowerAscii(c);
  if (line == "yes") return "y";
  if (line == "no") return "n";
  return line;
}

std::string GameState::processCommand(std::string line, Floor& floorRecord, PlayerRecord& playerRecord) {
  level = &floorRecord;
  player = &playerRecord;
  refreshSprites = true;

  if (namePromptOpen) return answerNamePrompt(*this, floorRecord, playerRecord, line);
  if (loadPromptOpen) return answerLoadPrompt(*this, floorRecord, playerRecord, line);

  line = normaliseTypedLine(std::move(line));
  using Stage = StageReply (*)(GameState&, Floor&, PlayerRecord&, const std::string&);
  static constexpr Stage kStages[] = {offerToPendingPrompt, offerToFight, offerToAchievementsViewer,
                                      offerToDialogue, offerToFreeCommands};
  for (const Stage stage : kStages) {
    if (StageReply reply = stage(*this, floorRecord, playerRecord, line)) return std::move(*reply);
  }
  return answerUnrecognised(*this, floorRecord, playerRecord, line);
}
