// Console transcripts of the items that win a fight without a blow: the win
// they announce is paid on the next line and the fight is over after it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

TEST(AnnouncedWinsConsole, AnItemThatWinsTheFightPaysOnTheNextLine) {
  // Columns: what, the foe's word, the item held, the lines that use it, the
  // end of the reply that announces the win, the experience won.
  struct Row {
    const char* what;
    const char* foeWord;
    const char* item;
    std::vector<std::string> useLines;
    std::string announced;
    int exp;
  };
  const Row rows[] = {
      {"LSD for a CONFUSED foe", "CONFUSED", "LSD", {"3", "1", "2"},
       "They fall over and lie on the ground, utterly transfixed\n"
       "by the beauty and truth in all things.\n"
       "The battle is over. You win!\n"
       "[TYPE ANYTHING TO CONTINUE]",
       20},
      // The win costs experience: the reward is turned negative.
      {"the AIRHORN for a GAMER", "GAMER", "AIRHORN", {"3", "1"},
       "You use the airhorn. HOOOOOOOOONK!\n"
       "The enemy does a rad triple-kickflip and GAMER-JUMPS far,\n"
       "far away. You win???\n"
       "[TYPE ANYTHING TO CONTINUE]",
       -20},
      {"the AIRHORN for an MLG", "MLG", "AIRHORN", {"3", "1"},
       "You use the airhorn. HOOOOOOOOONK!\n"
       "The enemy does a rad triple-kickflip and GAMER-JUMPS far,\n"
       "far away. You win???\n"
       "[TYPE ANYTHING TO CONTINUE]",
       -20},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ScratchDir scratch;
    ASSERT_TRUE(writeCraftedRun("Fay", "2", [&row](GameState&, Floor& f, PlayerRecord& h) {
      f.tileKinds[0] = "Mon";
      f.tileCreatures[0] = Creature(row.foeWord, "GOBLIN", 1);
      f.tileCreatures[0].expReward = 20;
      f.tileCreatures[0].goldReward = 3;
      h.inventoryNames = {row.item};
      h.inventoryCounts = {1, 0, 0, 0, 0, 0};
      h.exp = 10;
      h.gold = 5;
    }));
    std::vector<std::string> lines = {"Fay", "north", ""};
    lines.insert(lines.end(), row.useLines.begin(), row.useLines.end());
    lines.insert(lines.end(), {"", "", "status", "inventory", "info", "look"});
    const ConsoleRun run = runConsole(lines, 3);
    ASSERT_EQ(run.blocks.size(), lines.size() + 1) << run.rawOutput;
    const std::size_t win = 3 + row.useLines.size();
    EXPECT_TRUE(run.blocks[win].ends_with(row.announced)) << run.blocks[win];
    // The line after the win pays it; the enemy takes no turn.
    EXPECT_EQ(run.blocks[win + 1], "You defeated the " + std::string(row.foeWord) +
                                       " GOBLIN handily!!\n"
                                       "You gained " +
                                       std::to_string(row.exp) +
                                       " experience and 3 gold.\n"
                                       "[TYPE ANYTHING TO CONTINUE]");
    EXPECT_EQ(run.blocks[win + 2], "You crack your knuckles, satisfied. These combat encounters\n"
                                   "are going great!");
    EXPECT_NE(run.blocks[win + 3].find("You have " + std::to_string(10 + row.exp) + " XP and 8 gold"),
              std::string::npos)
        << run.blocks[win + 3];
    EXPECT_EQ(run.blocks[win + 4], "You do not currently have any items!!\n");
    EXPECT_NE(run.blocks[win + 5].find("You have killed 1 monsters."), std::string::npos) << run.blocks[win + 5];
    // Out of the fight: the typed word is a free command again.
    EXPECT_TRUE(run.blocks[win + 6].starts_with("To the NORTH lies the corpse of an enemy you killed."))
        << run.blocks[win + 6];
  }
}

}  // namespace
