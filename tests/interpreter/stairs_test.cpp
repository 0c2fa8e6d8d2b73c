#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "interpreter/stairs.h"
#include "tests/support/scratch_dir.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

const char kDescentStart[] = "With the current floor emptied to your satisfaction, you\n"
                             "take a deep breath and walk down the stairs to the next \n"
                             "floor... You are now on level ";

// Standing on the stairs to the south-east, asked whether to go down.
struct OnTheStairs {
  ScratchDir scratch;
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  OnTheStairs(int floorNumber) {
    dice::useSeed(7);
    state.pendingPrompt = kStairsPrompt;
    state.moveDirection = 3;
    hero.name = "BOB";
    hero.playerClass = "FIGHTER";
    floorRecord.floorNumber = floorNumber;
    for (int i = 0; i < kTileCount; ++i) floorRecord.tileKinds[i] = "Wall";
    floorRecord.tileKinds[3] = "Exit";
  }
  ~OnTheStairs() { dice::useDevice(); }
  void placeMonster(int tile, const std::string& type, int aggression) {
    floorRecord.tileKinds[tile] = "Mon";
    Creature& c = floorRecord.tileCreatures[tile];
    c.quibblent = "WET";
    c.type = type;
    c.hp = c.maxHp = 20;
    c.aggression = aggression;
  }
  std::string operator()(const std::string& line) { return state.processCommand(line, floorRecord, hero); }
};

TEST(Stairs, NoStaysAndAnythingElseAsksAgain) {
  OnTheStairs stairs(5);
  EXPECT_EQ(stairs("maybe"), "Listen up lil bitch ass lil bitch. Are you going down the \n"
                             "stairs or not, Y or N?");
  EXPECT_EQ(stairs.state.pendingPrompt, kStairsPrompt);
  EXPECT_EQ(stairs("No"), "You step back from the stairs and breathe a little sigh of \n"
                          "relief. You don't want to admit it to yourself, but you've \n"
                          "grown attached to this floor and aren't ready to say goodbye \n"
                          "just yet.");
  EXPECT_EQ(stairs.state.pendingPrompt, 2);
  EXPECT_EQ(stairs.floorRecord.floorNumber, 5);
}

TEST(Stairs, DescentOverSeveralFloorsAutosavesAfterARealWrite) {
  OnTheStairs stairs(1);
  stairs.state.firstCombatHint = true;  // the first descent also retires the combat hint for good
  for (int floorNumber = 2; floorNumber <= 4; ++floorNumber) {
    // Only the stairs walk is under test: the new floor's monsters stay away.
    for (std::string& kind : stairs.floorRecord.tileKinds) kind = "Wall";
    stairs.state.pendingPrompt = kStairsPrompt;
    const std::string reply = stairs("y");
    EXPECT_EQ(reply.rfind(kDescentStart + std::to_string(floorNumber) + "!!", 0), 0u) << reply;
    EXPECT_EQ(reply.substr(reply.size() - 20), "\n"
                                               "Autosaved file BOB!");
    EXPECT_EQ(stairs.floorRecord.floorNumber, floorNumber);
    EXPECT_EQ(stairs.state.pendingPrompt, 2);
  }
  EXPECT_EQ(stairs.state.potionsForSale, 1);  // floor 3 only
  EXPECT_FALSE(stairs.state.firstCombatHint);
  EXPECT_FALSE(slurp(stairs.scratch.file("saves/meta-save.txt")).empty());
  EXPECT_FALSE(slurp(stairs.scratch.file("saves/BOB.txt")).empty());
}

TEST(Stairs, NoAutosaveWhenOffAndAnHonestWordWhenTheWriteFails) {
  OnTheStairs off(2);
  off.state.autosave = false;
  EXPECT_EQ(off("y"), kDescentStart + std::string("3!!"));

  OnTheStairs failing(2);
  failing.hero.name = "../BOB";
  const std::string reply = failing("y");
  EXPECT_EQ(reply.find("Autosaved"), std::string::npos);
  EXPECT_NE(reply.find("could not be saved!"), std::string::npos) << reply;
}

TEST(Stairs, AConfidentMonsterAmbushesWithoutARollUnlessTheHeroIsAnOpportunist) {
  OnTheStairs stairs(2);
  stairs.placeMonster(6, "GOBLIN", 0);
  stairs.floorRecord.tileCreatures[6].confident = true;
  EXPECT_EQ(stairs("1"), "A WET GOBLIN charges up and attacks you!\n"
                         "Your stair-climbing endeavors are interrupted by combat!!\n"
                         "WET GOBLIN goes first.\n"
                         "[TYPE ANYTHING TO CONTINUE]");
  EXPECT_EQ(stairs.state.combatState, 3);
  EXPECT_EQ(stairs.floorRecord.tileKinds[3], "MonExit");
  EXPECT_EQ(stairs.floorRecord.tileTexts[3], ", a WET GOBLIN blocks the stairs.");
  EXPECT_EQ(stairs.floorRecord.tileKinds[6], "");
  EXPECT_EQ(stairs.floorRecord.tileTexts[6], "... there is nothing at all.");
  EXPECT_EQ(stairs.state.currentEnemy.type, "GOBLIN");
  EXPECT_EQ(stairs.floorRecord.floorNumber, 2);

  OnTheStairs opportunist(2);
  opportunist.hero.playerClass = "OPPORTUNIST";
  opportunist.placeMonster(6, "GOBLIN", 0);
  opportunist.floorRecord.tileCreatures[6].confident = true;
  EXPECT_EQ(opportunist("y").rfind(kDescentStart, 0), 0u);
}

TEST(Stairs, TwoRiledMonstersOnFloorTwelveAmbushWhenTheThresholdIsAtMostEighteen) {
  // Score 4 + 4 + 10 = 18; the threshold is the roll modulo 20 plus 11.
  OnTheStairs stairs(12);
  stairs.placeMonster(0, "RAT", 3);
  stairs.placeMonster(5, "BAT", 2);
  {
    dice::Script rolls({7, 4});  // threshold 18; pick 4 of 5 falls on the BAT
    EXPECT_EQ(stairs("y").rfind("A WET BAT charges up", 0), 0u);
  }
  EXPECT_EQ(stairs.state.ambushScore, 18);
  EXPECT_EQ(stairs.floorRecord.tileKinds[5], "");
}

TEST(Stairs, EarlyFloorsAndLoneMonstersNeverAmbush) {
  OnTheStairs early(3);
  early.placeMonster(0, "RAT", 3);
  early.placeMonster(1, "RAT", 3);
  EXPECT_EQ(early("y").rfind(kDescentStart, 0), 0u);

  OnTheStairs lone(9);
  lone.placeMonster(0, "RAT", 3);
  EXPECT_EQ(lone("y").rfind(kDescentStart, 0), 0u);
}

}  // namespace

namespace {

TEST(Stairs, ArrivalNoticesOfTheSecretRoomAndWhetherTheyAutosave) {
  const struct {
    int fromFloor;
    const char* heroWord;
    bool goblinScroll;
    const char* notice;  // nullptr: none
    bool autosaved;
  } cases[] = {
      {6, "UNINTERESTING", true,
       "\n"
       "You remember reading a scroll that said there was some kind \n"
       "of secret room here... Oh, it's right over there!\n"
       "Type 'secret' to access this floor's secret room!",
       false},
      {4, "KNOWLEDGEABLE", false,
       "\n"
       "You feel a flash of insight...\n"
       "Type 'secret' to access this floor's secret room!",
       true},
      {4, "UNINTERESTING", false, nullptr, true},
  };
  for (const auto& c : cases) {
    OnTheStairs stairs(c.fromFloor);
    stairs.hero.quibblent = c.heroWord;
    stairs.floorRecord.goblinShopKnown = c.goblinScroll;
    const std::string reply = stairs("y");
    const std::string arrival = kDescentStart + std::to_string(c.fromFloor + 1) + "!!";
    const std::string expected = arrival + (c.notice ? c.notice : "") +
                                 (c.autosaved ? "\n"
                                                "Autosaved file BOB!"
                                              : "");
    EXPECT_EQ(reply, expected) << c.fromFloor << " " << c.heroWord;
    EXPECT_EQ(stairs.floorRecord.secretRoomKnown, c.notice != nullptr);
  }
}

TEST(Stairs, TheNecronomiconTurnsTheHeroOnFloorFifteenAndSkipsTheAutosave) {
  OnTheStairs stairs(14);
  stairs.hero.imbuement = "NECRONOMICON";
  EXPECT_EQ(stairs("y"), kDescentStart + std::string("15!!") +
                             "\n"
                             "Suddenly, you begin to wither and die... The lingering DARK \n"
                             "ENERGIES within you are fighting to get out. You scream and \n"
                             "collapse, only to rise once more with a hunger for flesh.");
  EXPECT_EQ(stairs.hero.playerClass, "ZOMBIE");
  EXPECT_EQ(stairs.hero.maxHp, 160);
  EXPECT_EQ(stairs.state.musicTrack, -9);
}

TEST(Stairs, AContractImbuementLetsEveryOrdinaryMonsterNegotiate) {
  OnTheStairs stairs(4);
  stairs.hero.imbuement = "CONTRACT";
  stairs("y");
  for (const Creature& creature : stairs.floorRecord.tileCreatures) {
    if (creature.type.empty()) continue;
    const bool negotiates = !creature.actions.empty() && creature.actions.back().name == "NEGOTIATION";
    const bool great = creature.type == "HELLSATAN" || creature.type == "HELLFUCKER" || creature.type == "DRAGON";
    EXPECT_EQ(negotiates, !great) << creature.type;
  }
}

}  // namespace

namespace {

// Scripted rolls: the given ones first, then a long varied tail for the
// floor made on a descent.
std::vector<std::uint32_t> rollsThenAFloor(std::vector<std::uint32_t> first) {
  for (std::uint32_t i = 0; i < 20000; ++i) first.push_back(i * 2654435761u + 12345u);
  return first;
}

TEST(Stairs, AmbushScoreThresholdAndAttacker) {
  struct Monster {
    int aggression;
    int hp;  // of 20
  };
  const struct {
    int floorNumber;
    int fate;
    const char* heroClass;
    std::vector<Monster> monsters;  // on tiles 0, 1, ...
    std::vector<std::uint32_t> rolls;  // threshold, then the pick
    int score;
    int attacker;  // -1: down the stairs
  } cases[] = {
      // Two healthy on floor 12: 4 + 4 + 10 = 18 meets a threshold of 18, not one of 19.
      {12, 0, "FIGHTER", {{3, 20}, {2, 20}}, {7, 0}, 18, 0},
      {12, 0, "FIGHTER", {{3, 20}, {2, 20}}, {8}, 18, -1},
      // Below half its hp a monster adds 2; at exactly half it still adds 4.
      {9, 0, "FIGHTER", {{3, 10}, {2, 9}}, {4, 3}, 15, 1},
      {9, 0, "FIGHTER", {{3, 10}, {2, 9}}, {5}, 15, -1},
      // A calm monster adds nothing: one riled one is not enough.
      {9, 0, "FIGHTER", {{0, 20}, {3, 20}}, {}, 4, -1},
      // The first floors are safe, unless the fate is hard mode's.
      {3, 0, "FIGHTER", {{3, 20}, {2, 20}}, {}, 8, -1},
      {2, 99, "FIGHTER", {{3, 20}, {2, 20}}, {4, 4}, 15, 1},
      // An OPPORTUNIST slips 5 past the score.
      {9, 0, "OPPORTUNIST", {{3, 20}, {2, 20}}, {1, 2}, 12, 0},
      {9, 0, "OPPORTUNIST", {{3, 20}, {2, 20}}, {2}, 12, -1},
  };
  for (const auto& c : cases) {
    OnTheStairs stairs(c.floorNumber);
    stairs.state.fateValue = c.fate;
    stairs.hero.playerClass = c.heroClass;
    for (std::size_t i = 0; i < c.monsters.size(); ++i) {
      stairs.placeMonster(static_cast<int>(i), "RAT" + std::to_string(i), c.monsters[i].aggression);
      stairs.floorRecord.tileCreatures[i].hp = c.monsters[i].hp;
    }
    std::string reply;
    {
      dice::Script rolls(rollsThenAFloor(c.rolls), std::vector<int>(20000, 7));
      reply = stairs("y");
    }
    const std::string where = std::to_string(c.floorNumber) + " " + c.heroClass + " " + std::to_string(c.rolls.size());
    EXPECT_EQ(stairs.state.ambushScore, c.score) << where;
    if (c.attacker < 0) {
      EXPECT_EQ(reply.rfind(kDescentStart, 0), 0u) << where << "\n" << reply;
      EXPECT_EQ(stairs.floorRecord.floorNumber, c.floorNumber + 1) << where;
    } else {
      EXPECT_EQ(reply.rfind("A WET RAT" + std::to_string(c.attacker) + " charges up", 0), 0u) << where << "\n" << reply;
      EXPECT_EQ(stairs.floorRecord.tileKinds[c.attacker], "") << where;
      EXPECT_EQ(stairs.floorRecord.floorNumber, c.floorNumber) << where;
    }
  }
}

}  // namespace
