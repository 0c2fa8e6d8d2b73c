#include "interpreter/use_and_drop.h"

#include <algorithm>
#include <cctype>

#include "world/game_state.h"

namespace {

constexpr const char* kNotADigit = "NO";
constexpr const char* kOutOfRange = "Wh- hey, what are you trying to pull here!?";
constexpr const char* kCoolingDown = "You cannot use that skill, it is currently cooling down!";

std::string upperCased(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

Action* findSkill(PlayerRecord& player, const char* name) {
  for (Action& skill : player.skills)
    if (skill.name == name) return &skill;
  return nullptr;
}

// A slot typed as one digit at `position`, counted from 1; the line may be no
// longer than `lineLength`. Answers the refusal, or "" with `slot` set.
std::string pickSlot(GameState& state, const PlayerRecord& player, const std::string& line, std::size_t position,
                     std::size_t lineLength, std::size_t& slot) {
  char typed = position < line.size() ? line[position] : ' ';
  state.pendingWord = std::string(1, typed);
  state.loopFlag = std::isdigit(static_cast<unsigned char>(typed)) != 0;
  if (!state.loopFlag) return kNotADigit;
  int index = typed - '1';  // a typed 0 is below every slot
  state.auxCounter = index;
  if (index < 0 || static_cast<std::size_t>(index) >= player.inventoryNames.size() || line.size() > lineLength)
    return kOutOfRange;
  slot = static_cast<std::size_t>(index);
  return "";
}

int healAmount(const PlayerRecord& player) { return std::min(player.maxHp / 3, 25); }

}  // namespace

std::string throwSlotAway(PlayerRecord& player, std::size_t slot) {
  std::string name = player.inventoryNames[slot];
  int count = slot < player.inventoryCounts.size() ? player.inventoryCounts[slot] : 0;
  if (player.imbuement == "STAPLE REMOVER" && name == "STAPLE REMOVER")
    return "Drop... the STAPLE REMOVER? Sorry, I don't get it.";
  if (name == "VORTEX")
    return "You attempt to throw away the VORTEX... The attempt was a \n"
           "failure. If you want to get rid of the VORTEX, you will \n"
           "need to USE it.";
  std::string text = count <= 1 ? "You throw away your " + name + "." : "You throw away all of your " + name + ".";
  for (int unit = 0; unit < count; ++unit) player.loseItem(name);
  return text;
}

std::string useHealSkillOutside(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.quibblent == "CONFUSED") return "You are too CONFUSED to cast HEAL!";
  if (skill.cooldownLeft > 0) return kCoolingDown;
  if (skill.uses >= skill.useLimit) return "You have used that skill too many times recently!";
  int amount = healAmount(player);
  state.auxCounter = amount;
  state.combatValue = amount;
  player.heal(amount);
  skill.cooldownLeft += skill.cooldown;
  skill.uses += 1;
  return "You use HEAL, recovering " + std::to_string(amount) + " HP!!";
}

std::string useEatSkillOutside(GameState& state, PlayerRecord& player, Action& skill) {
  if (skill.cooldownLeft > 0) return kCoolingDown;
  if (player.playerClass == "ZOMBIE") return "Nothing around to consume. Must seek out flesh.";
  const ItemRecord& weapon = player.equipment[0];
  const ItemRecord& armor = player.equipment[1];
  bool saltyWeapon = weapon.quibblent == "LIGHTLY SALTED";
  bool saltyArmor = armor.quibblent == "LIGHTLY SALTED";
  if (saltyWeapon && saltyArmor) {
    state.pendingPrompt = 37;
    return "You're so hungry... it's driving you crazy. And you have so \n"
           "many delicious... salty... items all around you. You just \n"
           "*have* to eat one. Will you eat your WEAPON, or your ARMOR? \n"
           "(Type nothing to cancel.)";
  }
  if (saltyWeapon || saltyArmor) {
    state.pendingPrompt = 36;
    return std::string("You're so hungry... it's driving you crazy. And you have \n"
                       "this delicious... salty... ") +
           (saltyWeapon ? "weapon" : "armor") +
           " right here. \n"
           "Will you EAT your " +
           (saltyWeapon ? weapon.name : armor.name) + "? (Y/N)";
  }
  return "You're really hungry, but there is nothing around to EAT! \n"
         "Your stomach grumbles desperately.";
}

std::string useAntibioticsSkillOutside(GameState& state, PlayerRecord& player, Action& skill, bool fromSkillsList) {
  state.messageBuffer = "You take some ANTIBIOTICS.";
  if (skill.cooldownLeft > 0) return kCoolingDown;
  skill.cooldownLeft += skill.cooldown;
  player.antibioticsUsed += 1;
  std::string& text = state.messageBuffer;
  if (player.antibioticsUsed > 4) {
    text += "\n"
            "The bacteria in your body have developed ANTIBIOTIC \n"
            "RESISTANCE! The antibiotics do nothing.\n";
  } else if (player.quibblent != "CONFUSED" && !player.poisoned) {
    text += player.quibblent == "FLAMING" && !fromSkillsList ? "\n"
                                                               "The ANTIBIOTICS are powerless against FIRE! \n"
                                                               "You can't take drugs to cure burning to death, dummy!\n"
                                                             : "\n"
                                                               "You are already perfectly healthy.\n"
                                                               "You shouldn't waste antibiotics like that, you know.\n";
  } else {
    if (player.quibblent == "CONFUSED") text += "\n" + player.changeQuibblent("UNINTERESTING", state, false) + "\n";
    if (player.poisoned) {
      player.poisoned = false;
      text += fromSkillsList ? " Your POISON has been cured!\n" : "Your POISON has been cured!\n";
    }
  }
  text += "It is now the enemy's tur- ...Wait, no, nevermind.";
  std::string reply = std::move(text);
  state.messageBuffer.clear();
  return reply;
}

std::string commandUseItemJoke(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = 1;
  return "Ha ha. You're very clever.";
}

std::string commandUseHealSkill(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  state.lastReplyKind = 1;
  Action* skill = findSkill(player, "HEAL");
  if (skill == nullptr) return "You don't know how to HEAL!!";
  return useHealSkillOutside(state, player, *skill);
}

std::string commandUseEatSkill(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  state.lastReplyKind = 1;
  Action* skill = findSkill(player, "EAT");
  if (skill == nullptr) return "Eh, you're not that hungry.";
  return useEatSkillOutside(state, player, *skill);
}

std::string commandUseAntibiotics(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  state.lastReplyKind = 1;
  if (player.hasItem("ANTIBIOTICS", 1)) return player.useItem("ANTIBIOTICS", state, false);
  if (player.hasItem("ANTIBIOTICS?", 1)) return player.useItem("ANTIBIOTICS?", state, false);
  // The skill is found by name: a hero loaded from a save may hold fewer
  // skills than the class began with, or hold them in another order.
  Action* skill = player.playerClass == "ACADEMIC" ? findSkill(player, "ANTIBIOTICS") : nullptr;
  if (skill == nullptr)
    return "ANTIBIOTICS? What the hell are those? Isn't this kind of a \n"
           "medieval/fantasy setting? Why would an anachronism like \n"
           "THAT be in here?";
  return useAntibioticsSkillOutside(state, player, *skill, false);
}

std::string commandUseItemSlot(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  state.lastReplyKind = 1;
  std::size_t slot = 0;
  std::string refusal = pickSlot(state, player, line, 9, 10, slot);
  if (!refusal.empty()) return refusal;
  return player.useItem(player.inventoryNames[slot], state, false);
}

std::string commandUseItemByName(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  state.lastReplyKind = 1;
  return player.useItem(line.substr(4), state, false);
}

std::string commandDropItemSlot(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  state.lastReplyKind = 1;
  std::size_t slot = 0;
  std::string refusal = pickSlot(state, player, line, 10, 11, slot);
  if (!refusal.empty()) return refusal;
  return throwSlotAway(player, slot);
}

std::string commandDropItemByName(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  state.lastReplyKind = 1;
  std::string name = upperCased(line.substr(5));
  state.pendingWord = name;
  for (std::size_t slot = 0; slot < player.inventoryNames.size(); ++slot)
    if (player.inventoryNames[slot] == name && player.hasItem(name, 1)) return throwSlotAway(player, slot);
  return "You do such a good job getting rid of the item, you never \n"
         "even had it in the first place! Wowzers.";
}

std::string commandUseHeldItem(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  return player.useItem(upperCased(line), state, false);
}

bool dropByNameTakesLine(const GameState& state, const PlayerRecord&, const std::string& line) {
  return !(state.lastReplyKind == 5 && line.size() < 7);
}

bool lineNamesHeldItem(const GameState&, const PlayerRecord& player, const std::string& line) {
  return player.hasItem(upperCased(line), 1);
}
