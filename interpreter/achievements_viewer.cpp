#include "interpreter/achievements_viewer.h"

#include <string>

#include "world/game_state.h"

namespace {

constexpr int kAchievementCount = 18;
// The achievement whose title and text follow the potion family's fate.
constexpr int kPotionAchievement = 7;

// Columns: title, the text after the name on the unlocked page. Row k-1 is
// achievement k; the potion achievement's pages are its own.
struct AchievementRow {
  const char* title;
  const char* unlockedText;
};

const AchievementRow kAchievements[kAchievementCount] = {
    {"Victory!", ".\n\nYou completed the game! Good for you."},
    {"Exuberant Festivities", ".\n\nEarned for completing the game as ACADEMIC."},
    {"Fuck Yeah, Bitch!", ".\n\nEarned for completing the game as CONVICT."},
    {"Ya Really Got 'Em", ".\n\nEarned for completing the game as OPPORTUNIST."},
    {"Gruuuhhhhh...", ".\n\nEarned for completing the game as ZOMBIE."},
    {"Unbelievable",
     ".\n\nEarned for completing the game on HARD MODE.\nCongratulations! This is probably the hardest achievement."},
    {"You Bastard", ""},
    {"Dragon-Slayer", ".\n\nEarned for defeating the SLEEPING DRAGON in combat."},
    {"OOOOoooOOOooooOOOooo", ".\n\nEarned for defeating a GHASTLY GHAST in combat."},
    {"Epic Gamer", ".\n\nEarned for defeating a DEEP TROLL in combat."},
    {"Ruthless", ".\n\nEarned for killing 45 enemies in a single run, not including \nHELLSATAN."},
    {"Very Determined",
     ".\n\nYou completed the game without killing a single monster!! \nWell, except HELLSATAN. But that doesn't "
     "count."},
    {"Excellent Frandy",
     ".\n\nBought out all of GARY THE GOBLIN's stock, yes yes yes! \nThis achievement definitely the best one!!"},
    {"Garglefloxx", ".\n\nEarned for receiving an imbuence from GARGLEFLOXX."},
    {"Power-Mad", ".\n\nEarned for reaching level 10 on any run."},
    {"Whoa, Dude", ".\n\nEarned for ending a run by taking lots of LSD, man..."},
    {"Un-Doomed", ".\n\nEarned for successfully surviving a terrible CURSE..."},
    {"The True Purpose",
     ".\n\nEarned for becoming a STAPLE REMOVER MOGUL, fulfilling the \nultimate purpose of the QUIBBLENT RUDIRUVU "
     "quest."},
};

const char kLockedText[] = "\n\nThis achievement is currently locked.";

std::string header(int number, const std::string& title) {
  return "ACHIEVEMENT #" + std::to_string(number) + " - \"" + title + "\"";
}

std::string unlockedPage(int number, const std::string& title, const std::string& name, const std::string& text) {
  return header(number, title) + "\nAchieved by " + name + text;
}

bool everyOtherAchievementEarned(const GameState& state) {
  for (int slot = 0; slot < kAchievementCount; ++slot) {
    if (slot != kPotionAchievement - 1 && state.achievements[slot].empty()) return false;
  }
  return true;
}

// The potion achievement changes with what became of JIMMY and JOHNNY, and
// a hero who earned everything else without hurting JIMMY is praised.
std::string potionPage(const GameState& state) {
  const std::string& name = state.achievements[kPotionAchievement - 1];
  if (!name.empty()) {
    switch (state.potionProgress) {
      case 0:
        return unlockedPage(kPotionAchievement, "You Bastard", name,
                            ".\n\n'Earned' for murdering JIMMY THE POTION in cold blood. \nYou horrible monster.");
      case 1:
        return unlockedPage(kPotionAchievement, "Fratricide", name,
                            ".\n\n'Earned' for murdering JOHNNY THE POTION.\nYou've singlehandedly destroyed a "
                            "beautiful potion family.\nI hope you're happy.");
      case 2:
        return unlockedPage(kPotionAchievement, "Johnnification", name,
                            ".\n\nThrough the power of JOHNNIFICATION, you created a new \nadventurer: 'JOHNNY THE " +
                                name + "'. Good job...?");
      default: break;
    }
  } else if (everyOtherAchievementEarned(state)) {
    return header(kPotionAchievement, "Kindred Spirit") +
           "\n\nYou managed to get every single other achievement without \never hurting JIMMY THE POTION!! You "
           "are a wonderful person.";
  }
  return header(kPotionAchievement, "You Bastard") + kLockedText;
}

std::string achievementPage(const GameState& state, int number) {
  if (number == kPotionAchievement) return potionPage(state);
  const AchievementRow& row = kAchievements[number - 1];
  const std::string& name = state.achievements[number - 1];
  if (name.empty()) return header(number, row.title) + kLockedText;
  return unlockedPage(number, row.title, name, row.unlockedText);
}

// "1" to "18" exactly, no leading zero; 0 otherwise.
int typedAchievementNumber(const std::string& line) {
  for (int number = 1; number <= kAchievementCount; ++number) {
    if (line == std::to_string(number)) return number;
  }
  return 0;
}

std::string viewerHelp(const GameState& state) {
  std::string help =
      "Type a number (1-18) to read the achievement description, \nor 'exit' to return to the main game.\n\n";
  if (state.victoryCount <= 0) return help + "Highest floor: " + std::to_string(state.deepestFloor) + ".";
  return help + "Game clears: " + std::to_string(state.victoryCount) + ".";
}

}  // namespace

StageReply offerToAchievementsViewer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                     const std::string& line) {
  if (state.achievementsViewerOpen != 1) return std::nullopt;
  if (line == "exit") {
    state.achievementsViewerOpen = 0;
    return "Welcome back to the dungeons, " + playerRecord.name + ".\nYou are currently on floor " +
           std::to_string(floorRecord.floorNumber) + ".";
  }
  if (const int number = typedAchievementNumber(line)) return achievementPage(state, number);
  return viewerHelp(state);
}
