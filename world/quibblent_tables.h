#pragma once
// The quibblent tables: what each modifier word does to numbers. Twelve maps
// keyed by the exact upper-case word, filled once at start-up by
// buildQuibblentTables() and only read afterwards. A word a table does not
// hold leaves the reader's own default (factor 1.0, no skill, no extra move,
// 99 turns, no matchup), so every reader tests for the word first, or asks
// factorFor where a missing word means a factor of 1.
#include <string>
#include <unordered_map>

// The turns left on a word that never wears off.
inline constexpr int kUntimedTurns = 99;

// A move a word adds to a creature, with its weight in the creature's choice.
struct QuibblentExtraAction {
  std::string actionName;
  int weight = 0;
};

// An attacker's word against one defender's word: the damage factor.
struct QuibblentMatchup {
  std::string target;
  float factor = 1.0f;
};

extern std::unordered_map<std::string, float> attackFactorByQuibblent;
extern std::unordered_map<std::string, float> defenceFactorByQuibblent;
extern std::unordered_map<std::string, float> damageTakenFactorByQuibblent;
extern std::unordered_map<std::string, float> maxHpFactorByQuibblent;
extern std::unordered_map<std::string, float> expRewardFactorByQuibblent;
extern std::unordered_map<std::string, float> goldFactorByQuibblent;
extern std::unordered_map<std::string, std::string> skillByQuibblent;
extern std::unordered_map<std::string, QuibblentExtraAction> extraActionByQuibblent;
extern std::unordered_map<std::string, int> durationByQuibblent;
extern std::unordered_map<std::string, int> playerDurationByQuibblent;
extern std::unordered_map<std::string, QuibblentMatchup> matchupByQuibblent;
extern std::unordered_map<std::string, QuibblentMatchup> secondMatchupByQuibblent;

// The factor `table` gives `word`, or 1 for a word it does not hold.
float factorFor(const std::unordered_map<std::string, float>& table, const std::string& word);

// Fills the twelve tables. Calling it again refills them to the same contents.
void buildQuibblentTables();
