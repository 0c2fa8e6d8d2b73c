#include "interpreter/pending_prompts.h"

#include "interpreter/class_choice.h"
#include "interpreter/gary_shop.h"
#include "interpreter/hint_hell_and_jimmy.h"
#include "interpreter/level_up.h"
#include "interpreter/name_prompt.h"
#include "interpreter/overwrite_death.h"
#include "interpreter/perilous_prompts.h"
#include "interpreter/save_and_quit.h"
#include "interpreter/scroll_prompts.h"
#include "interpreter/stairs.h"
#include "interpreter/start_prompts.h"
#include "interpreter/timed_steps.h"
#include "interpreter/trader_prompts.h"
#include "interpreter/victory_pages.h"
#include "interpreter/wizard_prompts.h"

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
    {kLevelUpPrompt, answerLevelUpPage},
    {kSkillOfferPrompt, answerSkillOffer},
    {kSkillReplacePrompt, answerSkillReplace},

    // Scrolls, the hint shop, the traders, HINT HELL and JIMMY.
    {kScrollPrompt, answerScroll},
    {kHintShopPrompt, answerHintShop},
    {kSecretScrollPrompt, answerSecretScroll},
    {kWombletonOfferPrompt, answerWombletonOffer},
    {kWombletonAnswerPrompt, answerWombletonDeal},
    {kGerardOfferPrompt, answerGerardOffer},
    {kGerardAnswerPrompt, answerGerardDeal},
    {kHintHellPrompt, answerHintHell},
    {kEatOneItemPrompt, answerEatOneItem},
    {kEatWhichItemPrompt, answerEatWhichItem},
    {kDrinkJimmyPrompt, answerDrinkJimmy},

    // Secret rooms, GARY's shop, the wizard and the perilous items.
    {kGaryOfferPrompt, answerGaryOffer},
    {kGaryAnswerPrompt, answerGaryDeal},
    {kWizardLovePotionPrompt, answerWizardLovePotion},
    {kWizardGreetingPrompt, answerWizardGreeting},
    {kWizardListPrompt, answerWizardList},
    {kWizardChoicePrompt, answerWizardChoice},
    {kWizardEffectPrompt, answerWizardEffect},
    {kWizardFarewellPrompt, answerWizardFarewell},
    {kWizardConfirmPrompt, answerWizardConfirm},
    {kCurseTakesHoldPrompt, answerCurseTakesHold},
    {kAfterVortexPrompt, answerAfterVortex},
    {kAfterTeleporometerPrompt, answerAfterTeleporometer},
    {kNecronomiconPrompt, answerNecronomicon},
    {kRestorationFountainPrompt, answerRestorationFountain},
    {kPlasmaBarrelPrompt, answerPlasmaBarrel},

    // The characters' prompts.

    // The victory pages.
    {kBattlesPage, answerBattlesPage},
    {kFuturePage, answerFuturePage},
    {kDiscoveriesPage, answerDiscoveriesPage},
    {kClimbPage, answerClimbPage},
    {kWinPage, answerWinPage},
    {kClosingPage, answerClosingPage},

    // Items used outside a fight.
};

}  // namespace

const PendingPromptRow* findPendingPrompt(int prompt) {
  for (const PendingPromptRow& row : kPendingPrompts) {
    if (row.prompt == prompt) return &row;
  }
  return nullptr;
}
