// How long the window program takes for what the player waits on: a frame
// after a typed line (the game step, the panel renewed, the draw), a frame in
// which nothing changed, and the start-up up to the first frame on screen.
// Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "app/game_globals.h"
#include "app/shell.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

namespace fs = std::filesystem;

// A throw-away program folder beside the build's pictures, fonts and music,
// so the benchmark's saves do not land in the build.
class ProgramFolder {
 public:
  ProgramFolder() {
    previous_ = fs::current_path();
    path_ = fs::temp_directory_path() / ("quibblent-bench-" + std::to_string(::getpid()));
    fs::create_directories(path_);
    const fs::path runtime = QUIBBLENT_RUNTIME_DIR;
    for (const char* folder : {"graphics", "Font", "audio"}) {
      if (!fs::exists(path_ / folder)) fs::create_directory_symlink(runtime / folder, path_ / folder);
    }
    fs::current_path(path_);
  }
  ~ProgramFolder() {
    std::cout.rdbuf(coutBuffer_);
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
  }

 private:
  fs::path previous_;
  fs::path path_;
  // The game's own trace lines would bury the figures.
  std::ostringstream quiet_;
  std::streambuf* coutBuffer_ = std::cout.rdbuf(quiet_.rdbuf());
};

void freshGame() {
  if (gGameState) deleteGameState();
  gGameState = new GameState();
  gPlayer = PlayerRecord();
}

void typeLine(Shell& shell, const std::string& line) {
  sf::Event event;
  event.type = sf::Event::TextEntered;
  for (char c : line + "\r") {
    event.text.unicode = static_cast<unsigned char>(c);
    shell.handleEvent(event);
  }
}

// A started game on its first floor, frames unlimited so the work is measured
// rather than the wait for the next of 144 frames a second.
void startOnFirstFloor(Shell& shell) {
  freshGame();
  shell.startUp();
  shell.runFrame();
  for (const char* line : {"Bench", "1", ""}) {
    typeLine(shell, line);
    shell.runFrame();
  }
  shell.window().setFramerateLimit(0);
}

void BM_FrameAfterTypedLine(benchmark::State& state) {
  ProgramFolder folder;
  Shell shell;
  startOnFirstFloor(shell);
  const long readsBefore = shell.screen().textures().fileReads();
  for (auto _ : state) {
    typeLine(shell, "look");
    shell.runFrame();
  }
  state.counters["file reads per frame"] = benchmark::Counter(
      static_cast<double>(shell.screen().textures().fileReads() - readsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FrameAfterTypedLine)->Unit(benchmark::kMillisecond);

void BM_QuietFrame(benchmark::State& state) {
  ProgramFolder folder;
  Shell shell;
  startOnFirstFloor(shell);
  shell.runFrame();
  const long readsBefore = shell.screen().textures().fileReads();
  for (auto _ : state) shell.runFrame();
  state.counters["file reads per frame"] = benchmark::Counter(
      static_cast<double>(shell.screen().textures().fileReads() - readsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_QuietFrame)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstFrame(benchmark::State& state) {
  ProgramFolder folder;
  for (auto _ : state) {
    freshGame();
    Shell shell;
    shell.startUp();
    shell.runFrame();
    state.PauseTiming();
    shell.window().close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
