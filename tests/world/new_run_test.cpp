// Starting a run: the fate value, the special floors, the run's counters and
// the starting character.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/captured_output.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {


class NewRun : public ::testing::Test {
 protected:
  void TearDown() override { dice::useDevice(); }
};

TEST_F(NewRun, ScriptedDrawsRedrawCollidingSpecialFloors) {
  GameState state;
  Floor floor;
  floor.npcPool = {"Wise1", "Seer"};
  floor.highScrollCount = 4;
  floor.scrollBonus = true;
  floor.scroll4Found = true;
  floor.npcMissCount = 2;
  floor.ghastsToPlace = 0;
  state.shopHintsGiven = {true};
  state.gerardRefusals = 3;

  // fate; hint; shop; shop2 (hits hint, again); doom (hits shop, again);
  // heal (hits shop, shop2, doom, then free); the three traders.
  dice::Script script({142, 1, 1, 0, 1, 0, 1, 0, 6, 7, 2, 3, 0, 1});
  CapturedOutput out;
  state.startNewRun(floor, "Hero", true);

  EXPECT_EQ(script.drawsLeft(), 0u);
  EXPECT_EQ(out.text(), "42\n");
  EXPECT_EQ(state.fateValue, 42);
  EXPECT_EQ(state.pendingWord, "hero");
  EXPECT_EQ(floor.hintFloor, 2);
  EXPECT_EQ(floor.shopFloor, 9);
  EXPECT_EQ(floor.shop2Floor, 3);
  EXPECT_EQ(floor.doomFloor, 10);
  EXPECT_EQ(floor.healFloor, 5);
  EXPECT_EQ(state.gerardDealsLeft, 4);
  EXPECT_EQ(state.wombletonOffersLeft, 2);
  EXPECT_EQ(state.garyOffersLeft, 6);
  EXPECT_EQ(state.gerardRefusals, 0);
  EXPECT_TRUE(floor.npcPool.empty());
  EXPECT_EQ(floor.highScrollCount, 0);
  EXPECT_FALSE(floor.scrollBonus);
  EXPECT_FALSE(floor.scroll4Found);
  EXPECT_EQ(floor.npcMissCount, 0);
  EXPECT_EQ(floor.ghastsToPlace, 1);
  EXPECT_EQ(state.shopHintsGiven, std::vector<bool>(12, false));
  EXPECT_EQ(state.hellHintsGiven, std::vector<bool>(11, false));
}

struct NameCase {
  std::string name;
  std::uint32_t fateDraw;
  int fate;
  int ghasts;
};

TEST_F(NewRun, FateComesFromTheDrawOrTheHardModeName) {
  const std::vector<NameCase> cases = {
      {"ironwill", 5, 99, 1},   {"IronWill", 5, 99, 1},  {"IRONWILL", 96, 99, 1}, {"ironwil", 5, 5, 1},
      {"Hero", 95, 95, 3},      {"Hero", 198, 98, 3},    {"Hero", 94, 94, 1},      {"Hero", 99, 99, 1},
      {"IRONWILL\xC9", 7, 7, 1},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.name + " draw " + std::to_string(c.fateDraw));
    GameState state;
    Floor floor;
    dice::Script script({c.fateDraw, 0, 0, 0, 0, 0, 0, 0, 0});
    CapturedOutput out;
    state.startNewRun(floor, c.name, true);
    EXPECT_EQ(state.fateValue, c.fate);
    EXPECT_EQ(out.text(), std::to_string(c.fate) + "\n");
    EXPECT_EQ(floor.ghastsToPlace, c.ghasts);
  }
}

TEST_F(NewRun, BytesAboveAsciiSurviveTheLowering) {
  GameState state;
  Floor floor;
  dice::Script script({0, 0, 0, 0, 0, 0, 0, 0, 0});
  CapturedOutput out;
  state.startNewRun(floor, "\xC9Ve\xFF", true);
  EXPECT_EQ(state.pendingWord, "\xC9ve\xFF");
}

TEST_F(NewRun, OnlyTheFirstStartResetsTheRunsProgress) {
  for (const bool firstRun : {true, false}) {
    SCOPED_TRACE(firstRun ? "first start" : "rebuild");
    GameState state;
    Floor floor;
    floor.floorNumber = 9;
    floor.wizardMet = true;
    floor.goblinShopKnown = true;
    floor.secret2Known = true;
    state.storedPlayTime = 321.5;
    state.defeatCount = 4;
    state.auxCounter = 2;
    state.cousinGreeting = 1;
    state.weaponsFedToRats = 3;
    state.potionsForSale = 2;
    floor.npcPool = {"Chef"};
    dice::useSeed(3);
    CapturedOutput out;
    state.startNewRun(floor, "Hero", firstRun);
    EXPECT_EQ(floor.floorNumber, firstRun ? 1 : 9);
    EXPECT_EQ(floor.wizardMet, !firstRun);
    EXPECT_EQ(floor.goblinShopKnown, !firstRun);
    EXPECT_EQ(floor.secret2Known, !firstRun);
    EXPECT_EQ(state.storedPlayTime, firstRun ? 0.0 : 321.5);
    EXPECT_EQ(state.defeatCount, firstRun ? 0 : 4);
    EXPECT_EQ(state.auxCounter, firstRun ? 0 : 2);
    EXPECT_EQ(state.cousinGreeting, firstRun ? 0 : 1);
    EXPECT_EQ(state.weaponsFedToRats, firstRun ? 0 : 3);
    EXPECT_EQ(state.potionsForSale, firstRun ? 0 : 2);
    EXPECT_TRUE(floor.npcPool.empty());
  }
}

TEST_F(NewRun, SeededRunsKeepTheSpecialFloorsApart) {
  dice::useSeed(2024);
  CapturedOutput out;
  for (int run = 0; run < 3000; ++run) {
    GameState state;
    Floor floor;
    state.startNewRun(floor, "Hero", true);
    SCOPED_TRACE("run " + std::to_string(run));
    ASSERT_GE(state.fateValue, 0);
    ASSERT_LE(state.fateValue, 99);
    ASSERT_TRUE(floor.hintFloor == 1 || floor.hintFloor == 2);
    ASSERT_GE(floor.shopFloor, 8);
    ASSERT_LE(floor.shopFloor, 14);
    ASSERT_GE(floor.shop2Floor, 2);
    ASSERT_LE(floor.shop2Floor, 7);
    ASSERT_NE(floor.shop2Floor, floor.hintFloor);
    ASSERT_GE(floor.doomFloor, 9);
    ASSERT_LE(floor.doomFloor, 11);
    ASSERT_NE(floor.doomFloor, floor.shopFloor);
    ASSERT_GE(floor.healFloor, 3);
    ASSERT_LE(floor.healFloor, 13);
    ASSERT_NE(floor.healFloor, floor.shopFloor);
    ASSERT_NE(floor.healFloor, floor.shop2Floor);
    ASSERT_NE(floor.healFloor, floor.doomFloor);
    ASSERT_GE(state.gerardDealsLeft, 1);
    ASSERT_LE(state.gerardDealsLeft, 4);
    ASSERT_GE(state.wombletonOffersLeft, 2);
    ASSERT_LE(state.wombletonOffersLeft, 5);
    ASSERT_GE(state.garyOffersLeft, 5);
    ASSERT_LE(state.garyOffersLeft, 6);
  }
}

TEST_F(NewRun, ThePlayerStartsOverButKeepsTheName) {
  GameState state;
  PlayerRecord player;
  player.name = "Hero";
  player.itemUseText = "gulp";
  player.equipment[0].name = "ELITE SWORD";
  player.equipment[0].type = "SWORD";
  player.equipment[0].attack = 5;
  player.equipment[1].type = "ARMOR";
  player.equipment[1].defence = 2;
  player.inventoryNames = {"MATCH", "LSD"};
  player.inventoryCounts = {3, 1, 0, 0, 0, 0};
  player.skills.emplace_back("EAT", 1, true);
  player.quibblent = "ELITE";
  player.playerClass = "ZOMBIE";
  player.level = 6;
  player.maxHp = 80;
  player.hp = 12;
  player.dodges = 0;
  player.attack = 17;
  player.defence = 7;
  player.exp = 40;
  player.expForNextLevel = 900;
  player.gold = 250;
  player.stunned = player.quibblentTimed = player.willpower = player.wieldsSwordOfKings = true;
  player.boonOfConsumption = player.poisoned = true;
  player.drankJimmy = 2;
  player.quibblentTurnsLeft = 4;
  player.attackFactor = 1.25f;
  player.damageTakenFactor = 0.75f;
  player.antibioticsUsed = player.spicyTolerance = player.lsdLevel = player.discoveryScore = player.killScore = 3;
  player.imbuement = "LSD";
  player.hungerCountdown = 2;
  player.curedDiseases.fill(true);

  state.resetPlayerForNewRun(player);

  EXPECT_EQ(player.name, "Hero");
  EXPECT_EQ(player.itemUseText, "gulp");
  EXPECT_EQ(player.equipment[0].name, "ELITE SWORD");
  EXPECT_EQ(player.equipment[0].type, "");
  EXPECT_EQ(player.equipment[0].attack, 0);
  EXPECT_EQ(player.equipment[1].type, "");
  EXPECT_EQ(player.equipment[1].defence, 0);
  EXPECT_EQ(player.inventoryNames, std::vector<std::string>{"POTION"});
  EXPECT_EQ(player.inventoryCounts, (std::vector<int>{2, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(player.skills.empty());
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_EQ(player.playerClass, "");
  EXPECT_EQ(player.level, 1);
  EXPECT_EQ(player.maxHp, 30);
  EXPECT_EQ(player.hp, 30);
  EXPECT_EQ(player.dodges, 3);
  EXPECT_EQ(player.attack, 3);
  EXPECT_EQ(player.defence, 0);
  EXPECT_EQ(player.exp, 0);
  EXPECT_EQ(player.expForNextLevel, 100);
  EXPECT_EQ(player.gold, 0);
  EXPECT_FALSE(player.stunned || player.quibblentTimed || player.willpower || player.wieldsSwordOfKings ||
               player.boonOfConsumption || player.poisoned);
  EXPECT_EQ(player.drankJimmy, 0);
  EXPECT_EQ(player.quibblentTurnsLeft, 99);
  EXPECT_EQ(player.attackFactor, 1.0f);
  EXPECT_EQ(player.damageTakenFactor, 1.0f);
  EXPECT_EQ(player.antibioticsUsed + player.spicyTolerance + player.lsdLevel + player.discoveryScore +
                player.killScore,
            0);
  EXPECT_EQ(player.imbuement, "");
  EXPECT_EQ(player.hungerCountdown, 8);
  for (bool cured : player.curedDiseases) EXPECT_FALSE(cured);
}

}  // namespace
