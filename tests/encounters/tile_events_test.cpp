// What stepping onto each kind of tile does: the reply, the state numbers the
// next line is served by, and what the tile holds afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/captured_output.h"
#include "tests/support/scratch_dir.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

const std::string kNoInterest = "You have no interest in material objects. All you desire \n"
                                "is flesh. Gruuuuuhhhhh...";
const std::string kNothing = "You walk over to the tile but there is nothing important \n"
                             "there. You stand around twiddling your thumbs for a bit, \n"
                             "but eventually it starts to feel rather silly. \n"
                             "You return to the center.";
const std::string kEmptiedItem = " was once an ITEM, but now there is nothing.";
const std::string kFallsOut =
    "\n"
    "...Almost immediately, it falls out of your pockets and \n"
    "into a crack in the floor, where you can't reach it anymore. \n"
    "Dammit. Your INVENTORY must be full.";
const std::string kScared =
    "You WANT to enter combat with this enemy, b-but, see, it's \n"
    "really sc-sc-scary! You are simply too FRIGHTENED to \n"
    "approach it.";
const std::string kWeaponQuestion = "Would you like to replace your current weapon, the \n"
                                    "RUSTY SPOON, with it? (Y/N)";
const std::string kArmorQuestion = "Would you like to replace your current armor, the \n"
                                   "OLD SOCK, with it? (Y/N)";
const std::string kDoor = "The door creaks as you open it. It is a beautiful day out.\n"
                          "You step out and feel the warm summer air.\n";
const std::string kFinalStairs = "The stairs are tall and winding. What seem like hours pass \n"
                                 "by, walking up and up... ";
const std::string kFountain = ". Its powerful \n"
                              "aura is nearly overwhelming, but also somehow calming. \n";

// Six held names, none of them MATCH, KEROSENE or a large find the rolls give.
const std::vector<std::string> kFullPockets = {"POTION", "LSD", "AIRHORN", "HAT", "SPECIAL POTION", "VORTEX"};

Creature creature(const std::string& quibblent, const std::string& type, int gold = 0) {
  Creature c;
  c.quibblent = quibblent;
  c.type = type;
  c.goldReward = gold;
  return c;
}

struct World {
  GameState state;
  Floor floor;
  PlayerRecord hero;
};

using Setup = std::function<void(World&)>;
using Check = std::function<void(const World&)>;

struct TileCase {
  std::string what;
  std::string kind;
  std::string playerClass;
  Setup setup;
  std::vector<std::uint32_t> draws;
  // {name}, {atk} and {def} stand for the item left on offer.
  std::string reply;
  int prompt;
  int combat;
  std::string kindAfter;
  std::string textAfter;
  Check check;
};

std::string fillOffer(std::string text, const ItemRecord& item) {
  const auto put = [&](const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
      text.replace(at, key.size(), value);
    }
  };
  put("{name}", item.name);
  put("{atk}", std::to_string(item.attack));
  put("{def}", std::to_string(item.defence));
  return text;
}

const Setup kNone = [](World&) {};
const Check kNoCheck = [](const World&) {};

void holdSixOthers(World& w) {
  w.hero.inventoryNames = kFullPockets;
  w.hero.inventoryCounts = {1, 1, 1, 1, 1, 1};
}

std::vector<std::uint32_t> repeated(std::uint32_t value) { return std::vector<std::uint32_t>(300, value); }

std::vector<std::uint32_t> firstThenZeros(std::uint32_t first) {
  std::vector<std::uint32_t> draws(300, 0);
  draws[0] = first;
  return draws;
}

TEST(TileEvents, EachKindPlaysOutItsOwnOutcome) {
  const int tile = 2;  // east, unless the kind says otherwise
  const std::vector<TileCase> cases = {
      {"an emptied tile", "", "CONVICT", kNone, {}, kNothing, 0, 0, "", "old text", kNoCheck},
      {"an unknown kind", "Pond", "CONVICT", kNone, {}, kNothing, 0, 0, "Pond", "old text", kNoCheck},
      {"a monster", "Mon", "CONVICT", [](World& w) { w.floor.tileCreatures[tile] = creature("HAIRY", "GOBLIN"); },
       {}, "Beginning combat with HAIRY GOBLIN...\n"
           "You have first go.\n"
           "[TYPE ANYTHING TO CONTINUE]", 0, 1, "Mon",
       "old text", [](const World& w) { EXPECT_EQ(w.state.currentEnemy.type, "GOBLIN"); }},
      {"a frightened hero and a goblin", "Mon", "CONVICT",
       [](World& w) {
         w.hero.quibblent = "FRIGHTENED";
         w.floor.tileCreatures[tile] = creature("HAIRY", "GOBLIN");
       },
       {}, "Beginning combat with HAIRY GOBLIN...\n"
           "You have first go.\n"
           "[TYPE ANYTHING TO CONTINUE]", 0, 1, "Mon",
       "old text", kNoCheck},
      {"a frightened hero and a liche", "Mon", "CONVICT",
       [](World& w) {
         w.hero.quibblent = "FRIGHTENED";
         w.floor.tileCreatures[tile] = creature("SPOOKY", "LICHE");
       },
       {}, kScared, 0, 0, "Mon", "old text", kNoCheck},
      {"a frightened hero and a liche on the exit", "MonExit", "CONVICT",
       [](World& w) {
         w.hero.quibblent = "FRIGHTENED";
         w.floor.tileCreatures[tile] = creature("SPOOKY", "LICHE");
       },
       {}, "Beginning combat with SPOOKY LICHE...\n"
           "You have first go.\n"
           "[TYPE ANYTHING TO CONTINUE]", 0, 1, "MonExit",
       "old text", kNoCheck},
      {"the final monster, whatever the direction", "FinalMon", "CONVICT",
       [](World& w) {
         w.hero.quibblent = "FRIGHTENED";
         w.floor.tileCreatures[0] = creature("ANCIENT", "GHAST");
         w.floor.tileCreatures[tile] = creature("HAIRY", "GOBLIN");
       },
       {}, "Beginning combat with ANCIENT GHAST...\n"
           "You have first go.\n"
           "[TYPE ANYTHING TO CONTINUE]", 0, 1,
       "FinalMon", "old text", [](const World& w) { EXPECT_EQ(w.state.currentEnemy.type, "GHAST"); }},
      {"a zombie and an item", "Item", "ZOMBIE", kNone, {}, kNoInterest, 0, 0, "Item", "old text", kNoCheck},
      {"an item that is a weapon", "Item", "CONVICT", kNone, firstThenZeros(4),
       "Looking closer, it seems the ITEM you saw was actually a \n"
       "{name}!! (ATK: {atk})\n"
       "\n" +
           kWeaponQuestion,
       4, 0, "", kEmptiedItem, [](const World& w) { EXPECT_EQ(w.state.offeredItem.lootKind, "Weapon"); }},
      {"an item that is armor", "Item", "CONVICT", kNone, firstThenZeros(11),
       "Looking closer, it seems the ITEM you saw was actually a \n"
       "{name}!! (DEF: {def})\n"
       "\n" +
           kArmorQuestion,
       5, 0, "", kEmptiedItem, [](const World& w) { EXPECT_EQ(w.state.offeredItem.lootKind, "Armor"); }},
      {"an item that is a small find", "Item", "CONVICT", kNone, firstThenZeros(10),
       "Looking closer, it seems the ITEM you saw was actually\n"
       "1 MATCH!! You pocket the loot with a gleeful smile.",
       0, 0, "", kEmptiedItem, [](const World& w) { EXPECT_TRUE(w.hero.hasItem("MATCH", 1)); }},
      {"a small find with full pockets", "Item", "CONVICT", holdSixOthers, firstThenZeros(5),
       "Looking closer, it seems the ITEM you saw was actually\n"
       "1 MATCH!! You pocket the loot with a gleeful smile." +
           kFallsOut,
       2, 0, "", kEmptiedItem, [](const World& w) { EXPECT_EQ(w.hero.inventoryNames, kFullPockets); }},
      {"a first-floor item rolls by thirteen", "Item", "CONVICT", kNone, firstThenZeros(16),
       "Looking closer, it seems the ITEM you saw was actually a \n"
       "{name}!! (ATK: {atk})\n"
       "\n" +
           kWeaponQuestion,
       4, 0, "", kEmptiedItem, kNoCheck},
      {"a deep item that is a large find", "Item", "CONVICT",
       [](World& w) {
         w.floor.floorNumber = 5;
         w.state.potionsForSale = 4;
       },
       firstThenZeros(16),
       "Looking closer, it seems the ITEM you saw was actually a\n"
       "CALCULATOR!! You pocket the loot with a gleeful smile.",
       0, 0, "", kEmptiedItem,
       [](const World& w) {
         EXPECT_TRUE(w.hero.hasItem("CALCULATOR", 1));
         EXPECT_EQ(w.state.potionsForSale, 4);
       }},
      {"a large find with full pockets", "Item", "CONVICT",
       [](World& w) {
         w.floor.floorNumber = 5;
         holdSixOthers(w);
       },
       firstThenZeros(19),
       "Looking closer, it seems the ITEM you saw was actually\n"
       "1 CALCULATOR!! You pocket the loot with a gleeful smile." +
           kFallsOut,
       2, 0, "", kEmptiedItem, kNoCheck},
      {"a first-floor bonus item rolls by thirteen, its weapon a floor deeper", "BonusItem", "CONVICT", kNone,
       // 16 by thirteen is a weapon; the type draw of 1 is a SWORD only among the second floor's weapons.
       {16, 0, 0, 1, 0},
       "Looking closer, it seems the ITEM you saw was actually a \n"
       "{name}!! (ATK: {atk})\n"
       "\n" + kWeaponQuestion, 4, 0,
       "", kEmptiedItem, [](const World& w) { EXPECT_EQ(w.state.offeredItem.type, "SWORD"); }},
      {"a small find of potions lowers the potions still to come", "Item", "CONVICT",
       [](World& w) { w.state.potionsForSale = 4; }, firstThenZeros(5),
       "Looking closer, it seems the ITEM you saw was actually\n"
       "1 POTION!! You pocket the loot with a gleeful smile.",
       0, 0, "", kEmptiedItem,
       [](const World& w) {
         EXPECT_TRUE(w.hero.hasItem("POTION", 1));
         EXPECT_EQ(w.state.potionsForSale, 3);
       }},
      {"a third-floor bonus item rolls by twenty, armor a floor deeper", "BonusItem", "CONVICT",
       [](World& w) { w.floor.floorNumber = 3; }, firstThenZeros(33),
       "Looking closer, it seems the ITEM you saw was actually a \n"
       "{name}!! (DEF: {def})\n"
       "\n" + kArmorQuestion, 5, 0,
       "", kEmptiedItem, kNoCheck},
      {"a hat", "Hat", "ZOMBIE", kNone, {},
       "Looking closer, it seems the ITEM was actually a HAT!! \n"
       "You pocket the loot with a gleeful smile.", 0, 0, "",
       kEmptiedItem, [](const World& w) { EXPECT_TRUE(w.hero.hasItem("HAT", 1)); }},
      {"a hat on a full stack of hats", "Hat", "CONVICT",
       [](World& w) {
         w.hero.inventoryNames = {"HAT"};
         w.hero.inventoryCounts = {10, 0, 0, 0, 0, 0};
       },
       {},
       "Looking closer, it seems the ITEM was actually a HAT!! \n"
       "You pocket the loot with a gleeful smile." + kFallsOut,
       2, 0, "", kEmptiedItem, [](const World& w) { EXPECT_EQ(w.hero.inventoryCounts[0], 10); }},
      {"a special potion with full pockets", "S.Potion", "CONVICT",
       [](World& w) {
         holdSixOthers(w);
         w.hero.inventoryNames[4] = "MATCH";
       },
       {}, "It seems the ITEM was actually a SPECIAL POTION!! \n"
           "You pocket the loot with a gleeful smile." + kFallsOut,
       2, 0, "", kEmptiedItem, [](const World& w) { EXPECT_FALSE(w.hero.hasItem("SPECIAL POTION", 1)); }},
      {"gold a barrel left", "Gold", "CONVICT", [](World& w) { w.floor.tileCreatures[tile] = creature("X", "Y", 37); },
       {},
       "Looks like some gold was left un-disintegrated after that \n"
       "monster was destroyed by the explosive barrel. You greedily \n"
       "pocket the money. You got 37 gold!",
       0, 0, "", " are the ashes of a vaporized enemy.", [](const World& w) { EXPECT_EQ(w.hero.gold, 137); }},
      {"a chest on a shallow floor", "Treasure", "CONVICT", kNone, repeated(1),
       "You look inside the TREASURE CHEST...\n"
       "11 gold!! 2 KEROSENE! 2 KEROSENE! 2 KEROSENE! \n"
       "And a {name}!! (ATK: {atk})\n" +
           kWeaponQuestion,
       4, 0, "", " lies a looted TREASURE CHEST.",
       [](const World& w) {
         EXPECT_EQ(w.hero.gold, 111);
         EXPECT_TRUE(w.hero.hasItem("KEROSENE", 6));
       }},
      {"a chest on the fourth floor with full pockets", "Treasure", "CONVICT",
       [](World& w) {
         w.floor.floorNumber = 4;
         holdSixOthers(w);
       },
       repeated(1), "You look inside the TREASURE CHEST...\n"
                    "11 gold!! \n"
                    "And a {name}!! (DEF: {def})\n" + kArmorQuestion,
       5, 0, "", " lies a looted TREASURE CHEST.", [](const World& w) { EXPECT_EQ(w.hero.inventoryNames, kFullPockets); }},
      {"a chest on the fourth floor that rolls a weapon", "Treasure", "CONVICT",
       [](World& w) { w.floor.floorNumber = 4; }, repeated(0),
       "You look inside the TREASURE CHEST...\n"
       "10 gold!! 1 MATCH! 1 MATCH! \n"
       "And a {name}!! (ATK: {atk})\n" +
           kWeaponQuestion,
       4, 0, "", " lies a looted TREASURE CHEST.", [](const World& w) { EXPECT_TRUE(w.hero.hasItem("MATCH", 2)); }},
      {"a chest's potions lower the potions still to come", "Treasure", "CONVICT",
       [](World& w) { w.state.potionsForSale = 4; }, repeated(1),
       "You look inside the TREASURE CHEST...\n"
       "11 gold!! 2 POTION! 2 KEROSENE! 2 KEROSENE! \n"
       "And a {name}!! (ATK: {atk})\n" +
           kWeaponQuestion,
       4, 0, "", " lies a looted TREASURE CHEST.", [](const World& w) { EXPECT_EQ(w.state.potionsForSale, 3); }},
      {"a zombie and a chest", "Treasure", "ZOMBIE", kNone, {}, kNoInterest, 0, 0, "Treasure", "old text", kNoCheck},
      {"the dragon's hoard", "DragTreasure", "CONVICT", kNone, {},
       "Look at all this treasure! You greedily pocket the many \n"
       "gold coins the DRAGON was hoarding. You count one \n"
       "hundred... two hundred... ONE THOUSAND gold here! You take \n"
       "it all, leaving a lone artifact lying on the ground.",
       0, 0, "DragTreasure", "old text",
       [](const World& w) {
         EXPECT_EQ(w.hero.gold, 1100);
         EXPECT_EQ(w.floor.tileKinds[4], "DragTreasure2");
         EXPECT_EQ(w.floor.tileTexts[4], " lies a powerful artifact.");
       }},
      {"the dragon's artifact", "DragTreasure2", "ZOMBIE", kNone, repeated(0),
       "Looking closer, it seems this artifact is the legendary \n"
       "weapon, the FLAMING DRAGON-TONGUE! (ATK: {atk})\n"
       "Would you like to replace your current weapon, the \n"
       "RUSTY SPOON with it? (Y/N)",
       4, 0, "DragTreasure2", "old text",
       [](const World& w) {
         EXPECT_EQ(w.floor.tileKinds[4], "");
         EXPECT_EQ(w.floor.tileTexts[4], " lies the remains of a slain DRAGON.");
         EXPECT_EQ(w.state.offeredItem.name, "FLAMING DRAGON-TONGUE");
       }},
      {"a fountain", "Fount", "CONVICT", [](World& w) { w.floor.tileOffers[tile].word = "FLAMING"; }, {},
       "You approach the FOUNTAIN OF FLAMING" + kFountain +
           "You can dip your ARMOR, your WEAPON, or your SELF \n"
           "into the fountain.",
       6, 0, "Fount", "old text", [](const World& w) { EXPECT_EQ(w.state.currentOffer.word, "FLAMING"); }},
      {"a fountain of cleansing used twice", "Fount", "CONVICT",
       [](World& w) {
         w.floor.tileOffers[tile].word = "CLEANSING";
         w.floor.tileOffers[tile].timesUsed = 2;
       },
       {},
       "You approach the FOUNTAIN OF CLEANSING" + kFountain + "Bathe in the fountain to be cleansed of all ailments? (Y/N)",
       6, 0, "Fount", "old text", kNoCheck},
      {"a fountain used three times", "Fount", "CONVICT", [](World& w) { w.floor.tileOffers[tile].timesUsed = 3; }, {},
       "This fountain has been used too much!! It's all dried up. \n"
       "You'll need to look elsewhere to find a place to bathe.",
       0, 0, "Fount", "old text", kNoCheck},
      {"a zombie and a fountain", "Fount", "ZOMBIE", [](World& w) { w.floor.tileOffers[tile].word = "SHINY"; }, {},
       kNoInterest, 0, 0, "Fount", "old text",
       [](const World& w) { EXPECT_EQ(w.state.currentOffer.word, "SHINY"); }},
      {"a barrel and a hero imbued with a match", "Barrel", "CONVICT", [](World& w) { w.hero.imbuement = "MATCH"; }, {},
       "The EXPLOSIVE BARREL appears to be an EXPLOSIVE BARREL. You \n"
       "could probably blow it up just by touching it, damaging \n"
       "all your enemies. Blow up the barrel? (Y/N)",
       7, 0, "Barrel", "old text", kNoCheck},
      {"a barrel and a hero holding a match", "Barrel", "CONVICT",
       [](World& w) {
         w.hero.inventoryNames = {"POTION", "MATCH"};
         w.hero.inventoryCounts = {2, 1, 0, 0, 0, 0};
       },
       {},
       "The EXPLOSIVE BARREL appears to be an EXPLOSIVE BARREL. If \n"
       "you used a MATCH, you could probably blow it up, damaging\n"
       "you... And all your enemies. Blow up the barrel? (Y/N)",
       7, 0, "Barrel", "old text", kNoCheck},
      {"a zombie imbued with a match and a barrel", "Barrel", "ZOMBIE",
       [](World& w) {
         w.hero.imbuement = "MATCH";
         w.hero.inventoryNames = {"MATCH"};
         w.hero.inventoryCounts = {1, 0, 0, 0, 0, 0};
       },
       {}, kNoInterest, 0, 0, "Barrel", "old text", kNoCheck},
      {"a barrel and no match", "Barrel", "CONVICT", kNone, {},
       "You examine the BARREL. It sure looks EXPLOSIVE!\n"
       "You don't have a MATCH though so you can't actually do \n"
       "anything with it.",
       0, 0, "Barrel", "old text", kNoCheck},
      {"a scroll", "Scroll", "CONVICT", kNone, {},
       "You read the SCROLL. It is clearly quite old, and the \n"
       "edges are frayed. It gives a sense of timeless power, even \n"
       "after all these years...\n"
       "[TYPE ANYTHING TO CONTINUE]",
       8, 0, "Scroll", "old text", kNoCheck},
      {"a zombie and a scroll", "Scroll", "ZOMBIE", kNone, {}, kNoInterest, 0, 0, "Scroll", "old text", kNoCheck},
      {"a statue below the final monster", "Statue", "CONVICT",
       [](World& w) {
         w.floor.tileKinds[0] = "FinalMon";
         w.floor.tileCreatures[0] = creature("ANCIENT", "GHAST");
       },
       {},
       "You stare at the statue. A large, tentacled beast, crafted \n"
       "from finely polished granite, stares back. You are unnerved \n"
       "by its piercing eyes, which seem to follow your movements... \n"
       "But your attention soon shifts to the north, where the \n"
       "ANCIENT GHAST awaits.",
       0, 0, "Statue", "old text", kNoCheck},
      {"a statue", "Statue", "CONVICT", [](World& w) { w.floor.tileCreatures[0] = creature("ANCIENT", "GHAST"); }, {},
       "You stare at the statue. A large, tentacled beast, crafted \n"
       "from finely polished granite, stares back. You are unnerved \n"
       "by its piercing eyes, which seem to follow your movements... ",
       0, 0, "Statue", "old text", kNoCheck},
      {"a zombie and a statue", "Statue", "ZOMBIE", kNone, {},
       "Looks like it should be flesh. But the thing is made of \n"
       "stone. Horrible lies. Makes you hungry.", 0, 0,
       "Statue", "old text", kNoCheck},
      {"a wall", "Wall", "ZOMBIE", kNone, {}, "...there's nothing there...", 0, 0, "Wall", "old text", kNoCheck},
      {"the stairs on the seventh floor", "Exit", "ZOMBIE", [](World& w) { w.floor.floorNumber = 7; }, {},
       "These stairs will lead you to floor 8 of the QUIBBLENT \n"
       "DUNGEONS. Would you like to progress? (Y/N)\n"
       "\n"
       "[WARNING: YOU WILL NOT BE ABLE TO GO BACK UP TO PREVIOUS \n"
       "FLOORS AFTER DESCENDING]",
       43, 0, "Exit", "old text", kNoCheck},
      {"the stairs back down", "ReturnStairs", "CONVICT", kNone, {},
       "What? No, you can't go back down there. Victory is right in\n"
       "front of you, what the hell are you thinking?", 0,
       0, "ReturnStairs", "old text", [](const World& w) { EXPECT_EQ(w.hero.quibblent, "UNINTERESTING"); }},
      {"a zombie takes the stairs back down", "ReturnStairs", "ZOMBIE",
       [](World& w) {
         w.floor.wizardMet = true;
         w.floor.goblinShopKnown = true;
       },
       {},
       "Disappointed to find a lack of flesh in this part of the \n"
       "dungeons, you shamble right back down the stairs to seek \n"
       "out more. You grin, imagining a long, hungry future down \n"
       "here in your proper home, the QUIBBLENT RUDIRUVU.\n"
       "Maybe you can get your hands on that creepy WIZARD...\n"
       "[TYPE ANYTHING TO COMPLETE THE GAME]",
       54, 0, "ReturnStairs", "old text", [](const World& w) { EXPECT_EQ(w.hero.quibblent, "VICTORIOUS"); }},
      {"a zombie who knows the goblin takes the stairs back down", "ReturnStairs", "ZOMBIE",
       [](World& w) { w.floor.goblinShopKnown = true; }, {},
       "Disappointed to find a lack of flesh in this part of the \n"
       "dungeons, you shamble right back down the stairs to seek \n"
       "out more. You grin, imagining a long, hungry future down \n"
       "here in your proper home, the QUIBBLENT RUDIRUVU.\n"
       "Wasn't there a juicy-looking GOBLIN somewhere around here?\n"
       "[TYPE ANYTHING TO COMPLETE THE GAME]",
       54, 0, "ReturnStairs", "old text", kNoCheck},
      {"a zombie who knows no one takes the stairs back down", "ReturnStairs", "ZOMBIE", kNone, {},
       "Disappointed to find a lack of flesh in this part of the \n"
       "dungeons, you shamble right back down the stairs to seek \n"
       "out more. You grin, imagining a long, hungry future down \n"
       "here in your proper home, the QUIBBLENT RUDIRUVU.\n"
       "Maybe you'll even encounter some ADVENTURERS to eat...\n"
       "[TYPE ANYTHING TO COMPLETE THE GAME]",
       54, 0, "ReturnStairs", "old text", kNoCheck},
      {"the stairs out", "FinalExit", "CONVICT", [](World& w) { w.state.musicTrack = 7; }, {},
       kFinalStairs +
           "You reflect on your journey as you \n"
           "progress, and as the realization that this is it, that the \n"
           "dungeon is over, begins to slowly dawn on you.\n"
           "[TYPE ANYTHING TO CONTINUE]",
       50, 0, "FinalExit", "old text",
       [](const World& w) {
         EXPECT_EQ(w.state.musicTrack, -12);
         EXPECT_EQ(w.state.previousMusicTrack, 7);
         EXPECT_FALSE(w.state.loopFlag);
       }},
      {"the stairs out with a full bladder", "FinalExit", "CONVICT",
       [](World& w) { w.hero.skills = {Action("SLAP", 1, true), Action("PISS ON", 1, true)}; }, {},
       "(You take a moment to relieve yourself on one of the statues \n"
       "before proceeding. Ahhh, sweet relief...) \n"
       "You walk up the stairs, reflecting on your journey as you \n"
       "progress, and as the realization that this is it, that the \n"
       "dungeon is over, begins to slowly dawn on you.\n"
       "[TYPE ANYTHING TO CONTINUE]",
       50, 0, "FinalExit", "old text",
       [](const World& w) {
         EXPECT_TRUE(w.state.loopFlag);
         ASSERT_EQ(w.hero.skills.size(), 1u);
         EXPECT_EQ(w.hero.skills[0].name, "SLAP");
       }},
      {"a zombie climbs the stairs out", "FinalExit", "ZOMBIE", [](World& w) { w.state.musicTrack = 3; }, {},
       kFinalStairs +
           "You shamble up the stairs slowly, \n"
           "desperate for more flesh to consume. You have no other \n"
           "thoughts. Need more flesh.\n"
           "[TYPE ANYTHING TO CONTINUE]",
       53, 0, "FinalExit", "old text", [](const World& w) { EXPECT_EQ(w.state.musicTrack, -12); }},
      {"a cursed hero opens the door out", "ExitDoor", "CONVICT", [](World& w) { w.hero.quibblent = "CURSED"; }, {},
       kDoor + "You are now VICTORIOUS.\n"
               "[TYPE ANYTHING TO COMPLETE THE GAME]", 54, 0, "ExitDoor", "old text",
       [](const World& w) { EXPECT_EQ(w.hero.quibblent, "VICTORIOUS"); }},
      {"a zombie opens the door out", "ExitDoor", "ZOMBIE", kNone, {},
       kDoor +
           "It's - woah, it's *way* too bright. You quickly run back \n"
           "inside and shut the door. That world has nothing to offer \n"
           "you anymore. Better to stay in the RUDIRUVU.",
       0, 0, "ExitDoor", "old text", [](const World& w) { EXPECT_EQ(w.hero.quibblent, "UNINTERESTING"); }},
  };
  for (const TileCase& c : cases) {
    SCOPED_TRACE(c.what);
    World w;
    w.state.messageBuffer = "an earlier reply";
    w.state.pendingPrompt = 0;
    w.state.combatState = 0;
    w.state.dialogueStage = 0;
    w.floor.floorNumber = 1;
    w.floor.tileKinds.fill("Wall");
    w.floor.tileKinds[tile] = c.kind;
    w.floor.tileTexts[tile] = "old text";
    w.hero.playerClass = c.playerClass;
    w.hero.gold = 100;
    w.hero.equipment[0].name = "RUSTY SPOON";
    w.hero.equipment[1].name = "OLD SOCK";
    c.setup(w);
    if (c.kind.starts_with("DragTreasure")) {
      // The hoard lies where the DRAGON fell, always south.
      w.floor.tileKinds[4] = c.kind;
      w.floor.tileTexts[4] = "old text";
    }
    {
      dice::Script script(c.draws);
      ASSERT_NO_THROW(w.state.handleTileEvent(tile, c.kind, w.floor, w.hero));
    }
    EXPECT_EQ(w.state.messageBuffer, fillOffer(c.reply, w.state.offeredItem));
    EXPECT_EQ(w.state.pendingPrompt, c.prompt);
    EXPECT_EQ(w.state.combatState, c.combat);
    EXPECT_EQ(w.state.dialogueStage, 0);
    EXPECT_EQ(w.floor.tileKinds[tile], c.kindAfter);
    EXPECT_EQ(w.floor.tileTexts[tile], c.textAfter);
    c.check(w);
  }
}

// The hint on how fights work goes with the profile's first fight, and the
// meta save keeps that at once; later fights write nothing.
TEST(TileEvents, OnlyTheFirstFightClearsTheHintAndSavesIt) {
  ScratchDir scratch;
  World w;
  w.floor.tileKinds[0] = "Mon";
  w.floor.tileCreatures[0] = creature("HAIRY", "GOBLIN");
  w.state.firstCombatHint = true;
  {
    CapturedOutput out;
    w.state.handleTileEvent(0, "Mon", w.floor, w.hero);
    EXPECT_EQ(out.text(), "save successful!");
  }
  EXPECT_FALSE(w.state.firstCombatHint);
  EXPECT_TRUE(fileExists("saves/meta-save.txt"));
  w.state.combatState = 0;
  {
    CapturedOutput out;
    w.state.handleTileEvent(0, "Mon", w.floor, w.hero);
    EXPECT_EQ(out.text(), "");
  }
  EXPECT_EQ(w.state.combatState, 1);
}

TEST(TileEvents, TheFinalFightLeavesTheHintForAnOrdinaryFight) {
  ScratchDir scratch;
  World w;
  w.floor.tileKinds[0] = "FinalMon";
  w.state.firstCombatHint = true;
  CapturedOutput out;
  w.state.handleTileEvent(0, "FinalMon", w.floor, w.hero);
  EXPECT_TRUE(w.state.firstCombatHint);
  EXPECT_EQ(out.text(), "");
  EXPECT_FALSE(fileExists("saves/meta-save.txt"));
}

TEST(PlayerInventory, TheQueryReadsOnlyTheHeldNames) {
  PlayerRecord hero;
  // A hand-edited save can leave more names than counts.
  hero.inventoryNames = {"POTION", "LSD", "MATCH", "HAT", "VORTEX", "AIRHORN", "KEROSENE"};
  hero.inventoryCounts = {1, 2, 3, 4, 5, 6};
  EXPECT_FALSE(hero.hasItem("KEROSENE", 0));
  EXPECT_TRUE(hero.hasItem("AIRHORN", 6));
  // Counts past the held names mean nothing.
  hero.inventoryNames = {"POTION"};
  hero.inventoryCounts = {1, 9, 0, 0, 0, 0};
  EXPECT_FALSE(hero.hasItem("", 1));
  EXPECT_FALSE(hero.hasItem("POTION", 2));
}

TEST(PlayerHealing, NeverLowersAHeroAboveTheMaximum) {
  struct Case {
    int hp, maxHp, amount, after;
  };
  for (const Case& c : std::vector<Case>{{25, 30, 10, 30}, {30, 30, 10, 30}, {32, 30, 5, 32}, {32, 30, 0, 32}}) {
    PlayerRecord hero;
    hero.hp = c.hp;
    hero.maxHp = c.maxHp;
    hero.heal(c.amount);
    EXPECT_EQ(hero.hp, c.after) << c.hp << "/" << c.maxHp << " + " << c.amount;
  }
}

}  // namespace
