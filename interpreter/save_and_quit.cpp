#include "interpreter/save_and_quit.h"

#include <iostream>

#include "interpreter/name_prompt.h"
#include "interpreter/overwrite_death.h"
#include "interpreter/prompt_answers.h"
#include "interpreter/save_probe.h"
#include "interpreter/start_prompts.h"
#include "persistence/save_names.h"
#include "world/game_state.h"

namespace {

constexpr int kOrdinaryReply = 1;

// Texts of the four commands.
const char kOverwriteQuestionStart[] = "There is already a save file with name ";
const char kOverwriteQuestionEnd[] = ".\n"
                                     "Would you like to overwrite it? (Y/N)";
const char kLoadQuestion[] =
    "Type in the name of the character to be loaded.\n"
    "Type nothing and press ENTER to return to the dungeon.";
const char kGiveUp[] =
    "You can't handle the stress anymore - dungeoneering is just \n"
    "too difficult for you. You give up and lie down on the \n"
    "ground, mentally defeated.\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kGiveUpCause[] = "giveup";
const char kQuitQuestion[] = "Would you like to save before quitting? (Y/N)\n"
                             "Type nothing to cancel and return to the game.";

// Texts of the save-before-quitting question.
const char kClosingTrace[] = "closing game window...";
const char kBye[] = "byeeeeeee";
const char kQuitCanceled[] = "Okay. Tell the goblins I said hi.";
const char kQuitScold[] = "ExCUSE me. Will you save before quitting, Y or N?";
// The window stays open when the save did not go through.
const char kQuitAfterFailedSave[] = "\n"
                                    "The game stays open. Type Y to try saving again, N to quit \n"
                                    "without saving, or nothing to return to the game.";

// Texts of the new-game question after a death.
const char kNoNewGame[] = "Ok, fuck off then.";
const char kNewGameScold[] = "Come on, it's not that complicated a question. \n"
                             "Will you start a new game, Y or N?";

// Texts of the scroll prank.
const char kBoo[] =
    "BOO!!!!!!!!! HAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAH\n"
    "HAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHA\n"
    "HAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHA\n"
    "HAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHA\n"
    "HAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHA\n"
    "HAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHAHA";
const char kStayOnYourToes[] = "Heheheheh... Stay on your toes!! Hee hee hee...";
// Reading the pranked scroll again tells the joke away.
constexpr int kWatchYourBackTier = 10;

// Saving goes through saveRun only for a name that is a safe file name;
// every name that can reach the player already is one.
bool saveTheRun(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  if (!isSafeSaveName(playerRecord.name)) return false;
  return state.saveRun(floorRecord, playerRecord);
}

}  // namespace

void closeWindow(GameState& state) {
  std::cout << kClosingTrace << std::endl;
  state.closeRequested = true;
}

std::string commandSave(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  // Any file of that name, readable or not, is only written over after a yes.
  if (isSafeSaveName(playerRecord.name) && runSaveExists(playerRecord.name)) {
    state.pendingPrompt = kOverwritePrompt;
    return kOverwriteQuestionStart + playerRecord.name + kOverwriteQuestionEnd;
  }
  return savedFileReply(saveTheRun(state, floorRecord, playerRecord), playerRecord.name);
}

std::string commandLoad(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  state.loadPromptOpen = true;
  return kLoadQuestion;
}

std::string commandGiveUp(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  state.pendingPrompt = kDeathPrompt;
  state.pendingWord = kGiveUpCause;
  return kGiveUp;
}

std::string commandQuit(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  state.pendingPrompt = kSaveBeforeQuitPrompt;
  return kQuitQuestion;
}

std::string answerSaveBeforeQuit(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line) {
  if (line.empty()) {
    state.pendingPrompt = kNoPrompt;
    return kQuitCanceled;
  }
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      if (!saveTheRun(state, floorRecord, playerRecord)) {
        return savedFileReply(false, playerRecord.name) + kQuitAfterFailedSave;
      }
      closeWindow(state);
      return kBye;
    case YesNoAnswer::kNo:
      closeWindow(state);
      return kBye;
    case YesNoAnswer::kNeither:
      break;
  }
  return kQuitScold;
}

std::string answerNewGameAfterDeath(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                    const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      state.gameOver = false;
      clearRunForNewHero(state, floorRecord, playerRecord);
      floorRecord.floorNumber = 0;
      playerRecord.name.clear();
      state.pendingPrompt = kStartKitPrompt;
      state.combatState = 0;
      // The viewer left open by the death must not take the new run's lines.
      state.achievementsViewerOpen = 0;
      state.namePromptOpen = true;
      return kNamePromptText;
    case YesNoAnswer::kNo:
      state.pendingPrompt = kLastPagePrompt;
      return kNoNewGame;
    case YesNoAnswer::kNeither:
      break;
  }
  return kNewGameScold;
}

std::string answerScrollPrank(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string&) {
  state.pendingPrompt = kAfterPrankPrompt;
  if (enteredTileKnown(state)) {
    floorRecord.tileScrollTiers[state.moveDirection].tier = kWatchYourBackTier;
  }
  playerRecord.changeQuibblent("FRIGHTENED", state, false);
  return kBoo;
}

std::string answerAfterPrank(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.pendingPrompt = kNoPrompt;
  return kStayOnYourToes;
}
