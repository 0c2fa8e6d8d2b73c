#include "encounters/player_turn.h"

#include <algorithm>

#include "encounters/fight_texts.h"
#include "encounters/skill_table.h"
#include "world/game_state.h"

namespace {

// The fight's steps this turn hands on to.
constexpr int kPlayersMenuState = 2;
constexpr int kEnemysTurnState = 7;
constexpr int kEnemyDefeatedState = 10;
constexpr int kDeathPrompt = 16;

// An EXTRAVAGANT hero's skills recharge this much faster.
constexpr int kExtravagantCooldownCut = 2;

// The skill is not ready: the reason, or an empty string when it is.
std::string refusal(const Action& skill, const PlayerRecord& player) {
  if (skill.cooldownLeft >= 1) {
    return "You cannot use that skill, it is currently cooling down!\n" + playerTurnText(player);
  }
  if (skill.uses >= skill.useLimit) {
    return "You have already used " + skill.name +
           " too many times recently!\n"
           "Do something else.\n" +
           playerTurnText(player);
  }
  return "";
}

// What follows every skill that was carried out.
void endOfSkill(Action& skill, PlayerRecord& player, GameState& state) {
  if (player.hp < 1) state.pendingPrompt = kDeathPrompt;
  if (player.quibblent == "EXTRAVAGANT") {
    skill.cooldownLeft = std::max(skill.cooldownLeft - kExtravagantCooldownCut, 0);
  }
  // An enemy brought to 0 hit points is beaten, whichever skill did it.
  if (state.currentEnemy.hp < 1 || state.currentEnemy.maxHp < 1) state.combatState = kEnemyDefeatedState;
}

// The hero's entry for the skill after the turn: still at its place, or
// moved by a change of the skill list, or gone.
Action* heldSkill(PlayerRecord& player, std::size_t skillIndex, const std::string& name) {
  auto& skills = player.skills;
  if (skillIndex < skills.size() && skills[skillIndex].name == name) return &skills[skillIndex];
  const auto found = std::find_if(skills.begin(), skills.end(), [&](const Action& s) { return s.name == name; });
  return found == skills.end() ? nullptr : &*found;
}

}  // namespace

std::string resolvePlayerTurnWith(std::span<const SkillEffectRow> effects, std::size_t skillIndex,
                                  PlayerRecord& player, GameState& state) {
  if (skillIndex >= player.skills.size()) {
    state.combatState = kPlayersMenuState;
    return playerTurnText(player);
  }
  // The effect works on a copy: it may forget this very skill or reshape
  // the list, and the entry is only written again once the turn is over.
  Action skill = player.skills[skillIndex];
  skill.enemyTurnPrompt = kEnemyTurnPrompt;
  skill.narration.clear();
  state.combatState = kEnemysTurnState;

  const std::string notReady = refusal(skill, player);
  if (!notReady.empty()) {
    state.combatState = kPlayersMenuState;
    skill.narration = notReady;
  } else {
    skill.uses += 1;
    if (const SkillEffectRow* row = findSkillEffect(effects, skill.name)) {
      row->effect(state, player, skill);
      endOfSkill(skill, player, state);
    }
  }

  if (Action* entry = heldSkill(player, skillIndex, skill.name)) *entry = skill;
  return skill.narration;
}

std::string resolvePlayerTurn(std::size_t skillIndex, PlayerRecord& player, GameState& state) {
  return resolvePlayerTurnWith(skillEffects(), skillIndex, player, state);
}
