// The memorials that replace a run save when the hero dies or wins: a short
// text for people to read whose first line tells the reader the run is over.
#include <string>

#include "persistence/run_save_format.h"
#include "world/game_state.h"

namespace {

// How a victorious hero's class picks the line about the rest of their life.
enum class VictoryTest {
  kKillsAtLeast,
  kKillsExactly,
  kKillsBelow,
  kHoldsStapleRemovers,       // at least `threshold` of them
  kHoldsVortexAndNecronomicon,
  kGoldBelow,
  kDiscoveriesAtLeast,
  kDiscoveriesBelow,
  kAlways,
};

// Columns: class, test, threshold, line. Within a class the first row that
// matches wins; a class with no row gets kUnknownClassFate.
struct VictoryFateRow {
  const char* playerClass;
  VictoryTest test;
  int threshold;
  const char* line;
};

const VictoryFateRow kVictoryFates[] = {
    {"CONVICT", VictoryTest::kKillsAtLeast, 1500,
     "Seriously dude, holy shit. I cannot believe you killed both the DEEP TROLL and the DRAGON."},
    {"CONVICT", VictoryTest::kKillsAtLeast, 1000,
     "Hailed as a bonafide DRAGON SLAYER until the end of their days."},
    {"CONVICT", VictoryTest::kKillsAtLeast, 200,
     "One of the few known adventurers to best the mythical DEEP TROLL in combat."},
    {"CONVICT", VictoryTest::kKillsExactly, 0,
     "Mocked by other adventurers for poor combat prowess."},
    {"CONVICT", VictoryTest::kKillsBelow, 15,
     "Keeps a few monster heads on the mantelpiece as a momento of the journey."},
    {"CONVICT", VictoryTest::kKillsBelow, 25,
     "Considering a job in professional wrestling to make some use of their combat skill."},
    {"CONVICT", VictoryTest::kKillsBelow, 45,
     "Capable of ripping a watermelon in half with their bare hands."},
    {"CONVICT", VictoryTest::kAlways, 0,
     "Powerful enough to be the end-boss in a dungeon of their own."},
    {"OPPORTUNIST", VictoryTest::kHoldsStapleRemovers, 10,
     "Making trillions as a STAPLE REMOVER MOGUL - it was a great investment."},
    {"OPPORTUNIST", VictoryTest::kHoldsVortexAndNecronomicon, 0,
     "Currently planning to take over the world from their island death fortress."},
    {"OPPORTUNIST", VictoryTest::kGoldBelow, 1,
     "Died broke and homeless on a street corner somewhere. Oof."},
    {"OPPORTUNIST", VictoryTest::kGoldBelow, 400,
     "Working 9-5 at a tiresome retail job daydreaming nostalgically of their adventurer days."},
    {"OPPORTUNIST", VictoryTest::kGoldBelow, 1000,
     "Continuing to make decent money as an adventurer; it's tough work but it pays the bills."},
    {"OPPORTUNIST", VictoryTest::kGoldBelow, 2500,
     "Sipping fine martinis in a tropical island paradise."},
    {"OPPORTUNIST", VictoryTest::kAlways, 0,
     "Currently self-funding a Presidential campaign on a libertarian platform."},
    {"ACADEMIC", VictoryTest::kDiscoveriesAtLeast, 50000,
     "Living a long and happy life with GARY THE GOBLIN and their three beautiful children."},
    {"ACADEMIC", VictoryTest::kDiscoveriesAtLeast, 25000,
     "Desperately seeking a cure for their horrible CURSE."},
    {"ACADEMIC", VictoryTest::kDiscoveriesAtLeast, 1000,
     "Now studying ancient secrets under GARGLEFLOXX."},
    {"ACADEMIC", VictoryTest::kDiscoveriesBelow, 1,
     "Kicked out of the academic establishment for prioritizing adventuring over learning."},
    {"ACADEMIC", VictoryTest::kDiscoveriesBelow, 4,
     "Frustrated with dungeoneering, switched fields to ART HISTORY."},
    {"ACADEMIC", VictoryTest::kDiscoveriesBelow, 6,
     "Often returns to the QUIBBLENT RUDIRUVU, looking for secrets and artifacts."},
    {"ACADEMIC", VictoryTest::kAlways, 0,
     "Received widespread academic acclaim for their work in the RUDIRUVU; still a virgin."},
    {"ZOMBIE", VictoryTest::kAlways, 0,
     "Went back down into the dungeons to find more flesh to eat. Gruuuhhhh..."},
};
constexpr const char kUnknownClassFate[] = "Fuck you.";

// Columns: the short cause of death the killing step stored, the phrase.
// Any other word is a blow from the enemy being fought.
struct DeathCauseRow {
  const char* word;
  const char* phrase;
};

const DeathCauseRow kDeathCauses[] = {
    {"vortex", "Absorbed into endless, unknowable nothingness "},
    {"barrel", "Tragically exploded to death "},
    {"doomhint", "Cruelly struck down by HINT HELL WITH FL'GARHH "},
    {"giveup", "Gave up like a coward "},
    {"match", "Chose to self-immolate for unknown reasons "},
    {"pepper", "Melted due to overwhelming spiciness "},
    {"lsd", "Experienced the ultimate ego death "},
    {"morality", "Exposed to unimaginable depths of MORAL ABSOLUTION "},
    {"hologram", "Abruptly ceased to exist "},
};

// Columns: the run's fate value must be below this, the line. The first
// row that matches wins; a fate of 99 (hard mode) gets kHardModeDeathFate.
struct DeathFateRow {
  int fateBelow;
  const char* line;
};

const DeathFateRow kDeathFates[] = {
    {25, "Felt a deep ache inside up until the day of death."},
    {40, "Entered a horribly cursed dungeon - perhaps failure was no surprise."},
    {65, "Had ambitions of dragon-slaying, but they were never realized."},
    {95, "Was extremely lucky to have been graced by great deals at low low prices."},
    {99, "Seemed unusually anxious during the dungeoneering experience, for unknown reasons."},
};
constexpr const char kHardModeDeathFate[] = "Fuck you.";

bool victoryRowMatches(const VictoryFateRow& row, const PlayerRecord& hero) {
  switch (row.test) {
    case VictoryTest::kKillsAtLeast: return hero.killScore >= row.threshold;
    case VictoryTest::kKillsExactly: return hero.killScore == row.threshold;
    case VictoryTest::kKillsBelow: return hero.killScore < row.threshold;
    case VictoryTest::kHoldsStapleRemovers: return hero.hasItem("STAPLE REMOVER", row.threshold);
    case VictoryTest::kHoldsVortexAndNecronomicon:
      return hero.hasItem("VORTEX", 1) && hero.hasItem("NECRONOMICON", 1);
    case VictoryTest::kGoldBelow: return hero.gold < row.threshold;
    case VictoryTest::kDiscoveriesAtLeast: return hero.discoveryScore >= row.threshold;
    case VictoryTest::kDiscoveriesBelow: return hero.discoveryScore < row.threshold;
    case VictoryTest::kAlways: return true;
  }
  return false;
}

std::string victoryFateLine(const PlayerRecord& hero) {
  for (const VictoryFateRow& row : kVictoryFates) {
    if (hero.playerClass == row.playerClass && victoryRowMatches(row, hero)) return row.line;
  }
  return kUnknownClassFate;
}

std::string deathCausePhrase(const GameState& state) {
  for (const DeathCauseRow& row : kDeathCauses) {
    if (state.pendingWord == row.word) return row.phrase;
  }
  return "Cruelly struck down by a " + state.currentEnemy.quibblent + " " +
         state.currentEnemy.type + " ";
}

std::string deathFateLine(int fateValue) {
  for (const DeathFateRow& row : kDeathFates) {
    if (fateValue < row.fateBelow) return row.line;
  }
  return kHardModeDeathFate;
}

// The weapon is equipment 0 and the armor equipment 1; a record that somehow
// lacks one still gets its memorial.
std::string equipmentName(const PlayerRecord& hero, std::size_t slot) {
  return slot < hero.equipment.size() ? hero.equipment[slot].name : std::string();
}

}  // namespace

std::string victoriousMemorialText(GameState& state, const Floor& /*floorRecord*/,
                                   const PlayerRecord& hero) {
  // The victory page took the clock just before; the time is not taken again.
  const std::string playTime = state.formatPlayTime(state.elapsedSeconds);
  std::string text = std::string(kVictoriousFileMarker) +
                     "\n"
                     "This file maintained to commemorate " +
                     hero.name + ", the successful " + hero.playerClass +
                     ".\n"
                     "Cleared all 15 floors of the Quibblent Dungeons with flying colors in " +
                     playTime + ".\n";
  text += "\n"
          "Level " +
          std::to_string(hero.level) + " at victory, carrying " + std::to_string(hero.gold) + " gold and with " +
          std::to_string(hero.exp) +
          " EXP.\n"
          "Carried to victory through their treasured " +
          equipmentName(hero, 0) + " and a " + equipmentName(hero, 1) + ".\n";
  text += victoryFateLine(hero);
  text += "\n"
          "\n"
          "Congratulatons on your victory, " +
          hero.name + "!";
  return text;
}

std::string deadMemorialText(GameState& state, const Floor& floorRecord, const PlayerRecord& hero) {
  std::string text = std::string(kDeadFileMarker) +
                     "\n"
                     "Here lies " +
                     hero.name + ", the failed " + hero.playerClass + ".\n";
  text += deathCausePhrase(state);
  text += "on floor " + std::to_string(floorRecord.floorNumber) + " of the Quibblent Dungeons.\n";
  text += "\n"
          "Died at level " +
          std::to_string(hero.level) + ", carrying " + std::to_string(hero.gold) + " gold and with " +
          std::to_string(hero.exp) +
          " EXP.\n"
          "His only worldly possessions were a " +
          equipmentName(hero, 0) + " and a " + equipmentName(hero, 1) +
          ".\n"
          "Died after playing for " +
          state.formatPlayTime(state.elapsedSeconds) + ".\n";
  text += deathFateLine(state.fateValue);
  text += "\n"
          "\n"
          "REST IN PEACE, " +
          hero.name + ".";
  return text;
}
