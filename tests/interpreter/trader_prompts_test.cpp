// WOMBLETON's and SNEAKFUL GERARD's prices, offers and deals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/trader_prompts.h"
#include "tests/interpreter/prompt_play.h"

namespace {

TEST(TraderPrices, EachTraderHasHisOwnPriceRule) {
  struct Row {
    int itemPrice;
    int cousinGreeting;
    const char* playerClass;
    int wombleton;
    int gerard;
  };
  const Row rows[] = {
      {100, 0, "ACADEMIC", 50, 100},
      {101, 1, "CONVICT", 50, 101},       // asked to pass the news on is not having passed it
      {100, 2, "CONVICT", 33, 100},       // 50 x 0.67 = 33.5
      {100, 0, "OPPORTUNIST", 33, 67},
      {100, 2, "OPPORTUNIST", 22, 67},    // 50, then 33, then 22.11: truncated at each step
      {299, 2, "OPPORTUNIST", 66, 200},   // 149, 99.83 -> 99, 66.33 -> 66; 200.33 -> 200
      {3, 2, "OPPORTUNIST", 1, 2},        // 1, then 0: never nothing at WOMBLETON
      {1, 0, "ACADEMIC", 1, 1},
      {1, 0, "OPPORTUNIST", 1, 0},        // GERARD has no least price
      {0, 0, "ACADEMIC", 1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.itemPrice) + " " + row.playerClass);
    EXPECT_EQ(wombletonPrice(row.itemPrice, row.cousinGreeting, row.playerClass), row.wombleton);
    EXPECT_EQ(gerardPrice(row.itemPrice, row.playerClass), row.gerard);
  }
}

const std::string kWombletonScoldOpening = "WOMBLETON cocks you a look that either means 'I don't \n"
                                           "understand you' or 'I shall destroy you with the force of \n"
                                           "ten million million damned souls.' It's always hard to tell \n"
                                           "with him. Maybe you should try to be a little bit clearer.\n"
                                           "Purchase the ";
const std::string kGerardScoldOpening = "'I don't have time for your games, kid. You want it or not?'\n"
                                        "Purchase the ";
const std::string kWombletonBought = "WOMBLETON absorbs your gold into one of its many tentacles.\n"
                                     "You got ";
const std::string kGerardBought =
    "'Perfect. Let's see here, one... two... Yep, you got the \n"
    "goods. Here you go.' You got ";
const std::string kWombletonMore =
    "WOMBLETON gurgles amicably. \n"
    "Seems he has more to show you. \n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kWombletonDone =
    "WOMBLETON returns to the void from whence he came. \n"
    "Seems he has no more to offer you.";
const std::string kGerardMore = "'Excellent. Alright kid, I've got another deal for you.' \n"
                                "[TYPE ANYTHING TO CONTINUE]";
const std::string kGerardDone = "You move to thank GERARD for the purchase and...\n"
                                "Hey, where'd he go?";
const std::string kWombletonStill =
    "WOMBLETON goes perfectly, deathly still. You shuffle \n"
    "away uncomfortably. Sure hope he doesn't hold a grudge.";
const std::string kWombletonVanishes =
    "WOMBLETON suddenly ceases to exist! Apparently saying 'no' \n"
    "to him too many times is bad for his internal structural \n"
    "integrity. Or something. Hmm.";
const std::string kGerardFair =
    "'Fair enough. See you around, kid.' GERARD shoos you away, \n"
    "and goes back to counting his money. \n"
    "(You can talk to him again for a new, different offer.)";
const std::string kGerardStingy =
    "'You're a real stingy kid, you know that? I don't think our \n"
    "business relationship is working out. See you around.' \n"
    "GERARD runs off out of your sight, and a few moments later \n"
    "it's like he was never there...";
const std::string kWombletonScreech =
    "WOMBLETON screeches at you in the tongues of the damned, \n"
    "causing an uncontrollable bout of gibbering madness. When it \n"
    "subsides, you are left with a distinct impression that you \n"
    "do not have enough GOLD for his tastes.";
const std::string kGerardBroke =
    "'Hey, what kind of game are you running here? That's not \n"
    "enough money at all. Man, I don't need to deal with \n"
    "people like you.' GERARD runs off out of your sight, and \n"
    "a few moments later it's like he was never there...";
const std::string kWombletonFull =
    "WOMBLETON stares at you for what feels like hours... then \n"
    "shakes its head. Suddenly, you feel a burning, almost \n"
    "intolerable sense that you are carrying too many items. \n"
    "Your knees buckle, and you fall to the ground. \n"
    "WOMBLETON simply continues staring at you.";
const std::string kGerardFull =
    "'Hmm... sorry, kid, but you're carrying too many items for \n"
    "me to give you this. No refunds. Hey, but listen! If you can \n"
    "clear that inventory up, I'll be right here when you want \n"
    "to buy somethin' else.'";

// The six-kind inventory of a hero with no room left.
const std::vector<std::string> kFullHands = {"POTION", "MATCH", "LSD", "SALT SHAKER", "AIRHORN", "KEROSENE"};

enum class Offer { Sword21, Sword20, Potions3, Calculator, Armor };

ItemRecord offered(Offer offer) {
  ItemRecord item;
  switch (offer) {
    case Offer::Sword21:
      item.name = "EXTRAVAGANT LONGSWRD";  // 20 letters, made 21 below
      item.name += "S";
      item.type = "LONGSWRDS";
      item.lootKind = "Weapon";
      item.attack = 9;
      item.quantity = 1;
      break;
    case Offer::Sword20:
      item.name = "EXTRAVAGANT LONGSWRD";
      item.type = "LONGSWRD";
      item.lootKind = "Weapon";
      item.attack = 9;
      item.quantity = 1;
      break;
    case Offer::Potions3:
      item.name = item.type = "POTION";
      item.lootKind = "Small";
      item.quantity = 3;
      break;
    case Offer::Calculator:
      item.name = item.type = "CALCULATOR";
      item.lootKind = "Large";
      item.quantity = 1;
      break;
    case Offer::Armor:
      item.name = "DAMP CHAINMAIL";
      item.type = "CHAINMAIL";
      item.lootKind = "Armor";
      item.defence = 4;
      item.quantity = 1;
      break;
  }
  item.price = 12;
  return item;
}

struct DealRow {
  const char* what;
  int prompt;  // 11 WOMBLETON, 13 GERARD
  Offer offer;
  std::string line;
  int gold;
  bool fullHands;
  int salesLeft;
  int refusals;
  std::string reply;
  int goldAfter;
  int promptAfter;
  int salesLeftAfter;
  int refusalsAfter;
  bool tileEmptied;
};

const DealRow kDealRows[] = {
    {"W: unclear, long name", 11, Offer::Sword21, "", 50, false, 3, 0,
     kWombletonScoldOpening + "EXTRAVAGANT LONGSWRDS for\n"
                              "12 gold? (Y/N)",
     50, 11, 3, 0, false},
    {"W: unclear, 20 letters", 11, Offer::Sword20, "what", 50, false, 3, 0,
     kWombletonScoldOpening + "EXTRAVAGANT LONGSWRD for 12 gold? (Y/N)", 50, 11, 3, 0, false},
    {"G: unclear, several", 13, Offer::Potions3, " yes", 50, false, 3, 0,
     kGerardScoldOpening + "3 POTION for 12 gold? (Y/N)", 50, 13, 3, 0, false},
    {"W: no", 11, Offer::Potions3, "n", 50, false, 3, 6, kWombletonStill, 50, 2, 3, 7, false},
    {"W: eighth no", 11, Offer::Potions3, "2", 50, false, 3, 7, kWombletonVanishes, 50, 2, 3, 8, true},
    {"G: fourth no", 13, Offer::Potions3, "n", 50, false, 3, 3, kGerardFair, 50, 2, 3, 4, false},
    {"G: fifth no", 13, Offer::Potions3, "no", 50, false, 3, 4, kGerardStingy, 50, 2, 3, 5, true},
    {"W: too poor", 11, Offer::Armor, "y", 11, false, 3, 0, kWombletonScreech, 11, 2, 3, 0, false},
    {"G: too poor", 13, Offer::Armor, "y", 11, false, 3, 0, kGerardBroke, 11, 2, 3, 0, true},
    {"W: full hands, gold back", 11, Offer::Calculator, "y", 12, true, 3, 0, kWombletonFull, 12, 2, 3, 0, false},
    {"G: full hands, no refunds", 13, Offer::Calculator, "y", 12, true, 3, 0, kGerardFull, 0, 2, 3, 0, false},
    {"W: full hands but a stack to add to", 11, Offer::Potions3, "y", 12, true, 2, 0,
     kWombletonBought + "3 POTION!!\n" + kWombletonMore, 0, 10, 1, 0, false},
    {"W: last sale", 11, Offer::Calculator, "1", 20, false, 1, 0,
     kWombletonBought + "1 CALCULATOR!!\n" + kWombletonDone, 8, 2, 0, 0, true},
    {"G: a weapon", 13, Offer::Sword20, "yes", 20, false, 2, 0,
     kGerardBought + "a EXTRAVAGANT LONGSWRD!!\n" + kGerardMore, 8, 12, 1, 0, false},
    {"G: last sale", 13, Offer::Potions3, "y", 12, false, 1, 0, kGerardBought + "3 POTION!! \n" + kGerardDone, 0,
     2, 0, 0, true},
};

class TraderDeals : public PromptPlay {};

TEST_F(TraderDeals, AnswersToAnOfferByTraderGoldAndRoom) {
  constexpr int kTile = 6;
  for (const DealRow& row : kDealRows) {
    SCOPED_TRACE(row.what);
    const bool wombleton = row.prompt == 11;
    player = PlayerRecord();
    player.gold = row.gold;
    if (row.fullHands) {
      player.inventoryNames = kFullHands;
      player.inventoryCounts = {1, 1, 1, 1, 1, 1};
    }
    state.offeredItem = offered(row.offer);
    state.moveDirection = kTile;
    floorRecord.tileKinds[kTile] = wombleton ? "Shop2" : "Shop";
    floorRecord.tileTexts[kTile] = "stand";
    int& salesLeft = wombleton ? state.wombletonOffersLeft : state.gerardDealsLeft;
    int& refusals = wombleton ? state.wombletonRefusals : state.gerardRefusals;
    salesLeft = row.salesLeft;
    refusals = row.refusals;
    openPrompt(row.prompt);

    EXPECT_EQ(type(row.line), row.reply);

    EXPECT_EQ(player.gold, row.goldAfter);
    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(salesLeft, row.salesLeftAfter);
    EXPECT_EQ(refusals, row.refusalsAfter);
    EXPECT_EQ(floorRecord.tileKinds[kTile].empty(), row.tileEmptied);
    if (row.tileEmptied) {
      EXPECT_EQ(floorRecord.tileTexts[kTile],
                wombleton ? " is a sense of impending dread" : " is nothing but the wind.");
    }
  }
}

TEST_F(TraderDeals, WhatIsBoughtIsWhatTheHeroGets) {
  // A weapon replaces the wielded one at once, its bonus for the old one's.
  player.equipment[0].name = "OLD STICK";
  player.equipment[0].attack = 2;
  player.attack = 6;
  player.gold = 40;
  state.offeredItem = offered(Offer::Sword20);
  state.wombletonOffersLeft = 3;
  openPrompt(11);
  type("y");
  EXPECT_EQ(player.equipment[0].name, "EXTRAVAGANT LONGSWRD");
  EXPECT_EQ(player.attack, 13);

  state.offeredItem = offered(Offer::Armor);
  openPrompt(13);
  state.gerardDealsLeft = 3;
  type("y");
  EXPECT_EQ(player.equipment[1].name, "DAMP CHAINMAIL");
  EXPECT_EQ(player.defence, 4);

  // Consumables join the stack, and a POTION sold is one fewer for sale.
  player.inventoryNames = {"POTION"};
  player.inventoryCounts = {2, 0, 0, 0, 0, 0};
  state.potionsForSale = 3;
  state.offeredItem = offered(Offer::Potions3);
  openPrompt(11);
  type("y");
  EXPECT_EQ(player.inventoryCounts[0], 5);
  EXPECT_EQ(state.potionsForSale, 2);
  EXPECT_EQ(player.gold, 40 - 12 * 3);
}

TEST_F(TraderDeals, AnOfferIsRolledPricedAndShown) {
  struct Row {
    const char* what;
    int prompt;  // 10 WOMBLETON, 12 GERARD
    std::uint32_t pick;
    int floorNumber;
    const char* lootKind;
  };
  const Row rows[] = {
      {"W weapon", 10, 0, 2, "Weapon"},
      {"W armor below floor 4 is a small item", 10, 1, 3, "Small"},
      {"W armor", 10, 5, 4, "Armor"},
      {"G armor on floor 1", 12, 1, 1, "Armor"},
      {"G small", 12, 2, 9, "Small"},
      {"G large", 12, 7, 9, "Large"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    player.playerClass = "ACADEMIC";
    floorRecord.floorNumber = row.floorNumber;
    openPrompt(row.prompt);
    std::string reply;
    {
      // The trader's pick comes first; the item's own rolls follow.
      std::vector<std::uint32_t> draws(64, 1);
      draws[0] = row.pick;
      dice::Script script(draws);
      reply = type("");
    }
    const ItemRecord& item = state.offeredItem;
    EXPECT_EQ(state.pendingPrompt, row.prompt + 1);
    EXPECT_EQ(item.lootKind, row.lootKind);
    ASSERT_GE(item.quantity, 1);
    ASSERT_LE(item.quantity, 4);
    const std::string units = item.quantity >= 2 ? std::to_string(item.quantity) + " " + item.name : item.name;
    std::string expected;
    if (row.prompt == 10) {
      expected = "Through a series of inscrutable gestures and noises,\n"
                 "WOMBLETON indicates something that probably means he is\n"
                 "offering you " +
                 std::string(item.quantity >= 2 ? "" : "a ") + units + " for " + std::to_string(item.price) +
                 " GOLD.\n"
                 "Will you accept this deal? (Y/N)" +
                 (item.quantity >= 2 ? "" : "\n");
    } else if (item.quantity >= 2) {
      expected = "'OK kid, I got " + units +
                 " with your name on 'em. \n"
                 "It's gonna cost you " +
                 std::to_string(item.price) +
                 " GOLD, though. \n"
                 "Are you in or not?' (Y/N)";
    } else {
      expected = "'OK kid, I got a " + units +
                 " with your name \n"
                 "on it. It's gonna cost you " +
                 std::to_string(item.price) +
                 " GOLD, though. \n"
                 "Are you in or not?' (Y/N)";
    }
    EXPECT_EQ(reply, expected);

    // Gear is the loot the same rolls make, at the trader's price.
    if (item.lootKind == std::string("Weapon") || item.lootKind == std::string("Armor")) {
      dice::Script sameRolls(std::vector<std::uint32_t>(63, 1));
      const ItemRecord loot(row.lootKind, row.floorNumber);
      EXPECT_EQ(item.name, loot.name);
      EXPECT_EQ(item.price, row.prompt == 10 ? wombletonPrice(loot.price, 0, "ACADEMIC") : loot.price);
    }
  }
}

TEST_F(TraderDeals, SmallItemsComeInOneToFourUnits) {
  // Pick 2, then every roll the same: the unit count is (draw and 3) + 1,
  // whichever of the rolls it is, while nothing held caps it.
  floorRecord.floorNumber = 5;
  player.inventoryNames = {};
  player.inventoryCounts = {0, 0, 0, 0, 0, 0};
  for (std::uint32_t roll = 0; roll < 4; ++roll) {
    SCOPED_TRACE(roll);
    std::vector<std::uint32_t> draws(64, roll + 4);
    draws[0] = 2;
    dice::Script script(draws);
    openPrompt(12);
    type("");
    EXPECT_EQ(state.offeredItem.lootKind, "Small");
    EXPECT_EQ(state.offeredItem.quantity, static_cast<int>(roll) + 1);
  }
}

}  // namespace
