#include "interpreter/name_prompt.h"

#include <algorithm>
#include <iterator>

#include "interpreter/class_choice.h"
#include "interpreter/music_requests.h"
#include "interpreter/prompt_answers.h"
#include "interpreter/save_probe.h"
#include "persistence/run_save_format.h"
#include "persistence/save_names.h"
#include "world/game_state.h"

const char kNamePromptText[] = "Enter a name - no more than 8 characters please.\n"
                               "If you wish to load a file, please type the name of your \n"
                               "character in the file you want to load.";

namespace {

// The answers to the n-th name that was too long, n = 1..11. The twelfth
// and every later one is given the name kStubbornName instead.
const char* const kTooLongRefusals[] = {
    "Nice try dumpo. NO MORE THAN EIGHT CHARACTERS, please.",
    "See, buddy, that's just not going to happen. No more than \n"
    "eight characters to a name, or no names for you.",
    "No more than eight characters, please. I'm sure your name \n"
    "is really awesome. But rules are rules.",
    "Do you think these rules are arbitrary? Do you think I'm \n"
    "limiting you to eight characters purely for my own selfish \n"
    "enjoyment? Because you're wrong. No more than eight \n"
    "characters, please.",
    "Maybe I *do* enjoy limiting you to eight characters. Maybe \n"
    "I think it's funny, a little bit. But that shouldn't matter. \n"
    "No more than eight characters, please.",
    "Nice try dumpo. No more than eight characters, please.",
    "Your inability to follow these instructions is seriously \n"
    "worrying me. Did you know, in the actual game, there are \n"
    "challenges even HARDER than trying to input a sequence of \n"
    "<9 characters? It's true. You can find out for yourself, if \n"
    "you input a name of 8 characters or fewer.",
    "This part of the game was not meant to be challenging. It \n"
    "shouldn't take eight attempts. Maybe I need a tutorial for \n"
    "this part? Like, a sequence where you can use up to sixteen \n"
    "characters in your input, just to prepare you for this one?",
    "Clearly this area is prohibitively difficult. I'm sorry, \n"
    "it's my fault. I don't know how this happened, but I somehow \n"
    "made entering a name far too challenging. I promise the rest \n"
    "of the game has better balance than this.",
    "OK, tell you what. If you continue to fail at entering a \n"
    "maximum-eight-character-name, I will just skip this section \n"
    "and give you a name manually. I don't want this to totally \n"
    "ruin the QUIBBLENT RUDIRUVU experience for you.",
    "I see my intervention is necessary. Give this naming thing \n"
    "one more shot, but don't worry if you fail again. I will \n"
    "make sure your character is named properly.",
};
constexpr int kTooLongRefusalCount = static_cast<int>(std::size(kTooLongRefusals));
const char kStubbornName[] = "Dumpo";

// Texts of the name prompt.
const char kEmptyName[] = "Nice try dumpo. You need to input an actual name.";
const char kBackslashName[] =
    "Sorry boss. Don't get me wrong, that's a great name, but \n"
    "that '\\' there is unworkable for stupid technical reasons. \n"
    "Pick another one.";
const char kSlashName[] =
    "Sorry boss. Don't get me wrong, that's a great name, but \n"
    "that '/' there is unworkable for stupid technical reasons. \n"
    "Pick another one.";
// Any other name that cannot be a file name (":", "?", "CON", "meta-save"...).
const char kUnworkableName[] = "Sorry boss. Don't get me wrong, that's a great name, but \n"
                               "it is unworkable as a save file name for stupid technical \n"
                               "reasons. Pick another one.";
// A save of that name is there but cannot be read: the name stays taken, so
// the file is never written over by a new adventurer.
const char kUnreadableSaveAtNamePrompt[] = "Uh oh. There is a save file with that name, but it is \n"
                                           "damaged or unreadable, so it can't be loaded. I won't touch \n"
                                           "it. Pick another name.";
const char kYourNameIs[] = "Your name is: ";
const char kLoadedFile[] = "Loaded file ";
const char kWelcomeBack[] = " successfully!\n"
                            "Welcome back to the dungeon, ";
const char kYouWereOnFloor[] = "!\n"
                               "You were on floor ";
const char kWhenYouLeftOff[] = " when you left off.";

// Texts of the load prompt.
const char kLoadCanceled[] = "Load canceled. You can keep playing now.";
const char kLoadNotFound[] = "Load failed - could not find a file with that name!";
const char kLoadUnreadable[] = "Load failed - that file is damaged or unreadable! \n"
                               "Your game goes on as it was.";
const char kLoadUnworkableName[] = "There can't be a save file with a name like that, boss. \n"
                                   "Type the name of the character to be loaded, \n"
                                   "or type nothing to return to the dungeon.";
const char kLoadedSuccessfully[] = " successfully!";

// The memorial questions: name + question + name + ending.
const char kDeadMemorial[] =
    " is dead. \n"
    "Your save file has been turned into a memorial for their \n"
    "life, including stats and the monster who killed them.\n"
    "Would you like to overwrite that file and start a new game \n"
    "under the name ";
const char kVictoriousMemorial[] =
    " has completed the game! \n"
    "Your save file has been turned into a memorial for their \n"
    "victory, including class and clear time.\n"
    "Would you like to overwrite that file and start a new game \n"
    "under the name ";
const char kNamePromptEnding[] = "? (Y/N)\n"
                                 "[WARNING - TYPING 'N' WILL QUIT THE GAME]";
const char kLoadPromptEnding[] = "? (Y/N)";

// Texts of the new-game question over a memorial, and of the last page.
const char kStartedNewFile[] = "Started a new file of name ";
const char kQuitOverMemorial[] = "Will do - check the .txt file to view your \n"
                                 "character's memorial.\n"
                                 "\n"
                                 "[TYPE ANYTHING TO EXIT]";
const char kKeepPlaying[] = "Ok. You can continue playing now.";
const char kNewGameScold[] = "Listen here bucko. Are you starting\n"
                             "a new game or not, Y or N?";
const char kLastPage[] = "byeeee";

std::string memorialQuestion(int loadResult, const std::string& heroName, const char* ending) {
  const char* middle = loadResult == kLoadedVictoriousMemorial ? kVictoriousMemorial : kDeadMemorial;
  return heroName + middle + heroName + ending;
}

bool isMemorial(int loadResult) {
  return loadResult == kLoadedDeadMemorial || loadResult == kLoadedVictoriousMemorial;
}

// Reads the open save into the records; the stream is closed afterwards
// whatever the outcome.
int loadOpenSave(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  const int result = state.loadRun(floorRecord, playerRecord);
  if (state.loadFile.is_open()) state.loadFile.close();
  state.loadFile.clear();
  return result;
}

// A first combat hint still due is spent once a run is loaded.
void spendFirstCombatHint(GameState& state) {
  if (!state.firstCombatHint) return;
  state.firstCombatHint = false;
  state.saveMeta(false);
}

// Refusal of a name that is not too long but cannot name a file; nullptr
// when the name is fine.
const char* nameRefusal(const std::string& heroName) {
  if (heroName.empty()) return kEmptyName;
  if (heroName.find('\\') != std::string::npos) return kBackslashName;
  if (heroName.find('/') != std::string::npos) return kSlashName;
  if (!isSafeSaveName(heroName)) return kUnworkableName;
  return nullptr;
}

}  // namespace

std::string answerNamePrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  state.typedName = line;
  if (state.typedName.size() > kLongestHeroName) {
    state.auxCounter += 1;
    if (state.auxCounter <= kTooLongRefusalCount) {
      return kTooLongRefusals[std::max(state.auxCounter, 1) - 1];
    }
    state.typedName = kStubbornName;
  }
  const std::string heroName = state.typedName;
  if (const char* refusal = nameRefusal(heroName)) return refusal;

  const SaveProbe probe = openRunSave(state, heroName);
  if (probe == SaveProbe::kMissing) {
    state.namePromptOpen = false;
    state.pendingPrompt = kClassChoicePrompt;
    playerRecord.name = heroName;
    return kYourNameIs + heroName + kClassListText;
  }
  if (probe == SaveProbe::kUnreadable) return kUnreadableSaveAtNamePrompt;

  const int result = loadOpenSave(state, floorRecord, playerRecord);
  if (result == kLoadRefused) return kUnreadableSaveAtNamePrompt;
  state.namePromptOpen = false;
  state.auxCounter = result;
  if (isMemorial(result)) {
    state.pendingPrompt = kNewGameOverMemorialPrompt;
    return memorialQuestion(result, heroName, kNamePromptEnding);
  }
  state.pendingPrompt = kNoPrompt;
  spendFirstCombatHint(state);
  requestMusic(state, kAmbientTrack);
  return kLoadedFile + playerRecord.name + kWelcomeBack + playerRecord.name + kYouWereOnFloor +
         std::to_string(floorRecord.floorNumber) + kWhenYouLeftOff;
}

std::string answerLoadPrompt(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  state.pendingPrompt = kNoPrompt;
  if (line.empty()) {
    state.loadPromptOpen = false;
    return kLoadCanceled;
  }
  // The same rule as for a new name: the prompt stays open for another try.
  if (!isSafeSaveName(line)) return kLoadUnworkableName;
  state.loadPromptOpen = false;

  const SaveProbe probe = openRunSave(state, line);
  if (probe == SaveProbe::kMissing) return kLoadNotFound;
  if (probe == SaveProbe::kUnreadable) return kLoadUnreadable;

  const int result = loadOpenSave(state, floorRecord, playerRecord);
  if (result == kLoadRefused) return kLoadUnreadable;
  state.auxCounter = result;
  if (isMemorial(result)) {
    state.pendingPrompt = kNewGameOverMemorialPrompt;
    state.typedName = line;
    return memorialQuestion(result, line, kLoadPromptEnding);
  }
  state.clockStart = GameState::Clock::now();
  spendFirstCombatHint(state);
  requestMusic(state, kAmbientTrack);
  return kLoadedFile + playerRecord.name + kLoadedSuccessfully;
}

std::string answerNewGameOverMemorial(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                      const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      clearRunForNewHero(state, floorRecord, playerRecord);
      state.namePromptOpen = false;
      state.pendingPrompt = kClassChoicePrompt;
      playerRecord.name = state.typedName;
      return kStartedNewFile + state.typedName + kClassListText;
    case YesNoAnswer::kNo:
      if (playerRecord.playerClass.empty()) {
        state.pendingPrompt = kLastPagePrompt;
        return kQuitOverMemorial;
      }
      state.pendingPrompt = kNoPrompt;
      return kKeepPlaying;
    case YesNoAnswer::kNeither:
      break;
  }
  return kNewGameScold;
}

std::string answerLastPage(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.closeRequested = true;
  return kLastPage;
}
