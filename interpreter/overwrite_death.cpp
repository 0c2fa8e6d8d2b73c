#include "interpreter/overwrite_death.h"

#include "interpreter/class_choice.h"
#include "interpreter/music_requests.h"
#include "interpreter/prompt_answers.h"
#include "interpreter/save_and_quit.h"
#include "world/game_state.h"

namespace {

// Fight states a revival inside a fight hands back to.
constexpr int kEnemyTurnState = 3;
constexpr int kLevelUpState = 12;
constexpr int kFightWrapUpState = 13;

// Texts of the overwrite question.
const char kNoSavingToday[] = "Aye aye, sir. No saving today.";
const char kOverwriteScold[] = "Listen here you little brat. Are you overwriting \n"
                               "your save or not, Y or N?";
const char kSavedFile[] = "Saved file ";
const char kSaveFailedStart[] = "Uh oh. File ";
const char kSaveFailedEnd[] = " could not be saved! Your run is NOT saved. \n"
                              "Check that the saves folder can be written to.";

// How a death page ends: the memorial written or not, then the question.
const char kMemorialWritten[] =
    "\n"
    "\n"
    "Your save file has been updated; it is now a memorial for \n"
    "your fallen adventurer.\n"
    "\n"
    "Would you like to start a new game? (Y/N)";
const char kMemorialFailed[] =
    "\n"
    "\n"
    "Uh oh. Your save file could NOT be updated, so no memorial \n"
    "was written for your fallen adventurer.\n"
    "\n"
    "Would you like to start a new game? (Y/N)";
const char kPlainDeath[] = "You died. GAME OVER.";
const char kDiedOnFloor[] = "You died on floor ";
const char kGameOver[] = ". GAME OVER!";

// Causes that end the run whatever could have saved the hero.
const char* const kFinalCauses[] = {"hologram", "giveup", "vortex"};
const char kLsdCause[] = "lsd";
constexpr int kLsdAchievement = 16;

// How the hero rises. Columns: the reply inside a fight, the reply outside
// one, whether a won fight goes straight to its wrap-up without a level up.
struct RevivalRow {
  const char* inFight;
  const char* outsideFight;
  bool skipsLevelUp;
};

const RevivalRow kMetalheadRevival = {
    "No... no, you're too METAL to die! Death is for FUCKING \n"
    "PANSIES! You use all your METALHEAD POWER to stand back up \n"
    "and continue fighting, heedless of your wounds.\n"
    "It is now the enemy's turn.\n"
    "[TYPE ANYTHING TO CONTINUE]",
    "No... no, you're too METAL to die! Death is for FUCKING \n"
    "PANSIES! You use all your METALHEAD POWER to stand back up \n"
    "and pull yourself together, heedless of your wounds. \n"
    "Congratulations, you just survived your own death!",
    false};
const RevivalRow kWillpowerRevival = {
    "No... it isn't over. Dammit, it isn't over!\n"
    "You rise from the ashes of death, ready to continue fighting.\n"
    "Unfortunately, your foe seems unfazed.\n"
    "It is now the enemy's turn.\n"
    "[TYPE ANYTHING TO CONTINUE]",
    "No... it isn't over. Dammit, it isn't over!\n"
    "You rise from the ashes of death, ready to keep fighting.\n"
    "You may have shrugged off death this time, but you won't be \n"
    "so lucky in the future...",
    false};
const RevivalRow kZombieRevival = {
    "As your body hits the floor, you begin to feel the dark \n"
    "energies within you growing... You rise again, with no \n"
    "thoughts except an inescapable hunger for the flesh of \n"
    "your enemies. Gruuuuhhhhhh...\n"
    "It is now the enemy's turn.\n"
    "[TYPE ANYTHING TO CONTINUE]",
    "As your body hits the floor, you begin to feel the dark \n"
    "energies within you growing... You rise again, with no \n"
    "thoughts except an inescapable hunger for the flesh of \n"
    "your enemies. Gruuuuhhhhhh...",
    true};

bool isFinalCause(const std::string& cause) {
  for (const char* final : kFinalCauses) {
    if (cause == final) return true;
  }
  return false;
}

bool curseHasRunOut(const PlayerRecord& playerRecord) {
  return playerRecord.quibblent == "CURSED" && playerRecord.quibblentTurnsLeft == 0;
}

// Inside a fight the hero rises to face what is left of it: the enemy's
// turn while it still stands, else the wrap-up (or a level up first).
// "Still stands" is more than 0 hit points, so an enemy pushed below 0 is
// never handed a turn.
std::string riseAgain(GameState& state, const PlayerRecord& playerRecord, const RevivalRow& revival) {
  state.pendingPrompt = kRevivedPrompt;
  if (state.combatState <= 0) return revival.outsideFight;
  if (state.currentEnemy.hp > 0) {
    state.combatState = kEnemyTurnState;
  } else if (!revival.skipsLevelUp && playerRecord.exp >= playerRecord.expForNextLevel) {
    state.combatState = kLevelUpState;
  } else {
    state.combatState = kFightWrapUpState;
  }
  return revival.inFight;
}

std::string riseAsMetalhead(GameState& state, PlayerRecord& playerRecord) {
  if (playerRecord.hp < 1) playerRecord.hp = playerRecord.maxHp / 4;
  playerRecord.changeQuibblent("UNINTERESTING", state, false);
  playerRecord.poisoned = false;
  return riseAgain(state, playerRecord, kMetalheadRevival);
}

std::string riseByWillpower(GameState& state, PlayerRecord& playerRecord) {
  if (playerRecord.hp < 1) playerRecord.hp = playerRecord.maxHp / 2;
  if (playerRecord.quibblentTimed) playerRecord.changeQuibblent("UNINTERESTING", state, false);
  playerRecord.dodges = 0;
  playerRecord.willpower = false;
  playerRecord.poisoned = false;
  return riseAgain(state, playerRecord, kWillpowerRevival);
}

std::string riseAsZombie(GameState& state, PlayerRecord& playerRecord) {
  turnIntoZombie(playerRecord, kZombieRisenFromDeath);
  return riseAgain(state, playerRecord, kZombieRevival);
}

// The run save becomes the dead memorial: saveRun picks that form while the
// death page is still the open prompt.
bool writeMemorial(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  state.pendingPrompt = kDeathPrompt;
  return state.saveRun(floorRecord, playerRecord);
}

std::string endRun(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, std::string reply) {
  const bool written = writeMemorial(state, floorRecord, playerRecord);
  state.pendingPrompt = kNewGameAfterDeathPrompt;
  state.gameOver = true;
  return reply + (written ? kMemorialWritten : kMemorialFailed);
}

std::string plainDeath(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  requestMusic(state, kDungeonThemeSlowed);
  state.auxCounter = 0;
  return endRun(state, floorRecord, playerRecord, kPlainDeath);
}

std::string deathOnFloor(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  requestMusic(state, kDungeonThemeSlowed);
  state.auxCounter = 0;
  if (state.pendingWord == kLsdCause) state.claimAchievement(kLsdAchievement, playerRecord.name);
  if (state.deepestFloor < floorRecord.floorNumber) state.deepestFloor = floorRecord.floorNumber;
  state.saveMeta(false);
  std::string reply = kDiedOnFloor + std::to_string(floorRecord.floorNumber) + kGameOver;
  reply = endRun(state, floorRecord, playerRecord, std::move(reply));
  state.combatState = 0;
  return reply;
}

}  // namespace

std::string savedFileReply(bool written, const std::string& heroName) {
  if (written) return kSavedFile + heroName + "!";
  return kSaveFailedStart + heroName + kSaveFailedEnd;
}

std::string answerOverwrite(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                            const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      state.pendingPrompt = kNoPrompt;
      return savedFileReply(state.saveRun(floorRecord, playerRecord), playerRecord.name);
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return kNoSavingToday;
    case YesNoAnswer::kNeither:
      break;
  }
  return kOverwriteScold;
}

std::string answerDeath(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  if (isFinalCause(state.pendingWord) || curseHasRunOut(playerRecord)) {
    return plainDeath(state, floorRecord, playerRecord);
  }
  if (playerRecord.quibblent == "METALHEAD") return riseAsMetalhead(state, playerRecord);
  if (playerRecord.willpower) return riseByWillpower(state, playerRecord);
  if (playerRecord.imbuement == "NECRONOMICON") return riseAsZombie(state, playerRecord);
  return deathOnFloor(state, floorRecord, playerRecord);
}
