#include <gtest/gtest.h>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

// Using, dropping and the skills that work outside a fight, typed at the console.
TEST(UseAndDropTranscript, UsingAndDroppingAtTheConsole) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", [](GameState&, Floor&, PlayerRecord& h) {
    h.inventoryNames = {"POTION", "HAT"};
    h.inventoryCounts = {3, 1, 0, 0, 0, 0};
    h.maxHp = 30;
    h.hp = 10;
    h.skills = {Action("HEAL", 1, true)};
  }));
  const ConsoleRun run = runConsole({"Bob", "use item 0", "use item x", "use item 12", "use potion", "heal",
                                     "drop item 1", "drop hat", "drop 0", "use item 1"});
  ASSERT_EQ(run.blocks.size(), 11u);
  const std::vector<std::string> replies(run.blocks.begin() + 2, run.blocks.end());
  EXPECT_EQ(replies, std::vector<std::string>({
                         "Wh- hey, what are you trying to pull here!?",
                         "NO",
                         "Wh- hey, what are you trying to pull here!?",
                         "You drink the potion. It tastes like a mix of strawberries\n"
                         "and piss. You are now at 25 / 30 HP!",
                         "You use HEAL, recovering 10 HP!!",
                         "You throw away all of your POTION.",
                         "You throw away your HAT.",
                         "You do such a good job getting rid of the item, you never \n"
                         "even had it in the first place! Wowzers.",
                         "Wh- hey, what are you trying to pull here!?",
                     }));
}

}  // namespace
