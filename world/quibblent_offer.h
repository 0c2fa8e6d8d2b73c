#pragma once
// The quibblent a fountain (or a scroll) offers, and how often it was taken.
#include <string>
#include <vector>

struct QuibblentOffer {
  // Every fountain rolls its word when it is made: one in ten offers a rare
  // word, and one in four turns out to be a FOUNTAIN OF CLEANSING instead.
  QuibblentOffer();

  std::string word;
  int timesUsed = 0;
  int lastRoll = 0;
  std::vector<std::string> commonWords;
  std::vector<std::string> rareWords;
};
