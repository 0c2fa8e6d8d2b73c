// How many typed lines the game answers per second: the command step over a
// seeded walk of commands, directions, numbers and answers. Lines that write
// files (saving, quitting) are left out so that the figure is the step's own.
#include <benchmark/benchmark.h>

#include <iostream>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

const char* const kWalkWords[] = {
    "", "time", "look", "look around", "l", " look", "n", "ne", "e", "se", "s", "sw", "w", "nw", "north east",
    "secret", "secret2", "use item [n]", "heal", "eat", "use item 1", "use potion", "drop item 9", "drop 1", "help",
    "info", "status", "inv", "skills", "hello", "potion", "y", "n", "1", "2", "3", "4", "7", "12", "nonsense",
    "YES", "LOOK AROUND",
};

void BM_CommandStep(benchmark::State& state) {
  buildQuibblentTables();
  dice::useSeed(1);
  NullBuffer sink;
  std::streambuf* const previous = std::cout.rdbuf(&sink);
  std::mt19937 pick(1);
  std::vector<std::string> lines;
  for (int i = 0; i < 4096; ++i) lines.push_back(kWalkWords[pick() % std::size(kWalkWords)]);
  GameState game;
  Floor floor;
  PlayerRecord player;
  game.startNewRun(floor, "Bench", true);
  game.pendingPrompt = 2;
  player.name = "Bench";
  player.playerClass = "ACADEMIC";
  std::size_t next = 0;
  for (auto _ : state) {
    game.firstCombatHint = false;  // "help" would write the meta save
    benchmark::DoNotOptimize(game.processCommand(lines[next], floor, player));
    next = (next + 1) % lines.size();
  }
  state.SetItemsProcessed(state.iterations());
  std::cout.rdbuf(previous);
  dice::useDevice();
}
BENCHMARK(BM_CommandStep);

}  // namespace
