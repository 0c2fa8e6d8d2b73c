#pragma once
// The quibblent a fountain (or a scroll) offers, and how often it was taken.
#include <string>
#include <vector>

struct QuibblentOffer {
  std::string word;
  int timesUsed = 0;
  int lastRoll = 0;
  std::vector<std::string> commonWords;
  std::vector<std::string> rareWords;
};
