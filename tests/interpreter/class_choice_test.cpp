#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/class_choice.h"
#include "tests/interpreter/prompt_play.h"

namespace {

const char kPickAgain[] = "Very funny.\n"
                          "Pick one of *these*:\n"
                          "(1) ACADEMIC: Intelligent; recommended for beginners.\n"
                          "(2) CONVICT: Strong but simple; easy to win with.\n"
                          "(3) OPPORTUNIST: Cunning; supports an advanced playstyle.";

std::vector<std::string> skillNames(const PlayerRecord& player) {
  std::vector<std::string> names;
  for (const Action& skill : player.skills) names.push_back(skill.name);
  return names;
}

TEST_F(PromptPlay, EachClassIsPickedByNumberOrWordInAnyCase) {
  // Columns: typed line, class, skills, willpower, dodges, reply.
  struct Row {
    std::string typed;
    std::string playerClass;
    std::vector<std::string> skills;
    bool willpower;
    int dodges;
    std::string reply;
  };
  const std::string academic =
      "You are an ACADEMIC.\n"
      "You can EXAMINE enemies to learn about them, or INFER\n"
      "solutions to help you in combat. You enter the dungeon with\n"
      "disease-curing ANTIBIOTICS and knowledge of how to read\n"
      "obscure scrolls. You can find secrets other classes cannot.\n"
      "[TYPE ANYTHING TO CONTINUE]";
  const std::string convict =
      "You are a CONVICT.\n"
      "You can use a dodge to TACKLE enemies, or PUNCH them at the\n"
      "expense of your own health. Your crass demeanor can ENRAGE\n"
      "enemies, but they cannot escape combat with you. You deal\n"
      "extra damage, and may even survive your own death... once.\n"
      "[TYPE ANYTHING TO CONTINUE]";
  const std::string opportunist =
      "You are an OPPORTUNIST.\n"
      "You may steal money from enemies, or bribe them to get out\n"
      "of combat. You are thrifty, getting better deals in shops.\n"
      "Your agility allows you to use a dodge to stun your enemies,\n"
      "or sneak down the stairs without alerting your foes.\n"
      "[TYPE ANYTHING TO CONTINUE]";
  const std::vector<std::string> academicSkills = {"EXAMINE", "INFERENCE", "ANTIBIOTICS"};
  const std::vector<std::string> convictSkills = {"BODY TACKLE", "PISS OFF", "MEGATON PUNCH"};
  const std::vector<std::string> opportunistSkills = {"PICKPOCKET", "NEGOTIATE", "SNEAK ATTACK"};
  const std::vector<Row> rows = {
      {"1", "ACADEMIC", academicSkills, false, 3, academic},
      {"ACADEMIC", "ACADEMIC", academicSkills, false, 3, academic},
      {"2", "CONVICT", convictSkills, true, 3, convict},
      {"Convict", "CONVICT", convictSkills, true, 3, convict},
      {"3", "OPPORTUNIST", opportunistSkills, false, 4, opportunist},
      {"opportunist", "OPPORTUNIST", opportunistSkills, false, 4, opportunist},
  };
  for (const Row& row : rows) {
    state.resetPlayerForNewRun(player);
    openPrompt(30);
    EXPECT_EQ(type(row.typed), row.reply) << row.typed;
    EXPECT_EQ(player.playerClass, row.playerClass) << row.typed;
    EXPECT_EQ(skillNames(player), row.skills) << row.typed;
    EXPECT_EQ(player.willpower, row.willpower) << row.typed;
    EXPECT_EQ(player.dodges, row.dodges) << row.typed;
    EXPECT_EQ(state.pendingPrompt, 1) << row.typed;
  }
}

TEST_F(PromptPlay, AnythingElseAtTheClassChoiceIsMockedAndAskedAgain) {
  for (const std::string typed : {" 1", "1 ", "", "4", "zombie", "academics", "0"}) {
    state.resetPlayerForNewRun(player);
    openPrompt(30);
    EXPECT_EQ(type(typed), kPickAgain) << typed;
    EXPECT_EQ(state.pendingPrompt, 30) << typed;
    EXPECT_TRUE(player.playerClass.empty()) << typed;
    EXPECT_TRUE(player.skills.empty()) << typed;
  }
}

TEST(ZombieTransformation, LeavesOnlyEatAndNothingToCarry) {
  SeededRolls seeded(5);
  // Columns: figures, hit points, attack, defence, EAT skills.
  struct Row {
    ZombieFigures figures;
    int hp;
    int attack;
    int defence;
    int eatSkills;
  };
  for (const Row& row : {Row{kZombieByNecronomicon, 120, 20, 8, 3}, Row{kZombieOnFloor15, 160, 24, 10, 3},
                         Row{kZombieRisenFromDeath, 160, 24, 10, 1}}) {
    PlayerRecord player;
    player.playerClass = "ACADEMIC";
    player.learnSkill("EXAMINE");
    player.gainItem("MATCH", 3);
    player.imbuement = "NECRONOMICON";
    player.poisoned = true;
    player.dodges = 5;
    player.gold = 77;
    player.quibblent = "ELITE";
    player.level = 6;
    player.exp = 40;
    turnIntoZombie(player, row.figures);
    EXPECT_EQ(player.playerClass, "ZOMBIE");
    EXPECT_EQ(skillNames(player), std::vector<std::string>(row.eatSkills, "EAT"));
    EXPECT_TRUE(player.inventoryNames.empty());
    EXPECT_EQ(player.inventoryCounts, std::vector<int>(6, 0));
    EXPECT_EQ(player.equipment[0].type, "FISTS");
    EXPECT_EQ(player.equipment[1].type, "LOINCLOTH");
    EXPECT_EQ(player.hp, row.hp);
    EXPECT_EQ(player.maxHp, row.hp);
    EXPECT_EQ(player.attack, row.attack);
    EXPECT_EQ(player.defence, row.defence);
    EXPECT_EQ(player.level, 0);
    EXPECT_EQ(player.exp, 0);
    EXPECT_TRUE(player.imbuement.empty());
    EXPECT_FALSE(player.poisoned);
    // What the transformation does not touch.
    EXPECT_EQ(player.dodges, 5);
    EXPECT_EQ(player.gold, 77);
    EXPECT_EQ(player.quibblent, "ELITE");
  }
}

}  // namespace
