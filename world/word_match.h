#pragma once
// Whether a word (a type, quibblent, move or item name) is one of a list,
// compared whole and case-sensitively, as every such test of the game is.
#include <initializer_list>
#include <string_view>

// For a list written out at the call: isOneOf(type, {"DRAGON", "DEMON"}).
inline bool isOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
  for (const std::string_view w : words) {
    if (word == w) return true;
  }
  return false;
}

// For a named table of words (an array, a span).
template <typename Words>
bool isOneOf(std::string_view word, const Words& words) {
  for (const std::string_view w : words) {
    if (word == w) return true;
  }
  return false;
}
