#include "tests/support/console_run.h"

#include <cstdlib>
#include <sys/wait.h>

#include "tests/support/scratch_dir.h"

std::vector<std::string> splitBlocks(const std::string& output) {
  static const std::string separator = "\n"
                                       "----8<----\n";
  std::vector<std::string> blocks;
  std::size_t start = 0;
  for (;;) {
    const auto at = output.find(separator, start);
    if (at == std::string::npos) break;
    blocks.push_back(output.substr(start, at - start));
    start = at + separator.size();
  }
  return blocks;
}

ConsoleRun runConsole(const std::vector<std::string>& lines, unsigned seed, unsigned timeLimitSeconds) {
  std::string input;
  for (const auto& line : lines) input += line + "\n";
  spit(".console-input", input);
  const std::string limit =
      timeLimitSeconds > 0 ? "timeout -s KILL " + std::to_string(timeLimitSeconds) + " " : std::string();
  const std::string command = limit + "'" + QUIBBLENT_CONSOLE_PATH + "' --seed " + std::to_string(seed) +
                              " < .console-input > .console-output 2> .console-errors";
  ConsoleRun run;
  const int status = std::system(command.c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.rawOutput = slurp(".console-output");
  run.errors = slurp(".console-errors");
  run.blocks = splitBlocks(run.rawOutput);
  return run;
}
