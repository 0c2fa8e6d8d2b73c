// A creature's stats and moves: the bestiary row of its type, then what its
// quibblent does to it.
#include <algorithm>
#include <limits>
#include <string_view>

#include "world/bestiary.h"
#include "world/creature.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

// The one flag a word's fixed effect touches, if any.
enum class WordFlag { None, SetConfident, ClearConfident, SetPoisoned, SetGhastly };

// What a few words do beyond the quibblent tables.
// Columns: word, only for this type (nullptr: any), aggression change,
//          dodge change, change to every ATTACK move's weight, extra turns,
//          flag.
// A change of quibblent gives back the aggression, dodge and ATTACK weight
// changes of the old word; the flag and the extra turns stay.
struct FixedEffect {
  std::string_view word;
  const char* onlyType;
  int aggressionChange;
  float dodgeChange;
  int attackWeightChange;
  int extraTurns;
  WordFlag flag;
};

const FixedEffect kFixedEffects[] = {
    {"HIPPIE", nullptr, -3, 0.0f, 0, 0, WordFlag::None},
    {"FRIGHTENED", nullptr, -3, 0.0f, 0, 0, WordFlag::None},
    {"SLEEPING", nullptr, -10, 0.0f, 0, 0, WordFlag::ClearConfident},
    {"MLG", nullptr, 0, 2.0f, 0, 0, WordFlag::None},
    {"JOHNNY THE", nullptr, 0, 5.0f, 0, 0, WordFlag::None},
    {"CONFIDENT", nullptr, 0, 0.0f, 0, 0, WordFlag::SetConfident},
    {"POISONED", nullptr, 0, 0.0f, 0, 0, WordFlag::SetPoisoned},
    {"ALMIGHTY", "HELLFUCKER", 0, 0.0f, 0, 5, WordFlag::None},
    {"GHASTLY", nullptr, 0, 0.0f, 0, 0, WordFlag::SetGhastly},
    {"EXTRAVAGANT", nullptr, 0, 0.0f, -2, 0, WordFlag::None},
};

// The class characters' growth: L = scale level / 2 + the row's bonus.
constexpr int kClassHpPerLevel = 15;
constexpr int kClassHpBase = 15;
constexpr std::uint32_t kClassGoldRoll = 20;
constexpr int kClassGoldPerLevel = 15;
constexpr int kClassExpPerLevel = 50;
constexpr int kClassAttackBase = 5;
// The largest L whose stats (50 L the biggest of them) still fit an int.
constexpr int kMostClassLevel = (std::numeric_limits<int>::max() - 20) / kClassExpPerLevel;

// 2^31: the first float that no int can hold.
constexpr float kIntLimit = 2147483648.0f;

bool appliesTo(const FixedEffect& effect, const Creature& creature, const std::string& word) {
  if (effect.word != word) return false;
  return effect.onlyType == nullptr || creature.type == effect.onlyType;
}

void changeAttackWeights(Creature& creature, int change) {
  if (change == 0) return;
  for (Action& move : creature.actions) {
    if (move.name == "ATTACK") move.weight += change;
  }
}

void setFlag(Creature& creature, WordFlag flag) {
  switch (flag) {
    case WordFlag::None: break;
    case WordFlag::SetConfident: creature.confident = true; break;
    case WordFlag::ClearConfident: creature.confident = false; break;
    case WordFlag::SetPoisoned: creature.poisoned = true; break;
    case WordFlag::SetGhastly: creature.ghastly = true; break;
  }
}

template <std::size_t N>
void learnMoves(Creature& creature, const std::array<BestiaryMove, N>& moves) {
  for (const BestiaryMove& move : moves) {
    if (move.name == nullptr) break;
    creature.actions.emplace_back(move.name, move.weight, false);
  }
}

int rolled(int base, int roll) {
  if (roll <= 0) return base;
  return base + static_cast<int>(dice::below(static_cast<std::uint32_t>(roll)));
}

int scaledByFactor(int value, const std::unordered_map<std::string, float>& factors, const std::string& word) {
  const auto found = factors.find(word);
  if (found == factors.end()) return value;
  const float scaled = static_cast<float>(value) * found->second;
  // Changes of word keep multiplying the current values, so a creature
  // splashed often enough could pass the largest int; stop there rather than
  // wrap into a negative reward.
  if (scaled >= kIntLimit) return std::numeric_limits<int>::max();
  if (scaled <= -kIntLimit) return std::numeric_limits<int>::min();
  return static_cast<int>(scaled);
}

void applyClassCharacter(Creature& creature, const ClassCharacterRow& row, int scaleLevel) {
  // Callers pass a floor number; an absurd one must not overflow the stats.
  const int level = std::clamp(scaleLevel / 2 + row.levelBonus, -kMostClassLevel, kMostClassLevel);
  creature.maxHp = kClassHpPerLevel * level + kClassHpBase;
  creature.goldReward = static_cast<int>(dice::below(kClassGoldRoll)) + kClassGoldPerLevel * level;
  creature.expReward = kClassExpPerLevel * level;
  creature.attack = row.attackPerLevel * level + kClassAttackBase;
  creature.defence = (level + 1) / 3;
  creature.dodge = row.dodge;
  learnMoves(creature, row.moves);
}

void applyBestiaryRow(Creature& creature, const BestiaryRow& row) {
  creature.maxHp = rolled(row.hpBase, row.hpRoll);
  creature.goldReward = rolled(row.goldBase, row.goldRoll);
  creature.expReward = row.exp;
  creature.attack = row.attack;
  creature.defence = row.defence;
  creature.regenPerTurn = row.regenPerTurn;
  creature.dodge = row.dodge;
  creature.aggression += row.aggressionChange;
  if (row.confident) creature.confident = true;
  learnMoves(creature, row.moves);
}

}  // namespace

Creature::Creature(std::string quibblentWord, std::string typeName, int scaleLevel)
    : type(std::move(typeName)), quibblent(std::move(quibblentWord)) {
  applyTypeStats(*this, scaleLevel);
  holographic = quibblent == "HOLOGRAPHIC";
  hp = maxHp;
}

void applyTypeStats(Creature& creature, int scaleLevel) {
  creature.dodge = 0.0f;
  creature.regenPerTurn = 0;

  if (const ClassCharacterRow* row = findClassCharacterRow(creature.type)) {
    applyClassCharacter(creature, *row, scaleLevel);
  } else if (const BestiaryRow* known = findBestiaryRow(creature.type)) {
    applyBestiaryRow(creature, *known);
  } else {
    applyBestiaryRow(creature, unknownTypeRow());
  }

  applyQuibblentEffects(creature, creature.quibblent);
}

void startQuibblentTimer(Creature& creature, const std::string& word) {
  if (const auto turns = durationByQuibblent.find(word); turns != durationByQuibblent.end()) {
    creature.quibblentTimed = true;
    creature.quibblentTurnsLeft = turns->second;
  } else {
    creature.quibblentTimed = false;
    creature.quibblentTurnsLeft = kUntimedTurns;
  }
}

void applyQuibblentEffects(Creature& creature, const std::string& word) {
  startQuibblentTimer(creature, word);

  if (const auto extra = extraActionByQuibblent.find(word); extra != extraActionByQuibblent.end()) {
    creature.actions.emplace_back(extra->second.actionName, extra->second.weight, false);
  }

  if (const auto f = attackFactorByQuibblent.find(word); f != attackFactorByQuibblent.end()) {
    creature.attackFactor = f->second;
  }
  if (const auto f = damageTakenFactorByQuibblent.find(word); f != damageTakenFactorByQuibblent.end()) {
    creature.damageTakenFactor = f->second;
  }

  creature.maxHp = scaledByFactor(creature.maxHp, maxHpFactorByQuibblent, word);
  creature.expReward = scaledByFactor(creature.expReward, expRewardFactorByQuibblent, word);
  creature.goldReward = scaledByFactor(creature.goldReward, goldFactorByQuibblent, word);

  for (const FixedEffect& effect : kFixedEffects) {
    if (!appliesTo(effect, creature, word)) continue;
    creature.aggression += effect.aggressionChange;
    creature.dodge += effect.dodgeChange;
    changeAttackWeights(creature, effect.attackWeightChange);
    creature.quibblentTurnsLeft += effect.extraTurns;
    setFlag(creature, effect.flag);
  }
}

void undoQuibblentEffects(Creature& creature, const std::string& word) {
  if (const auto extra = extraActionByQuibblent.find(word); extra != extraActionByQuibblent.end()) {
    removeAction(creature, extra->second.actionName);
  }
  for (const FixedEffect& effect : kFixedEffects) {
    if (!appliesTo(effect, creature, word)) continue;
    creature.aggression -= effect.aggressionChange;
    creature.dodge -= effect.dodgeChange;
    changeAttackWeights(creature, -effect.attackWeightChange);
  }
}
