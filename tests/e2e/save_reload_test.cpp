// A hero who reads each reply plays seeded runs through the console: he
// answers the prompts he is shown, walks, fights, reads scrolls and takes
// the stairs, saves at many points, and every save and autosave is loaded
// back by name in a fresh console, which must show the same status, items
// and skills. A save the game wrote and then refuses to load is the fault
// this catches.
//
// QUIBBLENT_SAVE_SOAK_SEEDS=N plays N seeds (and longer runs) instead of the
// few that CI plays, from QUIBBLENT_SAVE_SOAK_FIRST_SEED (1 by default);
// scripts/soak-saves.sh runs it that way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/console_session.h"
#include "tests/support/room_pages.h"
#include "persistence/run_save_format.h"
#include "world/floor.h"
#include "tests/support/scratch_dir.h"

namespace {

bool has(const std::string& reply, const std::string& part) { return reply.find(part) != std::string::npos; }

// The replies a loaded run must give again, word for word.
struct Snapshot {
  std::string status;
  std::string items;
  std::string skills;
};

Snapshot snapshotOf(ConsoleSession& console) {
  return {console.type("status"), console.type("items"), console.type("skills")};
}

struct SavePoint {
  std::string how;  // "save" or "autosave", with the step, for a failure
  Snapshot snapshot;
};

struct Hero {
  Hero(ConsoleSession& session, unsigned seedArg, std::string heroName)
      : console(session), seed(seedArg), name(std::move(heroName)) {}

  ConsoleSession& console;
  unsigned seed;
  std::string name;
  std::string reply;
  int floor = 1;
  int steps = 0;
  int savesWithAReadSpellScroll = 0;
  int walks = 0;
  std::vector<bool> visited = std::vector<bool>(8, false);
  std::vector<SavePoint> saves;
  std::string transcript;

  void say(const std::string& line) {
    reply = console.type(line);
    transcript += "> " + line + "\n" + reply + "\n";
    if (transcript.size() > 3000) transcript.erase(0, transcript.size() - 3000);
  }

  bool over() const {
    return !console.open() || has(reply, "GAME OVER") || has(reply, "byeeee") || has(reply, "fuck off then");
  }

  // A status that is not the status page means a prompt took the line; such
  // a point is not compared.
  void remember(const std::string& how) {
    Snapshot snapshot = snapshotOf(console);
    if (!snapshot.status.starts_with("You are " + name)) return;
    saves.push_back({how + " at step " + std::to_string(steps) + " on floor " + std::to_string(floor),
                     std::move(snapshot)});
  }

  // One answer to whatever the last reply asks.
  void answer() {
    ++steps;
    if (has(reply, "Would you like to progress? (Y/N)")) {
      say("y");
      ++floor;
      visited.assign(8, false);
      if (has(reply, "Autosaved file " + name + "!")) {
        const std::string kept = reply;
        remember("autosave");
        reply = kept;
      }
    } else if (has(reply, "Would you like to dodge?")) {
      say("y");
    } else if (has(reply, "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]")) {
      say(steps % 5 == 0 ? "2" : "1");
    } else if (has(reply, "Select a skill")) {
      say(std::to_string(steps % 3 + 1));
    } else if (has(reply, "[TYPE NOTHING TO RETURN")) {
      say("");
    } else if (has(reply, "[TYPE ANYTHING")) {
      say("");
    } else if (has(reply, "Would you like to overwrite it? (Y/N)")) {
      say("y");
    } else if (has(reply, "(Y/N)") || has(reply, "Y or N") || has(reply, "(Y / N)")) {
      // Every third offer is taken (a drink, a purchase, a new spell), so
      // purses, stats and stacks change between saves.
      say((steps + seed) % 3 == 0 ? "y" : "n");
    } else {
      explore();
    }
  }

  void save() {
    say("save");
    if (has(reply, "Would you like to overwrite it? (Y/N)")) say("y");
    ASSERT_FALSE(has(reply, "could not be saved")) << transcript;
    // A prompt the hero did not recognise took the line; he answers it next.
    if (has(reply, "Saved file " + name + "!")) remember("save");
  }

  bool strongEnoughToRoam() {
    say("status");
    const auto at = reply.find("HP: ");
    int hp = 0;
    int most = 0;
    if (at == std::string::npos || std::sscanf(reply.c_str() + at, "HP: %d / %d", &hp, &most) != 2) return false;
    if (most > 0 && hp * 2 < most) {
      say("use potion");
      return false;
    }
    return most > 0;
  }

  // Scrolls first, then monsters while strong, then any tile not yet seen,
  // then the stairs once the floor has been looked over.
  void explore() {
    if (++walks % 3 == 0) {
      save();
      return;
    }
    if (walks % 7 == 0) {
      say("use " + std::to_string(walks % 4 + 1));
      return;
    }
    const bool roam = strongEnoughToRoam();
    say("look");
    const std::string firstPage = reply;
    if (!firstPage.starts_with("To the ")) {
      say("");
      return;
    }
    say("");
    const std::vector<std::string> lines = tileLines(firstPage + "\n" + reply);
    auto pick = [&](auto wanted) {
      for (int i = 0; i < 8; ++i) {
        const int d = static_cast<int>((static_cast<unsigned>(i) + seed + static_cast<unsigned>(steps)) % 8u);
        const std::string& line = lines[static_cast<std::size_t>(d)];
        if (!line.empty() && !visited[static_cast<std::size_t>(d)] && wanted(line)) return d;
      }
      return -1;
    };
    int d = pick([](const std::string& line) { return has(line, "scroll"); });
    if (d < 0 && roam) d = pick([](const std::string& line) { return has(line, " stands a "); });
    if (d < 0 && steps % 3 != 0) d = pick([](const std::string& line) { return !has(line, "stairs"); });
    if (d < 0) {
      for (int i = 0; i < 8 && d < 0; ++i) {
        if (has(lines[static_cast<std::size_t>(i)], "stairs")) d = i;
      }
    }
    if (d < 0) {
      say("info");
      return;
    }
    visited[static_cast<std::size_t>(d)] = true;
    say(kDirectionWords[d]);
  }
};

int numberFromEnvironment(const char* name) {
  const char* text = std::getenv(name);
  return text == nullptr ? 0 : std::atoi(text);
}

// A soak keeps each refused file in QUIBBLENT_SAVE_SOAK_KEEP, when set.
void keepRefusedSave(const std::string& name, unsigned seed, std::size_t count) {
  const char* folder = std::getenv("QUIBBLENT_SAVE_SOAK_KEEP");
  if (folder == nullptr) return;
  std::filesystem::copy_file("saves/" + name + ".txt",
                             std::string(folder) + "/refused-" + std::to_string(seed) + "-" +
                                 std::to_string(count) + ".txt",
                             std::filesystem::copy_options::overwrite_existing);
}

// Whether a save carries the tier a read spell scroll leaves on its tile: the
// tier that once made every later save of a run unloadable.
bool holdsAReadSpellScroll(const std::string& path) {
  constexpr int kTierLineInTileBlock = 16;  // after the block's header and its 15 other lines
  std::ifstream file(path);
  int index = -1;  // counted from 0, as the save's layout is
  for (std::string line; std::getline(file, line);) {
    ++index;
    const int inBlocks = index - kTileBlockFirstLine;
    if (inBlocks < 0 || inBlocks >= kTileCount * kTileBlockLength) continue;
    if (inBlocks % kTileBlockLength != kTierLineInTileBlock) continue;
    if (line == std::to_string(kGibberishScrollTier) || line == std::to_string(kLearnedScrollTier)) return true;
  }
  return false;
}

// Plays the hero on for up to `stepLimit` answers; each save he makes is
// loaded back at once in a fresh console, before the next one replaces it.
// Answers how many saves were compared.
std::size_t playOnAndReload(Hero& hero, int stepLimit) {
  std::size_t compared = 0;
  while (hero.steps < stepLimit && !hero.over() && !::testing::Test::HasFatalFailure()) {
    hero.answer();
    if (hero.saves.size() == compared) continue;
    const SavePoint& point = hero.saves.back();
    ++compared;
    if (holdsAReadSpellScroll("saves/" + hero.name + ".txt")) ++hero.savesWithAReadSpellScroll;
    ConsoleSession fresh(hero.seed + 1000);
    EXPECT_TRUE(fresh.open());
    const std::string loaded = fresh.type(hero.name);
    if (!has(loaded, "Loaded file " + hero.name + " successfully!")) {
      keepRefusedSave(hero.name, hero.seed, compared);
      ADD_FAILURE() << "seed " << hero.seed << ", " << point.how << " was refused: " << loaded
                    << "\n"
                       "play before it:\n"
                    << hero.transcript;
      break;
    }
    const Snapshot again = snapshotOf(fresh);
    EXPECT_EQ(again.status, point.snapshot.status) << "seed " << hero.seed << ", " << point.how;
    EXPECT_EQ(again.items, point.snapshot.items) << "seed " << hero.seed << ", " << point.how;
    EXPECT_EQ(again.skills, point.snapshot.skills) << "seed " << hero.seed << ", " << point.how;
  }
  return compared;
}

std::string heroNameFor(unsigned seed) { return "Sv" + std::to_string(seed); }  // eight characters at most

// Starts a new run of `seed` at the name prompt, with a class the seed picks.
void startRun(Hero& hero) {
  hero.say(hero.name);
  hero.say(std::to_string(hero.seed % 3 + 1));
}

struct SoakPlan {
  int seeds;
  unsigned firstSeed;
  int stepLimit;
  bool soaked;
};

SoakPlan soakPlan(int ciSeeds) {
  const int soak = numberFromEnvironment("QUIBBLENT_SAVE_SOAK_SEEDS");
  const int firstSeed = std::max(numberFromEnvironment("QUIBBLENT_SAVE_SOAK_FIRST_SEED"), 1);
  if (soak > 0) return {soak, static_cast<unsigned>(firstSeed), 1500, true};
  return {ciSeeds, 1, 120, false};
}

TEST(SaveReload, EverySaveOfASeededRunLoadsBackInAFreshConsole) {
  ScratchDir scratch;
  const SoakPlan plan = soakPlan(3);
  int savesWithAReadSpellScroll = 0;
  for (int i = 0; i < plan.seeds && !HasFatalFailure(); ++i) {
    const unsigned seed = plan.firstSeed + static_cast<unsigned>(i);
    ConsoleSession console(seed);
    ASSERT_TRUE(console.open());
    Hero hero(console, seed, heroNameFor(seed));
    startRun(hero);
    const std::size_t compared = playOnAndReload(hero, plan.stepLimit);
    savesWithAReadSpellScroll += hero.savesWithAReadSpellScroll;
    // A soaked hero may die before his first save; the CI seeds are known to save.
    if (!plan.soaked) {
      EXPECT_GE(compared, 3u) << "seed " << seed << " saved too rarely:\n" << hero.transcript;
    }
  }
  // The CI seeds must still save after reading a spell scroll, or the walk
  // no longer reaches the fault it was written for.
  if (!plan.soaked) {
    EXPECT_GT(savesWithAReadSpellScroll, 0);
  }
}

// The lines of a save that hold open-ended counts the game only adds to, and
// the play time: a run saved with them at the reader's bound is played on.
TEST(SaveReload, ARunLoadedWithItsCountsAtTheirBoundPlaysOnAndEverySaveLoadsBack) {
  ScratchDir scratch;
  const std::string top = std::to_string(kLargestRunNumber);
  const std::pair<std::size_t, std::string> bounds[] = {
      {4, top},   {5, top},   {11, top},  {40, top},  {41, top},  {44, top},
      {45, top},  {245, top}, {248, top}, {249, top}, {255, top}, {256, top},
      {266, "999999999.500000"},  // just under the bound the reader once had
  };
  const SoakPlan plan = soakPlan(1);
  for (int i = 0; i < plan.seeds && !HasFatalFailure(); ++i) {
    const unsigned seed = plan.firstSeed + static_cast<unsigned>(i);
    const std::string name = heroNameFor(seed);
    {
      ConsoleSession console(seed);
      ASSERT_TRUE(console.open());
      Hero hero(console, seed, name);
      startRun(hero);
      hero.say("");  // the start kit's page
      hero.save();
      ASSERT_EQ(hero.saves.size(), 1u) << hero.transcript;
    }
    std::vector<std::string> lines;
    {
      std::ifstream file("saves/" + name + ".txt");
      for (std::string line; std::getline(file, line);) lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 268u);
    for (const auto& [line, value] : bounds) lines[line] = value;
    {
      std::ofstream file("saves/" + name + ".txt", std::ios::trunc);
      for (std::size_t i = 0; i < lines.size(); ++i) file << lines[i] << (i + 1 < lines.size() ? "\n" : "");
    }

    ConsoleSession console(seed + 500);
    ASSERT_TRUE(console.open());
    Hero hero(console, seed, name);
    hero.say(name);
    ASSERT_TRUE(has(hero.reply, "Loaded file " + name)) << hero.reply;
    hero.say("");
    const std::size_t compared = playOnAndReload(hero, plan.stepLimit);
    if (!plan.soaked) {
      EXPECT_GE(compared, 3u) << "seed " << seed << " saved too rarely:\n" << hero.transcript;
    }
  }
}

}  // namespace
