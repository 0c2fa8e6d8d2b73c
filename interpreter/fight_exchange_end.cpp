// The end of an exchange: the timed words of both sides and of the hero's
// gear run down, the curse, poison, flames and hunger bite, and the status
// colours follow; then the enemy's turn, at once when nothing happened.
#include "encounters/fight_texts.h"
#include "interpreter/fight_parts.h"
#include "interpreter/overwrite_death.h"
#include "world/game_state.h"

namespace {

const char kContinue[] = "[TYPE ANYTHING TO CONTINUE]";
const char kToFists[] = "You must now fight with your bare FISTS.\n";
const char kToNude[] = "You are now NUDE, and will take extra damge.\n";

// What an enemy's timed word becomes when it runs out. Columns: word, next
// word, the line told instead of the change's own message after "The " and
// the enemy's name ("" shows the message), whether that name is the type alone.
struct EnemyTimerRow {
  const char* word;
  const char* next;
  const char* line;
  bool typeOnly;
};
const EnemyTimerRow kEnemyTimers[] = {
    {"RAVENOUS", "STARVING", "", false},
    {"ALMIGHTY", "RAVENOUS", "", false},
    {"FLAMING", "CHARRED", "", false},
    {"ENRAGED", "UNINTERESTING", "", false},
    {"GROGGY", "UNINTERESTING", "", false},
    {"GAMER", "MLG", " has reached the MAJOR LEAGUE of GAMING!\n", true},
    {"SLEEPING", "GROGGY", " wakes up!\n", false},
};

// Timed words that end the enemy there and then. Columns: word, what happens.
struct EnemyDoomRow {
  const char* word;
  const char* line;
};
const EnemyDoomRow kEnemyDooms[] = {
    {"DAMNED", " disintegrates before your eyes!\n"
               "Their DAMNED nature has caught up with them, evidently.\n"},
    {"STARVING", " starves to death!!!\n"},
};

// The hero's timed words. Columns: word, next word ("" when it kills), the
// line told instead of the change's message ("" shows the message).
struct PlayerTimerRow {
  const char* word;
  const char* next;
  const char* line;
};
const PlayerTimerRow kPlayerTimers[] = {
    {"DAMNED", "",
     "You feel your soul slipping away from your body.\n"
     "Your DAMNED nature has caught up with you...\n"
     "You are going to HELL!\n"},
    {"STARVING", "", "You starve to death! GAME OVER.\n"},
    {"CURSED", "",
     "You fall to the ground clutching your chest...\n"
     "The CURSE has finally done you in.\n"
     "Your skin deliquesces off your bones. This is the end.\n"},
    {"RAVENOUS", "STARVING", ""},
    {"FLAMING", "CHARRED", ""},
    {"CONFUSED", "UNINTERESTING", ""},
    {"GROGGY", "UNINTERESTING", ""},
    {"ELITE", "UNINTERESTING", "You feel the ELITE drain from you... back to normal. Sorry.\n"},
    {"GAMER", "MLG", "Your skills are honed - you are now a MAJOR LEAGUE GAMER!\n"},
};
const char kMajorBug[] = "THERE WAS A MAJOR BUG!!!";

// The curse's milestones as its turns run down from 81. Columns: turns
// left, max HP lost, ATK lost, DEF lost, dodges emptied, line.
struct CurseRow {
  int turnsLeft;
  int maxHpLost;
  int attackLost;
  int defenceLost;
  bool dodgesEmptied;
  const char* line;
};
const CurseRow kCurseMilestones[] = {
    {60, 3, 2, 0, false, "You feel terrible... You vomit, losing 3 max HP and 2 ATK.\n"},
    {40, 6, 0, 2, false, "You feel awful... You vomit blood, losing 6 max HP and 2 DEF.\n"},
    {20, 0, 0, 0, true, "You lose all energy to continue... dodges set to 0.\n"},
    {3, 0, 0, 0, false, "You begin to shudder uncontrollably. Your end is nigh.\n"},
};

// Status colours, first match wins. Columns: poisoned, word ("" any), red, green, blue.
struct ColourRow {
  bool poisoned;
  const char* word;
  float red, green, blue;
};
const ColourRow kSickColours[] = {
    {true, "STARVING", 165, 42, 42}, {true, "FLAMING", 165, 42, 42}, {true, "", 20, 150, 20},
    {false, "STARVING", 100, 100, 100}, {false, "FLAMING", 255, 20, 20},
};

enum class Outcome { kGoesOn, kEnded };

std::string& buffer(GameState& state) { return state.messageBuffer; }

Outcome runEnemyTimer(GameState& state) {
  Creature& enemy = state.currentEnemy;
  if (!enemy.quibblentTimed) return Outcome::kGoesOn;
  if (--enemy.quibblentTurnsLeft != 0) return Outcome::kGoesOn;
  for (const EnemyDoomRow& row : kEnemyDooms) {
    if (enemy.quibblent != row.word) continue;
    buffer(state) = "The " + enemyFullName(enemy) + row.line + kContinue;
    enemy.hp = 0;
    state.combatState = fight::kEnemyDefeated;
    return Outcome::kEnded;
  }
  for (const EnemyTimerRow& row : kEnemyTimers) {
    if (enemy.quibblent != row.word) continue;
    const std::string name = row.typeOnly ? enemy.type : enemyFullName(enemy);
    const std::string message = enemy.changeQuibblent(row.next, state, false);
    buffer(state) += *row.line == '\0' ? message + "\n" : "The " + name + row.line;
    break;
  }
  return Outcome::kGoesOn;
}

Outcome runPlayerTimer(GameState& state, PlayerRecord& hero) {
  if (hero.quibblentTimed) {
    --hero.quibblentTurnsLeft;
    if (hero.quibblentTurnsLeft == 0) {
      for (const PlayerTimerRow& row : kPlayerTimers) {
        if (hero.quibblent != row.word) continue;
        if (std::string(row.next).empty()) {
          state.pendingPrompt = kDeathPrompt;
          buffer(state) = std::string(row.line) + kContinue;
          return Outcome::kEnded;
        }
        const std::string message = hero.changeQuibblent(row.next, state, false);
        buffer(state) += std::string(row.line).empty() ? message + "\n" : row.line;
        return Outcome::kGoesOn;
      }
      buffer(state) = kMajorBug;
      return Outcome::kEnded;
    }
    if (hero.quibblentTurnsLeft == 1 && hero.quibblent == "DAMNED") {
      buffer(state) += "You feel a premonition of doom... you will die in ONE TURN!\n";
    }
    return Outcome::kGoesOn;
  }
  if (hero.imbuement == "SALT SHAKER" && hero.hungerCountdown > 0) {
    if (--hero.hungerCountdown == 0) buffer(state) += hero.changeQuibblent("RAVENOUS", state, false) + "\n";
  }
  return Outcome::kGoesOn;
}

// Gear lost in a fight is replaced by what the hero has without it: bare
// fists for the weapon, nudity for the armor.
void replaceGear(GameState& state, const Floor& floorRecord, PlayerRecord& hero, std::size_t slot) {
  state.offeredItem = ItemRecord(slot == 0 ? "fists" : "nude", floorRecord.floorNumber);
  hero.attack -= hero.equipment[slot].attack;
  hero.defence -= hero.equipment[slot].defence;
  hero.equipment[slot] = state.offeredItem;
  hero.attack += hero.equipment[slot].attack;
  hero.defence += hero.equipment[slot].defence;
}

void runGearTimer(GameState& state, const Floor& floorRecord, PlayerRecord& hero, std::size_t slot) {
  ItemRecord& gear = hero.equipment[slot];
  if (!gear.quibblentTimed || --gear.quibblentTurnsLeft != 0) return;
  if (gear.quibblent == "RAVENOUS") {
    buffer(state) += gear.changeQuibblent("STARVING") + "\n";
    return;
  }
  if (gear.quibblent == "FLAMING") {
    buffer(state) += gear.changeQuibblent("CHARRED") + "\n";
    return;
  }
  const char* lost = slot == 0 ? kToFists : kToNude;
  if (gear.quibblent == "DAMNED") {
    buffer(state) += "The " + gear.name + (slot == 0 ? " disintegrates in your hand!\n" : " disintegrates!!\n") + lost;
  } else if (gear.quibblent == "STARVING") {
    buffer(state) += "The " + gear.name + " starves to death, somehow!?\n" + lost;
  }
  replaceGear(state, floorRecord, hero, slot);
}

bool setSickColour(std::vector<float>& colour, bool poisoned, const std::string& word) {
  for (const ColourRow& row : kSickColours) {
    if (row.poisoned && !poisoned) continue;
    if (!row.poisoned && poisoned) continue;
    if (*row.word != '\0' && word != row.word) continue;
    colour = {row.red, row.green, row.blue};
    return true;
  }
  return false;
}

void setStatusColours(GameState& state, const PlayerRecord& hero) {
  if (!setSickColour(state.textColour1, hero.poisoned, hero.quibblent)) {
    if (hero.quibblent == "CURSED") state.textColour1 = {128, 20, 128};
    else if (hero.imbuement == "POTION") state.textColour1 = {0, 255, 0};
  }
  const Creature& enemy = state.currentEnemy;
  if (!setSickColour(state.textColour2, enemy.poisoned, enemy.quibblent) && enemy.regenPerTurn > 0) {
    state.textColour2 = {0, 255, 0};
  }
}

void runCurse(GameState& state, PlayerRecord& hero) {
  if (hero.quibblent != "CURSED") return;
  --hero.hp;
  for (const CurseRow& row : kCurseMilestones) {
    if (hero.quibblentTurnsLeft != row.turnsLeft) continue;
    hero.maxHp -= row.maxHpLost;
    hero.hp -= row.maxHpLost;
    hero.attack = std::max(0, hero.attack - row.attackLost);
    hero.defence = std::max(0, hero.defence - row.defenceLost);
    if (row.maxHpLost > 0 && hero.hp < 1) hero.hp = 1;
    if (row.dodgesEmptied) hero.dodges = 0;
    buffer(state) += row.line;
  }
}

void runHeroAilments(GameState& state, PlayerRecord& hero) {
  if (hero.poisoned) {
    hero.hp -= std::min(5, hero.maxHp / 10);
    if (hero.hp < 2) {
      hero.poisoned = false;
      buffer(state) += "You feel the POISON clearing from your system...\n";
    }
  }
  if (hero.imbuement == "POTION") hero.heal(2);
  if (hero.quibblent == "FLAMING") {
    if (hero.imbuement == "GHOST PEPPER") {
      hero.heal(5);
      buffer(state) += "You're on a spicy fire! You heal 5 health.\n";
    } else {
      hero.hp -= 5;
      buffer(state) += "You're on fire!! You take 5 FLAMING damage.\n";
    }
  }
  if (hero.equipment[1].quibblent == "FLAMING") {
    hero.hp -= 3;
    buffer(state) += "Your " + hero.equipment[1].name + " deals 3 residual FLAMING damage.\n";
  }
  if (hero.quibblent == "STARVING") {
    hero.hp -= 8;
    buffer(state) += "God, you're so hungry... you take 8 damage from STARVING!\n";
  }
}

void runFrightenedGear(GameState& state, const Floor& floorRecord, PlayerRecord& hero) {
  const bool losing = static_cast<float>(hero.hp) / static_cast<float>(hero.maxHp) <= 0.25f;
  if (!losing) return;
  if (hero.equipment[0].quibblent == "FRIGHTENED" && (dice::draw() & 15u) == 0) {
    buffer(state) += "The " + hero.equipment[0].name + ", terrified of defeat, runs away!!\n" + kToFists;
    replaceGear(state, floorRecord, hero, 0);
  }
  if (hero.equipment[1].quibblent == "FRIGHTENED" && (dice::draw() & 15u) == 1) {
    buffer(state) += "The " + hero.equipment[1].name + ", terrified of defeat, runs away!!\n" + kToNude;
    replaceGear(state, floorRecord, hero, 1);
  }
}

void runEnemyAilments(GameState& state) {
  Creature& enemy = state.currentEnemy;
  if (enemy.poisoned) enemy.hp -= std::min(5, enemy.maxHp / 10);
  if (enemy.quibblent == "FLAMING") {
    if (enemy.type == "DEMON") {
      enemy.hp = std::min(enemy.maxHp, enemy.hp + 5);
      buffer(state) += "The " + enemyFullName(enemy) + " heals 5 HP from its FLAMES...\n";
    } else {
      enemy.hp -= 5;
      buffer(state) += "The " + enemyFullName(enemy) + " takes 5 damage from FLAMING!\n";
    }
  } else if (enemy.quibblent == "STARVING") {
    enemy.hp -= 8;
    buffer(state) += "The " + enemyFullName(enemy) + " takes 8 damage from STARVING!\n";
  }
  if (enemy.regenPerTurn > 0 && enemy.hp < enemy.maxHp) enemy.hp = std::min(enemy.maxHp, enemy.hp + enemy.regenPerTurn);
}

}  // namespace

std::string answerExchangeEnd(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string& line) {
  // Someone already at 0 hit points is dead, not merely worn down: the
  // lingering effects below never raise them again.
  if (state.currentEnemy.hp < 1) {
    state.combatState = fight::kEnemyDefeated;
    return answerEnemyDefeated(state, floorRecord, hero, line);
  }
  if (hero.hp < 1) {
    state.pendingPrompt = kDeathPrompt;
    return answerDeath(state, floorRecord, hero, line);
  }
  state.combatState = fight::kEnemyTurn;
  state.messageBuffer.clear();
  if (runEnemyTimer(state) == Outcome::kEnded) return state.messageBuffer;
  if (runPlayerTimer(state, hero) == Outcome::kEnded) return state.messageBuffer;
  runGearTimer(state, floorRecord, hero, 0);
  runGearTimer(state, floorRecord, hero, 1);
  setStatusColours(state, hero);
  runCurse(state, hero);
  runHeroAilments(state, hero);
  runFrightenedGear(state, floorRecord, hero);
  runEnemyAilments(state);
  if (hero.hp < 1) hero.hp = 1;
  if (state.currentEnemy.hp < 1) state.currentEnemy.hp = 1;
  if (!state.messageBuffer.empty()) return state.messageBuffer + kContinue;
  return answerEnemyTurn(state, floorRecord, hero, line);
}
