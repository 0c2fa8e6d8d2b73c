// Whole visits to the shops, the shrine, JIMMY and a scroll: the tile is
// entered as the direction words enter it, then the hero's lines go through
// the command step.
#include <gtest/gtest.h>

#include <string>

#include "encounters/shop_tiles.h"
#include "interpreter/timed_steps.h"
#include "tests/interpreter/prompt_play.h"

namespace {

constexpr int kEast = 2;

class ShopVisits : public PromptPlay {
 protected:
  void SetUp() override { startRun("Bob", "3"); }

  // What the direction word does before the tile's own outcome.
  std::string enter(void (*outcome)(GameState&, Floor&, PlayerRecord&, int), const char* kind) {
    floorRecord.tileKinds[kEast] = kind;
    state.lastReplyKind = 1;
    state.moveDirection = kEast;
    state.roomKey = kind;
    outcome(state, floorRecord, player, kEast);
    return state.messageBuffer;
  }

  static bool startsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
};

TEST_F(ShopVisits, GerardHagglesThenRunsFromAHeroWhoCannotPay) {
  EXPECT_TRUE(enter(enterGerardShop, "Shop")
                  .ends_with("Let's see here...'\n"
                             "[TYPE ANYTHING TO CONTINUE]"));
  const std::string offer = type("look");
  EXPECT_TRUE(startsWith(offer, "'OK kid, I got ")) << offer;
  EXPECT_TRUE(offer.ends_with(" GOLD, though. \n"
                              "Are you in or not?' (Y/N)"))
      << offer;
  EXPECT_TRUE(startsWith(type("what?"), "'I don't have time for your games, kid. You want it or not?'\n"
                                        "Purchase the "));
  EXPECT_EQ(type("n"), "'Fair enough. See you around, kid.' GERARD shoos you away, \n"
                       "and goes back to counting his money. \n"
                       "(You can talk to him again for a new, different offer.)");
  EXPECT_EQ(floorRecord.tileKinds[kEast], "Shop");

  enter(enterGerardShop, "Shop");
  type("");
  player.gold = state.offeredItem.price - 1;
  EXPECT_TRUE(startsWith(type("yes"), "'Hey, what kind of game are you running here?"));
  EXPECT_EQ(player.gold, state.offeredItem.price - 1);
  EXPECT_EQ(floorRecord.tileKinds[kEast], "");
  EXPECT_EQ(floorRecord.tileTexts[kEast], " is nothing but the wind.");
  EXPECT_EQ(state.pendingPrompt, 2);
}

TEST_F(ShopVisits, WombletonSellsUntilHeHasNoMoreToOffer) {
  state.wombletonOffersLeft = 2;
  player.gold = 100000;
  player.inventoryNames = {};
  player.inventoryCounts = {0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(enter(enterWombletonShop, "Shop2")
                  .ends_with("Let's see...\n"
                             "[TYPE ANYTHING TO CONTINUE]"));
  for (int sale = 1; sale <= 2; ++sale) {
    SCOPED_TRACE(sale);
    const std::string offer = type("");
    EXPECT_TRUE(startsWith(offer, "Through a series of inscrutable gestures and noises,\n"
                                  "WOMBLETON"))
        << offer;
    const int gold = player.gold;
    const int price = state.offeredItem.price;
    const std::string bought = type("y");
    EXPECT_TRUE(startsWith(bought, "WOMBLETON absorbs your gold into one of its many tentacles.\n"
                                   "You got "))
        << bought;
    EXPECT_EQ(player.gold, gold - price);
    EXPECT_TRUE(bought.ends_with(sale == 1 ? "[TYPE ANYTHING TO CONTINUE]" : "Seems he has no more to offer you."));
  }
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(floorRecord.tileKinds[kEast], "");
  EXPECT_EQ(floorRecord.tileTexts[kEast], " is a sense of impending dread");
}

TEST_F(ShopVisits, JimmyIsMetThenGreetedAsAFriendThenDrunk) {
  player.hp = 1;
  EXPECT_TRUE(startsWith(enter(enterJimmyFirstVisit, "Heal"), "You cautiously approach the POTION."));
  EXPECT_EQ(floorRecord.tileKinds[kEast], "Heal2");
  EXPECT_TRUE(startsWith(type("hmm"), "'What're you looking at me like that for, buddy?"));
  EXPECT_TRUE(startsWith(type("n"), "'Nice meeting you! Come by again sometime!'"));
  EXPECT_TRUE(startsWith(enter(enterJimmyLaterVisit, "Heal2"), "'Well, hi again, buddy!"));
  EXPECT_TRUE(type("y").ends_with("Full HP restored!"));
  EXPECT_EQ(player.hp, player.maxHp);
  EXPECT_EQ(state.achievements[6], "Bob");
  EXPECT_EQ(floorRecord.tileTexts[kEast], " is some broken glass.");
}

TEST_F(ShopVisits, HintsAreBoughtUntilTheHeroWalksAwayOrRunsOutOfGold) {
  player.gold = 3;
  EXPECT_TRUE(enter(enterHintShop, "Hint").ends_with("What do ya say? (Y/N)'"));
  EXPECT_TRUE(type("y").ends_with("Want another one? (Y/N)'"));
  EXPECT_TRUE(startsWith(type("y"), "'Oy! Now what's this then?"));
  EXPECT_EQ(player.gold, 1);

  player.gold = 45;
  EXPECT_TRUE(enter(enterHintHell, "Doom").ends_with("Pay 20 gold? (Y/N)"));
  EXPECT_TRUE(type("y").ends_with("\n"
                                  "Will you place another 20 gold in the shrine? (Y/N)"));
  EXPECT_TRUE(type("y").ends_with("\n"
                                  "Will you place another 20 gold in the shrine? (Y/N)"));
  EXPECT_TRUE(type("y").ends_with("Ouch! You take 2 damage."));
  EXPECT_EQ(player.gold, 5);
  EXPECT_EQ(state.pendingPrompt, 2);
}

TEST_F(ShopVisits, TheIllegibleScrollHandsOverToThePrank) {
  state.fateValue = 97;
  floorRecord.tileKinds[kEast] = "Scroll";
  floorRecord.tileScrollTiers[kEast].tier = 0;
  state.moveDirection = kEast;
  openPrompt(8);
  EXPECT_TRUE(startsWith(type(""), "...The scroll is totally illegible."));
  EXPECT_EQ(state.pendingPrompt, kTimedPagePrompt);
  // Nothing typed within the wait: the shell fires the page.
  EXPECT_TRUE(startsWith(fireTimedStep(state, floorRecord, player), "BOO!!!!!!!!! HAHAHA"));
  EXPECT_EQ(floorRecord.tileScrollTiers[kEast].tier, 10);
  EXPECT_EQ(type("x"), "Heheheheh... Stay on your toes!! Hee hee hee...");
  openPrompt(8);
  EXPECT_EQ(type(""), "'Watch your back! ;)'");
}

}  // namespace
