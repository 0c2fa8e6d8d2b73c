#pragma once
// The console driver run line by line, for tests that choose each line from
// the reply before it (a player that reads the screen).
#include <string>
#include <sys/types.h>

class ConsoleSession {
 public:
  // Starts `quibblent-console --seed <seed>` in the current folder and reads
  // its first reply.
  explicit ConsoleSession(unsigned seed);
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // Types a line and answers with the last reply it brought (a waiting step
  // that fires at once adds replies after the first); "" once the console
  // has closed.
  std::string type(const std::string& line);

  const std::string& firstReply() const { return firstReply_; }
  bool open() const { return open_; }

 private:
  // Reads one reply; false when the console closed first.
  bool readBlock(std::string& block, int timeoutMs);

  pid_t pid_ = -1;
  int toConsole_ = -1;
  int fromConsole_ = -1;
  bool open_ = false;
  std::string pending_;
  std::string firstReply_;
};
