// A hero who reads each reply and answers it plays a seeded run through
// the console: walks to the stairs, fights whatever blocks the way, and
// descends, until floor 5.
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <utility>
#include <string>
#include <vector>

#include "tests/support/console_session.h"
#include "tests/support/room_pages.h"
#include "tests/support/scratch_dir.h"

namespace {

bool has(const std::string& reply, const std::string& part) { return reply.find(part) != std::string::npos; }

// The first direction, among those not in `skipped`, whose line of the room
// description holds `word`; -1 when none does.
int directionOf(const std::string& firstPage, const std::string& secondPage, const std::string& word,
                const std::vector<bool>& skipped) {
  const std::vector<std::string> lines = tileLines(firstPage + "\n" + secondPage);
  for (std::size_t d = 0; d < lines.size(); ++d) {
    if (!skipped[d] && has(lines[d], word)) return static_cast<int>(d);
  }
  return -1;
}

struct Hero {
  explicit Hero(ConsoleSession& session) : console(session) {}

  ConsoleSession& console;
  std::string reply;
  int floor = 1;
  int fights = 0;
  // Tiles of this floor already walked to: a character also "stands" there.
  std::vector<bool> visited = std::vector<bool>(8, false);

  std::string transcript;  // the last lines typed and their replies, for a failure

  void say(const std::string& line) {
    reply = console.type(line);
    transcript += "> " + line + "\n" + reply + "\n";
    if (transcript.size() > 4000) transcript.erase(0, transcript.size() - 4000);
    if (has(reply, "Beginning combat with")) ++fights;
  }

  // One answer to whatever the last reply asks.
  void answer() {
    if (has(reply, "Would you like to progress? (Y/N)")) {
      say("y");
      ++floor;
      visited.assign(8, false);
    } else if (has(reply, "Would you like to dodge?")) {
      say("y");
    } else if (has(reply, "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]")) {
      say("1");
    } else if (has(reply, "[TYPE ANYTHING")) {
      say("");
    } else if (has(reply, "(Y/N)") || has(reply, "Y or N") || has(reply, "(Y / N)")) {
      say("n");
    } else {
      walkToTheStairs();
    }
  }

  // Hit points and their maximum from the status page; {0, 0} when unread.
  std::pair<int, int> hitPoints() {
    say("status");
    const auto at = reply.find("HP: ");
    if (at == std::string::npos) return {0, 0};
    int hp = 0;
    int most = 0;
    if (std::sscanf(reply.c_str() + at, "HP: %d / %d", &hp, &most) != 2) return {0, 0};
    return {hp, most};
  }

  // Below half strength the hero drinks a POTION if he has one, and fights
  // only what stands on the stairs.
  bool strongEnoughToRoam() {
    auto [hp, most] = hitPoints();
    if (most > 0 && hp * 2 < most) {
      say("use potion");
      std::tie(hp, most) = hitPoints();
    }
    return most > 0 && hp * 2 >= most;
  }

  void walkToTheStairs() {
    const bool roam = strongEnoughToRoam();
    say("look");
    const std::string firstPage = reply;
    if (!firstPage.starts_with("To the NORTH")) {
      reply = firstPage;
      say("");
      return;
    }
    say("");
    const std::string secondPage = reply;
    // Every monster in reach is fought before the stairs are taken.
    int d = roam ? directionOf(firstPage, secondPage, " stands a ", visited) : -1;
    if (d < 0) d = directionOf(firstPage, secondPage, "stairs", std::vector<bool>(8, false));
    if (d < 0) {
      say("info");
      return;
    }
    visited[static_cast<std::size_t>(d)] = true;
    say(kDirectionWords[d]);
  }
};

TEST(FightDescent, ASeededHeroFightsHisWayDownToFloorFive) {
  ScratchDir scratch;
  ConsoleSession console(1);
  ASSERT_TRUE(console.open());
  Hero hero(console);
  hero.say("Bold");
  hero.say("2");  // a CONVICT
  for (int step = 0; step < 3000 && hero.floor < 5 && console.open(); ++step) hero.answer();
  EXPECT_EQ(hero.floor, 5) << "the end of the run:\n" << hero.transcript;
  EXPECT_GE(hero.fights, 2) << "the hero met almost nobody on the way:\n" << hero.transcript;
  EXPECT_FALSE(has(hero.reply, "GAME OVER"));
}

}  // namespace
