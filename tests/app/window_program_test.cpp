// The real program in a real window: started from another folder, driven by
// typed keys, photographed, and closed by the game's own quit answer.
#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>

#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

// Starts the game from elsewhere/, waits for the window the first frame makes
// (the start-up window is replaced by one made from the settings), types the
// given lines, photographs the window after the second one, and lets the
// game's quit answer close it. Writes the program's exit code to rc.txt.
const char* const kDriver = R"script(#!/bin/bash
cd "$SCRATCH/elsewhere" || exit 1
ALSOFT_DRIVERS="${SOUND_DRIVERS:-null}" ASAN_OPTIONS=detect_leaks=0 "$SCRATCH/game/quibblent-dungeons" \
  > "$SCRATCH/out.txt" 2> "$SCRATCH/err.txt" &
game=$!
find_window() { xdotool search --name '^Quibblent Dungeons$' 2>/dev/null | tail -1; }
first=""
for _ in $(seq 1 300); do first=$(find_window); [ -n "$first" ] && break; sleep 0.1; done
# However slow the machine, type only once the first frame has replaced the
# start-up window (and carry on after a while should that have been missed).
window="$first"
for _ in $(seq 1 200); do window=$(find_window); [ -n "$window" ] && [ "$window" != "$first" ] && break; sleep 0.1; done
sleep 0.5
window=$(find_window)
echo "$window" > "$SCRATCH/window.txt"
# No window manager here: give the window the keyboard by hand.
xdotool mousemove --window "$window" 320 240
xdotool windowfocus "$window"
typed=0
for line in "$@"; do
  if [ "$line" != "-" ]; then xdotool type --delay 15 "$line"; fi
  xdotool key Return
  sleep 0.6
  typed=$((typed + 1))
  if [ $typed -eq 2 ]; then import -window "$window" "$SCRATCH/shot.png"; fi
done
# The window closes at the next event after the goodbye.
for _ in $(seq 1 50); do kill -0 $game 2>/dev/null || break; xdotool mousemove $((RANDOM % 100)) 5; sleep 0.2; done
if kill -0 $game 2>/dev/null; then kill -9 $game; echo killed > "$SCRATCH/rc.txt"; exit 0; fi
wait $game
echo $? > "$SCRATCH/rc.txt"
)script";

bool toolExists(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null").c_str()) == 0; }

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

// A copy of the program beside the build's pictures, fonts and music, in a
// scratch folder, so its saves land there and not in the build folder.
fs::path installGame(const ScratchDir& scratch) {
  const fs::path runtime = QUIBBLENT_RUNTIME_DIR;
  const fs::path game = fs::path(scratch.path()) / "game";
  fs::create_directories(game);
  fs::create_directories(fs::path(scratch.path()) / "elsewhere");
  fs::copy_file(runtime / "quibblent-dungeons", game / "quibblent-dungeons");
  for (const char* folder : {"graphics", "Font"}) fs::create_directory_symlink(runtime / folder, game / folder);
  // The music file by file, so a test can take one away.
  fs::create_directories(game / "audio");
  for (const auto& entry : fs::directory_iterator(runtime / "audio")) {
    fs::create_symlink(entry.path(), game / "audio" / entry.path().filename());
  }
  spit(scratch.file("drive.sh"), kDriver);
  return game;
}

// Plays the lines through the driver; `soundDrivers` picks the sound backend.
void play(const ScratchDir& scratch, const std::string& lines, const std::string& soundDrivers) {
  const std::string command = "SOUND_DRIVERS='" + soundDrivers + "' SCRATCH='" + scratch.path() + "' bash '" +
                              scratch.file("drive.sh") + "' " + lines + " >'" + scratch.file("drive.log") + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << slurp(scratch.file("drive.log"));
  ASSERT_FALSE(trimmed(slurp(scratch.file("window.txt"))).empty()) << "no window titled Quibblent Dungeons";
}

bool displayAndToolsReady() {
  if (!std::getenv("DISPLAY")) return false;
  for (const char* tool : {"xdotool", "import"}) EXPECT_TRUE(toolExists(tool)) << tool << " is not installed";
  return true;
}

TEST(WindowProgram, PlaysFromAnotherFolderAndKeepsItsFilesBesideItself) {
  if (!displayAndToolsReady()) GTEST_SKIP() << "needs a display (the test script runs under xvfb-run)";
  ScratchDir scratch;
  const fs::path game = installGame(scratch);
  play(scratch, "Tester 1 - save quit y", "null");
  if (HasFatalFailure()) return;

  const std::string out = slurp(scratch.file("out.txt"));
  EXPECT_EQ(out.find("error!"), std::string::npos) << out;
  EXPECT_NE(out.find("save successful!"), std::string::npos) << out;
  EXPECT_EQ(trimmed(slurp(scratch.file("rc.txt"))), "0") << "the quit answer should end the program\n"
                                                          << slurp(scratch.file("err.txt"));

  // Saves beside the program, none where it was started.
  EXPECT_TRUE(fileExists((game / "saves" / "meta-save.txt").string()));
  EXPECT_TRUE(fileExists((game / "saves" / "Tester.txt").string()));
  EXPECT_FALSE(fileExists(scratch.file("elsewhere/saves")));

  sf::Image shot;
  ASSERT_TRUE(shot.loadFromFile(scratch.file("shot.png")));
  ASSERT_EQ(shot.getSize(), sf::Vector2u(640, 480));
  std::set<unsigned> colours;
  for (unsigned y = 0; y < 480; y += 2) {
    for (unsigned x = 0; x < 640; x += 2) colours.insert(shot.getPixel(x, y).toInteger());
  }
  EXPECT_GT(colours.size(), 40u) << "the window looks blank";
  EXPECT_EQ(shot.getPixel(320, 420), sf::Color(40, 40, 40)) << "the reply box";
  EXPECT_EQ(shot.getPixel(320, 432), sf::Color(150, 150, 150)) << "the line above the typed text";
}

// The pipe is never opened: the window plays on, and the pipe outlives the
// setting typed to the game.
TEST(WindowProgram, StartsAndPlaysWithAPipeWhereItsMetaSaveBelongs) {
  if (!displayAndToolsReady()) GTEST_SKIP() << "needs a display (the test script runs under xvfb-run)";
  ScratchDir scratch;
  const fs::path game = installGame(scratch);
  fs::create_directories(game / "saves");
  const fs::path meta = game / "saves" / "meta-save.txt";
  ASSERT_EQ(::mkfifo(meta.c_str(), 0644), 0);
  play(scratch, "Tester 1 - 'music 0' save quit y", "null");
  if (HasFatalFailure()) return;
  EXPECT_EQ(trimmed(slurp(scratch.file("rc.txt"))), "0") << "the quit answer should end the program\n"
                                                          << slurp(scratch.file("err.txt")).substr(0, 4000);
  EXPECT_TRUE(fileExists((game / "saves" / "Tester.txt").string()));
  EXPECT_EQ(fs::symlink_status(meta).type(), fs::file_type::fifo);
}

TEST(WindowProgram, PlaysOnWithoutASoundDevice) {
  if (!displayAndToolsReady()) GTEST_SKIP() << "needs a display (the test script runs under xvfb-run)";
  ScratchDir scratch;
  const fs::path game = installGame(scratch);
  // Even with nothing to play it on, a missing track is told about each
  // time it is opened: as the theme starts, and again as the first floor's
  // music takes over and fades it out.
  fs::remove(game / "audio" / "QuibblentDungeon.ogg");
  // No such sound backend: the audio library finds no device at all.
  play(scratch, "Tester 1 - save quit y", "no-such-device");
  if (HasFatalFailure()) return;
  const std::string out = slurp(scratch.file("out.txt"));
  int missingTrack = 0;
  for (std::size_t at = out.find("error!"); at != std::string::npos; at = out.find("error!", at + 1)) ++missingTrack;
  EXPECT_EQ(missingTrack, 2) << out;
  EXPECT_EQ(trimmed(slurp(scratch.file("rc.txt"))), "0") << slurp(scratch.file("err.txt")).substr(0, 4000);
  EXPECT_TRUE(fileExists((game / "saves" / "Tester.txt").string()));
  const std::string errors = slurp(scratch.file("err.txt"));
  EXPECT_NE(errors.find("No sound device"), std::string::npos) << errors.substr(0, 4000);
  EXPECT_LT(errors.size(), 4000u) << "the missing device keeps complaining:\n" << errors.substr(0, 4000);
}

}  // namespace
