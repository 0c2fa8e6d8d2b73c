// How long a floor waits for one monster: a whole creature roll (type, word,
// stats, moves) with the game's real random device.
#include <benchmark/benchmark.h>

#include "world/creature_rolls.h"
#include "world/quibblent_tables.h"

namespace {

void BM_RollCreature(benchmark::State& state) {
  buildQuibblentTables();
  const int tier = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Creature creature = rollCreature(tier, 0);
    benchmark::DoNotOptimize(creature);
  }
}
// The first floor, a deep floor with many moves to build, and the boss.
BENCHMARK(BM_RollCreature)->Arg(1)->Arg(12)->Arg(15);

}  // namespace
