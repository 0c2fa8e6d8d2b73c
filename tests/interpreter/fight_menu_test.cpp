#include <gtest/gtest.h>

#include "tests/interpreter/fight_play.h"

namespace {

class FightMenus : public FightPlay {
 protected:
  void holdSkills(std::initializer_list<const char*> names) {
    player.skills.clear();
    for (const char* name : names) player.skills.emplace_back(name, 1, true);
  }
};

const std::string kReturnHint = "\n"
                                "[TYPE NOTHING TO RETURN TO MAIN COMBAT MENU]";

TEST_F(FightMenus, TheListsAndTheirChoicesAnswerAndReturnToTheMenu) {
  // Columns: what the row shows, skills held, items held, hero word, class,
  // lines typed from the menu, last reply, state after, cooldown of the last skill.
  struct Row {
    const char* shows;
    std::vector<const char*> skills;
    std::vector<std::string> items;
    std::string word;
    std::string heroClass;
    std::vector<std::string> lines;
    std::string reply;
    int stateAfter;
    int lastSkillCooldown = 0;
  };
  const std::string menu = "You have 3" + kMenuTail;
  const Row rows[] = {
      {"skill list", {"EXAMINE", "INFERENCE", "ANTIBIOTICS"}, {"POTION"}, "UNINTERESTING", "ACADEMIC", {"2"},
       "Select a skill - 1: EXAMINE (-)\n"
       "2: INFERENCE (-)\n"
       "3: ANTIBIOTICS (-)\n" + kReturnHint, 14},
      {"the empty line returns", {"EXAMINE"}, {"POTION"}, "UNINTERESTING", "ACADEMIC", {"2", ""},
       "Returning to main combat menu.\n" + menu, 2},
      {"a skill not held", {"EXAMINE", "INFERENCE", "ANTIBIOTICS"}, {"POTION"}, "UNINTERESTING", "ACADEMIC",
       {"skills", "4"}, "That's not a real skill...\n" + menu, 2},
      {"no skills", {}, {"POTION"}, "UNINTERESTING", "CONVICT", {"2"}, "You don't have any skills...\n" + menu, 2},
      {"a full list has no hint", {"A", "B", "C", "D", "E"}, {"POTION"}, "UNINTERESTING", "CONVICT", {"2"},
       "Select a skill - 1: A (-)\n"
       "2: B (-)\n"
       "3: C (-)\n"
       "4: D (-)\n"
       "5: E (-)\n", 14},
      {"confusion bars skills", {"EXAMINE"}, {"POTION"}, "CONFUSED", "CONVICT", {"2"},
       "You are too CONFUSED to use any skills!!\n" + menu, 2},
      // The cure is found by name, wherever a swap has left it.
      {"a confused academic is offered the cure", {"EXAMINE", "ANTIBIOTICS"}, {"POTION"}, "CONFUSED", "ACADEMIC",
       {"2"},
       "You are too CONFUSED to use any skills!!\n"
       "Would you like to use ANTIBIOTICS to clear your confusion? \n"
       "(Y/N)",
       15},
      {"the cure declined", {"EXAMINE", "ANTIBIOTICS"}, {"POTION"}, "CONFUSED", "ACADEMIC", {"2", "n"},
       "Returning to main combat menu.\n" + menu, 2},
      {"neither yes nor no to the cure", {"EXAMINE", "ANTIBIOTICS"}, {"POTION"}, "CONFUSED", "ACADEMIC",
       {"2", "maybe"}, "That's not a real answer...\n" + menu, 2},
      {"the cure cooling down", {"EXAMINE", "INFERENCE", "ANTIBIOTICS"}, {"POTION"}, "CONFUSED", "ACADEMIC", {"2"},
       "You are too CONFUSED to use any skills!!\n" + menu, 2, 2},
      {"a confused academic without the cure", {"EXAMINE", "INFERENCE", "HEAL"}, {"POTION"}, "CONFUSED", "ACADEMIC",
       {"2"}, "You are too CONFUSED to use any skills!!\n" + menu, 2},
      {"no skill numbered 0", {"EXAMINE"}, {"POTION"}, "UNINTERESTING", "CONVICT", {"2", "0"},
       "That's not a real skill...\n" + menu, 2},
      {"item list", {}, {"POTION"}, "UNINTERESTING", "CONVICT", {"3"},
       "Select an item - 1: POTION (2)\n" + kReturnHint, 16},
      {"an item not held", {}, {"POTION"}, "UNINTERESTING", "CONVICT", {"items", "7"},
       "That's not a real item...\n" + menu, 2},
      {"no items", {}, {}, "UNINTERESTING", "CONVICT", {"3"}, "You don't have any items...\n" + menu, 2},
      {"a two-target item asks first", {}, {"LSD"}, "UNINTERESTING", "CONVICT", {"3", "1"},
       "You can use this item on multiple targets.\n"
       "Would you like to use the LSD on yourself, \n"
       "or on the UNINTERESTING GOBLIN?\n"
       "\n"
       "(1) UNINTERESTING Bob\n"
       "(2) UNINTERESTING GOBLIN",
       17},
      {"and 'n' puts it away", {}, {"LSD"}, "UNINTERESTING", "CONVICT", {"3", "1", "n"},
       "Returning to main combat menu.\n" + menu, 2},
      {"or a wrong target", {}, {"SALT SHAKER"}, "UNINTERESTING", "CONVICT", {"3", "1", "3"},
       "That's not a real choice...\n" + menu, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.shows);
    player.skills.clear();
    for (const char* name : row.skills) player.skills.emplace_back(name, 1, true);
    if (!player.skills.empty()) player.skills.back().cooldownLeft = row.lastSkillCooldown;
    player.inventoryNames = row.items;
    player.inventoryCounts = {2, 0, 0, 0, 0, 0};
    player.quibblent = row.word;
    player.playerClass = row.heroClass;
    beginFight(goblin);
    std::string reply;
    for (const std::string& line : row.lines) reply = type(line);
    EXPECT_EQ(reply, row.reply);
    EXPECT_EQ(state.combatState, row.stateAfter);
  }
}

TEST_F(FightMenus, AConfusedAcademicWhoTakesTheCureUsesTheTurnOnIt) {
  holdSkills({"EXAMINE", "ANTIBIOTICS"});
  player.playerClass = "ACADEMIC";
  player.quibblent = "CONFUSED";
  beginFight(goblin);
  type("2");
  const std::string reply = type("y");
  EXPECT_TRUE(reply.ends_with(kEnemyTurnTail)) << reply;
  EXPECT_NE(player.quibblent, "CONFUSED");
  EXPECT_EQ(player.antibioticsUsed, 1);
  EXPECT_EQ(state.combatState, 7);
}

TEST_F(FightMenus, TheVeryNormalWarlockIsTwoGoblinsInRobes) {
  Creature warlock = goblin;
  warlock.quibblent = "VERY NORMAL";
  warlock.type = "WARLOCK";
  beginFight(warlock, 1);
  type("x");
  EXPECT_EQ(state.combatState, 50);
  EXPECT_EQ(type("wait"), "You stand around twiddling your thumbs like a chump.\n"
                          "The VERY NORMAL WARLOCK appears to be waiting for your move.\n"
                          "You have 3" +
                              kMenuTail);
  EXPECT_EQ(type("dance"), "Nope.\n"
                           "You have 3" +
                               kMenuTail);
  EXPECT_EQ(state.combatState, 50);
  EXPECT_EQ(type("2"), "Before you have a chance to do anything, the VERY NORMAL \n"
                       "WARLOCK's robes suddenly drop, revealing two GOBLINS \n"
                       "standing on top of each other! They squeak, their disguise \n"
                       "revealed, and scamper away. \n"
                       "You win???");
  EXPECT_EQ(state.combatState, 0);
  EXPECT_EQ(player.gold, 0);
  EXPECT_EQ(floorRecord.tileTexts[0], " lies some fake WARLOCK robes.");
}

TEST_F(FightMenus, TheSwordOfKingsScoldsLeavesAndDecidesWhoseTurnItIs) {
  for (const std::uint32_t coin : {1u, 0u}) {
    SCOPED_TRACE(coin);
    player.wieldsSwordOfKings = true;
    player.equipment[0].attack = 3;
    beginFight(goblin);
    EXPECT_EQ(type("1"), "You swing your SWORD OF KINGS as hard as you can.\n"
                         "But before it can connect with the enemy, it leaps out of \n"
                         "your hand and starts berating you!\n"
                         "[TYPE ANYTHING TO CONTINUE]");
    type("x");
    type("x");
    EXPECT_EQ(type("x"), "'Oh, and here, take your old weapon back. Such a second-rate\n"
                         "hunk of metal is a much better fit for a contemptible \n"
                         "swordsman such as yourself.' \n"
                         "You got the UNINTERESTING STICK! (ATK: 3)\n"
                         "[TYPE ANYTHING TO CONTINUE]");
    EXPECT_FALSE(player.wieldsSwordOfKings);
    dice::Script script({coin});
    const std::string leaving = type("x");
    EXPECT_EQ(state.combatState, coin != 0 ? 1 : 3);
    EXPECT_TRUE(leaving.ends_with(coin != 0 ? "the one you just took was wasted. \n"
                                              "[TYPE ANYTHING TO CONTINUE]"
                                            : "though yours was wasted. \n"
                                              "[TYPE ANYTHING TO CONTINUE]"));
  }
}

}  // namespace
