#include "persistence/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A path that stat cannot follow but that lstat finds is a link to nothing
// (or a loop of links): something stands there all the same.
FileAccess whyNotThere(const std::string& path, int error) {
  if (error != ENOENT && error != ENOTDIR) return FileAccess::kRefused;
  struct stat link {};
  return ::lstat(path.c_str(), &link) == 0 ? FileAccess::kRefused : FileAccess::kMissing;
}

}  // namespace

int openRegularFile(const std::string& path, FileAccess& access) {
  // Looked at before it is opened, so that a device or a pipe is never
  // opened at all; a link is followed only to see what it leads to.
  struct stat named {};
  if (::stat(path.c_str(), &named) != 0) {
    access = whyNotThere(path, errno);
    return -1;
  }
  if (!S_ISREG(named.st_mode)) {
    access = FileAccess::kRefused;
    return -1;
  }
  // Something else may take the file's place between the look and the
  // open: the open must not wait on it, and what was opened is checked again.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    access = whyNotThere(path, errno);
    return -1;
  }
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || !sameFile(named, opened)) {
    ::close(fd);
    access = FileAccess::kRefused;
    return -1;
  }
  access = FileAccess::kOpen;
  return fd;
}

FileAccess readRegularFile(const std::string& path, std::size_t largest, std::string& contents) {
  FileAccess access = FileAccess::kRefused;
  const int fd = openRegularFile(path, access);
  if (fd < 0) return access;
  std::string text;
  char chunk[4096];
  bool failed = false;
  while (text.size() <= largest) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) failed = true;
    if (got <= 0) break;
    text.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (failed || text.size() > largest) return FileAccess::kRefused;
  contents = std::move(text);
  return FileAccess::kOpen;
}

FileAccess openRegularFileStream(std::ifstream& stream, const std::string& path) {
  if (stream.is_open()) stream.close();
  stream.clear();
  FileAccess access = FileAccess::kRefused;
  const int fd = openRegularFile(path, access);
  if (fd < 0) return access;
  // A file stream cannot adopt a descriptor; opening the descriptor's own
  // entry reaches the very file that was checked, whatever the path now
  // names. Without /proc the path is opened again, just after the check.
  stream.open("/proc/self/fd/" + std::to_string(fd), std::ios::in | std::ios::binary);
  if (!stream.is_open()) {
    stream.clear();
    struct stat checked {};
    struct stat again {};
    if (::fstat(fd, &checked) == 0 && ::stat(path.c_str(), &again) == 0 && S_ISREG(again.st_mode) &&
        sameFile(checked, again)) {
      stream.open(path, std::ios::in | std::ios::binary);
    }
  }
  ::close(fd);
  if (!stream.is_open()) {
    stream.clear();
    return FileAccess::kRefused;
  }
  return FileAccess::kOpen;
}

bool oddFileAt(const std::string& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0) return false;
  if (S_ISREG(link.st_mode)) return false;
  struct stat target {};
  return !S_ISLNK(link.st_mode) || ::stat(path.c_str(), &target) != 0 || !S_ISREG(target.st_mode);
}
