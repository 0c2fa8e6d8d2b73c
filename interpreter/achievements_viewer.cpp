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
    {"Victory!", ".\n"
                 "\n"
                 "You completed the game! Good for you."},
    {"Exuberant Festivities", ".\n"
                              "\n"
                              "Earned for completing the game as ACADEMIC."},
    {"Fuck Yeah, Bitch!", ".\n"
                          "\n"
                          "Earned for completing the game as CONVICT."},
    {"Ya Really Got 'Em", ".\n"
                          "\n"
                          "Earned for completing the game as OPPORTUNIST."},
    {"Gruuuhhhhh...", ".\n"
                      "\n"
                      "Earned for completing the game as ZOMBIE."},
    {"Unbelievable", ".\n"
                     "\n"
                     "Earned for completing the game on HARD MODE.\n"
                     "Congratulations! This is probably the hardest achievement."},
    {"You Bastard", ""},
    {"Dragon-Slayer", ".\n"
                      "\n"
                      "Earned for defeating the SLEEPING DRAGON in combat."},
    {"OOOOoooOOOooooOOOooo", ".\n"
                             "\n"
                             "Earned for defeating a GHASTLY GHAST in combat."},
    {"Epic Gamer", ".\n"
                   "\n"
                   "Earned for defeating a DEEP TROLL in combat."},
    {"Ruthless", ".\n"
                 "\n"
                 "Earned for killing 45 enemies in a single run, not including \n"
                 "HELLSATAN."},
    {"Very Determined",
     ".\n"
     "\n"
     "You completed the game without killing a single monster!! \n"
     "Well, except HELLSATAN. But that doesn't count."},
    {"Excellent Frandy",
     ".\n"
     "\n"
     "Bought out all of GARY THE GOBLIN's stock, yes yes yes! \n"
     "This achievement definitely the best one!!"},
    {"Garglefloxx", ".\n"
                    "\n"
                    "Earned for receiving an imbuence from GARGLEFLOXX."},
    {"Power-Mad", ".\n"
                  "\n"
                  "Earned for reaching level 10 on any run."},
    {"Whoa, Dude", ".\n"
                   "\n"
                   "Earned for ending a run by taking lots of LSD, man..."},
    {"Un-Doomed", ".\n"
                  "\n"
                  "Earned for successfully surviving a terrible CURSE..."},
    {"The True Purpose", ".\n"
                         "\n"
                         "Earned for becoming a STAPLE REMOVER MOGUL, fulfilling the \n"
                         "ultimate purpose of the QUIBBLENT RUDIRUVU quest."},
};

const char kLockedText[] = "\n"
                           "\n"
                           "This achievement is currently locked.";

std::string header(int number, const std::string& title) {
  return "ACHIEVEMENT #" + std::to_string(number) + " - \"" + title + "\"";
}

std::string unlockedPage(int number, const std::string& title, const std::string& name, const std::string& text) {
  return header(number, title) +
         "\n"
         "Achieved by " +
         name + text;
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
                            ".\n"
                            "\n"
                            "'Earned' for murdering JIMMY THE POTION in cold blood. \n"
                            "You horrible monster.");
      case 1:
        return unlockedPage(kPotionAchievement, "Fratricide", name,
                            ".\n"
                            "\n"
                            "'Earned' for murdering JOHNNY THE POTION.\n"
                            "You've singlehandedly destroyed a beautiful potion family.\n"
                            "I hope you're happy.");
      case 2:
        return unlockedPage(kPotionAchievement, "Johnnification", name,
                            ".\n"
                            "\n"
                            "Through the power of JOHNNIFICATION, you created a new \n"
                            "adventurer: 'JOHNNY THE " +
                                name + "'. Good job...?");
      default: break;
    }
  } else if (everyOtherAchievementEarned(state)) {
    return header(kPotionAchievement, "Kindred Spirit") + "\n"
                                                          "\n"
                                                          "You managed to get every single other achievement without \n"
                                                          "ever hurting JIMMY THE POTION!! You are a wonderful person.";
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
  std::string help = "Type a number (1-18) to read the achievement description, \n"
                     "or 'exit' to return to the main game.\n"
                     "\n";
  if (state.victoryCount <= 0) return help + "Highest floor: " + std::to_string(state.deepestFloor) + ".";
  return help + "Game clears: " + std::to_string(state.victoryCount) + ".";
}

}  // namespace

StageReply offerToAchievementsViewer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                     const std::string& line) {
  if (state.achievementsViewerOpen != 1) return std::nullopt;
  if (line == "exit") {
    state.achievementsViewerOpen = 0;
    return "Welcome back to the dungeons, " + playerRecord.name +
           ".\n"
           "You are currently on floor " +
           std::to_string(floorRecord.floorNumber) + ".";
  }
  if (const int number = typedAchievementNumber(line)) return achievementPage(state, number);
  return viewerHelp(state);
}
