#include <gtest/gtest.h>

#include "tests/interpreter/prompt_play.h"

namespace {

class LevelUpPage : public PromptPlay {};

TEST_F(LevelUpPage, ALevelOutsideAFightRaisesTheStatsByClassLevelAndImbuement) {
  // Columns: class, level before, imbuement, max hp, ATK, DEF, exp, skills
  // held, reply, dodges gained, next threshold.
  struct Row {
    std::string heroClass;
    int level;
    std::string imbuement;
    int maxHp, attack, defence, exp;
    std::string reply;
    int dodgesGained;
    int threshold;
  };
  const std::string head = "You have been fully healed and gained 1 dodge.\n"
                           "You now have ";
  const Row rows[] = {
      {"CONVICT", 2, "", 45, 10, 1, 400, "LEVEL UP!! You are now level 3!\n" + head + "60 HP, 13 ATK, and 1 DEF.\n"
                                                                                      "500 EXP to next level.", 1, 900},
      {"CONVICT", 1, "", 30, 10, 0, 100, "LEVEL UP!! You are now level 2!\n" + head + "45 HP, 12 ATK, and 1 DEF.\n"
                                                                                      "300 EXP to next level.", 1, 400},
      {"ACADEMIC", 1, "", 30, 4, 0, 100, "LEVEL UP!! You are now level 2!\n" + head + "45 HP, 5 ATK, and 1 DEF.\n"
                                                                                      "156 EXP to next level.", 1, 256},
      {"ACADEMIC", 1, "AIRHORN", 30, 4, 0, 100, "LEVEL UP!! You are now level 2!\n" + head + "45 HP, 5 ATK, and 1 DEF.\n"
                                                                                             "156 EXP to next level.", 3, 256},
      {"OPPORTUNIST", 1, "CALCULATOR", 30, 4, 0, 100, "LEVEL UP!! You are now level 2!\n" + head + "55 HP, 7 ATK, and 2 DEF.\n"
                                                                                                   "300 EXP to next level.", 1, 400},
      // Past the threshold, experience waits one short of the next level.
      {"CONVICT", 1, "", 30, 4, 0, 900, "LEVEL UP!! You are now level 2!\n" + head + "45 HP, 6 ATK, and 1 DEF.\n"
                                                                                     "1 EXP to next level.", 1, 400},
      {"CONVICT", 9, "", 150, 30, 5, 8100, "LEVEL UP!! You are now level 10!\n" + head + "165 HP, 32 ATK, and 5 DEF.", 1, 99999},
      {"CONVICT", 4, "", 75, 20, 2, 1600, "LEVEL UP!! You are now level 5!\n" + head + "90 HP, 23 ATK, and 3 DEF.\n"
                                                                                       "900 EXP to next level.\n"
                                                                                       "What's this? You feel something... You learned QBL.SWAP!", 1, 2500},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.heroClass + " " + std::to_string(row.level) + " " + row.imbuement);
    state.achievements = {};
    player.name = "Bob";
    player.playerClass = row.heroClass;
    player.level = row.level;
    player.imbuement = row.imbuement;
    player.maxHp = row.maxHp;
    player.hp = 1;
    player.attack = row.attack;
    player.defence = row.defence;
    player.exp = row.exp;
    player.dodges = 0;
    player.poisoned = true;
    player.skills.clear();
    openPrompt(40);
    EXPECT_EQ(type("anything"), row.reply);
    EXPECT_EQ(state.pendingPrompt, 2);
    EXPECT_EQ(player.hp, player.maxHp);
    EXPECT_FALSE(player.poisoned);
    EXPECT_EQ(player.dodges, row.dodgesGained);
    EXPECT_EQ(player.expForNextLevel, row.threshold);
    EXPECT_EQ(state.achievements[14], row.level == 9 ? "Bob" : "");
  }
}

TEST_F(LevelUpPage, DecliningTheOfferReturnsToThePromptThatMadeIt) {
  // Columns: return prompt, fight state, prompt typed at, line, reply.
  struct Row {
    int returnPrompt;
    int fightState;
    int prompt;
    std::string line;
    std::string reply;
  };
  const std::string declined = "You chose not to learn the QBL.SWAP skill.\n";
  const Row rows[] = {
      {0, 13, 48, "n", declined},
      {0, 13, 49, "x", declined + "[TYPE ANYTHING TO CONTINUE]"},
      {0, 0, 49, "x", declined},
      {25, 0, 48, "2", declined + "[TYPE ANYTHING TO CONTINUE]"},
      {0, 0, 48, "maybe",
       "Come on, it's not that complicated a question. \n"
       "Do you want the QBL.SWAP skill or not, Y or N?"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.prompt) + " " + row.line);
    player.skills.clear();
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) player.skills.emplace_back(name, 1, true);
    state.pendingWord = "QBL.SWAP";
    state.auxCounter = row.returnPrompt;
    state.combatState = row.fightState;
    openPrompt(row.prompt);
    EXPECT_EQ(type(row.line), row.reply);
    EXPECT_EQ(state.pendingPrompt, row.line == "maybe" ? row.prompt : row.returnPrompt);
    EXPECT_EQ(player.skills.size(), 6u);
  }
}

TEST_F(LevelUpPage, ASkillAlreadyHeldIsNeitherOfferedNorSwappedIn) {
  player.skills.clear();
  for (const char* name : {"A", "QBL.SWAP", "C", "D", "E", "F"}) player.skills.emplace_back(name, 1, true);
  player.level = 4;
  player.playerClass = "CONVICT";
  openPrompt(40);
  const std::string reply = type("x");
  EXPECT_TRUE(reply.ends_with("EXP to next level.")) << reply;
  EXPECT_EQ(state.pendingPrompt, 2);

  // Offered anyway by some other way: choosing a slot loses nothing.
  state.pendingWord = "QBL.SWAP";
  state.auxCounter = 0;
  openPrompt(49);
  EXPECT_EQ(type("1"), "You chose not to learn the QBL.SWAP skill.\n");
  EXPECT_EQ(player.skills.size(), 6u);
  EXPECT_EQ(player.skills[0].name, "A");
}

TEST_F(LevelUpPage, AHeroWithRoomWhoAlreadyKnowsQblSwapIsToldSo) {
  player.skills.clear();
  for (const char* name : {"A", "QBL.SWAP"}) player.skills.emplace_back(name, 1, true);
  player.level = 4;
  player.playerClass = "CONVICT";
  openPrompt(40);
  const std::string reply = type("x");
  EXPECT_TRUE(
      reply.ends_with("EXP to next level.\n"
                      "What's this? You feel something... You already know that skill! Don't be a skill-hoarder."))
      << reply;
  EXPECT_EQ(player.skills.size(), 2u);
  EXPECT_EQ(state.pendingPrompt, 2);
}

}  // namespace
