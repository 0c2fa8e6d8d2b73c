#include "world/quibblent_tables.h"

#include <string_view>

std::unordered_map<std::string, float> attackFactorByQuibblent;
std::unordered_map<std::string, float> defenceFactorByQuibblent;
std::unordered_map<std::string, float> damageTakenFactorByQuibblent;
std::unordered_map<std::string, float> maxHpFactorByQuibblent;
std::unordered_map<std::string, float> expRewardFactorByQuibblent;
std::unordered_map<std::string, float> goldFactorByQuibblent;
std::unordered_map<std::string, std::string> skillByQuibblent;
std::unordered_map<std::string, QuibblentExtraAction> extraActionByQuibblent;
std::unordered_map<std::string, int> durationByQuibblent;
std::unordered_map<std::string, int> playerDurationByQuibblent;
std::unordered_map<std::string, QuibblentMatchup> matchupByQuibblent;
std::unordered_map<std::string, QuibblentMatchup> secondMatchupByQuibblent;

namespace {

// The game's balance numbers, one table per concept.

// Columns: word, factor on the damage a bearer deals (weapons: on their attack).
struct FactorRow {
  std::string_view word;
  float factor;
};
constexpr FactorRow kAttackFactors[] = {
    {"INEFFECTUAL", 0.75f}, {"HORNY", 1.2f}, {"HIPPIE", 0.5f},   {"GROGGY", 0.75f},
    {"HOLOGRAPHIC", 0.0f},  {"DAMNED", 2.0f}, {"ELITE", 1.25f}, {"WHIFFLING", 0.5f},
    {"ENRAGED", 2.0f},
};
// Columns: word, factor on an armor's defence.
constexpr FactorRow kDefenceFactors[] = {
    {"CHARRED", 0.75f}, {"INEFFECTUAL", 0.75f}, {"GHASTLY", 1.5f},
    {"DAMNED", 2.5f},   {"ELITE", 1.5f},        {"FRUMIOUS", 0.5f},
};
// Columns: word, factor on the damage a bearer takes.
constexpr FactorRow kDamageTakenFactors[] = {
    {"CHARRED", 1.25f}, {"INEFFECTUAL", 1.5f}, {"GHASTLY", 0.25f},
    {"DAMNED", 0.4f},   {"ELITE", 0.75f},      {"FRUMIOUS", 2.0f},
};
// Columns: word, factor on a creature's maximum hit points.
constexpr FactorRow kMaxHpFactors[] = {
    {"VOLUMINOUS", 1.5f}, {"DAMNED", 2.5f},   {"ELITE", 1.5f},
    {"WHIFFLING", 0.5f},  {"FRUMIOUS", 0.5f},
};
// Columns: word, factor on a creature's experience reward.
constexpr FactorRow kExpRewardFactors[] = {
    {"INEFFECTUAL", 0.75f}, {"HIPPIE", 0.8f},    {"VOLUMINOUS", 1.25f}, {"HOLOGRAPHIC", 0.0f},
    {"DAMNED", 1.5f},       {"ELITE", 1.5f},     {"WHIFFLING", 0.25f},  {"FRUMIOUS", 0.25f},
};
// Columns: word, factor on a creature's gold reward and on an item's price.
constexpr FactorRow kGoldFactors[] = {
    {"HOLOGRAPHIC", 0.0f}, {"DAMNED", 1.5f},    {"ELITE", 1.5f},
    {"WHIFFLING", 0.25f},  {"FRUMIOUS", 0.25f},
};

// Columns: word, skill the player learns on taking the word.
struct SkillRow {
  std::string_view word;
  std::string_view skill;
};
constexpr SkillRow kSkills[] = {
    {"RAVENOUS", "EAT"}, {"FUNDAMENTALIST", "PREACH"}, {"STARVING", "EAT"},
};

// Columns: word, move the word adds to a creature, that move's weight.
struct ExtraActionRow {
  std::string_view word;
  std::string_view actionName;
  int weight;
};
constexpr ExtraActionRow kExtraActions[] = {
    {"RAVENOUS", "EAT", 3},        {"FUNDAMENTALIST", "PREACH", 4}, {"STARVING", "EAT", 8},
    {"FRIGHTENED", "FLEE", 2},     {"FLIRTATIOUS", "FLIRT", 3},     {"CONFUSED", "UNSTABLE", 6},
    {"GAMER", "GAMER", 3},         {"SLEEPING", "SLEEP", 99},       {"ENRAGED", "ATTACK", 99},
};

// Columns: word, turns the word lasts.
struct DurationRow {
  std::string_view word;
  int turns;
};
// On creatures and items (and on the player when the next table lacks the word).
constexpr DurationRow kDurations[] = {
    {"FLAMING", 6}, {"RAVENOUS", 6}, {"GAMER", 11},  {"GROGGY", 6},   {"SLEEPING", 4},
    {"STARVING", 6}, {"DAMNED", 6},  {"CURSED", 81}, {"ENRAGED", 5}, {"ALMIGHTY", 11},
};
// On the player.
constexpr DurationRow kPlayerDurations[] = {
    {"CONFUSED", 11}, {"GAMER", 16}, {"STARVING", 11}, {"ELITE", 11},
};

// Columns: attacker's word, defender's word, damage factor.
struct MatchupRow {
  std::string_view attacker;
  std::string_view target;
  float factor;
};
constexpr MatchupRow kMatchups[] = {
    {"FLAMING", "DAMP", 0.5f},           {"FLIRTATIOUS", "HORNY", 2.0f},
    {"PERVERTED", "FLIRTATIOUS", 2.0f},  {"GHASTLY", "FRIGHTENED", 1.5f},
    {"FUNDAMENTALIST", "METALHEAD", 1.5f}, {"EXISTENTIAL", "NIHILIST", 0.5f},
    {"NIHILIST", "EXISTENTIAL", 2.0f},
};
// A word holds one entry per map, so the two words with a second target
// keep it here.
constexpr MatchupRow kSecondMatchups[] = {
    {"NIHILIST", "FUNDAMENTALIST", 2.0f},
    {"FUNDAMENTALIST", "NIHILIST", 0.5f},
};

template <typename Row, std::size_t N>
void fillFactors(std::unordered_map<std::string, float>& table, const Row (&rows)[N]) {
  table.clear();
  for (const Row& row : rows) table[std::string(row.word)] = row.factor;
}

template <std::size_t N>
void fillDurations(std::unordered_map<std::string, int>& table, const DurationRow (&rows)[N]) {
  table.clear();
  for (const DurationRow& row : rows) table[std::string(row.word)] = row.turns;
}

template <std::size_t N>
void fillMatchups(std::unordered_map<std::string, QuibblentMatchup>& table,
                  const MatchupRow (&rows)[N]) {
  table.clear();
  for (const MatchupRow& row : rows) {
    table[std::string(row.attacker)] = QuibblentMatchup{std::string(row.target), row.factor};
  }
}

}  // namespace

float factorFor(const std::unordered_map<std::string, float>& table, const std::string& word) {
  const auto found = table.find(word);
  return found == table.end() ? 1.0f : found->second;
}

void buildQuibblentTables() {
  fillFactors(attackFactorByQuibblent, kAttackFactors);
  fillFactors(defenceFactorByQuibblent, kDefenceFactors);
  fillFactors(damageTakenFactorByQuibblent, kDamageTakenFactors);
  fillFactors(maxHpFactorByQuibblent, kMaxHpFactors);
  fillFactors(expRewardFactorByQuibblent, kExpRewardFactors);
  fillFactors(goldFactorByQuibblent, kGoldFactors);

  skillByQuibblent.clear();
  for (const SkillRow& row : kSkills) skillByQuibblent[std::string(row.word)] = std::string(row.skill);

  extraActionByQuibblent.clear();
  for (const ExtraActionRow& row : kExtraActions) {
    extraActionByQuibblent[std::string(row.word)] =
        QuibblentExtraAction{std::string(row.actionName), row.weight};
  }

  fillDurations(durationByQuibblent, kDurations);
  fillDurations(playerDurationByQuibblent, kPlayerDurations);
  fillMatchups(matchupByQuibblent, kMatchups);
  fillMatchups(secondMatchupByQuibblent, kSecondMatchups);
}
