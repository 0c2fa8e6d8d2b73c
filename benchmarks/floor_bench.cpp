// How long the stairs take: filling one floor (monsters, shops, characters,
// fountains, scrolls, the secret room) with the game's real random device.
// The trace lines go to a sink, so the figure is the generator's own.
#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>

#include "world/floor_generator.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// A whole descent: floors 1 to 16 in turn, the run started afresh each time
// the bottom is reached, so the character pool grows and shrinks as in play.
void BM_GenerateFloor(benchmark::State& state) {
  buildQuibblentTables();
  NullBuffer sink;
  std::streambuf* const previous = std::cout.rdbuf(&sink);
  GameState game;
  Floor floor;
  PlayerRecord player;
  player.playerClass = "ACADEMIC";
  const int fate = static_cast<int>(state.range(0));
  int floorNumber = 16;
  for (auto _ : state) {
    if (floorNumber == 16) {
      game.startNewRun(floor, "Bench", true);
      floorNumber = 0;
    }
    ++floorNumber;
    generateFloor(floor, floorNumber, fate, player, kRolledMonsterCount);
    benchmark::DoNotOptimize(floor.tileKinds);
  }
  std::cout.rdbuf(previous);
}
// An ordinary run, a run with the dragon on floor 12, and hard mode.
BENCHMARK(BM_GenerateFloor)->Arg(10)->Arg(50)->Arg(99);

}  // namespace
