// Console transcripts of the shops: a crafted run puts the shop east of the
// hero, and the hero walks there by typing "east". The console's first reply
// is the name question, the second the loaded run.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

constexpr int kEast = 2;

const std::string kNothingThere = "You walk over to the tile but there is nothing important \n"
                                  "there. You stand around twiddling your thumbs for a bit, \n"
                                  "but eventually it starts to feel rather silly. \n"
                                  "You return to the center.";

bool startsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

TEST(ShopConsole, GerardRunsFromAPennilessHeroAndLeavesOnlyWind) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", [](GameState&, Floor& f, PlayerRecord& h) {
    f.tileKinds[kEast] = "Shop";
    h.gold = 0;
  }));
  const ConsoleRun run = runConsole({"Bob", "east", "", "y", "east"});
  ASSERT_EQ(run.blocks.size(), 6u) << run.rawOutput;
  EXPECT_EQ(run.blocks[2], "You approach the MAN... He quickly grabs you roughly, \n"
                           "shushes you, and pulls you to a secluded corner of the room.\n"
                           "'Listen here, kid. I'm SNEAKFUL GERARD, and here at SNEAKFUL\n"
                           "GERARD'S SHOPPERY, we ain't got time for games. I got items, \n"
                           "you got money, let's make a deal. Let's see here...'\n"
                           "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_TRUE(startsWith(run.blocks[3], "'OK kid, I got ")) << run.blocks[3];
  EXPECT_EQ(run.blocks[4], "'Hey, what kind of game are you running here? That's not \n"
                           "enough money at all. Man, I don't need to deal with \n"
                           "people like you.' GERARD runs off out of your sight, and \n"
                           "a few moments later it's like he was never there...");
  EXPECT_EQ(run.blocks[5], kNothingThere);
}

TEST(ShopConsole, WombletonTakesARefusalInSilence) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "1", [](GameState& s, Floor& f, PlayerRecord&) {
    f.tileKinds[kEast] = "Shop2";
    s.cousinGreeting = 0;
  }));
  const ConsoleRun run = runConsole({"Bob", "east", "", "n"});
  ASSERT_EQ(run.blocks.size(), 5u) << run.rawOutput;
  EXPECT_TRUE(startsWith(run.blocks[2], "You approach WOMBLETON WAMBLEFLUMP THE SHOP THING. Without\n"));
  EXPECT_TRUE(startsWith(run.blocks[3], "Through a series of inscrutable gestures and noises,\n")) << run.blocks[3];
  EXPECT_EQ(run.blocks[4], "WOMBLETON goes perfectly, deathly still. You shuffle \n"
                           "away uncomfortably. Sure hope he doesn't hold a grudge.");
}

TEST(ShopConsole, JimmyIsDrunkAndOnlyGlassRemains) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "3", [](GameState&, Floor& f, PlayerRecord& h) {
    f.tileKinds[kEast] = "Heal";
    h.hp = 2;
  }));
  const ConsoleRun run = runConsole({"Bob", "east", "y", "east"});
  ASSERT_EQ(run.blocks.size(), 5u) << run.rawOutput;
  EXPECT_TRUE(startsWith(run.blocks[2], "You cautiously approach the POTION. It smiles up at you and \n"));
  EXPECT_EQ(run.blocks[3], "'Hey, what're y-AAAAAAAAAAAAAAAAAAHHHHHH!!! MY FLUIDS! MY \n"
                           "PRECIOUS FLUIDS! PLEASE, NOOOOOOOOOoooooooooooo...' \n"
                           "\n"
                           "You drink away JIMMY's lifeforce, and casually throw away \n"
                           "the empty bottle when you're done. Full HP restored!");
  EXPECT_EQ(run.blocks[4], kNothingThere);
}

TEST(ShopConsole, HintSellersTurnAwayTheHeroWithNoGold) {
  ScratchDir scratch;
  ASSERT_TRUE(writeCraftedRun("Bob", "2", [](GameState& s, Floor& f, PlayerRecord& h) {
    f.tileKinds[kEast] = "Hint";
    f.tileKinds[kEast + 2] = "Doom";
    s.fateValue = 10;
    h.gold = 0;
    h.hp = 30;
  }));
  const ConsoleRun run = runConsole({"Bob", "east", "y", "south", "y"});
  ASSERT_EQ(run.blocks.size(), 6u) << run.rawOutput;
  EXPECT_TRUE(startsWith(run.blocks[2], "You approach HINTLY MCGEE's HINT EMPORIUM."));
  EXPECT_EQ(run.blocks[3], "'Oy! Now what's this then? Ya don't even have 2 GOLD???\n"
                           "Simpleton! Peasant! Have-not! Get out of my face!'\n"
                           "He angrily shoves you away...");
  EXPECT_TRUE(startsWith(run.blocks[4], "You cautiously approach HINT HELL WITH FL'GARHH.\n"));
  EXPECT_EQ(run.blocks[5], "'CEASE YOUR DECEPTION. THIS PAYMENT IS INSUFFICIENT.'\n"
                           "Your gold is shot back out of the shrine at high velocity, \n"
                           "hitting you in the head. Ouch! You take 2 damage.");
}

}  // namespace
