// Console transcripts of the secret rooms: the wizard's study from the dark
// room to the locked door, and a trap that works once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

TEST(SecretRoomConsole, TheWizardImbuesTheHeroAndLocksHisStudy) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Ivy", "2", [](GameState&, Floor& f, PlayerRecord& h) {
    f.secretRoomKnown = true;
    f.secretRoomKind = "Wizard";
    h.inventoryNames = {"POTION"};
    h.inventoryCounts = {2, 0, 0, 0, 0, 0};
  }));
  const ConsoleRun run = runConsole({"Ivy", "secret", "n", "", "", "1", "", "", "secret", "status"});
  ASSERT_EQ(run.blocks.size(), 11u) << run.rawOutput;
  EXPECT_EQ(run.blocks[2], "You enter the secret room, and it is pitch black. An eerie \n"
                           "voice whispers from seemingly everywhere at once... \n"
                           "'O explorer, what is it you seek? Is it a love potion?'\n"
                           "(Y/N)");
  EXPECT_TRUE(run.blocks[3].starts_with("'...Really? Good.' The room lights up with a crash of \n"
                                        "lightning."));
  EXPECT_TRUE(run.blocks[4].starts_with("'Well, explorer, I'll give you credit:"));
  EXPECT_EQ(run.blocks[5], "Select an item - 1: POTION (2)\n");
  EXPECT_EQ(run.blocks[6], "Garglefloxx takes your POTION.\n"
                           "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
                           "A flash of bright light engulfs you; when you come to, you \n"
                           "feel... different.\n"
                           "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_TRUE(run.blocks[7].starts_with("Garglefloxx nods at you. 'It worked. With this spell, you \n"
                                        "are imbued with a healing energy."));
  EXPECT_TRUE(run.blocks[8].starts_with("He smiles at you. 'Excellent. Now, get the hell out of my \n"
                                        "study!'"));
  EXPECT_EQ(run.blocks[9], "The secret room is held shut with powerful magic.\n"
                           "That ship has sailed and you aren't getting another chance.");
  const std::string meta = slurp("saves/meta-save.txt");
  EXPECT_NE(meta.find("\n"
                      "Ivy\n"),
            std::string::npos)
      << "the imbuement's achievement is kept";
}

TEST(SecretRoomConsole, TheTrapPoisonsOnceAndTheCurseRoomStaysHidden) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Ivy", "1", [](GameState&, Floor& f, PlayerRecord&) {
    f.secretRoomKnown = true;
    f.secretRoomKind = "Trap";
  }));
  const ConsoleRun run = runConsole({"Ivy", "secret", "secret", "secret2"});
  ASSERT_EQ(run.blocks.size(), 5u) << run.rawOutput;
  EXPECT_TRUE(run.blocks[2].starts_with("You enter the secret room, but the second you step in, a \n"
                                        "poison dart shoots out and hits you! Damn, it was a trap! \n"))
      << run.blocks[2];
  EXPECT_EQ(run.blocks[3], "You enter the secret room but there's nothing in there. \n"
                           "You've already been here, remember?");
  EXPECT_EQ(run.blocks[4], "Don't be ridiculous.");
}

}  // namespace
