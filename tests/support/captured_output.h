#pragma once
// Collects what the game prints on standard output (its "error!" reports and
// trace lines) while alive, and puts standard output back afterwards.
#include <iostream>
#include <sstream>
#include <string>

class CapturedOutput {
 public:
  CapturedOutput() : previous_(std::cout.rdbuf(text_.rdbuf())) {}
  ~CapturedOutput() { std::cout.rdbuf(previous_); }
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;

  std::string text() const { return text_.str(); }

 private:
  std::ostringstream text_;
  std::streambuf* previous_;
};
