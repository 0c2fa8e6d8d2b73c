#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/character_scene.h"
#include "world/random_source.h"

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(DialogueChain, RiddleAnswersAreJudgedWholeAndOnce) {
  const struct {
    const char* key;
    const char* answer;
    int attack, defence, maxHp;
    int stageAfter;
    int combatAfter;
    const char* replyPart;
  } rows[] = {
      {"Wise1", "HUMAN", 5, 0, 30, 0, 0, "BOON OF COURAGE"},
      {"Wise1", "a man", 5, 0, 30, 0, 0, "BOON OF COURAGE"},
      {"Wise1", "human ", 4, 0, 30, 0, 0, "'Wrong. You have failed the riddle of WISE GOBLIN."},
      {"Wise1", "north", 4, 0, 30, 0, 0, "'Wrong."},
      {"Wise1", "", 4, 0, 30, 8, 0, "WHAT WALKS ON FOUR LEGS"},
      {"Wise1", "your mom", 5, 0, 30, 0, 0, "Ol' Many-Legs Joan"},
      {"Wise2", "taters", 4, 1, 30, 0, 0,
       "BOON OF \n"
       "RESILIENCE"},
      {"Wise2", "your mom", 4, 1, 30, 0, 0, "blind since birth"},
      {"Wise3", "1.5456 m/s^2", 4, 0, 60, 0, 0, "You gained 30 maximum HP!"},
      {"Wise3", "your mom", 4, 0, 30, 0, 1, "ENRAGED TROLL attacks you!!"},
  };
  for (const auto& row : rows) {
    CharacterScene scene(row.key, "ACADEMIC");
    scene.hero.attack = 4;
    scene.hero.hp = 20;
    scene.enter();
    scene.say("");  // the riddle is asked
    EXPECT_EQ(scene.occupant().stateCode, 0);
    const std::string reply = scene.say(row.answer);
    const std::string label = std::string(row.key) + " '" + row.answer + "'";
    EXPECT_TRUE(contains(reply, row.replyPart)) << label << ": " << reply;
    EXPECT_EQ(scene.hero.attack, row.attack) << label;
    EXPECT_EQ(scene.hero.defence, row.defence) << label;
    EXPECT_EQ(scene.hero.maxHp, row.maxHp) << label;
    EXPECT_EQ(scene.hero.hp, 20) << label;
    EXPECT_EQ(scene.state.dialogueStage, row.stageAfter) << label;
    EXPECT_EQ(scene.state.combatState, row.combatAfter) << label;
  }
}

TEST(DialogueChain, SurveyPriceDecidesPayAndParting) {
  const struct {
    const char* price;
    int goldGained;
    int stageAfter;
    const char* kindAfter;
    const char* replyPart;
  } rows[] = {
      {"100", 100, 45, "NPC", "reasonable"},
      {"101", 101, 45, "NPC", "quite the haggler"},
      {"300", 300, 45, "NPC", "your ridiculous price"},
      {"007", 7, 45, "NPC", "You got 7 gold!"},
      {"0", 0, 45, "NPC", "charitable nature"},
      {"301", 0, 0, "", "You must be joking"},
      {"99999999999999999999999999999999999999999999", 0, 0, "", "You must be joking"},
      {"-5", 0, 0, "NPC", "I don't understand the cost"},
      {"5 gold", 0, 0, "NPC", "I don't understand the cost"},
      {"", 0, 44, "NPC", "give you a sec"},
  };
  for (const auto& row : rows) {
    CharacterScene scene("Academic", "OPPORTUNIST");
    scene.enter();
    scene.say("");
    scene.say("");
    EXPECT_TRUE(contains(scene.say(""), "[INPUT A NUMBER TO ASK FOR]"));
    const std::string reply = scene.say(row.price);
    EXPECT_TRUE(contains(reply, row.replyPart)) << row.price << ": " << reply;
    EXPECT_EQ(scene.hero.gold, row.goldGained) << row.price;
    EXPECT_EQ(scene.state.dialogueStage, row.stageAfter) << row.price;
    EXPECT_EQ(scene.floorRecord.tileKinds[0], row.kindAfter) << row.price;
    EXPECT_EQ(scene.occupant().stateCode, 44) << row.price;
  }
}

TEST(DialogueChain, SurveyGiftIsAnnouncedOnlyWhenTaken) {
  const struct {
    const char* price;
    bool full;
    int heldAlready;  // ANTIBIOTICS in the first slot before the survey
    const char* gift;
    int countAfter;
    bool heldBack;
  } rows[] = {{"0", false, 0, "ANTIBIOTICS", 3, false},   {"50", false, 0, "ANTIBIOTICS", 1, false},
              {"250", false, 0, "ANTIBIOTICS?", 1, false}, {"150", false, 0, "", 0, false},
              {"150", true, 0, "", 0, false},              {"50", true, 0, "ANTIBIOTICS", 0, true},
              {"50", false, 4, "ANTIBIOTICS", 5, false},   {"50", false, 10, "ANTIBIOTICS", 10, true}};
  for (const auto& row : rows) {
    CharacterScene scene("Academic", "OPPORTUNIST");
    if (row.full) scene.fillInventory();
    if (row.heldAlready > 0) {
      scene.hero.inventoryNames = {"ANTIBIOTICS"};
      scene.hero.inventoryCounts = {row.heldAlready, 0, 0, 0, 0, 0};
    }
    scene.enter();
    for (const char* line : {"", "", "", row.price, "", ""}) scene.say(line);
    const std::string reply = scene.say("");
    const std::string label = std::string(row.price) + (row.full ? " full" : "") + " held " + std::to_string(row.heldAlready);
    EXPECT_EQ(contains(reply, "You got some ANTIBIOTICS!\n"), !row.heldBack && *row.gift != '\0') << label << ": " << reply;
    EXPECT_EQ(contains(reply, "'...Actually, it looks like your inventory is full. \n"
                              "Oh well, nevermind then!'\n"),
              row.heldBack)
        << label << ": " << reply;
    EXPECT_TRUE(contains(reply, "The BORING GUY wanders off to study some nearby bricks.")) << label;
    if (row.countAfter > 0) {
      EXPECT_TRUE(scene.hero.hasItem(row.gift, row.countAfter)) << label;
      EXPECT_FALSE(scene.hero.hasItem(row.gift, row.countAfter + 1)) << label;
    }
    if (row.full) {
      EXPECT_FALSE(scene.hero.hasItem("ANTIBIOTICS", 1)) << label;
    }
    EXPECT_EQ(scene.floorRecord.tileTexts[0], ", there is nothing at all.");
    EXPECT_EQ(scene.state.dialogueStage, 0);
  }
}

TEST(DialogueChain, DealerHaggles) {
  struct Step {
    const char* line;
    const char* replyPart;
    int price;
    int stage;
  };
  const struct {
    int gold;
    std::vector<Step> steps;
    int goldLeft;
    int potionsHeld = 0;
  } rows[] = {
      {500, {{"n", "150 gold for the SPECIAL POTION", 150, 6}, {"n", "'100 gold. Final offer.", 100, 6},
             {"n", "Alright, alright", 100, 0}}, 500},
      {200, {{"y", "Instead of 250 gold", 200, 6}, {"n", "'100 gold. Final offer.", 100, 6},
             {"y", "You have 100 gold left.", 100, 0}}, 100},
      {120, {{"y", "Instead of 250 gold", 120, 6}, {"n", "Alright, alright", 120, 0}}, 120},
      {250, {{"maybe", "for a measly 250 gold", 250, 6}, {"y", "You have 0 gold left.", 250, 0}}, 0},
      {0, {{"y", "Not a penny on you", 250, 0}}, 0},
      {300, {{"y", "You're carryin' a lot of stuff already", 250, 0}}, 300, 10},
      {300, {{"y", "You have 50 gold left.", 250, 0}}, 50, 9},
  };
  for (const auto& row : rows) {
    CharacterScene scene("Opportunist", "ACADEMIC");
    scene.hero.gold = row.gold;
    if (row.potionsHeld > 0) {
      scene.hero.inventoryNames = {"SPECIAL POTION"};
      scene.hero.inventoryCounts = {row.potionsHeld, 0, 0, 0, 0, 0};
    }
    scene.enter();
    EXPECT_TRUE(contains(scene.say(""), "Deal?' (Y/N)"));
    for (const Step& step : row.steps) {
      const std::string reply = scene.say(step.line);
      EXPECT_TRUE(contains(reply, step.replyPart)) << row.gold << " " << step.line << ": " << reply;
      EXPECT_EQ(scene.occupant().visitState, step.price) << row.gold << " " << step.line;
      EXPECT_EQ(scene.state.dialogueStage, step.stage) << row.gold << " " << step.line;
    }
    EXPECT_EQ(scene.hero.gold, row.goldLeft) << row.gold;
  }
}

TEST(DialogueChain, SmugPrickStealsNoMoreThanTheHeroHas) {
  const struct {
    int gold;
    unsigned drawn;
    int left;
  } rows[] = {{10, 25, 0}, {100, 0, 75}, {100, 25, 50}};
  for (const auto& row : rows) {
    CharacterScene scene("Opportunist", "CONVICT");
    scene.hero.gold = row.gold;
    scene.enter();
    scene.say("");
    scene.say("");
    dice::Script script({row.drawn});
    const std::string reply = scene.say("n");
    EXPECT_TRUE(contains(reply, "You feel a lightness in your pockets")) << reply;
    EXPECT_EQ(scene.hero.gold, row.left);
    EXPECT_EQ(scene.floorRecord.tileTexts[0], " is nothing but the wind.");
  }
}

TEST(DialogueChain, TavernSellsGrogOnlyWhereItFits) {
  const struct {
    int gold;
    std::vector<std::string> names;
    std::vector<int> counts;
    bool sold;
  } rows[] = {
      {15, {"POTION"}, {1, 0, 0, 0, 0, 0}, true},
      {14, {"POTION"}, {1, 0, 0, 0, 0, 0}, false},
      {50, {"POTION", "HAT", "GROG", "BOMB", "ROCK", "STICK"}, {1, 1, 3, 1, 1, 1}, true},
      {50, {"POTION", "HAT", "MAP", "BOMB", "ROCK", "STICK"}, {1, 1, 3, 1, 1, 1}, false},
      {50, {"GROG"}, {10, 0, 0, 0, 0, 0}, false},
  };
  for (const auto& row : rows) {
    CharacterScene scene("Groggum", "ACADEMIC");
    scene.hero.gold = row.gold;
    scene.hero.inventoryNames = row.names;
    scene.hero.inventoryCounts = row.counts;
    scene.state.dialogueStage = 57;
    scene.state.currentFeature = &scene.occupant();
    scene.say("");
    const std::string reply = scene.say("y");
    EXPECT_EQ(contains(reply, "You got GROG!"), row.sold) << reply;
    EXPECT_EQ(scene.hero.gold, row.sold ? row.gold - 15 : row.gold);
    EXPECT_EQ(scene.occupant().stateCode, 58);
  }
}

TEST(DialogueChain, UnservedStageLetsTheHeroGo) {
  CharacterScene scene("Academic", "ACADEMIC");
  scene.state.dialogueStage = 39;
  scene.say("xyzzy");
  EXPECT_EQ(scene.state.dialogueStage, 0);
}

TEST(DialogueChain, SeerReadsForThirtyGold) {
  const struct {
    int gold;
    const char* word;
    const char* replyPart;
    int goldLeft;
    int stage;
  } rows[] = {
      {30, "DAMP", "profound DAMPness", 0, 17},
      {29, "DAMP", "", 29, 0},
      {40, "VORPAL", "not a real word", 40, 0},
      {40, "POISONED", "the developer did not", 10, 17},
      {40, "CURSED", "runs away", 10, 0},
  };
  for (const auto& row : rows) {
    CharacterScene scene("Seer", "ACADEMIC");
    scene.hero.gold = row.gold;
    scene.hero.quibblent = row.word;
    scene.enter();
    const std::string paid = scene.say("y");
    const std::string reply = row.gold < 30 ? paid : scene.say("");
    if (row.gold < 30)
      EXPECT_TRUE(contains(reply, "That is \n"
                                  "not enough gold."));
    else EXPECT_TRUE(contains(reply, row.replyPart)) << row.word << ": " << reply;
    EXPECT_EQ(scene.hero.gold, row.goldLeft) << row.word;
    EXPECT_EQ(scene.state.dialogueStage, row.stage) << row.word;
    EXPECT_EQ(scene.occupant().visitState, 1);
  }
}

TEST(DialogueChain, LostOgreAsksThenOpensTheFountainOfElite) {
  CharacterScene scene("Ogre", "ACADEMIC");
  scene.state.dialogueStage = 72;
  EXPECT_TRUE(contains(scene.say(""), "The LOST OGRE apologizes"));
  EXPECT_EQ(scene.occupant().visitState, 1);
  scene.state.dialogueStage = 72;
  EXPECT_TRUE(contains(scene.say(""), "You approach the FOUNTAIN OF ELITE. Its powerful"));
  EXPECT_EQ(scene.state.pendingPrompt, 6);
  EXPECT_EQ(scene.floorRecord.tileKinds[0], "Fount");
  EXPECT_EQ(scene.state.currentOffer.timesUsed, 1);
}

TEST(DialogueChain, NerdIsWalkedAwayFromOrBeatenUp) {
  const struct {
    const char* answer;
    int stage, visitState, stateCode;
    const char* portrait;
    const char* tileText;
    const char* replyPart;
  } rows[] = {
      {"n", 0, 1, 3, "Qbl_academic.png", " stands someone.", "I'll just be... studying these bricks"},
      {"yes", 0, 2, 0, "Qbl_item.png", ", some kind of ITEM is lying on the ground.", "Hey, looks like they dropped something."},
      {"north", 3, 0, 1, "Qbl_academic.png", " stands someone.", "Beat up the ANNOYING NERD? (Y/N)"},
  };
  for (const auto& row : rows) {
    CharacterScene scene("Academic", "CONVICT");
    scene.enter();
    scene.say("");
    scene.say("");
    const std::string reply = scene.say(row.answer);
    EXPECT_TRUE(contains(reply, row.replyPart)) << row.answer << ": " << reply;
    EXPECT_EQ(scene.state.dialogueStage, row.stage) << row.answer;
    EXPECT_EQ(scene.occupant().visitState, row.visitState) << row.answer;
    EXPECT_EQ(scene.occupant().stateCode, row.stateCode) << row.answer;
    EXPECT_EQ(scene.occupant().portraitFile, row.portrait) << row.answer;
    EXPECT_EQ(scene.floorRecord.tileTexts[0], row.tileText) << row.answer;
  }
  // Walked away from, he asks at once on the next visit.
  CharacterScene scene("Academic", "CONVICT");
  scene.enter();
  for (const char* line : {"", "", "n"}) scene.say(line);
  EXPECT_TRUE(contains(scene.enter(), "Do you want to beat up the ANNOYING NERD? (Y/N)"));
  EXPECT_EQ(scene.state.dialogueStage, 3);
}

TEST(DialogueChain, ChefAndCheeseburgerLeaveTheirTiles) {
  const struct {
    const char* key;
    int stage;
    std::vector<std::string> lines;
    const char* replyPart;
    int stageAfter;
    const char* kindAfter;
    const char* textAfter;
    bool hatKept;
    const char* quibblentAfter;
  } rows[] = {
      {"Chef", 19, {"y", ""}, "What a gyp.", 0, "", ", there is nothing at all.", false, "UNINTERESTING"},
      {"Chef", 19, {"n"}, "You're a real bastard for this one.", 0, "NPC", " stands someone.", true, "UNINTERESTING"},
      {"Chef", 19, {"maybe"}, "Return the hat? (Y/N)", 19, "NPC", " stands someone.", true, "UNINTERESTING"},
      {"Burger", 71, {"y"}, "It is unbelievably FATTENING! \n", 0, "", " was once a BURGER, but now there is nothing.", true,
       "VOLUMINOUS"},
      {"Burger", 71, {"no"}, "nasty dungeon germs.", 0, "NPC", " stands someone.", true, "UNINTERESTING"},
      {"Burger", 71, {"eat"}, "Would you like to EAT it? (Y/N)", 71, "NPC", " stands someone.", true, "UNINTERESTING"},
  };
  for (const auto& row : rows) {
    CharacterScene scene(row.key, "ACADEMIC");
    scene.hero.quibblent = "UNINTERESTING";
    scene.hero.inventoryNames = {"HAT"};
    scene.hero.inventoryCounts = {1, 0, 0, 0, 0, 0};
    scene.enter();
    EXPECT_EQ(scene.state.dialogueStage, row.stage) << row.key;
    std::string reply;
    for (const std::string& line : row.lines) reply = scene.say(line);
    const std::string label = std::string(row.key) + " " + row.lines.front();
    EXPECT_TRUE(contains(reply, row.replyPart)) << label << ": " << reply;
    EXPECT_EQ(scene.state.dialogueStage, row.stageAfter) << label;
    EXPECT_EQ(scene.floorRecord.tileKinds[0], row.kindAfter) << label;
    EXPECT_EQ(scene.floorRecord.tileTexts[0], row.textAfter) << label;
    EXPECT_EQ(scene.hero.hasItem("HAT", 1), row.hatKept) << label;
    EXPECT_EQ(scene.hero.quibblent, row.quibblentAfter) << label;
  }
}

TEST(DialogueChain, PeanutYieldsItsTreasureOnlyToTheCured) {
  const struct {
    int floor;
    bool cured;
    bool weaponSeen, armorSeen;
  } rows[] = {{3, true, true, false}, {4, true, true, true}, {5, false, false, false}};
  for (const auto& row : rows) {
    bool weaponSeen = false, armorSeen = false;
    for (unsigned seed = 1; seed <= 12; ++seed) {
      dice::useSeed(seed);
      CharacterScene scene("Peanut", "ACADEMIC");
      scene.floorRecord.floorNumber = row.floor;
      scene.hero.curedDiseases[28] = row.cured;
      scene.hero.equipment[0].name = "STICK";
      scene.hero.equipment[1].name = "RAGS";
      scene.state.dialogueStage = 55;
      EXPECT_TRUE(contains(scene.say(""), row.cured ? "body and mind clear" : "Your PEANUT ALLERGY is acting up!"));
      EXPECT_EQ(scene.state.dialogueStage, 56);
      const std::string reply = scene.say("");
      dice::useDevice();
      EXPECT_EQ(scene.state.dialogueStage, 0);
      if (!row.cured) {
        EXPECT_TRUE(contains(reply, "All the monsters think \n"
                                    "it's really sad."))
            << reply;
        EXPECT_EQ(scene.hero.gold, 0);
        EXPECT_EQ(scene.floorRecord.tileKinds[0], "NPC");
        continue;
      }
      EXPECT_GE(scene.hero.gold, 100);
      EXPECT_LE(scene.hero.gold, 119);
      EXPECT_EQ(reply.rfind("You look inside the GIANT PEANUT...\n" + std::to_string(scene.hero.gold) + " gold!! ", 0), 0u)
          << reply;
      EXPECT_EQ(scene.floorRecord.tileTexts[0], " lies a looted GIANT PEANUT.");
      EXPECT_FALSE(scene.hero.inventoryNames.empty()) << reply;
      if (scene.state.pendingPrompt == 4) {
        weaponSeen = true;
        EXPECT_TRUE(contains(reply, "(ATK: " + std::to_string(scene.state.offeredItem.attack) +
                                        ")\n"
                                        "Would you like to replace your current weapon, the \n"
                                        "STICK, with it? (Y/N)"));
      } else {
        armorSeen = true;
        EXPECT_EQ(scene.state.pendingPrompt, 5);
        EXPECT_TRUE(contains(reply, "(DEF: " + std::to_string(scene.state.offeredItem.defence) +
                                        ")\n"
                                        "Would you like to replace your current armor, the \n"
                                        "RAGS, with it? (Y/N)"));
      }
    }
    EXPECT_EQ(weaponSeen, row.weaponSeen) << row.floor;
    EXPECT_EQ(armorSeen, row.armorSeen) << row.floor;
  }
}

}  // namespace
