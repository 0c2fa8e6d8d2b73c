#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/run_save_format.h"
#include "tests/persistence/run_save_test_fixture.h"
#include "world/game_state.h"

namespace {

class Memorial : public ::testing::Test {
 protected:
  void SetUp() override {
    buildFixtureRun(state, floorRecord, hero);
    state.storedPlayTime = 3600.0;
    state.elapsedSeconds = 125.125;  // 01:02:05.125 with the stored hour
  }
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
};

TEST_F(Memorial, VictoriousTextIsExact) {
  hero.playerClass = "CONVICT";
  hero.killScore = 14;
  EXPECT_EQ(victoriousMemorialText(state, floorRecord, hero),
            "[VICTORIOUS FILE]\n"
            "This file maintained to commemorate Bob, the successful CONVICT.\n"
            "Cleared all 15 floors of the Quibblent Dungeons with flying colors in 01:02:05.125.\n"
            "\n"
            "Level 4 at victory, carrying 321 gold and with 1234 EXP.\n"
            "Carried to victory through their treasured FLAMING SWORD and a SHIRT.\n"
            "Keeps a few monster heads on the mantelpiece as a momento of the journey.\n"
            "\n"
            "Congratulatons on your victory, Bob!");
}

TEST_F(Memorial, DeadTextIsExact) {
  state.pendingWord = "giveup";
  state.fateValue = 99;
  EXPECT_EQ(deadMemorialText(state, floorRecord, hero),
            "[DEAD FILE]\n"
            "Here lies Bob, the failed ACADEMIC.\n"
            "Gave up like a coward on floor 7 of the Quibblent Dungeons.\n"
            "\n"
            "Died at level 4, carrying 321 gold and with 1234 EXP.\n"
            "His only worldly possessions were a FLAMING SWORD and a SHIRT.\n"
            "Died after playing for 01:02:05.125.\n"
            "Fuck you.\n"
            "\n"
            "REST IN PEACE, Bob.");
}

// The line of a victorious memorial that tells the rest of the hero's life.
std::string victoryFate(GameState& state, const Floor& floorRecord, const PlayerRecord& hero) {
  return linesOf(victoriousMemorialText(state, floorRecord, hero)).at(6);
}

TEST_F(Memorial, VictoryFateFollowsClassAndDeeds) {
  struct Row {
    std::string playerClass;
    int killScore;
    int gold;
    int discoveryScore;
    std::vector<std::string> items;
    std::vector<int> counts;
    std::string fate;
  };
  const Row rows[] = {
      // class, kills, gold, discoveries, items held, their counts, fate line
      {"CONVICT", 0, 0, 0, {}, {}, "Mocked by other adventurers for poor combat prowess."},
      {"CONVICT", 14, 0, 0, {}, {}, "Keeps a few monster heads on the mantelpiece as a momento of the journey."},
      {"CONVICT", 15, 0, 0, {}, {}, "Considering a job in professional wrestling to make some use of their combat skill."},
      {"CONVICT", 44, 0, 0, {}, {}, "Capable of ripping a watermelon in half with their bare hands."},
      {"CONVICT", 45, 0, 0, {}, {}, "Powerful enough to be the end-boss in a dungeon of their own."},
      {"CONVICT", 199, 0, 0, {}, {}, "Powerful enough to be the end-boss in a dungeon of their own."},
      {"CONVICT", 200, 0, 0, {}, {}, "One of the few known adventurers to best the mythical DEEP TROLL in combat."},
      {"CONVICT", 1000, 0, 0, {}, {}, "Hailed as a bonafide DRAGON SLAYER until the end of their days."},
      {"CONVICT", 1500, 0, 0, {}, {}, "Seriously dude, holy shit. I cannot believe you killed both the DEEP TROLL and the DRAGON."},
      {"OPPORTUNIST", 0, 5000, 0, {"VORTEX", "STAPLE REMOVER", "NECRONOMICON"}, {1, 10, 1},
       "Making trillions as a STAPLE REMOVER MOGUL - it was a great investment."},
      {"OPPORTUNIST", 0, 0, 0, {"STAPLE REMOVER", "VORTEX", "NECRONOMICON"}, {9, 1, 1},
       "Currently planning to take over the world from their island death fortress."},
      {"OPPORTUNIST", 0, 0, 0, {"VORTEX"}, {1}, "Died broke and homeless on a street corner somewhere. Oof."},
      {"OPPORTUNIST", 0, 399, 0, {}, {}, "Working 9-5 at a tiresome retail job daydreaming nostalgically of their adventurer days."},
      {"OPPORTUNIST", 0, 400, 0, {}, {}, "Continuing to make decent money as an adventurer; it's tough work but it pays the bills."},
      {"OPPORTUNIST", 0, 2499, 0, {}, {}, "Sipping fine martinis in a tropical island paradise."},
      {"OPPORTUNIST", 0, 2500, 0, {}, {}, "Currently self-funding a Presidential campaign on a libertarian platform."},
      {"ACADEMIC", 0, 0, 50000, {}, {}, "Living a long and happy life with GARY THE GOBLIN and their three beautiful children."},
      {"ACADEMIC", 0, 0, 25000, {}, {}, "Desperately seeking a cure for their horrible CURSE."},
      {"ACADEMIC", 0, 0, 1000, {}, {}, "Now studying ancient secrets under GARGLEFLOXX."},
      {"ACADEMIC", 0, 0, 0, {}, {}, "Kicked out of the academic establishment for prioritizing adventuring over learning."},
      {"ACADEMIC", 0, 0, 3, {}, {}, "Frustrated with dungeoneering, switched fields to ART HISTORY."},
      {"ACADEMIC", 0, 0, 5, {}, {}, "Often returns to the QUIBBLENT RUDIRUVU, looking for secrets and artifacts."},
      {"ACADEMIC", 0, 0, 6, {}, {}, "Received widespread academic acclaim for their work in the RUDIRUVU; still a virgin."},
      {"ACADEMIC", 0, 0, 999, {}, {}, "Received widespread academic acclaim for their work in the RUDIRUVU; still a virgin."},
      {"ZOMBIE", 5000, 5000, 5000, {}, {}, "Went back down into the dungeons to find more flesh to eat. Gruuuhhhh..."},
      {"", 0, 0, 0, {}, {}, "Fuck you."},
  };
  for (const Row& row : rows) {
    hero.playerClass = row.playerClass;
    hero.killScore = row.killScore;
    hero.gold = row.gold;
    hero.discoveryScore = row.discoveryScore;
    hero.inventoryNames = row.items;
    hero.inventoryCounts = {0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < row.counts.size(); ++i) hero.inventoryCounts[i] = row.counts[i];
    EXPECT_EQ(victoryFate(state, floorRecord, hero), row.fate)
        << row.playerClass << " kills " << row.killScore << " gold " << row.gold << " discoveries "
        << row.discoveryScore;
  }
}

TEST_F(Memorial, DeathCauseAndFateFollowTheWordAndTheRunsFate) {
  state.currentEnemy.quibblent = "ELITE";
  state.currentEnemy.type = "GOBLIN";
  struct CauseRow {
    std::string word;
    std::string line;  // the line that ends "of the Quibblent Dungeons."
  };
  const CauseRow causes[] = {
      {"vortex", "Absorbed into endless, unknowable nothingness "},
      {"barrel", "Tragically exploded to death "},
      {"doomhint", "Cruelly struck down by HINT HELL WITH FL'GARHH "},
      {"giveup", "Gave up like a coward "},
      {"match", "Chose to self-immolate for unknown reasons "},
      {"pepper", "Melted due to overwhelming spiciness "},
      {"lsd", "Experienced the ultimate ego death "},
      {"morality", "Exposed to unimaginable depths of MORAL ABSOLUTION "},
      {"hologram", "Abruptly ceased to exist "},
      // a blow in a fight leaves whatever word an earlier step stored
      {"Bob", "Cruelly struck down by a ELITE GOBLIN "},
      {"", "Cruelly struck down by a ELITE GOBLIN "},
      {"VORTEX", "Cruelly struck down by a ELITE GOBLIN "},
  };
  for (const CauseRow& row : causes) {
    state.pendingWord = row.word;
    EXPECT_EQ(linesOf(deadMemorialText(state, floorRecord, hero)).at(2),
              row.line + "on floor 7 of the Quibblent Dungeons.")
        << "word: " << row.word;
  }

  struct FateRow {
    int fateValue;
    std::string line;
  };
  const FateRow fates[] = {
      {0, "Felt a deep ache inside up until the day of death."},
      {24, "Felt a deep ache inside up until the day of death."},
      {25, "Entered a horribly cursed dungeon - perhaps failure was no surprise."},
      {39, "Entered a horribly cursed dungeon - perhaps failure was no surprise."},
      {40, "Had ambitions of dragon-slaying, but they were never realized."},
      {64, "Had ambitions of dragon-slaying, but they were never realized."},
      {65, "Was extremely lucky to have been graced by great deals at low low prices."},
      {94, "Was extremely lucky to have been graced by great deals at low low prices."},
      {95, "Seemed unusually anxious during the dungeoneering experience, for unknown reasons."},
      {98, "Seemed unusually anxious during the dungeoneering experience, for unknown reasons."},
      {99, "Fuck you."},
  };
  for (const FateRow& row : fates) {
    state.fateValue = row.fateValue;
    EXPECT_EQ(linesOf(deadMemorialText(state, floorRecord, hero)).at(7), row.line)
        << "fate " << row.fateValue;
  }
}

}  // namespace
