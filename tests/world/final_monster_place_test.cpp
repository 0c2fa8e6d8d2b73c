// The final fight always takes the north tile's creature, whatever direction
// was typed, so the final monster must never stand anywhere but north.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/captured_output.h"
#include "world/floor.h"
#include "world/floor_generator.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

TEST(FinalMonsterPlace, TheGeneratorPutsTheFinalMonsterOnlyNorth) {
  dice::useSeed(4242);
  int finalFloorsSeen = 0;
  for (int run = 0; run < 30; ++run) {
    const int fate = run * 7 % 100;
    PlayerRecord player;
    player.playerClass = run % 4 == 3 ? "ZOMBIE" : "CONVICT";
    for (int floorNumber = 1; floorNumber <= 16; ++floorNumber) {
      Floor floor;
      {
        CapturedOutput quiet;
        generateFloor(floor, floorNumber, fate, player, kRolledMonsterCount);
      }
      for (int tile = 1; tile < kTileCount; ++tile) {
        EXPECT_NE(floor.tileKinds[tile], "FinalMon") << "floor " << floorNumber << " fate " << fate << " tile " << tile;
      }
      if (floor.tileKinds[0] == "FinalMon") ++finalFloorsSeen;
    }
  }
  dice::useDevice();
  // The runs did reach a final monster, so the check above looked at its floor.
  EXPECT_GT(finalFloorsSeen, 0);
}

}  // namespace
