#include <gtest/gtest.h>

#include <string>

#include "interpreter/command_step.h"
#include "tests/support/scratch_dir.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

// A game between lines: name chosen, nothing open.
struct Step {
  GameState state;
  Floor floorRecord;
  PlayerRecord playerRecord;
  Step() { state.pendingPrompt = 2; }
  std::string operator()(const std::string& line) { return state.processCommand(line, floorRecord, playerRecord); }
};

TEST(CommandStep, TypedLinesAreLowerCasedAndYesNoMapped) {
  const struct {
    std::string typed;
    std::string seen;
  } cases[] = {
      {"YES", "y"},
      {"yEs", "y"},
      {"No", "n"},
      {"NO", "n"},
      {"Y", "y"},
      {" yes", " yes"},
      {"yes ", "yes "},
      {"yesno", "yesno"},
      {"nope", "nope"},
      {"LOOK Around", "look around"},
      {"", ""},
      {"NORTH-EAST 12", "north-east 12"},
      // Only A to Z change: bytes above 127 pass untouched.
      {"\xC9T\xC9", "\xC9t\xC9"},
      {"\x80\xFF\xDF", "\x80\xFF\xDF"},
  };
  for (const auto& c : cases) EXPECT_EQ(normaliseTypedLine(c.typed), c.seen) << c.typed;
}

TEST(CommandStep, EveryStepLinksItsRecords) {
  Step step;
  step.state.refreshSprites = false;
  step("xyzzy");
  EXPECT_EQ(step.state.level, &step.floorRecord);
  EXPECT_EQ(step.state.player, &step.playerRecord);
  EXPECT_TRUE(step.state.refreshSprites);
}

TEST(CommandStep, NamePromptSeesTheLineAsTypedBeforeAnythingElse) {
  ScratchDir scratch;
  for (const std::string typed : {"YES", "No", "NEMO", "MuchTooLongAName"}) {
    Step step;
    step.state.namePromptOpen = true;
    step(typed);
    EXPECT_EQ(step.state.typedName, typed);
  }
  // A refused name leaves the prompt open; the timed page behind it belongs
  // to a later stage, which the name prompt keeps shut.
  Step step;
  step.state.namePromptOpen = true;
  step.state.pendingPrompt = 45;
  step("MuchTooLongAName");
  EXPECT_TRUE(step.state.namePromptOpen);
  EXPECT_EQ(step.state.pendingPrompt, 45);
}

TEST(CommandStep, LoadPromptClosesOnAnyLineBeforeOtherStagesRun) {
  ScratchDir scratch;
  Step step;
  step.state.loadPromptOpen = true;
  step.state.pendingPrompt = 45;
  step("");
  EXPECT_FALSE(step.state.loadPromptOpen);
  EXPECT_EQ(step.state.pendingPrompt, 2);
}

TEST(CommandStep, ATimedPageClosesAndTheLineGoesOn) {
  Step step;
  step.state.pendingPrompt = 45;
  EXPECT_EQ(step("XYZZY"), "Nope. Sorry bucko. Try again.");
  EXPECT_EQ(step.state.pendingPrompt, 2);
}

// The open prompt is asked before the fight, the dialogue and the free
// commands, and sees the lowered, mapped line; with no prompt open the same
// words are free commands.
TEST(CommandStep, AnOpenPromptTakesTheLineBeforeTheFreeCommands) {
  const std::string quitQuestion = "Would you like to save before quitting? (Y/N)\n"
                                   "Type nothing to cancel and return to the game.";
  const std::string quitScold = "ExCUSE me. Will you save before quitting, Y or N?";
  const struct {
    int prompt, combatState, dialogueStage;
    std::string typed;
    std::string reply;
    int promptAfter;
    bool closes;
  } cases[] = {
      // Prompt 28 asks whether to save before quitting.
      {28, 0, 0, "QUIT", quitScold, 28, false},
      {28, 2, 0, "quit", quitScold, 28, false},
      {28, 0, 5, "exit", quitScold, 28, false},
      {28, 0, 0, "look", quitScold, 28, false},
      {28, 0, 0, "Yes please", quitScold, 28, false},
      {28, 0, 0, " no", quitScold, 28, false},
      {28, 0, 0, "", "Okay. Tell the goblins I said hi.", 2, false},
      {28, 0, 0, "NO", "byeeeeeee", 28, true},
      {28, 0, 0, "nO", "byeeeeeee", 28, true},
      {28, 0, 0, "N", "byeeeeeee", 28, true},
      {28, 0, 0, "2", "byeeeeeee", 28, true},
      // No prompt open, or one without a handler: the free command answers.
      {2, 0, 0, "QUIT", quitQuestion, 28, false},
      {0, 0, 0, "Exit", quitQuestion, 28, false},
      {45, 0, 0, "quit", quitQuestion, 28, false},
      {2, 0, 0, "quit ", "Nope. Sorry bucko. Try again.", 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.prompt) + ": \"" + c.typed + "\"");
    Step step;
    step.state.pendingPrompt = c.prompt;
    step.state.combatState = c.combatState;
    step.state.dialogueStage = c.dialogueStage;
    EXPECT_EQ(step(c.typed), c.reply);
    EXPECT_EQ(step.state.pendingPrompt, c.promptAfter);
    EXPECT_EQ(step.state.closeRequested, c.closes);
  }
}

TEST(CommandStep, PromptNumbersWithoutHandlerOpenNoPrompt) {
  for (const int prompt : {0, 2, 3, 39, 44, 56, 1000, -1}) {
    Step step;
    step.state.pendingPrompt = prompt;
    EXPECT_EQ(step("xyzzy"), "Nope. Sorry bucko. Try again.") << prompt;
    EXPECT_EQ(step.state.pendingPrompt, prompt);
  }
}

TEST(CommandStep, UnrecognisedInputChangesNothing) {
  Step step;
  step.state.lastReplyKind = 1;
  step.state.messageBuffer = "earlier reply";
  const int hp = step.playerRecord.hp;
  EXPECT_EQ(step("frobnicate the \xE9lan"), "Nope. Sorry bucko. Try again.");
  EXPECT_EQ(step.state.pendingPrompt, 2);
  EXPECT_EQ(step.state.lastReplyKind, 1);
  EXPECT_EQ(step.state.messageBuffer, "earlier reply");
  EXPECT_EQ(step.state.typedName, "");
  EXPECT_EQ(step.playerRecord.hp, hp);
}

}  // namespace
