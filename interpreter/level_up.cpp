#include "interpreter/level_up.h"

#include <cmath>

#include "interpreter/prompt_answers.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

constexpr int kTopLevel = 10;
constexpr int kTopLevelExperience = 99999;
constexpr int kTopLevelAchievement = 15;
constexpr int kSkillSwapLevel = 5;
const char kSkillSwap[] = "QBL.SWAP";
const char kContinueLine[] = "[TYPE ANYTHING TO CONTINUE]";

void raiseStats(PlayerRecord& hero, int attackGain) {
  const int level = hero.level;
  hero.maxHp += 15;
  hero.attack += attackGain;
  if (level % 2 == 1) ++hero.attack;
  if (hero.playerClass == "CONVICT") ++hero.attack;
  if (level % 3 == 2) ++hero.defence;
  hero.hp = hero.maxHp;
  ++hero.dodges;
  hero.poisoned = false;
  if (hero.imbuement == "AIRHORN") hero.dodges += 2;
  if (hero.imbuement == "CALCULATOR") {
    hero.maxHp += 10;
    hero.hp += 10;
    hero.attack += 2;
    hero.defence += 1;
  }
}

// The closing line an answer to the offer gets when it hands back to a page.
bool needsContinueLine(const GameState& state, bool alsoInFight) {
  const bool pageBehind = state.pendingPrompt != 0 && state.pendingPrompt != kNoPrompt;
  return pageBehind || (alsoInFight && state.combatState != 0);
}

std::string declineOffer(GameState& state, bool alsoInFight) {
  state.pendingPrompt = state.auxCounter;
  std::string reply = "You chose not to learn the " + state.pendingWord + " skill.\n";
  if (needsContinueLine(state, alsoInFight)) reply += kContinueLine;
  state.messageBuffer = reply;
  return reply;
}

}  // namespace

int experienceForNextLevel(const std::string& playerClass, int level) {
  if (level >= kTopLevel) return kTopLevelExperience;
  const int step = playerClass == "ACADEMIC" ? 8 : 10;
  return truncatedWhole(std::pow(static_cast<double>(step * level), 2.0));
}

std::string levelUp(GameState& state, PlayerRecord& hero, int attackGain) {
  ++hero.level;
  if (hero.level == kTopLevel) state.earnAchievement(kTopLevelAchievement, hero.name);
  hero.expForNextLevel = experienceForNextLevel(hero.playerClass, hero.level);
  if (hero.exp > hero.expForNextLevel) hero.exp = hero.expForNextLevel - 1;
  raiseStats(hero, attackGain);
  std::string text = "LEVEL UP!! You are now level " + std::to_string(hero.level) +
                     "!\n"
                     "You have been fully healed and gained 1 dodge.\n"
                     "You now have " +
                     std::to_string(hero.maxHp) + " HP, " + std::to_string(hero.attack) + " ATK, and " +
                     std::to_string(hero.defence) + " DEF.";
  if (hero.level < kTopLevel) {
    text += "\n" + std::to_string(hero.expForNextLevel - hero.exp) + " EXP to next level.";
  }
  if (hero.level == kSkillSwapLevel) {
    const bool full = hero.skills.size() >= static_cast<std::size_t>(kSkillLimit);
    // A full hand that already holds it is not offered it again: swapping
    // it in would only lose the skill it replaced. With room, learning is
    // tried as ever and says when it is already known.
    const bool pointlessOffer = full && hero.knowsSkill(kSkillSwap) && hero.playerClass != "ZOMBIE";
    if (!full) {
      text += "\n"
              "What's this? You feel something... " +
              hero.learnSkill(kSkillSwap);
    } else if (!pointlessOffer) {
      state.auxCounter = 0;
      state.pendingWord = kSkillSwap;
      state.pendingPrompt = kSkillOfferPrompt;
      text += "\n"
              "You could gain permanent access to the QBL.SWAP skill, but \n"
              "you have 6 skills already. Do you want to replace one? (Y/N)";
    }
  }
  state.messageBuffer = text;
  return text;
}

std::string answerLevelUpPage(GameState& state, Floor&, PlayerRecord& hero, const std::string&) {
  state.pendingPrompt = kNoPrompt;
  return levelUp(state, hero, 1);
}

std::string answerSkillOffer(GameState& state, Floor&, PlayerRecord& hero, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      state.pendingPrompt = kSkillReplacePrompt;
      std::string list = "Select a skill to replace - ";
      for (std::size_t i = 0; i < hero.skills.size(); ++i) {
        list += "(" + std::to_string(i + 1) + "): " + hero.skills[i].name + "\n";
      }
      state.messageBuffer = list;
      return list;
    }
    case YesNoAnswer::kNo: return declineOffer(state, false);
    case YesNoAnswer::kNeither: break;
  }
  return "Come on, it's not that complicated a question. \n"
         "Do you want the " +
         state.pendingWord + " skill or not, Y or N?";
}

std::string answerSkillReplace(GameState& state, Floor&, PlayerRecord& hero, const std::string& line) {
  const bool digit = line.size() == 1 && line[0] >= '1' && line[0] <= '6';
  const std::size_t index = digit ? static_cast<std::size_t>(line[0] - '1') : 0;
  // Replacing a skill with one already held would only lose the old one.
  const bool alreadyHeld = hero.knowsSkill(state.pendingWord) && hero.playerClass != "ZOMBIE";
  if (!digit || index >= hero.skills.size() || alreadyHeld) return declineOffer(state, true);
  state.combatValue = static_cast<int>(index);
  state.pendingPrompt = state.auxCounter;
  const std::string oldName = hero.skills[index].name;
  std::string reply = "You successfully replaced " + oldName + " with " + state.pendingWord + "!\n";
  if (needsContinueLine(state, true)) reply += kContinueLine;
  // Only the chosen skill goes, even when another of that name is held; the
  // new one joins the end of the list.
  hero.skills.erase(hero.skills.begin() + static_cast<std::ptrdiff_t>(index));
  hero.learnSkill(state.pendingWord);
  state.messageBuffer = reply;
  return reply;
}
