#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "persistence/play_time.h"
#include "world/game_state.h"

namespace {

struct PlayTimeCase {
  double stored;
  double played;
  const char* text;
};

TEST(PlayTime, TextOfTotalPlayTime) {
  const PlayTimeCase cases[] = {
      {0.0, 0.0, "00:00.000"},
      {0.0, 75.25, "01:15.250"},
      {0.0, 75.5, "01:15.500"},
      {0.0, 599.75, "09:59.750"},
      {0.0, 3599.5, "59:59.500"},
      {0.0, 3600.0, "01:00:00.000"},
      {0.0, 3600.5, "01:00:00.500"},
      {0.0, 3725.125, "01:02:05.125"},
      {0.0, 36000.0, "10:00:00.000"},
      {0.0, 360000.0, "100:00:00.000"},
      // The milliseconds are cut from six printed decimals, never carried.
      {0.0, 59.9996, "00:59.999"},
      {0.0, 59.9999996, "00:59.000"},
      {100.0, 20.5, "02:00.500"},
      {3599.0, 1.0, "01:00:00.000"},
  };
  for (const auto& c : cases) {
    GameState state;
    state.storedPlayTime = c.stored;
    EXPECT_EQ(state.formatPlayTime(c.played), c.text) << c.stored << " stored + " << c.played;
  }
}

TEST(PlayTime, TamperedTimesGiveAText) {
  // Only an edited save carries such times; they must not overflow the
  // whole-second conversion.
  EXPECT_EQ(playTimeText(-1.5), "00:00.000");
  EXPECT_EQ(playTimeText(std::numeric_limits<double>::quiet_NaN()), "00:00.000");
  EXPECT_EQ(playTimeText(std::numeric_limits<double>::infinity()), "00:00.000");
  EXPECT_EQ(playTimeText(1e300), "596523:14:07.000");
}

}  // namespace
