// Console transcripts of the main roads through a fight: a win that levels
// the hero up, fleeing, waiting, and a death that ends on the death page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

const std::string kMenu = "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";

// A CONVICT named Fay with a weak GOBLIN to the north, an ORC to the east
// and an ELITE ORC to the south.
void craftFay(int expBefore, int hitPoints = 30) {
  ASSERT_TRUE(writeCraftedRun("Fay", "2", [expBefore, hitPoints](GameState&, Floor& f, PlayerRecord& h) {
    f.tileKinds[0] = "Mon";
    f.tileCreatures[0] = Creature("UNINTERESTING", "GOBLIN", 1);
    f.tileCreatures[0].hp = 1;
    f.tileKinds[2] = "Mon";
    f.tileCreatures[2] = Creature("UNINTERESTING", "ORC", 1);
    f.tileKinds[4] = "Mon";
    f.tileCreatures[4] = Creature("ELITE", "ORC", 1);
    h.exp = expBefore;
    h.hp = hitPoints;
    // A CONVICT rises once from death; these heroes have used that up.
    h.willpower = false;
  }));
}

TEST(FightConsole, AWinOnTheFirstFloorPaysAndLevelsTheHeroUp) {
  ScratchDir scratch;
  craftFay(99);
  const ConsoleRun run = runConsole({"Fay", "north", "", "1", "", "", "", "look"}, 3);
  ASSERT_EQ(run.blocks.size(), 9u) << run.rawOutput;
  EXPECT_EQ(run.blocks[2], "Beginning combat with UNINTERESTING GOBLIN...\n"
                           "You have first go.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(run.blocks[3], "It's your move.\n"
                           "You have 3 dodges left.\n" +
                               kMenu);
  EXPECT_TRUE(run.blocks[4].starts_with("You swing your ")) << run.blocks[4];
  EXPECT_EQ(run.blocks[5], "You defeated the UNINTERESTING GOBLIN handily!!\n"
                           "You gained 20 experience and 3 gold.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_TRUE(run.blocks[6].starts_with("LEVEL UP!! You are now level 2!\n"
                                        "You have been fully healed and gained 1 dodge.\n"))
      << run.blocks[6];
  EXPECT_TRUE(run.blocks[8].starts_with("To the NORTH lies the corpse of an enemy you killed.")) << run.blocks[8];
}

TEST(FightConsole, FleeingEndsTheFightAndTheEnemyStays) {
  ScratchDir scratch;
  craftFay(0);
  const ConsoleRun run = runConsole({"Fay", "east", "", "4", "look"}, 3);
  ASSERT_EQ(run.blocks.size(), 6u) << run.rawOutput;
  EXPECT_EQ(run.blocks[4], "You run away like a coward. The UNINTERESTING ORC \n"
                           "watches you suspiciously, but makes no move to attack. \n"
                           "You are now out of combat.");
  EXPECT_NE(run.blocks[5].find("To the EAST stands a UNINTERESTING ORC."), std::string::npos) << run.blocks[5];
}

TEST(FightConsole, WaitingGivesTheEnemyItsTurnAndTheDodgeQuestion) {
  ScratchDir scratch;
  craftFay(0);
  const ConsoleRun run = runConsole({"Fay", "east", "", "wait", "", "maybe", "y"}, 3);
  ASSERT_EQ(run.blocks.size(), 8u) << run.rawOutput;
  EXPECT_EQ(run.blocks[4], "You stand around twiddling your thumbs like a chump.\n"
                           "Nothing happened!\n"
                           "It is now the enemy's turn.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(run.blocks[5], "The UNINTERESTING ORC is choosing to use ATTACK.\n"
                           "Would you like to dodge? (Y/N or 1/2)\n"
                           "You have 3 dodges left.");
  EXPECT_EQ(run.blocks[6], "Ok, your answer was very clever and all, but how about \n"
                           "you type Y or N this time instead?\n"
                           "You have 3 dodges left.");
  EXPECT_TRUE(run.blocks[7].ends_with("You have 2 dodges left.\n" + kMenu)) << run.blocks[7];
}

TEST(FightConsole, ADeathInAFightEndsOnTheDeathPageAndTheMemorial) {
  ScratchDir scratch;
  craftFay(0, 5);
  const ConsoleRun run = runConsole({"Fay", "south", "", "wait", "", "n", "", "n"}, 3);
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(run.blocks.size(), 9u) << run.rawOutput;
  EXPECT_TRUE(run.blocks[6].ends_with("That's it for you. GAME OVER.\n"
                                      "[TYPE ANYTHING TO CONTINUE]"))
      << run.blocks[6];
  EXPECT_EQ(run.blocks[7], "You died on floor 1. GAME OVER!\n"
                           "\n"
                           "Your save file has been updated; it is now a memorial for \n"
                           "your fallen adventurer.\n"
                           "\n"
                           "Would you like to start a new game? (Y/N)");
  EXPECT_EQ(run.blocks[8], "Ok, fuck off then.");
  const std::string memorial = slurp("saves/Fay.txt");
  EXPECT_TRUE(memorial.starts_with("[DEAD FILE]")) << memorial.substr(0, 200);
  EXPECT_NE(memorial.find("ELITE ORC"), std::string::npos) << "the memorial names the monster";
}

}  // namespace
