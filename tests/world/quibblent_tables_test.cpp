#include "world/quibblent_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace {

class QuibblentTables : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
};

// What a reader of a factor table sees: the word's factor, or 1.0 when the
// word is not in the table.
float factorOf(const std::unordered_map<std::string, float>& table, const std::string& word) {
  const auto found = table.find(word);
  return found == table.end() ? 1.0f : found->second;
}

int turnsOf(const std::unordered_map<std::string, int>& table, const std::string& word) {
  const auto found = table.find(word);
  return found == table.end() ? 99 : found->second;
}

// The damage factor of one attacker word against one defender word, as the
// fight code combines the two matchup tables.
float matchupFactor(const std::string& attacker, const std::string& defender) {
  float factor = 1.0f;
  for (const auto* table : {&matchupByQuibblent, &secondMatchupByQuibblent}) {
    const auto found = table->find(attacker);
    if (found != table->end() && found->second.target == defender) factor *= found->second.factor;
  }
  return factor;
}

TEST_F(QuibblentTables, FactorTablesGiveTheBalanceNumbersOfEachWord) {
  struct Row {
    std::string word;
    float attack, defence, damageTaken, maxHp, exp, gold;
  };
  const std::vector<Row> rows = {
      {"ELITE", 1.25f, 1.5f, 0.75f, 1.5f, 1.5f, 1.5f},
      {"DAMNED", 2.0f, 2.5f, 0.4f, 2.5f, 1.5f, 1.5f},
      {"FRUMIOUS", 1.0f, 0.5f, 2.0f, 0.5f, 0.25f, 0.25f},
      {"WHIFFLING", 0.5f, 1.0f, 1.0f, 0.5f, 0.25f, 0.25f},
      {"INEFFECTUAL", 0.75f, 0.75f, 1.5f, 1.0f, 0.75f, 1.0f},
      {"CHARRED", 1.0f, 0.75f, 1.25f, 1.0f, 1.0f, 1.0f},
      {"GHASTLY", 1.0f, 1.5f, 0.25f, 1.0f, 1.0f, 1.0f},
      {"HOLOGRAPHIC", 0.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f},
      {"HIPPIE", 0.5f, 1.0f, 1.0f, 1.0f, 0.8f, 1.0f},
      {"VOLUMINOUS", 1.0f, 1.0f, 1.0f, 1.5f, 1.25f, 1.0f},
      {"HORNY", 1.2f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
      {"GROGGY", 0.75f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
      {"ENRAGED", 2.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
      // Words in no factor table, and case matters.
      {"UNINTERESTING", 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
      {"elite", 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
      {"FLAMING", 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.word);
    EXPECT_EQ(factorOf(attackFactorByQuibblent, row.word), row.attack);
    EXPECT_EQ(factorOf(defenceFactorByQuibblent, row.word), row.defence);
    EXPECT_EQ(factorOf(damageTakenFactorByQuibblent, row.word), row.damageTaken);
    EXPECT_EQ(factorOf(maxHpFactorByQuibblent, row.word), row.maxHp);
    EXPECT_EQ(factorOf(expRewardFactorByQuibblent, row.word), row.exp);
    EXPECT_EQ(factorOf(goldFactorByQuibblent, row.word), row.gold);
  }
  // A word present with factor 0 is not the same as a missing word.
  EXPECT_TRUE(attackFactorByQuibblent.contains("HOLOGRAPHIC"));
}

TEST_F(QuibblentTables, WordsLastTheirTurnsOnCreaturesAndOnThePlayer) {
  struct Row {
    std::string word;
    int turns;        // creatures and items
    int playerTurns;  // the player's own table only; 99 when the word is not there
  };
  const std::vector<Row> rows = {
      {"FLAMING", 6, 99},  {"RAVENOUS", 6, 99}, {"GAMER", 11, 16},    {"GROGGY", 6, 99},
      {"SLEEPING", 4, 99}, {"STARVING", 6, 11}, {"DAMNED", 6, 99},    {"CURSED", 81, 99},
      {"ENRAGED", 5, 99},  {"ALMIGHTY", 11, 99}, {"CONFUSED", 99, 11}, {"ELITE", 99, 11},
      {"UNINTERESTING", 99, 99}, {"cursed", 99, 99},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.word);
    EXPECT_EQ(turnsOf(durationByQuibblent, row.word), row.turns);
    EXPECT_EQ(turnsOf(playerDurationByQuibblent, row.word), row.playerTurns);
  }
  EXPECT_FALSE(durationByQuibblent.contains("ELITE"));
}

TEST_F(QuibblentTables, WordsBringSkillsAndExtraMoves) {
  struct Row {
    std::string word;
    std::string skill;   // empty: none
    std::string action;  // empty: none
    int weight;
  };
  const std::vector<Row> rows = {
      {"RAVENOUS", "EAT", "EAT", 3},
      {"FUNDAMENTALIST", "PREACH", "PREACH", 4},
      {"STARVING", "EAT", "EAT", 8},
      {"FRIGHTENED", "", "FLEE", 2},
      {"FLIRTATIOUS", "", "FLIRT", 3},
      {"CONFUSED", "", "UNSTABLE", 6},
      {"GAMER", "", "GAMER", 3},
      {"SLEEPING", "", "SLEEP", 99},
      {"ENRAGED", "", "ATTACK", 99},
      {"UNINTERESTING", "", "", 0},
      {"ravenous", "", "", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.word);
    const auto skill = skillByQuibblent.find(row.word);
    EXPECT_EQ(skill == skillByQuibblent.end() ? std::string() : skill->second, row.skill);
    const auto extra = extraActionByQuibblent.find(row.word);
    if (row.action.empty()) {
      EXPECT_EQ(extra, extraActionByQuibblent.end());
    } else {
      ASSERT_NE(extra, extraActionByQuibblent.end());
      EXPECT_EQ(extra->second.actionName, row.action);
      EXPECT_EQ(extra->second.weight, row.weight);
    }
  }
}

TEST_F(QuibblentTables, MatchupsOfAttackerAgainstDefender) {
  struct Row {
    std::string attacker, defender;
    float factor;
  };
  const std::vector<Row> rows = {
      {"FLAMING", "DAMP", 0.5f},
      {"FLIRTATIOUS", "HORNY", 2.0f},
      {"PERVERTED", "FLIRTATIOUS", 2.0f},
      {"GHASTLY", "FRIGHTENED", 1.5f},
      {"FUNDAMENTALIST", "METALHEAD", 1.5f},
      {"EXISTENTIAL", "NIHILIST", 0.5f},
      // NIHILIST and FUNDAMENTALIST each have a second target.
      {"NIHILIST", "EXISTENTIAL", 2.0f},
      {"NIHILIST", "FUNDAMENTALIST", 2.0f},
      {"FUNDAMENTALIST", "NIHILIST", 0.5f},
      // Matchups are one-way and exact.
      {"DAMP", "FLAMING", 1.0f},
      {"HORNY", "FLIRTATIOUS", 1.0f},
      {"FLAMING", "damp", 1.0f},
      {"NIHILIST", "NIHILIST", 1.0f},
      {"UNINTERESTING", "UNINTERESTING", 1.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.attacker + " vs " + row.defender);
    EXPECT_EQ(matchupFactor(row.attacker, row.defender), row.factor);
  }
}

TEST_F(QuibblentTables, TablesHoldNoWordsBeyondTheirOwn) {
  EXPECT_EQ(attackFactorByQuibblent.size(), 9u);
  EXPECT_EQ(defenceFactorByQuibblent.size(), 6u);
  EXPECT_EQ(damageTakenFactorByQuibblent.size(), 6u);
  EXPECT_EQ(maxHpFactorByQuibblent.size(), 5u);
  EXPECT_EQ(expRewardFactorByQuibblent.size(), 8u);
  EXPECT_EQ(goldFactorByQuibblent.size(), 5u);
  EXPECT_EQ(skillByQuibblent.size(), 3u);
  EXPECT_EQ(extraActionByQuibblent.size(), 9u);
  EXPECT_EQ(durationByQuibblent.size(), 10u);
  EXPECT_EQ(playerDurationByQuibblent.size(), 4u);
  EXPECT_EQ(matchupByQuibblent.size(), 7u);
  EXPECT_EQ(secondMatchupByQuibblent.size(), 2u);
}

TEST_F(QuibblentTables, BuildingAgainLeavesTheSameTables) {
  attackFactorByQuibblent["NOT A WORD"] = 9.0f;
  attackFactorByQuibblent["ELITE"] = 9.0f;
  const auto durations = durationByQuibblent;
  buildQuibblentTables();
  EXPECT_FALSE(attackFactorByQuibblent.contains("NOT A WORD"));
  EXPECT_EQ(attackFactorByQuibblent.at("ELITE"), 1.25f);
  EXPECT_EQ(durationByQuibblent, durations);
}

}  // namespace
