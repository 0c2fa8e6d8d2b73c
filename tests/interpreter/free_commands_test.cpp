#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "interpreter/free_commands.h"
#include "interpreter/information_commands.h"
#include "interpreter/look_and_move.h"
#include "interpreter/save_and_quit.h"
#include "interpreter/settings_commands.h"
#include "interpreter/use_and_drop.h"
#include "tests/support/scratch_dir.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

TEST(FreeCommands, EachLineReachesItsRow) {
  GameState state;
  PlayerRecord hero;  // holds POTIONs
  const struct {
    const char* line;
    FreeCommandHandler handler;  // nullptr: unrecognised
  } cases[] = {
      {"", commandEmptyLine},
      {"time", commandTime},
      {"look", commandLook},
      {"look around", commandLook},
      {"l", commandLook},
      {" look", nullptr},
      {"look ", nullptr},
      {"lookaround", nullptr},
      {"n", commandMove},
      {"north east", commandMove},
      {"southwest", commandMove},
      {"nw", commandMove},
      {"north-east", nullptr},
      {"secret", commandSecret},
      {"secret2", commandSecret2},
      {"use item [n]", commandUseItemJoke},
      {"use heal", commandUseHealSkill},
      {"heal", commandUseHealSkill},
      {"use antibiotics", commandUseAntibiotics},
      {"antibiotics", commandUseAntibiotics},
      {"use eat", commandUseEatSkill},
      {"eat", commandUseEatSkill},
      {"use item 1", commandUseItemSlot},
      {"use item 12", commandUseItemSlot},
      {"use item ", commandUseItemByName},  // too short for a slot
      {"use potion", commandUseItemByName},
      {"use x", commandUseItemByName},
      {"use ", nullptr},
      {"drop item 1", commandDropItemSlot},
      {"drop item ", commandDropItemByName},
      {"drop x", commandDropItemByName},
      {"drop ", nullptr},
      {"h", commandHelp},
      {"help", commandHelp},
      {"settings", commandSettingsPage},
      {"info", commandInfo},
      {"stat", commandStatus},
      {"stats", commandStatus},
      {"status", commandStatus},
      {"inv", commandInventory},
      {"item", commandInventory},
      {"inventory", commandInventory},
      {"skill", commandSkills},
      {"skills", commandSkills},
      {"autosaves 0", commandAutosave},
      {"autosave 2", nullptr},
      {"full screen 1", commandFullscreen},
      {"mute 1", commandMusic},
      {"sound", commandMusic},
      {"resolution 3", commandResolution},
      {"resolution 4", nullptr},
      {"achievement", commandAchievements},
      {"achievements", commandAchievements},
      {"give up", commandGiveUp},
      {"exit", commandQuit},
      {"quit", commandQuit},
      {"save", commandSave},
      {"load", commandLoad},
      {"hello", commandHello},
      {"nope", nullptr},
  };
  for (const auto& c : cases) {
    const FreeCommandRow* row = findFreeCommand(state, hero, c.line);
    EXPECT_EQ(row == nullptr ? nullptr : row->handler, c.handler) << '"' << c.line << '"';
  }
}

TEST(FreeCommands, EmptyLineIsACommandOnlyAfterAnOrdinaryReply) {
  GameState state;
  PlayerRecord hero;
  for (int kind : {kHelpFirstPageShown, kLookFirstPageShown, kSkillsListShown, kInventoryListShown}) {
    state.lastReplyKind = kind;
    EXPECT_EQ(findFreeCommand(state, hero, ""), nullptr) << kind;
  }
}

// A game between lines with a floor of known tiles.
struct Walk {
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  Walk() {
    state.pendingPrompt = 2;
    floorRecord.floorNumber = 3;
    for (int i = 0; i < kTileCount; ++i) {
      floorRecord.tileKinds[i] = "Wall";
      floorRecord.tileTexts[i] = " is a wall " + std::to_string(i) + ".";
    }
  }
  std::string operator()(const std::string& line) { return state.processCommand(line, floorRecord, hero); }
};

TEST(FreeCommands, LookDescribesMonstersAsTheyAreNowOnTwoPages) {
  Walk walk;
  walk.floorRecord.tileKinds[0] = "Mon";
  walk.floorRecord.tileCreatures[0].quibblent = "SLEEPING";
  walk.floorRecord.tileCreatures[0].type = "GOBLIN";
  walk.floorRecord.tileKinds[5] = "FinalMon";
  walk.floorRecord.tileCreatures[5].quibblent = "ANGRY";
  walk.floorRecord.tileCreatures[5].type = "DRAGON";
  EXPECT_EQ(walk("LOOK"), "To the NORTH stands a SLEEPING GOBLIN.\n"
                          "To the NORTHEAST is a wall 1.\n"
                          "To the EAST is a wall 2.\n"
                          "To the SOUTHEAST is a wall 3.\n"
                          "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(walk.state.lastReplyKind, kLookFirstPageShown);
  EXPECT_EQ(walk(""), "To the SOUTH is a wall 4.\n"
                      "To the SOUTHWEST stands the fearsome ANGRY DRAGON, \n"
                      "blocking your one exit out of the dungeon!!\n"
                      "To the WEST is a wall 6.\n"
                      "To the NORTHWEST is a wall 7.");
  EXPECT_EQ(walk(""), "...");
  EXPECT_EQ(walk("xyzzy"), "Nope. Sorry bucko. Try again.");
}

TEST(FreeCommands, BlockedStairsBreakTheLineByTheOldTextsLength) {
  const struct {
    int tile;
    std::size_t oldLength;
    bool broken;
  } cases[] = {{0, 48, false}, {0, 49, true}, {1, 44, false}, {1, 45, true}, {2, 46, false}, {3, 46, true}};
  for (const auto& c : cases) {
    Walk walk;
    walk.floorRecord.tileKinds[c.tile] = "MonExit";
    walk.floorRecord.tileTexts[c.tile] = std::string(c.oldLength, 'x');
    walk.floorRecord.tileCreatures[c.tile].quibblent = "WET";
    walk.floorRecord.tileCreatures[c.tile].type = "RAT";
    walk("l");
    EXPECT_EQ(walk.floorRecord.tileTexts[c.tile], c.broken ? ", a WET RAT blocks\n"
                                                             "the stairs."
                                                           : ", a WET RAT blocks the stairs.")
        << c.tile << " " << c.oldLength;
  }
}

TEST(FreeCommands, LookOnTheLastFloorKeepsTheReplyKind) {
  Walk walk;
  walk.floorRecord.floorNumber = 16;
  walk("help");
  EXPECT_EQ(walk("look"), "To the NORTH is where you're going.\n"
                          "To the SOUTH is where you came from.\n"
                          "There is nothing else.");
  EXPECT_EQ(walk("anything"), kHelpSecondPage);
}

TEST(FreeCommands, SecretRoomsAreEnteredOnlyWhenKnownAndCountedOncePerFloor) {
  Walk walk;
  EXPECT_EQ(walk("secret"), "Secret? What secret? I have no idea what you're \n"
                            "talking about... There are no secrets in this dungeon!");
  EXPECT_EQ(walk("secret2"), "Don't be ridiculous.");
  walk.floorRecord.secretRoomKnown = true;
  walk.floorRecord.secretRoomKind = "Treasure";
  walk("secret");
  walk("secret");
  EXPECT_EQ(walk.state.roomKey, "Treasure");
  EXPECT_EQ(walk.hero.discoveryScore, 1);
  walk.floorRecord.secret2Known = true;
  walk("secret2");
  EXPECT_EQ(walk.hero.discoveryScore, 1);
  EXPECT_EQ(walk.state.roomKey, "Treasure");
}

TEST(FreeCommands, MovingHandsTheTileKindToTheTileEvent) {
  Walk walk;
  walk.floorRecord.tileKinds[3] = "Exit";
  walk.state.lastReplyKind = kHelpFirstPageShown;
  walk("South East");
  EXPECT_EQ(walk.state.moveDirection, 3);
  EXPECT_EQ(walk.state.roomKey, "Exit");
  EXPECT_EQ(walk.state.lastReplyKind, kOrdinaryReply);
}

TEST(InformationCommands, StatusOfANewAndOfAStrongHero) {
  Walk walk;
  walk.hero.name = "BOB";
  walk.hero.playerClass = "FIGHTER";
  walk.hero.equipment[0].name = "STICK";
  walk.hero.equipment[0].attack = 2;
  walk.hero.equipment[1].name = "RAG";
  walk.hero.equipment[1].defence = 1;
  walk.hero.attack = 3;
  walk.hero.attackFactor = 1.5f;
  walk.hero.defence = 1;
  walk.hero.damageTakenFactor = 2.0f;
  EXPECT_EQ(walk("status"), "You are BOB the level 1 UNINTERESTING FIGHTER.\n"
                            "WEAPON: STICK (ATK: 2).\n"
                            "ARMOR: RAG (DEF: 1).\n"
                            "HP: 30 / 30, ATK: 4, DEF: 0, Dodges: 3.\n"
                            "You have 0 XP and 0 gold, needing 100 XP to level up.\n");
  walk.hero.level = 10;
  walk.hero.wieldsSwordOfKings = true;
  walk.hero.imbuement = "HAT";
  EXPECT_EQ(walk("stats"), "You are BOB the level 10 UNINTERESTING FIGHTER.\n"
                           "WEAPON: SWORD OF KINGS (ATK: ??).\n"
                           "ARMOR: RAG (DEF: 1).\n"
                           "HP: 30 / 30, ATK: ??, DEF: 0, Dodges: 3.\n"
                           "You have 0 XP and 0 gold.\n"
                           "You have been imbued with the power of HAT.\n");
}

TEST(InformationCommands, InfoTellsTheRunsOddities) {
  Walk walk;
  walk.hero.killScore = 1013;
  walk.hero.antibioticsUsed = 2;
  walk.hero.spicyTolerance = 1;
  walk.hero.lsdLevel = 3;
  walk.hero.quibblent = "CURSED";
  walk.hero.quibblentTurnsLeft = 80;
  EXPECT_EQ(walk("info"), "You are currently on floor 3 of 15.\n"
                          "You have killed 13 monsters.\n"
                          "You have used 2 ANTIBIOTICS.\n"
                          "You have developed a LEVEL 1 SPICY TOLERANCE!\n"
                          "You have taken a *lot* of LSD. You should be careful.\n"
                          "You have been CURSED for 1 turns...");
}

TEST(InformationCommands, ListsAndTheirFollowUps) {
  Walk walk;
  walk.hero.inventoryNames = {"POTION", "GROG"};
  walk.hero.inventoryCounts = {2, 1, 0, 0, 0, 0};
  EXPECT_EQ(walk("inv"), "1: POTION (2) - Heals 50% HP.\n"
                         "2: GROG (1) - A pint of GROG from GROGGUM JOHN.\n");
  EXPECT_EQ(walk.state.lastReplyKind, kInventoryListShown);

  walk.hero.maxHp = 90;
  walk.hero.skills = {Action("HEAL", 0, true), Action("FIREBOLT", 0, true), Action("BODY TACKLE", 0, true)};
  walk.hero.skills[1].cooldownLeft = 3;
  EXPECT_EQ(walk("skills"), "1: HEAL (-) - Heals 25 HP, limited uses per battle.\n"
                            "2: FIREBOLT (3) - Deals 10 damage, may cause FLAMING.\n"
                            "3: BODY TACKLE (-) - 1.5x damage; -1 dodge; frightening.\n");
  EXPECT_EQ(walk("4"), "That's not a real skill...");
  walk("skills");
  EXPECT_EQ(walk("3"), "You cannot use that skill outside of combat!");
  EXPECT_EQ(walk.state.lastReplyKind, kOrdinaryReply);

  walk.hero.inventoryNames.clear();
  walk.hero.skills.clear();
  walk("help");
  EXPECT_EQ(walk("inv"), "You do not currently have any items!!\n");
  EXPECT_EQ(walk("skill"), "You do not currently have any skills, somehow!!\n");
  EXPECT_EQ(walk.state.lastReplyKind, kHelpFirstPageShown);
}

TEST(InformationCommands, HallOfFameCountsVictories) {
  const struct {
    int victories;
    const char* middle;
  } cases[] = {{0, "Your farthest run made it to floor 7."},
               {1, "You have completed the game 1 time!"},
               {3, "You have completed the game 3 times!"}};
  for (const auto& c : cases) {
    Walk walk;
    walk.state.deepestFloor = 7;
    walk.state.victoryCount = c.victories;
    EXPECT_EQ(walk("achievements"),
              std::string("Welcome to the HALL OF FAME! In this place, your great feats \n"
                          "are preserved forever. Isn't that nice? \n"
                          "\n") +
                  c.middle +
                  "\n"
                  "Type a number (1-18) to read the achievement description, or \n"
                  "'exit' to return to the main game.");
    EXPECT_EQ(walk.state.achievementsViewerOpen, 1);
  }
}

}  // namespace

namespace {

TEST(UnrecognisedInput, TheAcademicsAntibioticsChosenFromTheSkillsList) {
  const struct {
    const char* word;
    bool poisoned;
    int usedBefore;
    const char* middle;
  } cases[] = {
      {"UNINTERESTING", false, 0,
       "\n"
       "You are already perfectly healthy.\n"
       "You shouldn't waste antibiotics like that, you know.\n"},
      {"FLAMING", false, 0,
       "\n"
       "You are already perfectly healthy.\n"
       "You shouldn't waste antibiotics like that, you know.\n"},
      {"UNINTERESTING", true, 0, " Your POISON has been cured!\n"},
      {"UNINTERESTING", true, 4,
       "\n"
       "The bacteria in your body have developed ANTIBIOTIC \n"
       "RESISTANCE! The antibiotics do nothing.\n"},
  };
  for (const auto& c : cases) {
    Walk walk;
    walk.hero.quibblent = c.word;
    walk.hero.poisoned = c.poisoned;
    walk.hero.antibioticsUsed = c.usedBefore;
    walk.hero.skills = {Action("MAGICBOLT", 0, true), Action("ANTIBIOTICS", 0, true)};
    walk("skills");
    EXPECT_EQ(walk("2"), std::string("You take some ANTIBIOTICS.") + c.middle +
                             "It is now the enemy's tur- ...Wait, no, nevermind.")
        << c.word << " " << c.poisoned;
    EXPECT_EQ(walk.hero.antibioticsUsed, c.usedBefore + 1);
    EXPECT_EQ(walk.hero.skills[1].cooldownLeft, walk.hero.skills[1].cooldown);
    if (walk.hero.skills[1].cooldown > 0) {
      walk("skills");
      EXPECT_EQ(walk("2"), "You cannot use that skill, it is currently cooling down!");
    }
  }
}

TEST(InformationCommands, TheFirstHelpClearsTheCombatHintAndWritesTheMetaSaveOnce) {
  ScratchDir scratch;
  Walk walk;
  walk.state.firstCombatHint = true;
  walk("h");
  EXPECT_FALSE(walk.state.firstCombatHint);
  const std::string written = slurp("saves/meta-save.txt");
  EXPECT_FALSE(written.empty());
  spit("saves/meta-save.txt", "untouched");
  walk("help");
  EXPECT_EQ(slurp("saves/meta-save.txt"), "untouched");
}

TEST(FreeCommands, TimeCountsTheRunsStoredPlayTimeAndTheClock) {
  Walk walk;
  walk.state.storedPlayTime = 3725.0;
  walk.state.clockStart = GameState::Clock::now() - std::chrono::seconds(10);
  const std::string reply = walk("time");
  EXPECT_EQ(reply.rfind("You have been playing for 01:02:15.", 0), 0u) << reply;
  EXPECT_EQ(reply.back(), '.');
  EXPECT_GE(walk.state.elapsedSeconds, 10.0);
}

}  // namespace
