// One save and one load of a full run: a hero with a full bag and six skills
// on a generated floor, written to and read from a real "saves/" folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "persistence/run_save_format.h"
#include "world/floor_generator.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

// Runs the benchmark in a folder of its own and keeps the game's trace lines
// off the terminal.
class BenchFolder {
 public:
  BenchFolder() {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "quibblent-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::filesystem::current_path(path_);
    silenced_ = std::cout.rdbuf(sink_.rdbuf());
  }
  ~BenchFolder() {
    std::cout.rdbuf(silenced_);
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  void forget() { sink_.str(""); }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
  std::ostringstream sink_;
  std::streambuf* silenced_ = nullptr;
};

void buildFullRun(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  buildQuibblentTables();
  dice::useSeed(7);
  state.startNewRun(floorRecord, "Bench", true);
  hero.name = "Bench";
  hero.playerClass = "OPPORTUNIST";
  for (const char* item : {"MATCH", "KEROSENE", "LSD", "AIRHORN", "SALT SHAKER"}) hero.gainItem(item, 5);
  for (const char* skill : {"PICKPOCKET", "NEGOTIATE", "SNEAK ATTACK", "EXAMINE", "MAGICBOLT", "HEAL"}) {
    hero.learnSkill(skill);
  }
  generateFloor(floorRecord, 9, state.fateValue, hero, kRolledMonsterCount);
}

void BM_SaveRun(benchmark::State& bench) {
  BenchFolder folder;
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  buildFullRun(state, floorRecord, hero);
  for (auto _ : bench) {
    if (!state.saveRun(floorRecord, hero)) bench.SkipWithError("save failed");
    folder.forget();
  }
}
BENCHMARK(BM_SaveRun)->Unit(benchmark::kMicrosecond);

void BM_LoadRun(benchmark::State& bench) {
  BenchFolder folder;
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  buildFullRun(state, floorRecord, hero);
  if (!state.saveRun(floorRecord, hero)) bench.SkipWithError("save failed");
  for (auto _ : bench) {
    state.loadFile.open("saves/Bench.txt");
    if (state.loadRun(floorRecord, hero) != kLoadedRun) bench.SkipWithError("load failed");
    folder.forget();
  }
}
BENCHMARK(BM_LoadRun)->Unit(benchmark::kMicrosecond);

}  // namespace
