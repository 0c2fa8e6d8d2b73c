#include "interpreter/class_choice.h"

#include "interpreter/start_prompts.h"
#include "world/game_state.h"
#include "world/item_record.h"
#include "world/player_record.h"

namespace {

// The classes as both the list and the request to pick again show them.
const char kClassLines[] =
    "(1) ACADEMIC: Intelligent; recommended for beginners.\n"
    "(2) CONVICT: Strong but simple; easy to win with.\n"
    "(3) OPPORTUNIST: Cunning; supports an advanced playstyle.";

}  // namespace

const std::string kClassListText = std::string(".\n"
                                               "Please select one of the following classes:\n") +
                                   kClassLines;

namespace {

// One row per class a new adventurer may pick.
// Columns: number typed, word typed, class, willpower granted, extra dodges,
// skills learned in this order, reply.
struct ClassRow {
  const char* number;
  const char* word;
  const char* playerClass;
  bool willpower;
  int extraDodges;
  const char* skills[3];
  const char* reply;
};

const ClassRow kClasses[] = {
    {"1", "academic", "ACADEMIC", false, 0, {"EXAMINE", "INFERENCE", "ANTIBIOTICS"},
     "You are an ACADEMIC.\n"
     "You can EXAMINE enemies to learn about them, or INFER\n"
     "solutions to help you in combat. You enter the dungeon with\n"
     "disease-curing ANTIBIOTICS and knowledge of how to read\n"
     "obscure scrolls. You can find secrets other classes cannot.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"2", "convict", "CONVICT", true, 0, {"BODY TACKLE", "PISS OFF", "MEGATON PUNCH"},
     "You are a CONVICT.\n"
     "You can use a dodge to TACKLE enemies, or PUNCH them at the\n"
     "expense of your own health. Your crass demeanor can ENRAGE\n"
     "enemies, but they cannot escape combat with you. You deal\n"
     "extra damage, and may even survive your own death... once.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"3", "opportunist", "OPPORTUNIST", false, 1, {"PICKPOCKET", "NEGOTIATE", "SNEAK ATTACK"},
     "You are an OPPORTUNIST.\n"
     "You may steal money from enemies, or bribe them to get out\n"
     "of combat. You are thrifty, getting better deals in shops.\n"
     "Your agility allows you to use a dodge to stun your enemies,\n"
     "or sneak down the stairs without alerting your foes.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
};

const std::string kPickAgain = std::string("Very funny.\n"
                                           "Pick one of *these*:\n") +
                               kClassLines;

}  // namespace

std::string answerClassChoice(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  for (const ClassRow& row : kClasses) {
    if (line != row.number && line != row.word) continue;
    state.pendingPrompt = kStartKitPrompt;
    playerRecord.playerClass = row.playerClass;
    if (row.willpower) playerRecord.willpower = true;
    playerRecord.dodges += row.extraDodges;
    for (const char* skill : row.skills) playerRecord.learnSkill(skill);
    return row.reply;
  }
  state.pendingPrompt = kClassChoicePrompt;
  return kPickAgain;
}

void turnIntoZombie(PlayerRecord& playerRecord, const ZombieFigures& figures) {
  playerRecord.playerClass = "ZOMBIE";
  playerRecord.equipment[0] = ItemRecord("fists", 0);
  playerRecord.equipment[1] = ItemRecord("loin", 0);
  playerRecord.hp = figures.hp;
  playerRecord.maxHp = figures.hp;
  playerRecord.attack = figures.attack;
  playerRecord.defence = figures.defence;
  playerRecord.level = 0;
  playerRecord.exp = 0;
  playerRecord.skills.clear();
  playerRecord.inventoryNames.clear();
  playerRecord.inventoryCounts.assign(kInventorySlots, 0);
  // Already a ZOMBIE, so the duplicate check lets every EAT through.
  for (int i = 0; i < figures.eatSkills; ++i) playerRecord.learnSkill("EAT");
  playerRecord.imbuement.clear();
  playerRecord.poisoned = false;
}
