#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encounters/later_characters.h"
#include "interpreter/later_dialogues.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

struct SeededRolls {
  explicit SeededRolls(unsigned seed) { dice::useSeed(seed); }
  ~SeededRolls() { dice::useDevice(); }
};

// The hero stepping east onto one character's tile.
struct Visit {
  GameState state;
  Floor floorRecord;
  PlayerRecord player;
  static constexpr int kTile = 2;

  explicit Visit(const std::string& key) {
    buildQuibblentTables();
    floorRecord.tileKinds[kTile] = "NPC";
    floorRecord.tileTexts[kTile] = " stands someone.";
    floorRecord.tileOccupants[kTile] = TileOccupant(key, -1, -1);
    floorRecord.floorNumber = 3;
    state.moveDirection = kTile;
    state.currentFeature = &floorRecord.tileOccupants[kTile];
    state.messageBuffer = "earlier text";
    state.dialogueStage = floorRecord.tileOccupants[kTile].stateCode;
  }
  TileOccupant& occupant() { return floorRecord.tileOccupants[kTile]; }
  bool enter() {
    return enterLaterCharacter(state, floorRecord, player, kTile, floorRecord.tileOccupants[kTile].key);
  }
};

constexpr const char* kNothing = "You walk over to the tile but there is nothing important \n"
                                 "there. You stand around twiddling your thumbs for a bit, \n"
                                 "but eventually it starts to feel rather silly. \n"
                                 "You return to the center.";

TEST(LaterCharacters, AKeyNoGreetingKnowsChangesNothing) {
  for (const std::string key : {"Academic", "Chef", "", "babyghast"}) {
    Visit visit(key);
    visit.state.dialogueStage = 0;
    EXPECT_FALSE(visit.enter()) << key;
    EXPECT_EQ(visit.state.messageBuffer, "earlier text");
    EXPECT_EQ(visit.state.dialogueStage, 0);
    EXPECT_EQ(visit.floorRecord.tileKinds[Visit::kTile], "NPC");
  }
}

TEST(LaterCharacters, WhoGreetsTheHeroAndWhatFollows) {
  const struct {
    std::string key;
    std::string playerClass;
    std::string quibblent;
    int visitState;
    std::string held;  // an item the hero carries
    bool allergyCured;
    std::string replyStart;
    int stage;
    std::string kindAfter;
    std::string textAfter;
  } cases[] = {
      {"BabyGhast", "ZOMBIE", "UNINTERESTING", 0, "", false, "Creature is too small. Not worth taking flesh.", 0,
       "NPC", " stands someone."},
      {"BabyGhast", "FIGHTER", "UNINTERESTING", 0, "GHAST-BUSTER", false,
       "The TINY SKULL sees your GHAST-BUSTER and freaks out. \n", 0, "", ", there is nothing at all."},
      {"BabyGhast", "FIGHTER", "UNINTERESTING", 0, "", false, "You approach the TINY SKULL. It's so tiny!", 27, "NPC",
       " stands someone."},
      {"Peanut", "ZOMBIE", "UNINTERESTING", 0, "", false, "Big peanut, not flesh. Not interesting.", 0, "NPC",
       " stands someone."},
      {"Peanut", "FIGHTER", "UNINTERESTING", 0, "", false, "You approach the GIANT PEANUT. It's so beautiful.", 55,
       "NPC", " stands someone."},
      {"Peanut", "FIGHTER", "UNINTERESTING", 1, "", true, "Could it be? With the allergies cleared", 56, "NPC",
       " stands someone."},
      {"Peanut", "FIGHTER", "UNINTERESTING", 1, "", false, "You can't even approach the GIANT PEANUT.", 0, "NPC",
       " stands someone."},
      {"Groggum", "ZOMBIE", "UNINTERESTING", 0, "", false, "Smells like flesh inside the grog shop.", 0, "NPC",
       " stands someone."},
      {"Groggum", "FIGHTER", "UNINTERESTING", 0, "", false, "The sign outside reads 'GROGGUM JOHN'S PUB", 57, "NPC",
       " stands someone."},
      {"Flayer", "FIGHTER", "UNINTERESTING", 0, "", false, "You approach the MIND FLAYER, ready for combat...", 59,
       "NPC", " stands someone."},
      {"Flayer", "ZOMBIE", "UNINTERESTING", 0, "", false, "Very strange creature. Don't understand.", 0, "NPC",
       " stands someone."},
      {"Quibblex", "ZOMBIE", "UNINTERESTING", 0, "", false, "You have no interest in QUIBBLENTAL FRACTALS.", 0,
       "NPC", " stands someone."},
      {"Quibblex", "FIGHTER", "UNINTERESTING", 0, "", false,
       "You approach the QUIBBLEX. It thrums with QUIBBLENTAL AURAS. \n"
       "Would you like to jump in? (Y/N)",
       69, "NPC", " stands someone."},
      {"Burger", "ZOMBIE", "UNINTERESTING", 0, "", false, "Tastes ok, but not as good as flesh.", 0, "",
       " was once a BURGER, but now there is nothing."},
      {"Burger", "FIGHTER", "UNINTERESTING", 0, "", false,
       "Hey, someone left a perfectly good CHEESEBURGER lying around \n"
       "on the dusty dungeon floor! What a waste.\n"
       "Would you like to EAT the CHEESEBURGER? (Y/N)",
       71, "NPC", " stands someone."},
      {"?", "ZOMBIE", "UNINTERESTING", 0, "", false, "'You! Come over here. Hah, look at you.", 36, "NPC",
       " stands someone."},
      {"?", "FIGHTER", "UNINTERESTING", 0, "", false, kNothing, 0, "", ", there is nothing at all."},
      {"?", "FIGHTER", "CURSED", 0, "", false, "'You. Come over here. You can see me, yes?", 31, "NPC",
       " stands someone."},
      {"Ogre", "FIGHTER", "UNINTERESTING", 0, "", false, "You approach the LOST OGRE.", 72, "NPC", " stands someone."},
  };
  for (const auto& c : cases) {
    Visit visit(c.key);
    visit.player.playerClass = c.playerClass;
    visit.player.quibblent = c.quibblent;
    visit.occupant().visitState = c.visitState;
    if (c.key == "Peanut" && c.visitState == 1) visit.occupant().stateCode = 56;
    if (!c.held.empty()) visit.player.gainItem(c.held, 1);
    visit.player.curedDiseases[28] = c.allergyCured;
    ASSERT_TRUE(visit.enter()) << c.key;
    const std::string label = c.key + " " + c.playerClass + " " + std::to_string(c.visitState);
    EXPECT_EQ(visit.state.messageBuffer.substr(0, c.replyStart.size()), c.replyStart) << label;
    EXPECT_EQ(visit.state.dialogueStage, c.stage) << label;
    EXPECT_EQ(visit.state.combatState, 0) << label;
    EXPECT_EQ(visit.floorRecord.tileKinds[Visit::kTile], c.kindAfter) << label;
    EXPECT_EQ(visit.floorRecord.tileTexts[Visit::kTile], c.textAfter) << label;
  }
}

TEST(LaterCharacters, TheSkullBreaksOffAndThePeanutAwaitsAnyLine) {
  Visit skull("BabyGhast");
  skull.state.clockNow = GameState::Clock::time_point{};
  skull.enter();
  const std::string& greeting = skull.state.messageBuffer;
  EXPECT_EQ(greeting.substr(greeting.size() - 23), "name it Mr. Skullsy and");
  EXPECT_GT(skull.state.clockNow, GameState::Clock::time_point{});

  Visit peanut("Peanut");
  peanut.enter();
  const std::string& awe = peanut.state.messageBuffer;
  EXPECT_EQ(awe.substr(awe.size() - 27), "[TYPE ANYTHING TO CONTINUE]");
  // Every later visit starts at the touching stage.
  EXPECT_EQ(peanut.occupant().stateCode, 56);
  EXPECT_EQ(peanut.occupant().visitState, 1);
}

TEST(LaterCharacters, JohnnyAvengesHisBrotherOrIsDrunk) {
  SeededRolls rolls(2);
  Visit fight("Johnny");
  fight.player.playerClass = "FIGHTER";
  ASSERT_TRUE(fight.enter());
  EXPECT_EQ(fight.state.dialogueStage, 40);
  EXPECT_EQ(fight.floorRecord.tileKinds[Visit::kTile], "Mon");
  EXPECT_EQ(fight.floorRecord.tileCreatures[Visit::kTile].quibblent, "JOHNNY THE");
  EXPECT_EQ(fight.floorRecord.tileCreatures[Visit::kTile].type, "POTION");
  EXPECT_EQ(fight.state.messageBuffer, "You cautiously approach the POTION. It frowns at you and \n"
                                       "speaks in a voice as cold as steel. \n"
                                       "'Hello. My name is JOHNNY THE POTION. You killed my brother. \n"
                                       "Prepare to die.' \n"
                                       "[TYPE ANYTHING TO CONTINUE]");

  Visit drink("Johnny");
  drink.player.playerClass = "ZOMBIE";
  drink.player.hp = 7;
  drink.player.maxHp = 40;
  drink.state.combatState = 3;
  ASSERT_TRUE(drink.enter());
  EXPECT_EQ(drink.player.hp, 40);
  EXPECT_EQ(drink.state.combatState, 0);
  EXPECT_EQ(drink.state.dialogueStage, 0);
  EXPECT_EQ(drink.floorRecord.tileKinds[Visit::kTile], "");
  EXPECT_EQ(drink.floorRecord.tileTexts[Visit::kTile], " is some broken glass.");
}

TEST(LaterCharacters, TheLostOgre) {
  SeededRolls rolls(4);
  const struct {
    std::string playerClass;
    int visitState;
    std::string otherTile;  // what stands on the southwest tile
    std::string replyStart;
    int stage;
    int combat;
  } cases[] = {
      {"FIGHTER", 1, "Fount", "The LOST OGRE, seeing your success in clearing the floor, \n", 72, 0},
      {"FIGHTER", 1, "MonExit", "The LOST OGRE reminds you that it cannot safely leave unless \n", 0, 0},
      {"FIGHTER", 1, "Mon", "The LOST OGRE reminds you that it cannot safely leave unless \n", 0, 0},
      {"ZOMBIE", 0, "MonExit",
       "The LOST OGRE freaks out at your approach, becoming \n"
       "FRIGHTENED! You will have the upper hand in this combat \n"
       "encounter.\n"
       "[TYPE ANYTHING TO CONTINUE]",
       0, 1},
  };
  for (const auto& c : cases) {
    Visit visit("Ogre");
    visit.player.playerClass = c.playerClass;
    visit.occupant().visitState = c.visitState;
    visit.floorRecord.tileKinds[5] = c.otherTile;
    ASSERT_TRUE(visit.enter());
    EXPECT_EQ(visit.state.messageBuffer.substr(0, c.replyStart.size()), c.replyStart) << c.playerClass << " " << c.otherTile;
    EXPECT_EQ(visit.state.dialogueStage, c.stage) << c.playerClass << " " << c.otherTile;
    EXPECT_EQ(visit.state.combatState, c.combat) << c.playerClass << " " << c.otherTile;
  }
  Visit zombie("Ogre");
  zombie.player.playerClass = "ZOMBIE";
  zombie.enter();
  EXPECT_EQ(zombie.floorRecord.tileKinds[Visit::kTile], "Mon");
  EXPECT_EQ(zombie.state.currentEnemy.quibblent, "FRIGHTENED");
  EXPECT_EQ(zombie.state.currentEnemy.type, "OGRE");
}

TEST(LaterCharacters, AHungryHeroOrHungryGearEatsTheBurgerAtOnce) {
  const std::string start = "Hey, someone left a perfectly good CHEESEBURGER lying around \n"
                            "on the dusty dungeon floor! What a waste.\n";
  const struct {
    std::string hero, weapon, armor;
    std::string eater;  // "hero", "weapon" or "armor"
  } cases[] = {
      {"STARVING", "RAVENOUS", "RAVENOUS", "hero"},
      {"UNINTERESTING", "RAVENOUS", "RAVENOUS", "weapon"},
      {"UNINTERESTING", "DAMP", "STARVING", "armor"},
  };
  for (const auto& c : cases) {
    Visit visit("Burger");
    visit.player.playerClass = "FIGHTER";
    visit.player.quibblent = c.hero;
    visit.player.equipment[0] = ItemRecord("start", 1);
    visit.player.equipment[1] = ItemRecord("shirt", 1);
    visit.player.equipment[0].changeQuibblent(c.weapon);
    visit.player.equipment[1].changeQuibblent(c.armor);
    visit.player.attack = 4 + visit.player.equipment[0].attack;
    visit.player.defence = visit.player.equipment[1].defence;
    ASSERT_TRUE(visit.enter());
    const std::string& text = visit.state.messageBuffer;
    EXPECT_EQ(visit.state.dialogueStage, 0) << c.eater;
    EXPECT_EQ(visit.floorRecord.tileTexts[Visit::kTile], " was once a BURGER, but now there is nothing.");
    if (c.eater == "hero") {
      const std::string wolfed = start + "Your HUNGER outweighs your sense, and you wolf down the \n"
                                         "CHEESEBURGER without even pausing to wait for a Y/N prompt.\n";
      EXPECT_EQ(text.substr(0, wolfed.size()), wolfed);
      // The hero's change of quibblent is told after it.
      EXPECT_GT(text.size(), wolfed.size());
      EXPECT_EQ(visit.player.quibblent, "VOLUMINOUS");
      EXPECT_EQ(visit.player.equipment[0].quibblent, "RAVENOUS");
    } else if (c.eater == "weapon") {
      EXPECT_EQ(text, start +
                          "Your SWORD leaps ahead to chomp it down before you can do \n"
                          "anything. It seems to find the meal both satisfying and \n"
                          "fattening! You are now holding a " +
                          visit.player.equipment[0].name + ".");
      EXPECT_EQ(visit.player.equipment[0].quibblent, "VOLUMINOUS");
      EXPECT_EQ(visit.player.equipment[1].quibblent, "RAVENOUS");
    } else {
      EXPECT_EQ(text, start +
                          "Your ARMOR leaps ahead to chomp it down before you can do \n"
                          "anything. It seems to find the meal both satisfying and \n"
                          "fattening! You are now wearing a " +
                          visit.player.equipment[1].name + ".");
      EXPECT_EQ(visit.player.equipment[1].quibblent, "VOLUMINOUS");
    }
    // The hero's ATK and DEF still carry exactly the worn items' bonuses.
    EXPECT_EQ(visit.player.attack, 4 + visit.player.equipment[0].attack) << c.eater;
    EXPECT_EQ(visit.player.defence, visit.player.equipment[1].defence) << c.eater;
  }
}

TEST(LaterCharacters, TheFlayerConfusesAZombieAndRefusesASecondLook) {
  Visit zombie("Flayer");
  zombie.player.playerClass = "ZOMBIE";
  zombie.enter();
  EXPECT_EQ(zombie.player.quibblent, "CONFUSED");
  EXPECT_EQ(zombie.state.messageBuffer, "Very strange creature. Don't understand. CONFUSING to look \n"
                                        "at. Gruuuuhhh...");

  Visit again("Flayer");
  again.occupant().visitState = 1;
  again.occupant().stateCode = 0;
  again.enter();
  EXPECT_EQ(again.state.messageBuffer, "Oh hell no. You're just going to leave that MIND FLAYER \n"
                                       "alone from now on.");
  EXPECT_EQ(again.state.dialogueStage, 0);
}

// From the greeting through the talk to its end, line by line as the
// dialogue step hands them on; the tiny skull's pause is fired as the shell
// fires it, by moving to the prank stage with an empty line.
TEST(LaterCharacters, EachTalkRunsFromTheGreetingToItsEnd) {
  const struct {
    std::string key;
    std::string playerClass;
    std::string quibblent;
    std::vector<std::string> lines;
    std::string lastReplyStart;
    std::string textAfter;
  } cases[] = {
      {"BabyGhast", "FIGHTER", "UNINTERESTING", {"", "", ""}, "'I can't wait till I can tell my friends",
       ", there is nothing at all."},
      {"Flayer", "FIGHTER", "UNINTERESTING", std::vector<std::string>(10, "x"), "You get the fuck out of there",
       " stands someone."},
      {"Quibblex", "FIGHTER", "UNINTERESTING", {"y", "x"}, "You land, disoriented, back in the dungeon.",
       ", there is nothing at all."},
      {"?", "FIGHTER", "CURSED", std::vector<std::string>(5, "x"), "You can barely see, but whoever it was", "..."},
      {"?", "ZOMBIE", "UNINTERESTING", {"x", "x"}, "Suddenly, feels good. +20 HP.", "..."},
  };
  SeededRolls rolls(9);
  for (const auto& c : cases) {
    Visit visit(c.key);
    visit.player.playerClass = c.playerClass;
    visit.player.quibblent = c.quibblent;
    ASSERT_TRUE(visit.enter()) << c.key;
    if (visit.state.dialogueStage == 27) visit.state.dialogueStage = 28;
    std::string last;
    for (const std::string& line : c.lines) {
      const StageReply reply = answerLaterDialogueStage(visit.state, visit.floorRecord, visit.player, line);
      ASSERT_TRUE(reply.has_value()) << c.key << " at stage " << visit.state.dialogueStage;
      last = *reply;
    }
    EXPECT_EQ(last.substr(0, c.lastReplyStart.size()), c.lastReplyStart) << c.key;
    EXPECT_EQ(visit.state.dialogueStage, 0) << c.key;
    EXPECT_EQ(visit.floorRecord.tileTexts[Visit::kTile], c.textAfter) << c.key;
  }
}

}  // namespace
