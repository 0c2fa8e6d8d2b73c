#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/character_scene.h"
#include "world/random_source.h"

namespace {

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(CharacterTiles, GreetingAndStageFollowKeyClassAndVisit) {
  const struct {
    const char* key;
    const char* heroClass;
    int visitState;
    int stage;
    const char* opening;
    const char* kindAfter;
  } rows[] = {
      {"Academic", "ACADEMIC", 0, 1, "You approach the ANNOYING NERD.", "NPC"},
      {"Academic", "CONVICT", 1, 1, "'Oh! Hello again, sir.", "NPC"},
      {"Academic", "OPPORTUNIST", 0, 41, "You attempt to sneak up on the BORING GUY", "NPC"},
      {"Academic", "OPPORTUNIST", 2, 41, "You attempt to sneak up on the BORING GUY", "NPC"},
      {"Academic", "OPPORTUNIST", 1, 1, "'Oh! Hello again, sir.", "NPC"},
      {"Convict", "OPPORTUNIST", 0, 4, "You sneak up behind the ANGRY GUY.", "NPC"},
      {"Convict", "CONVICT", 1, 4, "You sneak up behind the ANRGY GUY again.", "NPC"},
      {"Convict", "CONVICT", 2, 40, "You decide to push your luck and sneak up on the ANGRY GUY", "Mon"},
      {"Convict", "ACADEMIC", 0, 48, "You cautiously approach the PUGNACIOUS RUFFIAN.", "NPC"},
      {"Convict", "ACADEMIC", 1, 40, "You decide to push your luck and sneak up on the PUGNACIOUS", "Mon"},
      {"Opportunist", "CONVICT", 3, 5, "You approach the SMUG PRICK.", "NPC"},
      {"Opportunist", "ACADEMIC", 0, 5, "You cautiously approach the ROGUISHLY HANDSOME FELLOW.", "NPC"},
      {"Wise2", "ZOMBIE", 0, 0, "WISE ORC runs away as you approach.", ""},
      {"Wise3", "ACADEMIC", 0, 11, "'HALT! I am WISE TROLL.", "NPC"},
      {"Wise1", "ACADEMIC", 1, 7, "WISE GOBLIN observes you placidly.", "NPC"},
      {"Seer", "ZOMBIE", 0, 0, "QUIBBLENT SEER runs away", ""},
      {"Seer", "CONVICT", 1, 15, "You approach the QUIBBLENT SEER. 'You know the deal.", "NPC"},
      {"Worgleton", "ZOMBIE", 0, 0, "This thing smells horrible.", "NPC"},
      {"KingSword", "ZOMBIE", 0, 0, "Creature of metal, not flesh.", "NPC"},
      {"Chef", "ACADEMIC", 0, 0, "You approach the HATLESS CHEF.", "NPC"},
      {"Accountant", "ACADEMIC", 0, 21, "You approach the POWERFUL-LOOKING BEING...", "NPC"},
      {"Consoom", "ACADEMIC", 4, 23, "The CONSUMPTION ELEMENTAL appears satisfied", "NPC"},
      {"Consoom", "ZOMBIE", 0, 0, "A fellow consumer.", "NPC"},
  };
  for (const auto& row : rows) {
    CharacterScene scene(row.key, row.heroClass);
    scene.occupant().visitState = row.visitState;
    const std::string text = scene.enter();
    const std::string label = std::string(row.key) + "/" + row.heroClass + "/" + std::to_string(row.visitState);
    EXPECT_TRUE(startsWith(text, row.opening)) << label << ": " << text;
    EXPECT_EQ(scene.state.dialogueStage, row.stage) << label;
    EXPECT_EQ(scene.floorRecord.tileKinds[0], row.kindAfter) << label;
    EXPECT_EQ(scene.state.currentFeature, &scene.occupant()) << label;
  }
}

TEST(CharacterTiles, UnknownKeyAnswersErrorAndChangesNothingElse) {
  CharacterScene scene("Nobody", "ACADEMIC");
  scene.occupant().stateCode = 13;
  const int gold = scene.hero.gold;
  EXPECT_EQ(scene.enter(), "error???");
  EXPECT_EQ(scene.state.dialogueStage, 13);
  EXPECT_EQ(scene.floorRecord.tileKinds[0], "NPC");
  EXPECT_EQ(scene.floorRecord.tileTexts[0], " stands someone.");
  EXPECT_EQ(scene.hero.gold, gold);
  EXPECT_EQ(scene.state.combatState, 0);
}

TEST(CharacterTiles, ZombieFightsEachClassCharacterUnderARivalWord) {
  const struct {
    const char* key;
    unsigned drawn;
    const char* enemy;
  } rows[] = {{"Academic", 3, "DAMP ACADEMIC"}, {"Convict", 12 + 26, "SLEEPING CONVICT"}, {"Opportunist", 25, "GROGGY OPPORTUNIST"}};
  for (const auto& row : rows) {
    CharacterScene scene(row.key, "ZOMBIE");
    // The first draw picks the word; the creature's own rolls take the rest.
    std::vector<std::uint32_t> draws(64, 0);
    draws[0] = row.drawn;
    dice::Script script(draws);
    const std::string text = scene.enter();
    EXPECT_EQ(text, std::string("Beginning combat with ") + row.enemy +
                        "...\n"
                        "You have first go.\n"
                        "[TYPE ANYTHING TO CONTINUE]");
    EXPECT_EQ(scene.state.combatState, 1);
    EXPECT_EQ(scene.state.dialogueStage, 0);
    EXPECT_EQ(scene.floorRecord.tileKinds[0], "Mon");
    EXPECT_EQ(scene.state.currentEnemy.quibblent + " " + scene.state.currentEnemy.type, row.enemy);
  }
}

TEST(CharacterTiles, CharmerRemembersOnlyPricesTheHeroCanMeet) {
  const struct {
    int remembered;
    int gold;
    int shown;
  } rows[] = {{120, 40, 40}, {120, 999, 250}, {120, 0, 1}, {150, 5, 150}, {100, 999, 100}, {250, 3, 250}};
  for (const auto& row : rows) {
    CharacterScene scene("Opportunist", "ACADEMIC");
    scene.occupant().visitState = row.remembered;
    scene.occupant().stateCode = 6;
    scene.hero.gold = row.gold;
    const std::string text = scene.enter();
    EXPECT_NE(text.find("\n" + std::to_string(row.shown) + " gold for a SPECIAL POTION. Whaddaya say?' (Y/N)"),
              std::string::npos)
        << row.remembered << "/" << row.gold << ": " << text;
    EXPECT_EQ(scene.occupant().visitState, row.shown);
    EXPECT_EQ(scene.state.dialogueStage, 6);
  }
}

TEST(CharacterTiles, EnragedConvictGivesNoGold) {
  CharacterScene scene("Convict", "OPPORTUNIST");
  scene.occupant().visitState = 2;
  scene.enter();
  EXPECT_EQ(scene.floorRecord.tileCreatures[0].quibblent, "ENRAGED");
  EXPECT_EQ(scene.floorRecord.tileCreatures[0].goldReward, 0);
}

TEST(CharacterTiles, BeatenNerdsCalculatorNeedsAFreeSlot) {
  for (const bool full : {false, true}) {
    CharacterScene scene("Academic", "CONVICT");
    scene.occupant().visitState = 2;
    if (full) {
      scene.fillInventory();
      scene.hero.inventoryNames[5] = "CALCULATOR";
    }
    const std::string text = scene.enter();
    EXPECT_EQ(scene.floorRecord.tileKinds[0], "");
    EXPECT_EQ(scene.floorRecord.tileTexts[0], " was once an ITEM, but now there is nothing.");
    EXPECT_EQ(text.find("Your INVENTORY must be full.") != std::string::npos, full);
    EXPECT_EQ(scene.hero.hasItem("CALCULATOR", full ? 2 : 1), !full);
  }
}

TEST(CharacterTiles, BeingRewardsOnlyAClearedFloorAndARoomyPack) {
  const struct {
    const char* otherTile;
    bool full;
    bool holdsRemover;
    bool rewarded;
    bool fullStack = false;  // ten STAPLE REMOVERs already, and room in the pack
  } rows[] = {{"", false, false, true},        {"MonExit", false, false, false}, {"Mon", false, false, false},
              {"", true, false, false},        {"", true, true, true},           {"", false, false, false, true}};
  for (const auto& row : rows) {
    CharacterScene scene("Accountant", "ACADEMIC");
    scene.occupant().visitState = 1;
    scene.floorRecord.tileKinds[5] = row.otherTile;
    if (row.full) scene.fillInventory();
    if (row.holdsRemover) scene.hero.inventoryNames[3] = "STAPLE REMOVER";
    if (row.fullStack) {
      scene.hero.inventoryNames = {"STAPLE REMOVER"};
      scene.hero.inventoryCounts = {10, 0, 0, 0, 0, 0};
    }
    const std::string text = scene.enter();
    const std::string label = std::string(row.otherTile) + (row.full ? " full" : "") + (row.fullStack ? " stack" : "");
    EXPECT_EQ(scene.occupant().visitState, row.rewarded ? 2 : 1) << label;
    EXPECT_EQ(text.find("You got a STAPLE REMOVER!") != std::string::npos, row.rewarded) << label;
    EXPECT_EQ(text.find("you must \n"
                        "drop something first.") != std::string::npos,
              std::string(row.otherTile).empty() && !row.rewarded)
        << label;
    if (!row.fullStack) {
      EXPECT_EQ(scene.hero.hasItem("STAPLE REMOVER", row.holdsRemover ? 2 : 1), row.rewarded) << label;
    }
  }
}

TEST(CharacterTiles, WarlockIsFoughtByEveryClass) {
  for (const char* heroClass : {"ACADEMIC", "ZOMBIE"}) {
    CharacterScene scene("Warlock", heroClass);
    scene.floorRecord.tileCreatures[0] = Creature("UNINTERESTING", "WARLOCK", 0);
    EXPECT_EQ(scene.enter(), "Beginning combat with VERY NORMAL WARLOCK... \n"
                             "You have first go. \n"
                             "[TYPE ANYTHING TO CONTINUE]");
    EXPECT_EQ(scene.state.combatState, 1);
    EXPECT_EQ(scene.state.currentEnemy.type, "WARLOCK");
  }
}

}  // namespace
