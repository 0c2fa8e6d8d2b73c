// The player's quibblent: what blocks a new word, which words combine, and
// what a word does once taken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/player_record.h"
#include "world/quibblent_tables.h"

namespace {

class PlayerQuibblent : public ::testing::Test {
 protected:
  void SetUp() override { buildQuibblentTables(); }
};

struct ChangeCase {
  std::string what;
  // The player before.
  std::string oldWord;
  std::string imbuement;
  std::string playerClass;
  bool poisoned;
  int fate;
  // The offer.
  std::string offered;
  bool force;
  // The player after.
  std::string message;
  std::string word;
  bool poisonedAfter;
  bool timed;
  int turns;
};

constexpr int kStartTurns = 3;  // the timer the player holds before each case

TEST_F(PlayerQuibblent, BlockingCombiningAndTakingWords) {
  const std::vector<ChangeCase> cases = {
      // Refusals hold even when a word is imposed.
      {"curse blocks", "CURSED", "", "", false, 0, "ELITE", false, "The CURSE blocks the incoming quibblent!", "CURSED",
       false, true, kStartTurns},
      {"curse blocks force", "CURSED", "", "", false, 0, "ELITE", true, "The CURSE blocks the incoming quibblent!",
       "CURSED", false, true, kStartTurns},
      {"curse lets poison in", "CURSED", "", "", false, 0, "POISONED", false, "You are now POISONED!", "CURSED", true,
       true, kStartTurns},
      {"grog blocks", "UNINTERESTING", "GROG", "", false, 0, "FLAMING", true, "You are too GROGGY to be anything else!",
       "UNINTERESTING", false, true, kStartTurns},
      {"grog lets groggy in", "UNINTERESTING", "GROG", "", false, 0, "GROGGY", false, "You are now GROGGY!", "GROGGY",
       false, true, 6},
      {"poisoned twice", "UNINTERESTING", "", "", true, 0, "POISONED", true, "You are already POISONED!",
       "UNINTERESTING", true, true, kStartTurns},
      {"undead cannot be poisoned", "UNINTERESTING", "", "ZOMBIE", false, 0, "POISONED", true,
       "You cannot be poisoned as you are UNDEAD!", "UNINTERESTING", false, true, kStartTurns},
      // Combinations.
      {"flammable twice", "FLAMMABLE", "", "", false, 0, "FLAMMABLE", false, "You are now HIGHLY FLAMMABLE!",
       "HIGHLY FLAMMABLE", false, false, 99},
      {"flammable forced", "FLAMMABLE", "", "", false, 0, "FLAMMABLE", true, "You are now FLAMMABLE!", "FLAMMABLE",
       false, false, 99},
      {"oily catches", "OILY", "", "", false, 0, "FLAMMABLE", false, "You are now HIGHLY FLAMMABLE!",
       "HIGHLY FLAMMABLE", false, false, 99},
      {"salt melts", "LIGHTLY SALTED", "", "", false, 0, "FLAMING", false, "Your SALT is melted off!",
       "UNINTERESTING", false, false, 99},
      {"fire eats salt", "FLAMING", "", "", false, 0, "LIGHTLY SALTED", false,
       "The fire absorbs the SALT, growing bigger!", "FLAMING", false, true, 6},
      {"highly flammable already", "HIGHLY FLAMMABLE", "", "", false, 0, "FLAMMABLE", false,
       "You are HIGHLY FLAMMABLE already!", "HIGHLY FLAMMABLE", false, false, 99},
      {"flames grow", "FLAMING", "", "", false, 0, "OILY", false, "Your FLAMES grow bigger!", "FLAMING", false, true,
       6},
      {"existential overload", "EXISTENTIAL", "", "", false, 0, "EXISTENTIAL", false,
       "The EXISTENTIAL is too much for you to handle... you are now CONFUSED!", "CONFUSED", false, true, 11},
      {"ravenous eats salt", "RAVENOUS", "", "", false, 0, "LIGHTLY SALTED", false,
       "You consume the SALT, gaining valuable elecrolytes!", "UNINTERESTING", false, false, 99},
      {"starving eats salt", "STARVING", "", "", false, 0, "LIGHTLY SALTED", false,
       "You consume the SALT, gaining valuable elecrolytes!", "RAVENOUS", false, true, 6},
      {"hippie shrugs off poison", "HIPPIE", "", "", false, 0, "POISONED", false,
       "Your experience with nature renders you immune to POISON!", "HIPPIE", false, false, 99},
      {"flames go out", "FLAMING", "", "", false, 0, "CHARRED", false, "Your flames go out; you're now CHARRED.",
       "CHARRED", false, false, 99},
      {"grogginess clears", "GROGGY", "", "", false, 0, "UNINTERESTING", false,
       "Your mind clears... you are no longer GROGGY.", "UNINTERESTING", false, false, 99},
      {"confusion abates", "CONFUSED", "", "", false, 0, "UNINTERESTING", false, "Your CONFUSION abates.",
       "UNINTERESTING", false, false, 99},
      // The same word again only refreshes the creatures' timer.
      {"elite again leaves it untimed", "ELITE", "", "", false, 0, "ELITE", false, "You are already ELITE!", "ELITE",
       false, false, 99},
      {"elite again in hard mode", "ELITE", "", "", false, 99, "ELITE", false, "You are already ELITE!", "ELITE",
       false, false, 94},
      {"flaming again", "FLAMING", "", "", false, 0, "FLAMING", false, "You are already FLAMING!", "FLAMING", false,
       true, 6},
      {"same word forced is taken afresh", "ELITE", "", "", false, 0, "ELITE", true, "You are now ELITE!", "ELITE",
       false, true, 11},
      // The second group.
      {"tripping", "UNINTERESTING", "LSD", "", false, 0, "CONFUSED", false, "You are TRIPPING too hard to be CONFUSED!",
       "UNINTERESTING", false, true, kStartTurns},
      {"tripping but forced", "UNINTERESTING", "LSD", "", false, 0, "CONFUSED", true, "You are now CONFUSED!",
       "CONFUSED", false, true, 11},
      {"damp reflects flames", "DAMP", "", "", false, 0, "FLAMING", false, "Your DAMPness reflects the flames!", "DAMP",
       false, false, 99},
      {"poison dart", "UNINTERESTING", "POISON DART", "", false, 0, "POISONED", false,
       "You already have POISON coursing through your veins!", "UNINTERESTING", false, true, kStartTurns},
      {"poison is a status", "ELITE", "", "", false, 0, "POISONED", false, "You are now POISONED!", "ELITE", true, true,
       kStartTurns},
      {"forced poison becomes the word", "UNINTERESTING", "", "", false, 0, "POISONED", true, "You are now POISONED!",
       "POISONED", true, false, 99},
      {"forced poison past the dart", "UNINTERESTING", "POISON DART", "", false, 0, "POISONED", true,
       "You are now POISONED!", "POISONED", false, false, 99},
      // Taking a word.
      {"elite", "UNINTERESTING", "", "", false, 0, "ELITE", false, "You are now ELITE!", "ELITE", false, true, 11},
      {"elite in hard mode", "UNINTERESTING", "", "", false, 99, "ELITE", false, "You are now ELITE!", "ELITE", false,
       true, 6},
      {"gamer by the player's clock", "UNINTERESTING", "", "", false, 0, "GAMER", false, "You are now GAMER!", "GAMER",
       false, true, 16},
      {"cursed by the creatures' clock", "UNINTERESTING", "", "", false, 0, "CURSED", true, "You are now CURSED!",
       "CURSED", false, true, 81},
      {"back to nothing", "ELITE", "", "", false, 0, "UNINTERESTING", false, "Your previous quibblent goes away.",
       "UNINTERESTING", false, false, 99},
  };
  for (const ChangeCase& c : cases) {
    SCOPED_TRACE(c.what);
    GameState state;
    state.fateValue = c.fate;
    PlayerRecord player;
    player.quibblent = c.oldWord;
    player.imbuement = c.imbuement;
    player.playerClass = c.playerClass;
    player.poisoned = c.poisoned;
    player.quibblentTimed = true;
    player.quibblentTurnsLeft = kStartTurns;
    EXPECT_EQ(player.changeQuibblent(c.offered, state, c.force), c.message);
    EXPECT_EQ(player.quibblent, c.word);
    EXPECT_EQ(player.poisoned, c.poisonedAfter);
    EXPECT_EQ(player.quibblentTimed, c.timed);
    EXPECT_EQ(player.quibblentTurnsLeft, c.turns);
  }
}

struct EffectCase {
  std::string oldWord;
  std::string offered;
  float attackFactor;
  float damageTakenFactor;
  int hunger;
};

TEST_F(PlayerQuibblent, ATakenWordSetsFactorsAndHunger) {
  const std::vector<EffectCase> cases = {
      {"UNINTERESTING", "ELITE", 1.25f, 0.75f, 5},    {"ELITE", "UNINTERESTING", 1.0f, 1.0f, 5},
      {"ELITE", "INEFFECTUAL", 0.75f, 1.5f, 5},       {"INEFFECTUAL", "CHARRED", 1.0f, 1.25f, 5},
      {"UNINTERESTING", "DAMNED", 2.0f, 0.4f, 5},     {"UNINTERESTING", "STARVING", 1.0f, 1.0f, -1},
      {"UNINTERESTING", "RAVENOUS", 1.0f, 1.0f, -1},  {"FLAMING", "HORNY", 1.2f, 1.0f, 5},
  };
  for (const EffectCase& c : cases) {
    SCOPED_TRACE(c.oldWord + " to " + c.offered);
    GameState state;
    PlayerRecord player;
    player.quibblent = c.oldWord;
    player.attackFactor = 3.0f;
    player.damageTakenFactor = 3.0f;
    player.hungerCountdown = 8;
    player.changeQuibblent(c.offered, state, false);
    EXPECT_EQ(player.attackFactor, c.attackFactor);
    EXPECT_EQ(player.damageTakenFactor, c.damageTakenFactor);
    EXPECT_EQ(player.hungerCountdown, c.hunger);
  }
}

struct SkillCase {
  std::string what;
  std::string oldWord;
  std::vector<std::string> skillsBefore;
  std::string playerClass;
  bool boon;
  std::string imbuement;
  std::string offered;
  std::vector<std::string> skillsAfter;
};

std::vector<std::string> skillNames(const PlayerRecord& player) {
  std::vector<std::string> names;
  for (const Action& skill : player.skills) names.push_back(skill.name);
  return names;
}

TEST_F(PlayerQuibblent, WordsBringAndTakeAwayTheirSkills) {
  const std::vector<SkillCase> cases = {
      {"hunger teaches EAT", "UNINTERESTING", {}, "CONVICT", false, "", "RAVENOUS", {"EAT"}},
      {"a zombie learns nothing", "UNINTERESTING", {}, "ZOMBIE", false, "", "RAVENOUS", {}},
      {"sated forgets EAT", "RAVENOUS", {"BODY TACKLE", "EAT"}, "CONVICT", false, "", "UNINTERESTING",
       {"BODY TACKLE"}},
      {"the boon keeps EAT", "RAVENOUS", {"EAT"}, "CONVICT", true, "", "UNINTERESTING", {"EAT"}},
      {"the salt shaker keeps EAT", "STARVING", {"EAT"}, "ACADEMIC", false, "SALT SHAKER", "ELITE", {"EAT"}},
      {"morality keeps PREACH", "FUNDAMENTALIST", {"PREACH"}, "ACADEMIC", false, "MORALITY", "ELITE", {"PREACH"}},
      {"the faith fades", "FUNDAMENTALIST", {"PREACH"}, "ACADEMIC", false, "", "ELITE", {}},
      {"hunger to starvation keeps one EAT", "RAVENOUS", {"EAT"}, "OPPORTUNIST", false, "", "STARVING", {"EAT"}},
      {"salt cures hunger", "RAVENOUS", {"EAT"}, "OPPORTUNIST", false, "", "LIGHTLY SALTED", {}},
  };
  for (const SkillCase& c : cases) {
    SCOPED_TRACE(c.what);
    GameState state;
    PlayerRecord player;
    player.quibblent = c.oldWord;
    player.playerClass = c.playerClass;
    player.boonOfConsumption = c.boon;
    player.imbuement = c.imbuement;
    for (const std::string& skill : c.skillsBefore) player.skills.emplace_back(skill, 1, true);
    player.changeQuibblent(c.offered, state, false);
    EXPECT_EQ(skillNames(player), c.skillsAfter);
  }
}

TEST_F(PlayerQuibblent, DodgesWillpowerAndVanishing) {
  GameState state;
  PlayerRecord player;
  EXPECT_EQ(player.changeQuibblent("MLG", state, false), "You are now MLG!");
  EXPECT_EQ(player.dodges, 5);

  EXPECT_EQ(player.changeQuibblent("METALHEAD", state, false), "You are now METALHEAD!");
  EXPECT_TRUE(player.willpower);
  player.changeQuibblent("UNINTERESTING", state, false);
  EXPECT_FALSE(player.willpower);
  EXPECT_EQ(player.dodges, 5);

  EXPECT_EQ(player.changeQuibblent("HOLOGRAPHIC", state, true), "You cease to exist. Oops!");
  EXPECT_EQ(player.quibblent, "HOLOGRAPHIC");
  EXPECT_EQ(player.hp, 0);
  EXPECT_EQ(player.maxHp, 0);
  EXPECT_EQ(player.attackFactor, 0.0f);
  EXPECT_EQ(state.pendingWord, "hologram");
  EXPECT_EQ(state.pendingPrompt, 16);
}

}  // namespace
