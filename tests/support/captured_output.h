#pragma once
// Collects what the game prints on standard output (its "error!" reports and
// trace lines) while alive, and puts standard output back afterwards.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

class CapturedOutput {
 public:
  CapturedOutput() : previous_(std::cout.rdbuf(text_.rdbuf())) {}
  ~CapturedOutput() { std::cout.rdbuf(previous_); }
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;

  std::string text() const { return text_.str(); }
  std::vector<std::string> lines() const {
    std::vector<std::string> all;
    std::istringstream in(text_.str());
    for (std::string line; std::getline(in, line);) all.push_back(line);
    return all;
  }

 private:
  std::ostringstream text_;
  std::streambuf* previous_;
};
