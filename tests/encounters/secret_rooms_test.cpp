// The floor's secret room: what each key holds and what a visit leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

class SecretRooms : public ::testing::Test {
 protected:
  void SetUp() override {
    buildQuibblentTables();
    hero.name = "Ivy";
    hero.playerClass = "CONVICT";
    hero.equipment[0].name = "RUSTY SWORD";
    hero.equipment[1].name = "SHIRT";
    floorRecord.floorNumber = 6;
    state.pendingPrompt = 2;
  }
  std::string enter(const std::string& key) {
    floorRecord.secretRoomKind = key;
    state.messageBuffer = "left over from an earlier step";
    state.handleSecretRoom(key, floorRecord, hero);
    return state.messageBuffer;
  }
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
};

const std::string kNothingLeft = "You enter the secret room but there's nothing in there. \n"
                                 "You've already been here, remember?";

TEST_F(SecretRooms, EachKeyOpensItsRoomAndMovesOn) {
  struct Case {
    const char* key;
    const char* start;
    int prompt;
    const char* keyAfter;
  };
  const Case cases[] = {
      {"Scroll", "You enter the secret room... It contains a single ancient \n"
                 "scroll", 14, "Scroll2"},
      {"Scroll2", "You enter the secret room... The scroll is lying on the \n"
                  "ground, surrounded by broken glass. You pick it back",
       14, "Scroll2"},
      {"Scroll3", "You enter the secret room... The scroll is lying on the \n"
                  "ground, surrounded by broken glass. You feel bad",
       2, "Scroll3"},
      {"Fountain", "You enter the secret room... Whoa, it's the mythical \n"
                   "FOUNTAIN OF RESTORATION!", 34, "Fountain"},
      {"Barrel", "You enter the secret room... Holy shit, it's a highly \n"
                 "powerful (and anachronistic) PLASMA BARREL!",
       38, "Barrel"},
      {"Wizard", "You enter the secret room, and it is pitch black.", 21, "Wizard"},
      {"Wizard2", "You return to GARGLEFLOXX's study.", 23, "Wizard2"},
      {"WizardStop", "The secret room is held shut with powerful magic.", 2, "WizardStop"},
      {"GoblinUsed", "You enter GARY's empty shop.", 2, "GoblinUsed"},
      {"Secret", "I'm going to be honest here: I have no idea what to put in \n"
                 "this secret room.", 2, "Secret"},
      {"Vortex", "The secret room appears to have been sucked up in the \n"
                 "VORTEX. There is nothing left there.", 2,
       "Vortex"},
      {"Goblin", "You enter the secret room to find a garish but well-stocked \n"
                 "shop inside.", 19, "Goblin1"},
      {"Goblin1", "You return to the secret room. GARY is still there.\n"
                  "'Oh oh oh!! Hallo again, good friend!", 19,
       "Goblin2"},
      {"Goblin10", "You return to the secret room. GARY is still there.\n"
                   "'Ahhh, hallo again. The behavorel economic was not working.",
       19, "Goblin11"},
      {"Goblin11",
       "You return to the secret room. GARY is still there.\n"
       "'Hallo, friendy! GARY has more more deals",
       19, "Goblin11"},
      {"TrapUsed", kNothingLeft.c_str(), 2, "TrapUsed"},
      {"FountUsed", kNothingLeft.c_str(), 2, "FountUsed"},
      {"", kNothingLeft.c_str(), 2, ""},
  };
  for (const Case& c : cases) {
    state.pendingPrompt = 2;
    const std::string reply = enter(c.key);
    EXPECT_TRUE(reply.starts_with(c.start)) << c.key << ": " << reply;
    EXPECT_EQ(state.pendingPrompt, c.prompt) << c.key;
    EXPECT_EQ(floorRecord.secretRoomKind, c.keyAfter) << c.key;
    if (std::string(c.key).starts_with("Goblin") && std::string(c.key) != "GoblinUsed") {
      EXPECT_TRUE(reply.ends_with("[TYPE ANYTHING TO CONTINUE]\n")) << c.key;
    }
  }
  EXPECT_TRUE(floorRecord.wizardMet);
}

TEST_F(SecretRooms, AZombieCaresForNoRoomAtAll) {
  hero.playerClass = "ZOMBIE";
  for (const char* key : {"Treasure", "Curse", "Goblin", "Trap"}) {
    EXPECT_EQ(enter(key), "You have no interest in secret rooms. All you desire \n"
                          "is flesh. Gruuuuuhhhhh...");
    EXPECT_EQ(floorRecord.secretRoomKind, key);
    EXPECT_EQ(state.pendingPrompt, 2);
  }
}

TEST_F(SecretRooms, TheTrapPoisonsOnceAndTheCurseRoomSparesTheCursed) {
  const std::string trap = enter("Trap");
  EXPECT_TRUE(trap.starts_with("You enter the secret room, but the second you step in, a \n"
                               "poison dart shoots out and hits you! Damn, it was a trap! \n"));
  EXPECT_TRUE(hero.poisoned);
  state.handleSecretRoom(floorRecord.secretRoomKind, floorRecord, hero);
  EXPECT_EQ(state.messageBuffer, kNothingLeft) << "the key moved on to TrapUsed";

  EXPECT_TRUE(enter("Curse").starts_with("You enter the secret room to find a bizarre cavern"));
  EXPECT_EQ(state.pendingPrompt, 29);
  hero.quibblent = "CURSED";
  state.pendingPrompt = 2;
  EXPECT_EQ(enter("Curse"), "Even thinking about that horribly cursed room makes you \n"
                            "feel weak. You cannot bring yourself to go back there.");
  EXPECT_EQ(state.pendingPrompt, 2);
}

TEST_F(SecretRooms, ThePlunderedRoomLeavesAFewCoins) {
  dice::Script script({3});
  EXPECT_TRUE(enter("Abandoned")
                  .ends_with("Better than nothing! \n"
                             "You got 8 GOLD."));
  EXPECT_EQ(hero.gold, 8);
  EXPECT_EQ(floorRecord.secretRoomKind, "AbandonedUsed");
}

TEST_F(SecretRooms, TheCorpsesWearAnArmorOnOffer) {
  const std::string reply = enter("Special");
  EXPECT_TRUE(reply.find("One of them is \n"
                         "wearing a " +
                         state.offeredItem.name +
                         "... Would you like to \n"
                         "replace your current armor, the SHIRT,\n"
                         "with it? (Y/N)") != std::string::npos)
      << reply;
  EXPECT_EQ(state.offeredItem.lootKind, "Armor");
  EXPECT_EQ(state.pendingPrompt, 5);
  EXPECT_EQ(floorRecord.secretRoomKind, "SpecialUsed");
}

TEST_F(SecretRooms, TreasureGivesGoldItemsAndAWeaponOrArmor) {
  const std::string jackpot = "You enter the secret room... JACKPOT!! It's \n"
                              "full of sweet TREASURE!! Let's see what you got...\n";
  for (unsigned seed = 1; seed <= 60; ++seed) {
    dice::useSeed(seed);
    floorRecord.floorNumber = seed % 2 == 0 ? 2 : 9;
    hero.gold = 0;
    hero.inventoryNames = {"POTION"};
    hero.inventoryCounts = {1, 0, 0, 0, 0, 0};
    state.pendingPrompt = 2;
    const std::string reply = enter("Treasure");
    ASSERT_TRUE(reply.starts_with(jackpot + std::to_string(hero.gold) + " gold! ")) << reply;
    EXPECT_GE(hero.gold, 20);
    EXPECT_LE(hero.gold, 70);
    EXPECT_EQ(floorRecord.secretRoomKind, "TreasureUsed");
    if (floorRecord.floorNumber < 4) {
      EXPECT_EQ(state.pendingPrompt, 4) << "always a weapon on the first floors";
    }
    const std::string offer = state.pendingPrompt == 4 ? "!! (ATK: " : "!! (DEF: ";
    EXPECT_NE(reply.find("\n"
                         "And a " + state.offeredItem.name + offer), std::string::npos) << reply;
  }
  dice::useDevice();
}

TEST_F(SecretRooms, AFullInventoryStillGetsTheGoldAndTheOffer) {
  hero.inventoryNames = {"A", "B", "C", "D", "E", "F"};
  hero.inventoryCounts = {1, 1, 1, 1, 1, 1};
  for (unsigned seed = 1; seed <= 20; ++seed) {
    dice::useSeed(seed);
    hero.gold = 0;
    const std::string reply = enter("Treasure");
    const std::string afterGold = reply.substr(reply.find(" gold! ") + 7);
    EXPECT_TRUE(afterGold.starts_with("\n"
                                      "And a "))
        << "nothing fits in the pockets: " << reply;
  }
  dice::useDevice();
}

TEST_F(SecretRooms, TreasurePotionsJoinAHeldStackEvenWithFullPocketsAndLeaveTheShop) {
  // With plenty of POTIONs still for sale every small find is a POTION, so
  // each one joins the held stack although all six slots are in use.
  int stacksWon = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    dice::useSeed(seed);
    hero.inventoryNames = {"POTION", "B", "C", "D", "E", "F"};
    hero.inventoryCounts = {1, 1, 1, 1, 1, 1};
    state.potionsForSale = 10;
    const std::string reply = enter("Treasure");
    int stacks = 0;
    int units = 0;
    for (std::size_t at = reply.find(" POTION! "); at != std::string::npos; at = reply.find(" POTION! ", at + 1)) {
      const std::size_t start = reply.rfind(' ', at - 1) + 1;
      units += std::stoi(reply.substr(start, at - start));
      ++stacks;
    }
    EXPECT_EQ(state.potionsForSale, 10 - stacks) << "one fewer for sale per stack, whatever its size: " << reply;
    EXPECT_EQ(hero.inventoryCounts[0], 1 + units) << reply;
    EXPECT_EQ(hero.inventoryNames.size(), 6u) << reply;
    const std::string finds = reply.substr(0, reply.find("\n"
                                                         "And a "));
    EXPECT_EQ(finds.find("! A "), std::string::npos) << "no slot for a large find: " << reply;
    stacksWon += stacks;
  }
  EXPECT_GT(stacksWon, 0);
  dice::useDevice();
}

}  // namespace
