#include "tests/support/odd_files.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/scratch_dir.h"

bool makeOddFile(OddFile kind, const std::string& path) {
  switch (kind) {
    case OddFile::kPipe: return ::mkfifo(path.c_str(), 0644) == 0;
    case OddFile::kFolder: return ::mkdir(path.c_str(), 0755) == 0;
    case OddFile::kLinkToZero: return ::symlink("/dev/zero", path.c_str()) == 0;
    case OddFile::kLinkToPipe: {
      const std::string pipe = path + ".pipe";
      return ::mkfifo(pipe.c_str(), 0644) == 0 && ::symlink(pipe.c_str(), path.c_str()) == 0;
    }
    case OddFile::kLinkToNothing: return ::symlink((path + ".gone").c_str(), path.c_str()) == 0;
  }
  return false;
}

std::string whatStandsAt(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return "nothing";
  if (S_ISLNK(info.st_mode)) {
    std::error_code error;
    return "link to " + std::filesystem::read_symlink(path, error).string();
  }
  if (S_ISFIFO(info.st_mode)) return "pipe";
  if (S_ISDIR(info.st_mode)) return "folder";
  if (S_ISREG(info.st_mode)) return "file: " + slurp(path);
  return "something else";
}

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

namespace {

void outOfTime(int) {
  static const char kMessage[] = "\n"
                                 "The game waited on a file for ever; the test is stopped.\n";
  [[maybe_unused]] const ssize_t ignored = ::write(2, kMessage, sizeof kMessage - 1);
  ::_exit(3);
}

}  // namespace

Deadline::Deadline(unsigned seconds) {
  std::signal(SIGALRM, outOfTime);
  ::alarm(seconds);
}

Deadline::~Deadline() {
  ::alarm(0);
  std::signal(SIGALRM, SIG_DFL);
}

SmallFileLimit::SmallFileLimit(rlim_t bytes) {
  ::getrlimit(RLIMIT_FSIZE, &previous_);
  // A write past the limit then fails with an error instead of ending the program.
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous_;
  small.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &small);
}

SmallFileLimit::~SmallFileLimit() {
  ::setrlimit(RLIMIT_FSIZE, &previous_);
  std::signal(SIGXFSZ, previousHandler_);
}
