#include "interpreter/pending_prompts.h"

#include "interpreter/class_choice.h"
#include "interpreter/name_prompt.h"
#include "interpreter/overwrite_death.h"
#include "interpreter/save_and_quit.h"
#include "interpreter/stairs.h"
#include "interpreter/start_prompts.h"
#include "interpreter/timed_steps.h"

namespace {

// Columns: prompt number, handler.
const PendingPromptRow kPendingPrompts[] = {
    {kStartKitPrompt, answerStartKit},
    {kReplaceWeaponPrompt, answerReplaceWeapon},
    {kReplaceArmorPrompt, answerReplaceArmor},
    {kFountainPrompt, answerFountain},
    {kBarrelPrompt, answerBarrel},
    {kOverwritePrompt, answerOverwrite},
    {kDeathPrompt, answerDeath},
    {kNewGameOverMemorialPrompt, answerNewGameOverMemorial},
    {kLastPagePrompt, answerLastPage},
    {kSaveBeforeQuitPrompt, answerSaveBeforeQuit},
    {kClassChoicePrompt, answerClassChoice},
    {kNewGameAfterDeathPrompt, answerNewGameAfterDeath},
    {kTimedPagePrompt, nullptr},
    {kScrollPrankPrompt, answerScrollPrank},
    {kAfterPrankPrompt, answerAfterPrank},

    // The stairs down.
    {kStairsPrompt, answerStairs},

    // Levelling up outside a fight.

    // Scrolls, the hint shop, the traders, HINT HELL and JIMMY.

    // Secret rooms, GARY's shop, the wizard and the perilous items.

    // The characters' prompts.

    // The victory pages.

    // Items used outside a fight.
};

}  // namespace

const PendingPromptRow* findPendingPrompt(int prompt) {
  for (const PendingPromptRow& row : kPendingPrompts) {
    if (row.prompt == prompt) return &row;
  }
  return nullptr;
}
