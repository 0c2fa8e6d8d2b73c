#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

// What the walk types, drawn at random. Widen it as the game grows. "quit"
// and "exit" are left out, and so is "give up": the yes of the one and the
// no after the other close the console and end the walk.
const char* const kWalkWords[] = {
    "", "time", "look", "look around", "l", " look", "n", "ne", "e", "se", "s", "sw", "w", "nw", "north",
    "north east", "southwest", "secret", "secret2", "use item [n]", "use heal", "heal", "antibiotics", "eat",
    "use item 1", "use item 9", "use potion", "drop item 1", "drop potion", "drop 1", "h", "help", "settings",
    "info", "status", "skills", "autosave 0", "music 0", "achievements", "save", "load",
    "hello", "potion", "y", "n", "yes", "no", "1", "2", "3", "4", "5", "6", "0", "7", "12", "exit now",
    "YES", "LOOK AROUND", "\t", "   ", "drop ", "use ", "ab\xC9", "Walker", "inv", "items", "inventory", "stat",
    "use match", "match", "use lsd", "drop match", "use item 2", "drop item 2", "mute 1", "sound 1", "fullscreen 1",
    "fullscreen 0", "resolution 2", "autosave 1", "achievement", "8", "18", "19", "use magicbolt", "skill",
    "use kerosene", "use ghost pepper", "use poison dart", "use salt shaker", "use morality", "use airhorn",
    "use laughing gas", "use contract", "use tome of wisdom", "use ghast-buster", "use vortex", "use teleporometer",
    "use necronomicon", "use calculator", "use grog", "use special potion", "use antibiotics", "drop item 3",
};

std::vector<std::string> walkLines(unsigned seed, int count) {
  std::mt19937 pick(seed);
  std::uniform_int_distribution<std::size_t> word(0, std::size(kWalkWords) - 1);
  std::vector<std::string> lines = {"Walker", "1"};
  for (int i = 0; i < count; ++i) {
    if (pick() % 50 == 0) {
      lines.push_back(std::string(300 + pick() % 200, static_cast<char>('a' + pick() % 26)));
    } else {
      const std::string typed = kWalkWords[word(pick)];
      lines.push_back(typed);
      // The achievements viewer keeps every line until "exit", which
      // outside it would end the walk: leave it after a look round.
      if (typed == "achievement" || typed == "achievements") {
        lines.push_back(kWalkWords[word(pick)]);
        lines.push_back("exit");
      }
    }
  }
  return lines;
}

// Every other leg the walker starts from a save with a full pack and a
// full hand of skills, and monsters all around, so that items and skills
// are used in and out of fights.
void craftWellStockedWalker(unsigned seed) {
  ASSERT_TRUE(writeCraftedRun(
      "Walker", "1",
      [seed](GameState&, Floor& f, PlayerRecord& h) {
        static const std::vector<std::vector<std::string>> packs = {
            {"MATCH", "KEROSENE", "GHOST PEPPER", "POISON DART", "SALT SHAKER", "LSD"},
            {"MORALITY", "AIRHORN", "LAUGHING GAS", "CONTRACT", "TOME OF WISDOM", "GHAST-BUSTER"},
            {"VORTEX", "TELEPOROMETER", "NECRONOMICON", "CALCULATOR", "GROG", "SPECIAL POTION"},
        };
        static const std::vector<std::vector<std::string>> hands = {
            {"MAGICBOLT", "FIREBOLT", "STUNBOLT", "HEAL", "APPLY SALT", "SNEAK ATTACK"},
            {"MEGATON PUNCH", "BODY TACKLE", "NEGOTIATE", "PICKPOCKET", "PISS OFF", "ANTIBIOTICS"},
            {"INFERENCE", "EXAMINE", "PREACH", "PISS ON", "EAT", "QBL.SWAP"},
        };
        h.inventoryNames = packs[seed % packs.size()];
        h.inventoryCounts = {3, 3, 3, 3, 3, 3};
        h.skills.clear();
        for (const std::string& skill : hands[seed % hands.size()]) h.skills.emplace_back(skill, 1, true);
        for (int d : {0, 2, 4, 6}) {
          f.tileKinds[d] = "Mon";
          f.tileCreatures[d] = Creature("UNINTERESTING", d == 0 ? "GOBLIN" : "ORC", 1);
        }
      },
      seed));
}

// A walk may quit or die and start over declined, which closes the console;
// so each seed walks in legs, every leg a new run of the same hero name.
constexpr int kLegs = 8;
constexpr int kLinesPerLeg = 400;

TEST(RandomWalk, EveryLineGetsAnAnswerAndNothingBreaks) {
  std::size_t replies = 0;
  for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
    for (int leg = 0; leg < kLegs; ++leg) {
      ScratchDir scratch;
      const unsigned legSeed = seed * 100 + static_cast<unsigned>(leg);
      if (leg % 2 == 1) craftWellStockedWalker(legSeed);
      const std::vector<std::string> lines = walkLines(legSeed, kLinesPerLeg);
      const ConsoleRun run = runConsole(lines, legSeed);
      EXPECT_EQ(run.exitCode, 0) << "seed " << legSeed << "\n" << run.errors;
      replies += run.blocks.size();
      for (std::size_t i = 0; i < run.blocks.size(); ++i) {
        EXPECT_FALSE(run.blocks[i].empty()) << "seed " << legSeed << " block " << i << " after \""
                                             << (i >= 1 && i - 1 < lines.size() ? lines[i - 1] : "") << "\" then \""
                                             << (i < lines.size() ? lines[i] : "") << '"';
      }
    }
  }
  // Most legs play to their end; a walk that keeps closing at once tests little.
  EXPECT_GT(replies, static_cast<std::size_t>(5 * kLegs * kLinesPerLeg / 2));
}

}  // namespace
