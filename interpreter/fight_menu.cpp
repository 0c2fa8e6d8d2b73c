// The skill and item lists of the combat menu, the choices they open, and
// the two menus that stand in for the ordinary one: the VERY NORMAL
// WARLOCK's and the scolding of the SWORD OF KINGS.
#include "encounters/fight_texts.h"
#include "encounters/fought_tile.h"
#include "encounters/player_turn.h"
#include "interpreter/fight_parts.h"
#include "interpreter/prompt_answers.h"
#include "world/game_state.h"

namespace {

const char kReturning[] = "Returning to main combat menu.\n";
const char kReturnHint[] = "\n"
                           "[TYPE NOTHING TO RETURN TO MAIN COMBAT MENU]";
const char kNoSkills[] = "You don't have any skills...\n";
const char kNoItems[] = "You don't have any items...\n";
const char kNotASkill[] = "That's not a real skill...\n";
const char kNotAnItem[] = "That's not a real item...\n";
const char kNotAnAnswer[] = "That's not a real answer...\n";
const char kNotAChoice[] = "That's not a real choice...\n";
const char kTooConfused[] = "You are too CONFUSED to use any skills!!\n";
const char kAntibioticsQuestion[] = "You are too CONFUSED to use any skills!!\n"
                                    "Would you like to use ANTIBIOTICS to clear your confusion? \n"
                                    "(Y/N)";
const char kCure[] = "ANTIBIOTICS";
// A list this long fills the panel: no room for the hint that returns.
constexpr std::size_t kFullList = 5;

// Items that can be used on the hero or on the enemy.
const char* const kTwoTargetItems[] = {"LSD", "MORALITY", "SALT SHAKER"};

const char kWarlockRevealed[] =
    "Before you have a chance to do anything, the VERY NORMAL \n"
    "WARLOCK's robes suddenly drop, revealing two GOBLINS \n"
    "standing on top of each other! They squeak, their disguise \n"
    "revealed, and scamper away. \n"
    "You win???";
const char kWarlockFled[] =
    "You run away like a coward. The VERY NORMAL WARLOCK \n"
    "watches you suspiciously, but makes no move to attack. \n"
    "You are now out of combat.";
const char kWarlockWaits[] =
    "You stand around twiddling your thumbs like a chump.\n"
    "The VERY NORMAL WARLOCK appears to be waiting for your move.\n";
const char* const kWarlockUnmaskingLines[] = {"1", "attack", "2", "skill", "skills", "3", "item", "items"};

const char kSwordSwing[] =
    "You swing your SWORD OF KINGS as hard as you can.\n"
    "But before it can connect with the enemy, it leaps out of \n"
    "your hand and starts berating you!\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kSwordScolds[] =
    "'What on earth was that? You call that a swing?! Where's the \n"
    "form? Where's the ELEGANCE? Do you just think you can pick \n"
    "up any random weapon you find lying around on the ground \n"
    "and SWING it, without any kind of proper training?'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kSwordDignity[] =
    "'I hadn't realized I was being wielded by one so uncouth. \n"
    "Well, I shan't be treated this way. I am a sword with \n"
    "DIGNITY! I bid you good day, and I dearly hope to never see \n"
    "you again, you carbon-based charlatan!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kSwordReturnsWeapon[] =
    "'Oh, and here, take your old weapon back. Such a second-rate\n"
    "hunk of metal is a much better fit for a contemptible \n"
    "swordsman such as yourself.' \n"
    "You got the ";
const char kSwordLeavesStart[] =
    "The SWORD OF KINGS saunters off haughtily, leaving you and \n"
    "the enemy nonplussed. Neither of you is really sure whose \n"
    "turn it's supposed to be. After some back-and-forth, you \n"
    "both agree it's only fair ";
const char kSwordGivesYouATurn[] =
    "that you take another turn, since \n"
    "the one you just took was wasted. \n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kSwordGivesEnemyATurn[] =
    "to give the enemy a turn, even \n"
    "though yours was wasted. \n"
    "[TYPE ANYTHING TO CONTINUE]";

// "1".."6" as 1..6; 0 for any other line.
int menuNumber(const std::string& line) {
  if (line.size() != 1 || line[0] < '1' || line[0] > '6') return 0;
  return line[0] - '0';
}

bool isTwoTargetItem(const std::string& itemName) {
  for (const char* item : kTwoTargetItems) {
    if (itemName == item) return true;
  }
  return false;
}

// The held ANTIBIOTICS skill ready to use, or -1.
int readyCureIndex(const PlayerRecord& playerRecord) {
  for (std::size_t i = 0; i < playerRecord.skills.size(); ++i) {
    const Action& skill = playerRecord.skills[i];
    if (skill.name == kCure && skill.cooldownLeft == 0) return static_cast<int>(i);
  }
  return -1;
}

std::string returnToMenu(GameState& state, const PlayerRecord& playerRecord, const char* lead) {
  state.combatState = fight::kMenu;
  return withMenu(lead, playerRecord);
}

// The item picked by GameState::auxCounter, used in the fight: the item code
// knows it is a fight by the item choice being open.
std::string useChosenItem(GameState& state, PlayerRecord& playerRecord, bool onEnemy) {
  state.combatState = fight::kItemChoice;
  const std::string name = playerRecord.inventoryNames[static_cast<std::size_t>(state.auxCounter)];
  return playerRecord.useItem(name, state, onEnemy);
}

}  // namespace

std::string openSkillList(GameState& state, PlayerRecord& playerRecord) {
  state.combatState = fight::kSkillChoice;
  if (playerRecord.skills.empty()) return returnToMenu(state, playerRecord, kNoSkills);
  std::string list = "Select a skill - ";
  for (std::size_t i = 0; i < playerRecord.skills.size(); ++i) {
    const Action& skill = playerRecord.skills[i];
    const std::string wait = skill.cooldownLeft != 0 ? std::to_string(skill.cooldownLeft) : "-";
    list += std::to_string(i + 1) + ": " + skill.name + " (" + wait + ")\n";
  }
  if (playerRecord.quibblent == "CONFUSED") {
    if (playerRecord.playerClass == "ACADEMIC" && readyCureIndex(playerRecord) >= 0) {
      state.combatState = fight::kAntibioticsOffer;
      state.messageBuffer = kAntibioticsQuestion;
      return state.messageBuffer;
    }
    return returnToMenu(state, playerRecord, kTooConfused);
  }
  if (playerRecord.skills.size() < kFullList) list += kReturnHint;
  state.messageBuffer = list;
  return list;
}

std::string openItemList(GameState& state, PlayerRecord& playerRecord) {
  state.combatState = fight::kItemChoice;
  if (playerRecord.inventoryNames.empty()) return returnToMenu(state, playerRecord, kNoItems);
  std::string list = "Select an item - ";
  for (std::size_t i = 0; i < playerRecord.inventoryNames.size(); ++i) {
    const int count = i < playerRecord.inventoryCounts.size() ? playerRecord.inventoryCounts[i] : 0;
    list += std::to_string(i + 1) + ": " + playerRecord.inventoryNames[i] + " (" + std::to_string(count) + ")\n";
  }
  if (playerRecord.inventoryNames.size() < kFullList) list += kReturnHint;
  state.messageBuffer = list;
  return list;
}

std::string answerSkillChoice(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  if (line.empty()) return returnToMenu(state, playerRecord, kReturning);
  const int number = menuNumber(line);
  if (number == 0 || static_cast<std::size_t>(number) > playerRecord.skills.size()) {
    return returnToMenu(state, playerRecord, kNotASkill);
  }
  return resolvePlayerTurn(static_cast<std::size_t>(number - 1), playerRecord, state);
}

std::string answerAntibioticsOffer(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      // The cure is found by its name: a hero who swapped skills may hold it anywhere, or no longer.
      const int cure = readyCureIndex(playerRecord);
      if (cure < 0) return returnToMenu(state, playerRecord, kTooConfused);
      return resolvePlayerTurn(static_cast<std::size_t>(cure), playerRecord, state);
    }
    case YesNoAnswer::kNo: return returnToMenu(state, playerRecord, kReturning);
    case YesNoAnswer::kNeither: break;
  }
  return returnToMenu(state, playerRecord, kNotAnAnswer);
}

std::string answerItemChoice(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  if (line.empty()) return returnToMenu(state, playerRecord, kReturning);
  const int number = menuNumber(line);
  if (number == 0 || static_cast<std::size_t>(number) > playerRecord.inventoryNames.size()) {
    return returnToMenu(state, playerRecord, kNotAnItem);
  }
  state.auxCounter = number - 1;
  const std::string& name = playerRecord.inventoryNames[static_cast<std::size_t>(state.auxCounter)];
  if (isTwoTargetItem(name)) {
    state.combatState = fight::kItemTarget;
    const Creature& enemy = state.currentEnemy;
    return "You can use this item on multiple targets.\n"
           "Would you like to use the " +
           name +
           " on yourself, \n"
           "or on the " + enemyFullName(enemy) + "?\n"
                                                                 "\n"
                                                                 "(1) " + playerRecord.quibblent + " " +
           playerRecord.name + "\n"
                               "(2) " + enemyFullName(enemy);
  }
  return useChosenItem(state, playerRecord, false);
}

std::string answerItemTarget(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  const bool itemStillHeld =
      state.auxCounter >= 0 && static_cast<std::size_t>(state.auxCounter) < playerRecord.inventoryNames.size();
  if (line == "n" || line.empty()) return returnToMenu(state, playerRecord, kReturning);
  if ((line == "1" || line == "2") && itemStillHeld) return useChosenItem(state, playerRecord, line == "2");
  return returnToMenu(state, playerRecord, kNotAChoice);
}

std::string answerWarlockMenu(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line) {
  state.pendingWord = fight::kCombatCause;
  for (const char* unmasking : kWarlockUnmaskingLines) {
    if (line != unmasking) continue;
    state.combatState = fight::kOver;
    const int tile = fightTile(state);
    floorRecord.clearTile(tile, " lies some fake WARLOCK robes.");
    return kWarlockRevealed;
  }
  if (line == "4" || line == "flee") {
    state.combatState = fight::kOver;
    state.currentEnemy.stunned = false;
    keepEnemyOnItsTile(state, floorRecord);
    return kWarlockFled;
  }
  if (line == "wait") return withMenu(kWarlockWaits, playerRecord);
  // Anything else is answered without leaving the warlock's menu, as waiting is.
  return withMenu("Nope.\n", playerRecord);
}

std::string beginSwordOfKingsScene(GameState& state) {
  state.combatState = fight::kSwordScolding;
  return kSwordSwing;
}

std::string answerSwordOfKingsPage(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string&) {
  switch (state.combatState) {
    case fight::kSwordScolding:
      state.combatState = fight::kSwordDignity;
      return kSwordScolds;
    case fight::kSwordDignity:
      state.combatState = fight::kSwordOldWeapon;
      return kSwordDignity;
    case fight::kSwordOldWeapon: {
      state.combatState = fight::kSwordLeaves;
      playerRecord.wieldsSwordOfKings = false;
      const ItemRecord& weapon = playerRecord.equipment[0];
      return kSwordReturnsWeapon + weapon.name + "! (ATK: " + std::to_string(weapon.attack) +
             ")\n"
             "[TYPE ANYTHING TO CONTINUE]";
    }
    default: break;
  }
  if (dice::below(2) != 0) {
    state.combatState = fight::kPlayerTurnStart;
    return std::string(kSwordLeavesStart) + kSwordGivesYouATurn;
  }
  state.combatState = fight::kEnemyTurn;
  return std::string(kSwordLeavesStart) + kSwordGivesEnemyATurn;
}
