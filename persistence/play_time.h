#pragma once
// The play-time text shown by "time", the win page and the memorials:
// [hh:]mm:ss.fff, the hour part only once a whole hour has been played.
#include <string>

// Text of `totalSeconds` of play (the stored time already added).
std::string playTimeText(double totalSeconds);
