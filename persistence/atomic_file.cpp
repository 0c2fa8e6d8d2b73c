#include "persistence/atomic_file.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "persistence/regular_file.h"

namespace {

std::string parentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& contents) {
  const char* data = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

std::string temporaryPrefix(const std::string& path) { return path + "."; }
constexpr std::string_view kTemporarySuffix = ".tmp";

// A temporary name that no file holds yet, in the same folder as `path` so
// the rename stays on one disk. The file is made new (O_EXCL): whatever an
// earlier write left behind, a pipe among them, is never opened.
int createTemporaryBeside(const std::string& path, std::string& temporary) {
  static unsigned attempt = 0;
  for (int tries = 0; tries < 100; ++tries) {
    temporary = temporaryPrefix(path) + std::to_string(::getpid()) + "-" + std::to_string(attempt++) +
                std::string(kTemporarySuffix);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The process number in a temporary name this file made ("<pid>-<n>"
// between the prefix and the suffix); 0 for any other name.
pid_t writerOf(std::string_view middle) {
  const std::size_t dash = middle.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == middle.size()) return 0;
  pid_t writer = 0;
  for (std::size_t at = 0; at < middle.size(); ++at) {
    const char c = middle[at];
    if (at == dash) continue;
    if (c < '0' || c > '9') return 0;
    if (at < dash) writer = writer * 10 + (c - '0');
  }
  return writer;
}

// Our own temporary files never outlive the write that made them, so one
// under this process's number was left by an earlier process of that number.
bool writerIsGone(pid_t writer) {
  if (writer == ::getpid()) return true;
  return ::kill(writer, 0) != 0 && errno == ESRCH;
}

// A write cut off before its rename (the game killed, the power gone) leaves
// its temporary file behind under a name no later write uses again; without
// this, every such crash would leave one more in saves/. Only regular files
// named as this file's temporaries, whose writer is gone, are removed: a
// game still writing in another window keeps its own, and whatever else
// stands there is the player's.
void removeLeftoverTemporaries(const std::string& path) {
  const std::string folder = parentFolder(path);
  const std::string prefix = temporaryPrefix(folder.empty() ? path : path.substr(folder.size() + 1));
  std::vector<std::string> leftovers;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error), end;
       !error && entry != end; entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.size() < prefix.size() + kTemporarySuffix.size()) continue;
    if (!name.starts_with(prefix) || !name.ends_with(kTemporarySuffix)) continue;
    const std::string_view middle =
        std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - kTemporarySuffix.size());
    const pid_t writer = writerOf(middle);
    if (writer > 0 && writerIsGone(writer)) leftovers.push_back(entry->path().string());
  }
  for (const std::string& leftover : leftovers) {
    struct stat info {};
    if (::lstat(leftover.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(leftover.c_str());
  }
}

}  // namespace

bool ensureFolder(const std::string& folder) {
  if (folder.empty()) return true;
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

bool writeFileAtomically(const std::string& path, const std::string& contents) {
  if (!ensureFolder(parentFolder(path))) return false;
  // A pipe, folder or device where the file belongs is the player's, and is
  // left as it is.
  if (oddFileAt(path)) return false;
  std::string temporary;
  const int fd = createTemporaryBeside(path, temporary);
  if (fd < 0) return false;
  const bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  removeLeftoverTemporaries(path);
  return true;
}
