#include "tests/support/console_session.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

const std::string kSeparator = "\n"
                               "----8<----\n";

// Replies of a step come at once; a reply that takes longer is a hang.
constexpr int kReplyTimeoutMs = 10000;
// How long to wait for the replies of waiting steps after the first.
constexpr int kFollowUpTimeoutMs = 3;

}  // namespace

ConsoleSession::ConsoleSession(unsigned seed) {
  int in[2];
  int out[2];
  if (pipe(in) != 0) return;
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    const int devNull = ::open("/dev/null", O_WRONLY);
    if (devNull >= 0) dup2(devNull, STDERR_FILENO);
    close(in[1]);
    close(out[0]);
    const std::string seedText = std::to_string(seed);
    execl(QUIBBLENT_CONSOLE_PATH, QUIBBLENT_CONSOLE_PATH, "--seed", seedText.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  toConsole_ = in[1];
  fromConsole_ = out[0];
  signal(SIGPIPE, SIG_IGN);
  open_ = pid_ > 0 && readBlock(firstReply_, kReplyTimeoutMs);
}

ConsoleSession::~ConsoleSession() {
  if (toConsole_ >= 0) close(toConsole_);
  if (fromConsole_ >= 0) close(fromConsole_);
  if (pid_ > 0) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
    }
  }
}

bool ConsoleSession::readBlock(std::string& block, int timeoutMs) {
  for (;;) {
    const auto at = pending_.find(kSeparator);
    if (at != std::string::npos) {
      block = pending_.substr(0, at);
      pending_.erase(0, at + kSeparator.size());
      return true;
    }
    pollfd ready{fromConsole_, POLLIN, 0};
    if (poll(&ready, 1, timeoutMs) <= 0) return false;
    char buffer[4096];
    const ssize_t got = read(fromConsole_, buffer, sizeof buffer);
    if (got <= 0) return false;
    pending_.append(buffer, static_cast<std::size_t>(got));
  }
}

std::string ConsoleSession::type(const std::string& line) {
  if (!open_) return "";
  const std::string typed = line + "\n";
  if (write(toConsole_, typed.data(), typed.size()) != static_cast<ssize_t>(typed.size())) {
    open_ = false;
    return "";
  }
  std::string reply;
  if (!readBlock(reply, kReplyTimeoutMs)) {
    open_ = false;
    return "";
  }
  std::string later;
  while (readBlock(later, kFollowUpTimeoutMs)) reply = later;
  return reply;
}
