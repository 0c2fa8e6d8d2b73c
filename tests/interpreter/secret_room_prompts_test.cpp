// The prompts behind the secret rooms: GARY's shop, the wizard's study,
// the CURSE, the VORTEX, the NECRONOMICON, the fountain and the barrel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/gary_shop.h"
#include "tests/interpreter/prompt_play.h"

namespace {

class SecretRoomPlay : public PromptPlay {
 protected:
  void SetUp() override {
    startRun("Ivy", "2");
    floorRecord.floorNumber = 7;
  }
  std::string at(int prompt, const std::string& line) {
    openPrompt(prompt);
    return type(line);
  }
  void offerFromGary(const std::string& lootKind, const std::string& name, int quantity, int price) {
    state.offeredItem = ItemRecord();
    state.offeredItem.lootKind = lootKind;
    state.offeredItem.name = name;
    state.offeredItem.type = name;
    state.offeredItem.quantity = quantity;
    state.offeredItem.price = price;
    state.offeredItem.attack = 9;
    state.pendingPrompt = 20;
  }
};

TEST_F(SecretRoomPlay, GarysPricesAreAThirdLessFiveAndNeverBelowOne) {
  struct Case {
    const char* heroClass;
    int catalogue;
    int asked;
  };
  const Case cases[] = {{"CONVICT", 100, 28}, {"OPPORTUNIST", 100, 18}, {"CONVICT", 18, 1},
                        {"OPPORTUNIST", 21, 1}, {"CONVICT", 3, 1},      {"ACADEMIC", 301, 95}};
  for (const Case& c : cases) {
    player.playerClass = c.heroClass;
    EXPECT_EQ(garyPrice(c.catalogue, player), c.asked) << c.heroClass << " " << c.catalogue;
  }
  openPrompt(19);
  const std::string reply = type("");
  EXPECT_TRUE(reply.starts_with("'Oh, GARY knows just the thing for you!! GARY bets you would\n"
                                "want "));
  EXPECT_TRUE(reply.ends_with(" for only " + std::to_string(state.offeredItem.price) +
                              " GOLD!!!!!\n"
                              "Please, GARY knows you will loves it!!'\n"
                              "Will you accept this deal? (Y/N)"))
      << reply;
  EXPECT_EQ(state.pendingPrompt, 20);
}

TEST_F(SecretRoomPlay, BuyingAWeaponSwapsItsBonusesAndCountsTheSale) {
  state.garyOffersLeft = 5;
  player.gold = 50;
  const int attackBefore = player.attack;
  const int oldBonus = player.equipment[0].attack;
  offerFromGary("Weapon", "SHINY AXE", 1, 28);
  EXPECT_EQ(type("y"), "'Oh, thank you thank you thank you! Here!!!'\n"
                       "GARY flings the SHINY AXE at you.\n"
                       "You got a SHINY AXE!!\n"
                       "'Ah, ah, ah! GARY has more more more MORE for you!!\n"
                       "You will loves it, GARY promises!!'\n"
                       "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(player.gold, 22);
  EXPECT_EQ(player.equipment[0].name, "SHINY AXE");
  EXPECT_EQ(player.attack, attackBefore - oldBonus + 9);
  EXPECT_EQ(state.garyOffersLeft, 4);
  EXPECT_EQ(state.pendingPrompt, 19);
}

TEST_F(SecretRoomPlay, GaryRefundsWhatCannotBeCarriedAndSendsThePoorAway) {
  state.garyOffersLeft = 5;
  player.gold = 10;
  player.inventoryNames = {"A", "B", "C", "D", "E", "F"};
  player.inventoryCounts = {1, 1, 1, 1, 1, 1};
  offerFromGary("Small", "MATCH", 2, 4);
  EXPECT_TRUE(type("1").starts_with("'Ah ah ah, your inventory is too full for GARY!!"));
  EXPECT_EQ(player.gold, 10);
  EXPECT_EQ(state.garyOffersLeft, 5);
  EXPECT_EQ(state.pendingPrompt, 2);

  offerFromGary("Small", "A", 2, 4);
  EXPECT_TRUE(type("y").starts_with("'Oh, thank you thank you thank you! Here!!!'\n"
                                    "GARY flings 2 A at you excitedly.\n"))
      << "a held stack takes more even with six names held";
  EXPECT_EQ(player.inventoryCounts[0], 3);

  offerFromGary("Weapon", "SHINY AXE", 1, 60);
  EXPECT_TRUE(type("y").starts_with("'Ah, you do not have enough GOLD for GARY."));
  EXPECT_EQ(state.pendingPrompt, 2);

  offerFromGary("Small", "MATCH", 3, 4);
  EXPECT_EQ(type("what"), "'Ahhh, GARY not so smart. He request, please rephrase \n"
                          "your message. Maybe GARY understand a Y or an N better?'\n"
                          "Purchase the 3 MATCH for 4 gold? (Y/N)");
  offerFromGary("Weapon", "EXCEPTIONAL BATTLEAXE", 1, 4);
  EXPECT_TRUE(type("what").ends_with("Purchase the EXCEPTIONAL BATTLEAXE for\n"
                                     "4 gold? (Y/N)"));
  EXPECT_TRUE(type("n").starts_with("'...oh. GARY understand."));
}

TEST_F(SecretRoomPlay, BuyingOutGaryIsADiscoveryAndKeepsAnEarnedSlot) {
  state.garyOffersLeft = 1;
  player.gold = 5;
  floorRecord.secretRoomKind = "Goblin3";
  offerFromGary("Weapon", "SHINY AXE", 1, 1);
  EXPECT_TRUE(type("y").ends_with("Please come again to check up on good friend GARY!'"));
  EXPECT_EQ(player.discoveryScore, 50000);
  EXPECT_EQ(state.achievements[12], "Ivy");
  EXPECT_EQ(floorRecord.secretRoomKind, "GoblinUsed");
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_NE(slurp("saves/meta-save.txt")
                .find("\n"
                      "Ivy\n"),
            std::string::npos);
}

TEST_F(SecretRoomPlay, TheWizardsDoorByTheAnswersGiven) {
  EXPECT_TRUE(at(21, "y").starts_with("'...BAH. You people and your love potions!"));
  EXPECT_EQ(floorRecord.secretRoomKind, "WizardStop");
  EXPECT_TRUE(at(21, "n").starts_with("'...Really? Good.'"));
  EXPECT_EQ(floorRecord.secretRoomKind, "Wizard2");
  EXPECT_EQ(state.pendingPrompt, 22);
  EXPECT_EQ(at(21, "maybe"), "'You try my patience, O explorer. It is a Y or N question.'");
  EXPECT_EQ(state.pendingPrompt, 21);

  player.inventoryNames = {"POTION", "MATCH"};
  player.inventoryCounts = {2, 5, 0, 0, 0, 0};
  EXPECT_EQ(at(23, ""), "Select an item - 1: POTION (2)\n"
                        "2: MATCH (5)\n");
  EXPECT_EQ(state.pendingPrompt, 24);
  EXPECT_TRUE(at(24, "3").starts_with("'You don't have any of those, you dolt. Begone!'"));
  EXPECT_EQ(floorRecord.secretRoomKind, "WizardStop");
  EXPECT_TRUE(at(24, "x").starts_with("'Very well. If you are not interested in my spell"));
  EXPECT_EQ(floorRecord.secretRoomKind, "Wizard2");
}

TEST_F(SecretRoomPlay, APotionImbuementHealsEveryTurnAndEarnsItsAchievement) {
  player.inventoryNames = {"POTION", "MATCH"};
  player.inventoryCounts = {1, 5, 0, 0, 0, 0};
  EXPECT_EQ(at(24, "1"), "Garglefloxx takes your POTION.\n"
                         "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
                         "A flash of bright light engulfs you; when you come to, you \n"
                         "feel... different.\n"
                         "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(player.inventoryNames, std::vector<std::string>{"MATCH"});
  EXPECT_EQ(state.pendingPrompt, 25);
  EXPECT_TRUE(type("").starts_with("Garglefloxx nods at you. 'It worked. With this spell, you \n"
                                   "are imbued with a healing energy."));
  EXPECT_EQ(player.imbuement, "POTION");
  EXPECT_EQ(player.discoveryScore, 1000);
  EXPECT_EQ(state.achievements[13], "Ivy");
  EXPECT_TRUE(type("").starts_with("He smiles at you. 'Excellent."));
  EXPECT_EQ(floorRecord.secretRoomKind, "WizardStop");
  EXPECT_EQ(state.pendingPrompt, 2);
}

TEST_F(SecretRoomPlay, WorthlessAndPowerfulReagents) {
  player.inventoryNames = {"HAT", "VORTEX"};
  player.inventoryCounts = {1, 1, 0, 0, 0, 0};
  EXPECT_TRUE(at(24, "1").starts_with("Garglefloxx glares at you. 'Is this some kind of joke!?"));
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(state.pendingWord, "HAT");
  EXPECT_TRUE(at(24, "2").starts_with("Garglefloxx looks at you hesitantly."));
  EXPECT_EQ(state.pendingPrompt, 27);
  EXPECT_EQ(player.inventoryCounts[1], 1);
  EXPECT_TRUE(type("y").starts_with("Garglefloxx stares at the VORTEX you've offered him"));
  EXPECT_EQ(player.inventoryNames, std::vector<std::string>{"HAT"});
  type("");
  EXPECT_TRUE(type("").starts_with("Garglefloxx screams"));
  EXPECT_EQ(state.pendingPrompt, 16);
  EXPECT_EQ(state.pendingWord, "vortex");
}

TEST_F(SecretRoomPlay, BackFromTheSkillOfferTheImbuementAndItsBonusStand) {
  player.skills.clear();
  for (const char* skill : {"HEAL", "FIREBOLT", "STUNBOLT", "EXAMINE", "INFERENCE", "NEGOTIATE"}) {
    player.skills.emplace_back(skill, 1, true);
  }
  state.pendingWord = "SALT SHAKER";
  EXPECT_EQ(at(25, ""), "You could gain permanent access to the EAT skill, \n"
                        "but you have 6 skills already. \n"
                        "Would you like to replace one? (Y / N)");
  EXPECT_EQ(state.pendingPrompt, 48);
  EXPECT_EQ(state.auxCounter, 25);
  // The skill offer hands back to the spell with the skill's name.
  state.pendingWord = "EAT";
  EXPECT_TRUE(at(25, "").starts_with("Garglefloxx nods at you. 'It worked. With this spell, you \n"
                                     "are imbued with an unspeakable HUNGER."));
  EXPECT_EQ(player.imbuement, "SALT SHAKER");
  EXPECT_EQ(player.discoveryScore, 1000);
  EXPECT_TRUE(type("").starts_with("You notice Garglefloxx is, indeed, looking remarkably \n"
                                   "savory."));
}

TEST_F(SecretRoomPlay, LiftingTheCurseCostsALevelAndKeepsTheAchievementAtOnce) {
  player.quibblent = "CURSED";
  player.level = 1;
  player.exp = 40;
  player.hp = 10;
  player.maxHp = 30;
  EXPECT_TRUE(at(22, "").find("You will permanently lose ONE \n"
                              "EXP LEVEL") != std::string::npos);
  EXPECT_TRUE(type("y").starts_with("'Understood. Wimbus..."));
  EXPECT_TRUE(type("anything")
                  .starts_with("Garglefloxx nods at you. 'It worked. That spell should have \n"
                               "cleared"));
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_EQ(player.level, 0);
  EXPECT_EQ(player.exp, 0);
  EXPECT_EQ(player.expForNextLevel, 1);
  EXPECT_EQ(player.hp, 1);
  EXPECT_EQ(player.maxHp, 15);
  EXPECT_EQ(state.achievements[16], "Ivy");
  EXPECT_NE(slurp("saves/meta-save.txt")
                .find("\n"
                      "Ivy\n"),
            std::string::npos);
  EXPECT_EQ(state.pendingPrompt, 26);
}

TEST_F(SecretRoomPlay, AHeroFreedOfTheCurseLeavesWithThePlainFarewell) {
  // A VORTEX offered and taken back on an earlier visit is not the reagent.
  player.quibblent = "CURSED";
  player.level = 4;
  state.pendingWord = "VORTEX";
  at(24, "y");
  EXPECT_EQ(type(""), "He smiles at you. 'Excellent. Now, get the hell out of my \n"
                      "study!' There is a crash of lightning, and then you are \n"
                      "returned to the main dungeon. \n"
                      "The secret room is now locked.");
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(floorRecord.secretRoomKind, "WizardStop");
}

TEST_F(SecretRoomPlay, TheVortexSwallowsAllButTheWaysOnward) {
  floorRecord.tileKinds = {"FinalExit", "Mon", "MonExit", "Exit", "Shop", "FinalMon", "NPC", ""};
  player.skills = {Action("HEAL", 1, true)};
  player.skills[0].cooldownLeft = 12;
  EXPECT_TRUE(at(31, "").starts_with("...When you come to, the dungeon floor is entirely empty."));
  EXPECT_EQ(floorRecord.tileKinds,
            (std::array<std::string, 8>{"FinalExit", "", "Exit", "Exit", "", "FinalMon", "", ""}));
  EXPECT_EQ(floorRecord.tileTexts[2], " lies the dungeon stairs, now free to enter.");
  EXPECT_EQ(floorRecord.tileTexts[1], " is absolute nothingness.");
  EXPECT_EQ(player.hp, 1);
  EXPECT_EQ(player.skills[0].cooldownLeft, 12);
  EXPECT_EQ(floorRecord.secretRoomKind, "Vortex");
}

TEST_F(SecretRoomPlay, TheFountainRestoresAndTellsOfThePoisonOnItsOwnLine) {
  player.poisoned = true;
  player.hp = 3;
  player.quibblent = "FLAMMABLE";
  const std::string reply = at(34, "y");
  EXPECT_TRUE(reply.starts_with("You bathe in the fountain... you feel fully RESTORED. \n"
                                "Full HP restored! All skills cooled down!\n"
                                "POISON cured!\n"))
      << reply;
  EXPECT_TRUE(reply.ends_with("you must have been bathing in it for quite \n"
                              "some time!"));
  EXPECT_EQ(player.hp, player.maxHp);
  EXPECT_FALSE(player.poisoned);
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_EQ(floorRecord.secretRoomKind, "FountUsed");
  EXPECT_EQ(at(34, "hm"), "The fountain sits there, implacable. It is not bothered by \n"
                          "your ambivalence. Y or N - will you bathe in the fountain?");
}

TEST_F(SecretRoomPlay, ThePlasmaBarrelNeverKillsButTheHighlyFlammable) {
  floorRecord.tileKinds = {"Mon", "MonExit", "Mon", "", "", "", "", ""};
  for (int tile : {0, 1, 2}) {
    floorRecord.tileCreatures[tile].type = "ORC";
    floorRecord.tileCreatures[tile].hp = 30;
    floorRecord.tileCreatures[tile].goldReward = tile == 2 ? 0 : 5;
  }
  player.hp = 20;
  player.maxHp = 40;
  const std::string reply = at(38, "y");
  EXPECT_TRUE(reply.ends_with("Your HP is now 1 / 40.")) << reply;
  EXPECT_EQ(floorRecord.tileKinds[0], "Gold");
  EXPECT_EQ(floorRecord.tileKinds[1], "Exit");
  EXPECT_EQ(floorRecord.tileKinds[2], "");
  EXPECT_EQ(player.killScore, 3);
  EXPECT_EQ(floorRecord.secretRoomKind, "BarrelUsed");

  player.imbuement = "MATCH";
  player.quibblent = "HIGHLY FLAMMABLE";
  EXPECT_TRUE(at(38, "1").ends_with("You are completely unscathed. This IMBUENCE sure is useful!"));
  player.imbuement = "";
  EXPECT_TRUE(at(38, "1").ends_with("Nice going, numbnuts!\n"
                                    "[TYPE ANYTHING TO CONTINUE]"));
  EXPECT_EQ(state.pendingPrompt, 16);
  EXPECT_EQ(state.pendingWord, "barrel");
}

TEST_F(SecretRoomPlay, TheNecronomiconAndTheCurse) {
  EXPECT_TRUE(at(33, "y").find("You rise again") != std::string::npos);
  EXPECT_EQ(player.playerClass, "ZOMBIE");
  EXPECT_EQ(player.maxHp, 120);
  floorRecord.floorNumber = 15;
  EXPECT_TRUE(at(33, "y").find("But all the pages are blank.") != std::string::npos);
  EXPECT_TRUE(at(33, "?").starts_with("This book is extremely powerful and dangerous"));
  EXPECT_EQ(state.pendingPrompt, 33);
  EXPECT_TRUE(at(29, "").starts_with("You are now CURSED!!"));
  EXPECT_EQ(player.quibblent, "CURSED");
  EXPECT_EQ(state.pendingPrompt, 0);
}

}  // namespace
