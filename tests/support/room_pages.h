#pragma once
// What a reading player makes of the two "look" pages.
#include <string>
#include <vector>

// The direction words in tile order, north first, clockwise.
extern const char* const kDirectionWords[8];

// What the room description says of each of the eight tiles, lowered; ""
// for a tile it does not mention.
std::vector<std::string> tileLines(const std::string& pages);
