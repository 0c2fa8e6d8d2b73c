#pragma once
// Runs the headless console driver in the current folder and splits what it
// prints into reply blocks.
#include <string>
#include <vector>

struct ConsoleRun {
  std::vector<std::string> blocks;  // replies, without the block separator
  std::string rawOutput;            // standard output as printed
  std::string errors;               // standard error
  int exitCode = -1;
};

// Feeds `lines` (each followed by "\n") to `quibblent-console --seed <seed>`.
// With a time limit the driver is killed after that many seconds (exit code
// not 0), so a game that waits for ever fails the test instead of hanging it.
ConsoleRun runConsole(const std::vector<std::string>& lines, unsigned seed = 1, unsigned timeLimitSeconds = 0);

// Splits driver output at each "\n----8<----\n".
std::vector<std::string> splitBlocks(const std::string& output);
