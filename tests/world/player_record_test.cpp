#include "world/player_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using Counts = std::vector<int>;

PlayerRecord playerHolding(const Names& names, const Counts& counts) {
  PlayerRecord player;
  player.inventoryNames = names;
  player.inventoryCounts = counts;
  return player;
}

std::vector<std::string> skillNames(const PlayerRecord& player) {
  std::vector<std::string> names;
  for (const Action& skill : player.skills) names.push_back(skill.name);
  return names;
}

TEST(PlayerRecord, ANewPlayerStartsWithTwoPotionsAndPlainStats) {
  const PlayerRecord player;
  EXPECT_EQ(player.inventoryNames, Names({"POTION"}));
  EXPECT_EQ(player.inventoryCounts, Counts({2, 0, 0, 0, 0, 0}));
  EXPECT_EQ(player.equipment.size(), 2u);
  EXPECT_EQ(player.equipment[0].name, "");
  EXPECT_EQ(player.equipment[1].quibblentTurnsLeft, 99);
  EXPECT_TRUE(player.skills.empty());
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_EQ(player.level, 1);
  EXPECT_EQ(player.hp, 30);
  EXPECT_EQ(player.maxHp, 30);
  EXPECT_EQ(player.dodges, 3);
  EXPECT_EQ(player.attack, 4);
  EXPECT_EQ(player.defence, 0);
  EXPECT_EQ(player.expForNextLevel - player.exp, 100);
  EXPECT_EQ(player.gold, 0);
  EXPECT_EQ(player.quibblentTurnsLeft, 99);
  EXPECT_EQ(player.hungerCountdown, 8);
  EXPECT_EQ(player.attackFactor, 1.0f);
  EXPECT_EQ(player.damageTakenFactor, 1.0f);
  for (const bool cured : player.curedDiseases) EXPECT_FALSE(cured);
}

TEST(PlayerRecord, GainingItemsFillsSlotsAndCapsStacks) {
  struct Case {
    std::string what;
    Names namesBefore;
    Counts countsBefore;
    std::string item;
    int count;
    std::string answer;
    Names namesAfter;
    Counts countsAfter;
  };
  const Names six = {"POTION", "MATCH", "LSD", "KEROSENE", "AIRHORN", "VORTEX"};
  const Counts sixCounts = {2, 3, 1, 4, 1, 1};
  const std::vector<Case> cases = {
      {"a new item takes the next slot", {"POTION"}, {2, 0, 0, 0, 0, 0}, "MATCH", 3,
       "You got a MATCH!", {"POTION", "MATCH"}, {2, 3, 0, 0, 0, 0}},
      {"more of a held item adds to its stack", {"POTION", "MATCH"}, {2, 3, 0, 0, 0, 0}, "MATCH",
       2, "You got a MATCH!", {"POTION", "MATCH"}, {2, 5, 0, 0, 0, 0}},
      {"a stack stops at ten", {"POTION"}, {8, 0, 0, 0, 0, 0}, "POTION", 5, "You got a POTION!",
       {"POTION"}, {10, 0, 0, 0, 0, 0}},
      {"a full stack stays full", {"POTION"}, {10, 0, 0, 0, 0, 0}, "POTION", 1,
       "You got a POTION!", {"POTION"}, {10, 0, 0, 0, 0, 0}},
      {"the sixth item still fits", {"A", "B", "C", "D", "E"}, {1, 1, 1, 1, 1, 0}, "F", 2,
       "You got a F!", {"A", "B", "C", "D", "E", "F"}, {1, 1, 1, 1, 1, 2}},
      {"a seventh item does not", six, sixCounts, "GHOST PEPPER", 1, "Your INVENTORY is full...",
       six, sixCounts},
      {"a full inventory still takes more of a held item", six, sixCounts, "LSD", 2,
       "You got a LSD!", six, {2, 3, 3, 4, 1, 1}},
      {"names are matched exactly", {"POTION"}, {2, 0, 0, 0, 0, 0}, "potion", 1,
       "You got a potion!", {"POTION", "potion"}, {2, 1, 0, 0, 0, 0}},
      {"an empty inventory takes its first item", {}, {0, 0, 0, 0, 0, 0}, "HAT", 1,
       "You got a HAT!", {"HAT"}, {1, 0, 0, 0, 0, 0}},
      {"the empty-slot word changes nothing", {"POTION"}, {2, 0, 0, 0, 0, 0}, "NONE", 3,
       "uhh nevermind", {"POTION"}, {2, 0, 0, 0, 0, 0}},
      // A new stack never starts above a full one.
      {"a new stack is capped at ten", {"POTION"}, {2, 0, 0, 0, 0, 0}, "MATCH", 15,
       "You got a MATCH!", {"POTION", "MATCH"}, {2, 10, 0, 0, 0, 0}},
      // Gaining nothing leaves no empty slot behind and takes nothing away.
      {"gaining none adds no slot", {"POTION"}, {2, 0, 0, 0, 0, 0}, "MATCH", 0,
       "You got a MATCH!", {"POTION"}, {2, 0, 0, 0, 0, 0}},
      {"a negative gain takes nothing", {"POTION"}, {2, 0, 0, 0, 0, 0}, "POTION", -5,
       "You got a POTION!", {"POTION"}, {2, 0, 0, 0, 0, 0}},
      {"a full inventory answers full even for nothing", six, sixCounts, "GHOST PEPPER", 0,
       "Your INVENTORY is full...", six, sixCounts},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlayerRecord player = playerHolding(c.namesBefore, c.countsBefore);
    EXPECT_EQ(player.gainItem(c.item, c.count), c.answer);
    EXPECT_EQ(player.inventoryNames, c.namesAfter);
    EXPECT_EQ(player.inventoryCounts, c.countsAfter);
  }
}

TEST(PlayerRecord, LosingItemsEmptiesSlotsAndMovesTheRestDown) {
  struct Case {
    std::string what;
    Names namesBefore;
    Counts countsBefore;
    std::string item;
    std::string answer;
    Names namesAfter;
    Counts countsAfter;
  };
  const Names five = {"POTION", "MATCH", "LSD", "KEROSENE", "AIRHORN"};
  const Names six = {"POTION", "MATCH", "LSD", "KEROSENE", "AIRHORN", "VORTEX"};
  const std::vector<Case> cases = {
      {"one unit off a stack", five, {2, 3, 1, 4, 5, 0}, "MATCH", "You lost a MATCH!", five,
       {2, 2, 1, 4, 5, 0}},
      {"the last unit of the second slot", five, {2, 1, 7, 4, 5, 0}, "MATCH", "You lost a MATCH!",
       {"POTION", "LSD", "KEROSENE", "AIRHORN"}, {2, 7, 4, 5, 0, 0}},
      {"the last unit of the first slot", {"POTION", "HAT"}, {1, 1, 0, 0, 0, 0}, "POTION",
       "You lost a POTION!", {"HAT"}, {1, 0, 0, 0, 0, 0}},
      {"the last unit of the sixth slot", six, {1, 2, 3, 4, 5, 1}, "VORTEX",
       "You lost a VORTEX!", five, {1, 2, 3, 4, 5, 0}},
      {"the last unit of a full inventory's third slot", six, {1, 2, 1, 4, 5, 6}, "LSD",
       "You lost a LSD!", {"POTION", "MATCH", "KEROSENE", "AIRHORN", "VORTEX"},
       {1, 2, 4, 5, 6, 0}},
      {"the only item", {"POTION"}, {1, 0, 0, 0, 0, 0}, "POTION", "You lost a POTION!", {},
       {0, 0, 0, 0, 0, 0}},
      {"an item not held", {"POTION"}, {2, 0, 0, 0, 0, 0}, "KEROSENE", "You lost a KEROSENE!",
       {"POTION"}, {2, 0, 0, 0, 0, 0}},
      {"names are matched exactly", {"POTION"}, {1, 0, 0, 0, 0, 0}, "potion", "You lost a potion!",
       {"POTION"}, {1, 0, 0, 0, 0, 0}},
      {"the empty-slot word", {"POTION"}, {1, 0, 0, 0, 0, 0}, "NONE", "uhh nevermind", {"POTION"},
       {1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlayerRecord player = playerHolding(c.namesBefore, c.countsBefore);
    EXPECT_EQ(player.loseItem(c.item), c.answer);
    EXPECT_EQ(player.inventoryNames, c.namesAfter);
    EXPECT_EQ(player.inventoryCounts, c.countsAfter);
  }
}

TEST(PlayerRecord, GainingAndLosingTogetherKeepTheSlotsInStep) {
  PlayerRecord player;
  for (const char* item : {"MATCH", "LSD", "KEROSENE", "AIRHORN", "VORTEX"}) player.gainItem(item, 1);
  EXPECT_EQ(player.gainItem("SALT SHAKER", 1), "Your INVENTORY is full...");
  player.loseItem("LSD");
  EXPECT_EQ(player.gainItem("SALT SHAKER", 4), "You got a SALT SHAKER!");
  EXPECT_EQ(player.inventoryNames,
            Names({"POTION", "MATCH", "KEROSENE", "AIRHORN", "VORTEX", "SALT SHAKER"}));
  EXPECT_EQ(player.inventoryCounts, Counts({2, 1, 1, 1, 1, 4}));
  EXPECT_TRUE(player.hasItem("SALT SHAKER", 4));
  EXPECT_FALSE(player.hasItem("LSD", 1));
}

TEST(PlayerRecord, LearningSkillsIsLimitedAndRefusesRepeats) {
  PlayerRecord player;
  EXPECT_EQ(player.learnSkill("HEAL"), "You learned HEAL!");
  ASSERT_EQ(player.skills.size(), 1u);
  // A learned skill is the player's own version of the move.
  EXPECT_EQ(player.skills[0].cooldown, 6);
  EXPECT_EQ(player.skills[0].useLimit, 2);
  EXPECT_EQ(player.skills[0].weight, 1);

  EXPECT_EQ(player.learnSkill("HEAL"), "You already know that skill! Don't be a skill-hoarder.");
  EXPECT_EQ(player.learnSkill("NONE"), "uhh nevermind");
  for (const char* skill : {"EAT", "PREACH", "MAGICBOLT", "FIREBOLT", "NEGOTIATE"}) {
    EXPECT_EQ(player.learnSkill(skill), std::string("You learned ") + skill + "!");
  }
  EXPECT_EQ(player.learnSkill("PICKPOCKET"),
            "You have too many SKILLS already! Don't be skill-greedy.");
  EXPECT_EQ(skillNames(player),
            Names({"HEAL", "EAT", "PREACH", "MAGICBOLT", "FIREBOLT", "NEGOTIATE"}));
  EXPECT_EQ(player.skills[2].cooldown, 5);
}

TEST(PlayerRecord, AZombieMayLearnASkillTwiceButNotASeventh) {
  PlayerRecord player;
  player.playerClass = "ZOMBIE";
  for (int i = 0; i < 6; ++i) EXPECT_EQ(player.learnSkill("EAT"), "You learned EAT!");
  EXPECT_EQ(player.learnSkill("EAT"), "You have too many SKILLS already! Don't be skill-greedy.");
  EXPECT_EQ(player.skills.size(), 6u);

  PlayerRecord convict;
  convict.playerClass = "CONVICT";
  convict.learnSkill("EAT");
  EXPECT_EQ(convict.learnSkill("EAT"), "You already know that skill! Don't be a skill-hoarder.");
}

TEST(PlayerRecord, ForgettingRemovesEveryCopyAndKeepsTheOrder) {
  PlayerRecord player;
  player.playerClass = "ZOMBIE";
  for (const char* skill : {"EAT", "HEAL", "EAT", "PREACH", "EAT"}) player.learnSkill(skill);
  EXPECT_EQ(player.forgetSkill("EAT"), "You forgot EAT!");
  EXPECT_EQ(skillNames(player), Names({"HEAL", "PREACH"}));
  EXPECT_EQ(player.forgetSkill("FIREBOLT"), "You forgot FIREBOLT!");
  EXPECT_EQ(player.forgetSkill("heal"), "You forgot heal!");
  EXPECT_EQ(player.forgetSkill("NONE"), "uhh nevermind");
  EXPECT_EQ(skillNames(player), Names({"HEAL", "PREACH"}));
}

TEST(PlayerRecord, HasItemWantsTheExactNameAndEnoughUnits) {
  const PlayerRecord player = playerHolding({"POTION", "MATCH"}, {2, 5, 0, 0, 0, 0});
  struct Case {
    std::string item;
    int least;
    bool held;
  };
  for (const Case& c : std::vector<Case>{{"POTION", 1, true},
                                         {"POTION", 2, true},
                                         {"POTION", 3, false},
                                         {"MATCH", 5, true},
                                         {"MATCH", 6, false},
                                         {"match", 1, false},
                                         {"LSD", 0, false},
                                         {"NONE", 0, false}}) {
    SCOPED_TRACE(c.item + " x" + std::to_string(c.least));
    EXPECT_EQ(player.hasItem(c.item, c.least), c.held);
  }
}

TEST(PlayerRecord, HealingStopsAtMaximumHitPoints) {
  struct Case {
    int hp, maxHp, amount, after;
  };
  for (const Case& c : std::vector<Case>{{10, 30, 5, 15},
                                         {10, 30, 20, 30},
                                         {10, 30, 25, 30},
                                         {30, 30, 1, 30},
                                         {10, 30, 0, 10},
                                         {-4, 30, 10, 6},
                                         {29, 30, 2147483647, 30}}) {
    PlayerRecord player;
    player.hp = c.hp;
    player.maxHp = c.maxHp;
    player.heal(c.amount);
    EXPECT_EQ(player.hp, c.after) << c.hp << " + " << c.amount;
  }
}

TEST(ToLowerAscii, LowersOnlyTheCapitalLetters) {
  const std::string capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string smalls = "abcdefghijklmnopqrstuvwxyz";
  for (std::size_t i = 0; i < capitals.size(); ++i) {
    EXPECT_EQ(toLowerAscii(capitals[i]), smalls[i]);
  }
  // Every other byte comes back unchanged, the ones above 127 included (they
  // are negative chars here).
  for (int value = -128; value <= 127; ++value) {
    const char c = static_cast<char>(value);
    if (capitals.find(c) != std::string::npos) continue;
    EXPECT_EQ(toLowerAscii(c), c) << "byte " << value;
  }
}

}  // namespace
