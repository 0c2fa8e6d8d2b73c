#include "interpreter/information_commands.h"

#include <algorithm>
#include <cstring>

#include "interpreter/look_and_move.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/whole_numbers.h"

const char kHelpSecondPage[] = "Your goal in QUIBBLENT RUDIRUVU is to descend through all \n"
                               "15 floors. Fight enemies to gain money and experience (or \n"
                               "try to avoid them). Type the cardinal direction of the \n"
                               "stairs when you feel ready to descend to the next floor.\n"
                               "Type 'info' for more miscellaneous information.";

namespace {

const char kHelpFirstPage[] = "Type 'status'/'inv'/'skills' to view player information.\n"
                              "Type 'l', 'look', or 'look around' to view all current tiles.\n"
                              "Type a cardinal direction ('n', 'se', etc) to go there.\n"
                              "For items, type 'use [item name]' or 'drop [item name]'.\n"
                              "Type 'settings' for meta options, including save/load.\n"
                              "[TYPE ANYTHING TO CONTINUE]";

struct Description {
  const char* name;
  const char* text;
};

// Columns: item name, what the inventory list says of it.
const Description kItemDescriptions[] = {
    {"POTION", "Heals 50% HP."},
    {"MATCH", "Attempts to apply FLAMING on the target."},
    {"KEROSENE", "Makes the target more FLAMMABLE."},
    {"LSD", "A potent psychedelic; high doses can confuse."},
    {"MORALITY", "Causes target to see pure moral truth."},
    {"AIRHORN", "Stuns the target; effective vs. gamers."},
    {"SALT SHAKER", "Applies LIGHTLY SALTED on the target."},
    {"POISON DART", "POISONs target and deals some damage."},
    {"GHOST PEPPER", "Spicy; applies FLAMING en masse."},
    {"STAPLE REMOVER", "Self-explanatory."},
    {"CALCULATOR", "Applies arithmetic to boost stats."},
    {"LAUGHING GAS", "Applies SLEEPING to all monsters."},
    {"CONTRACT", "Offer enemy GOLD to avoid combat."},
    {"TOME OF WISDOM", "Reveals location of secret room."},
    {"VORTEX", "?????"},
    {"NECRONOMICON", "Turns enemy into ZOMBIE; dangerous."},
    {"TELEPOROMETER", "Teleports to an alternate universe."},
    {"GHAST-BUSTER", "Highly effective vs. GHASTLY foes."},
    {"SPECIAL POTION", "Some kind of potion. Effect unknown."},
    {"HAT", "A hat for a CHEF."},
    {"ANTIBIOTICS", "Cures POISON and CONFUSED; wasteful."},
    {"ANTIBIOTICS?", "Cures POISON and CONFUSED; wasteful."},
    {"GROG", "A pint of GROG from GROGGUM JOHN."},
};

// Columns: skill name, what the skills list says of it. The bolts and HEAL
// name numbers that grow with the hero and are written by skillDescription.
const Description kSkillDescriptions[] = {
    {"BODY TACKLE", "1.5x damage; -1 dodge; frightening."},
    {"PISS OFF", "Applies ENRAGED to susceptible enemies."},
    {"MEGATON PUNCH", "2.5x damage; 1x damage as recoil."},
    {"EXAMINE", "Gives a description of the enemy."},
    {"INFERENCE", "Unpredictable effect; 1 use/battle."},
    {"ANTIBIOTICS", "Cures POISON and CONFUSED; wasteful."},
    {"PICKPOCKET", "Steals a fraction of the enemy's GOLD."},
    {"NEGOTIATE", "Offer GOLD to end the combat encounter."},
    {"SNEAK ATTACK", "60% damage; -1 dodge; stuns enemy."},
    {"STUNBOLT", "Stuns the enemy; long cooldown."},
    {"QBL.SWAP", "Swaps player and enemy quibblent."},
    {"EAT", "Attempt to EAT the enemy (easier with salt)."},
    {"PREACH", "Attack using pure moral truth."},
    {"PISS ON", "Use this skill ASAP!!"},
};

template <std::size_t N>
std::string lookUp(const Description (&table)[N], const std::string& name) {
  for (const Description& row : table) {
    if (name == row.name) return row.text;
  }
  return "";
}

std::string skillDescription(const std::string& name, const PlayerRecord& playerRecord) {
  const int level = playerRecord.level;
  if (name == "MAGICBOLT") return "Deals " + std::to_string(2 * level + 4) + " damage, ignores defense.";
  if (name == "FIREBOLT") return "Deals " + std::to_string(2 * level + 8) + " damage, may cause FLAMING.";
  if (name == "HEAL") {
    return "Heals " + std::to_string(healAmount(playerRecord)) + " HP, limited uses per battle.";
  }
  return lookUp(kSkillDescriptions, name);
}

constexpr int kTopLevel = 10;
constexpr int kCurseLength = 81;

std::string lsdLine(int lsdLevel) {
  switch (lsdLevel) {
    case 1: return "You are currently TRIPPING on LSD.\n";
    case 2: return "You are currently TRIPPING BALLS on LSD.\n";
    case 3: return "You have taken a *lot* of LSD. You should be careful.\n";
    default: return "";
  }
}

}  // namespace

int healAmount(const PlayerRecord& playerRecord) { return std::min(playerRecord.maxHp / 3, 25); }

std::string commandHelp(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  if (state.firstCombatHint) {
    state.firstCombatHint = false;
    state.saveMeta(false);
  }
  state.lastReplyKind = kHelpFirstPageShown;
  return kHelpFirstPage;
}

std::string commandInfo(GameState& state, Floor& floorRecord, PlayerRecord& p, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  std::string text = "You are currently on floor " + std::to_string(floorRecord.floorNumber) +
                     " of 15.\n"
                     "You have killed " +
                     std::to_string(p.killScore % 100) + " monsters.\n";
  if (p.antibioticsUsed > 4) {
    text += "Your body has developed ANTIBIOTIC RESISTANCE!!\n";
  } else if (p.antibioticsUsed > 0) {
    text += "You have used " + std::to_string(p.antibioticsUsed) + " ANTIBIOTICS.\n";
  }
  if (p.spicyTolerance > 0) {
    text += "You have developed a LEVEL " + std::to_string(p.spicyTolerance) + " SPICY TOLERANCE!\n";
  }
  if (p.willpower || p.quibblent == "METALHEAD") {
    text += "You currently have enough willpower to survive after DEATH.\n";
  }
  text += lsdLine(p.lsdLevel);
  if (p.quibblent == "CURSED") {
    text += "You have been CURSED for " + std::to_string(kCurseLength - p.quibblentTurnsLeft) + " turns...";
  }
  state.messageBuffer = text;
  return text;
}

std::string commandStatus(GameState& state, Floor&, PlayerRecord& p, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  const ItemRecord& weapon = p.equipment[0];
  const ItemRecord& armor = p.equipment[1];
  const std::string shownDefence = std::to_string(truncatedQuotient(p.defence, p.damageTakenFactor));
  const std::string shownAttack = std::to_string(truncatedProduct(p.attack, p.attackFactor));
  std::string text = "You are " + p.name + " the level " + std::to_string(p.level) + " " + p.quibblent + " " +
                     p.playerClass + ".\n";
  const std::string armorLine = ".\n"
                                "ARMOR: " +
                                armor.name + " (DEF: " + std::to_string(armor.defence) + ").\n";
  if (p.wieldsSwordOfKings) {
    text += "WEAPON: SWORD OF KINGS (ATK: ??)" + armorLine;
  } else {
    text += "WEAPON: " + weapon.name + " (ATK: " + std::to_string(weapon.attack) + ")" + armorLine;
  }
  text += "HP: " + std::to_string(p.hp) + " / " + std::to_string(p.maxHp) +
          ", ATK: " + (p.wieldsSwordOfKings ? std::string("??") : shownAttack) + ", DEF: " + shownDefence +
          ", Dodges: " + std::to_string(p.dodges) + ".\n";
  text += "You have " + std::to_string(p.exp) + " XP and " + std::to_string(p.gold) + " gold";
  if (p.level < kTopLevel && p.playerClass != "ZOMBIE") {
    text += ", needing " + std::to_string(p.expForNextLevel - p.exp) + " XP to level up.\n";
  } else {
    text += ".\n";
  }
  if (!p.imbuement.empty()) text += "You have been imbued with the power of " + p.imbuement + ".\n";
  state.messageBuffer = text;
  return text;
}

std::string commandInventory(GameState& state, Floor&, PlayerRecord& p, const std::string&) {
  if (p.inventoryNames.empty()) return "You do not currently have any items!!\n";
  std::string text;
  for (std::size_t i = 0; i < p.inventoryNames.size(); ++i) {
    const int count = i < p.inventoryCounts.size() ? p.inventoryCounts[i] : 0;
    text += std::to_string(i + 1) + ": " + p.inventoryNames[i] + " (" + std::to_string(count) + ") - " +
            lookUp(kItemDescriptions, p.inventoryNames[i]) + "\n";
  }
  state.lastReplyKind = kInventoryListShown;
  state.messageBuffer = text;
  return text;
}

std::string commandSkills(GameState& state, Floor&, PlayerRecord& p, const std::string&) {
  if (p.skills.empty()) return "You do not currently have any skills, somehow!!\n";
  std::string text;
  for (std::size_t i = 0; i < p.skills.size(); ++i) {
    const Action& skill = p.skills[i];
    const std::string cooldown = skill.cooldownLeft != 0 ? std::to_string(skill.cooldownLeft) : "-";
    text += std::to_string(i + 1) + ": " + skill.name + " (" + cooldown + ") - " + skillDescription(skill.name, p) +
            "\n";
  }
  state.lastReplyKind = kSkillsListShown;
  state.messageBuffer = text;
  return text;
}

std::string commandAchievements(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  state.achievementsViewerOpen = 1;
  std::string text = "Welcome to the HALL OF FAME! In this place, your great feats \n"
                     "are preserved forever. Isn't that nice? \n"
                     "\n";
  if (state.victoryCount <= 0) {
    text += "Your farthest run made it to floor " + std::to_string(state.deepestFloor) + ".";
  } else {
    text += "You have completed the game " + std::to_string(state.victoryCount) + " time" +
            (state.victoryCount > 1 ? "s" : "") + "!";
  }
  text += "\n"
          "Type a number (1-18) to read the achievement description, or \n"
          "'exit' to return to the main game.";
  state.messageBuffer = text;
  return text;
}

std::string commandHello(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  return "hi";
}
