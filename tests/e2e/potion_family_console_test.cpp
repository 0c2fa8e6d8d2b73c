// The potion family's achievement across runs at the console: JIMMY drunk by
// one hero, then JOHNNY's power swapped away by another, read back from the
// meta save by a fresh start of the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

// The lines of the meta save, split at each line break.
std::vector<std::string> metaLines() {
  const std::string text = slurp("saves/meta-save.txt");
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

constexpr std::size_t kPotionSlotLine = 7 + 6;
constexpr std::size_t kPotionProgressLine = 27;

TEST(PotionFamilyConsole, SwappingJohnnysPowerTakesTheAchievementFromJimmysKiller) {
  ScratchDir scratch;
  // Amy drinks JIMMY, who waits to the north.
  ASSERT_TRUE(writeCraftedRun("Amy", "2", [](GameState&, Floor& f, PlayerRecord&) {
    f.tileKinds[0] = "Heal";
    f.tileTexts[0] = " is a POTION.";
  }));
  const ConsoleRun jimmy = runConsole({"Amy", "north", "y"}, 3);
  ASSERT_EQ(jimmy.blocks.size(), 4u) << jimmy.rawOutput;
  EXPECT_TRUE(jimmy.blocks[3].starts_with("'Hey, what're y-AAAAAAAAAAAAAAAAAAHHHHHH!!! MY FLUIDS!")) << jimmy.blocks[3];
  std::vector<std::string> meta = metaLines();
  ASSERT_EQ(meta.size(), 28u);
  EXPECT_EQ(meta[kPotionSlotLine], "Amy");
  EXPECT_EQ(meta[kPotionProgressLine], "0");

  // Fay meets his vengeful brother to the east and swaps his power away.
  ASSERT_TRUE(writeCraftedRun("Fay", "2", [](GameState&, Floor& f, PlayerRecord& h) {
    f.tileKinds[2] = "Mon";
    f.tileCreatures[2] = Creature("JOHNNY THE", "POTION", 0);
    h.quibblent = "DAMP";
    h.skills = {Action("QBL.SWAP", 1, true)};
  }));
  const ConsoleRun swap = runConsole({"Fay", "east", "", "2", "1"}, 3);
  ASSERT_EQ(swap.blocks.size(), 6u) << swap.rawOutput;
  EXPECT_EQ(swap.blocks[5], "Fay unleashes the terrible power of the QBL.SWAP...\n"
                            "Aha! The QBL.SWAP has taken the power of INCREDIBLE POTION \n"
                            "DEXTERITY from JOHNNY! He's now DAMP!\n"
                            "It is now the enemy's turn.\n"
                            "[TYPE ANYTHING TO CONTINUE]");
  meta = metaLines();
  ASSERT_EQ(meta.size(), 28u);
  EXPECT_EQ(meta[kPotionSlotLine], "Fay");
  EXPECT_EQ(meta[kPotionProgressLine], "2");

  // A fresh start reads it back, and the achievement tells of the swap.
  const ConsoleRun viewer = runConsole({"Fay", "achievements", "7"}, 3);
  ASSERT_EQ(viewer.blocks.size(), 4u) << viewer.rawOutput;
  EXPECT_EQ(viewer.blocks[3], "ACHIEVEMENT #7 - \"Johnnification\"\n"
                              "Achieved by Fay.\n"
                              "\n"
                              "Through the power of JOHNNIFICATION, you created a new \n"
                              "adventurer: 'JOHNNY THE Fay'. Good job...?");
}

}  // namespace
