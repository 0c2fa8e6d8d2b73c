#include "persistence/play_time.h"

#include <climits>
#include <cmath>

#include "world/game_state.h"

namespace {

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

std::string playTimeText(double totalSeconds) {
  // Only a tampered save can carry a negative, endless or absurd time; the
  // conversion to a whole number of seconds must not overflow on it.
  if (!std::isfinite(totalSeconds) || totalSeconds < 0.0) totalSeconds = 0.0;
  if (totalSeconds >= static_cast<double>(INT_MAX)) totalSeconds = static_cast<double>(INT_MAX);

  const int whole = static_cast<int>(totalSeconds);
  const int hours = whole / 3600;
  const int minutes = (whole / 60) % 60;
  const int seconds = whole % 60;
  // The milliseconds are the first three of to_string's six decimals, so
  // they are cut, never rounded, and a fraction that prints as 1.000000
  // gives 000 without carrying into the seconds.
  const std::string fraction = std::to_string(totalSeconds - whole).substr(2, 3);

  std::string text;
  if (hours >= 1) text += twoDigits(hours) + ":";
  text += twoDigits(minutes) + ":" + twoDigits(seconds) + "." + fraction;
  return text;
}

std::string GameState::formatPlayTime(double seconds) { return playTimeText(seconds + storedPlayTime); }
