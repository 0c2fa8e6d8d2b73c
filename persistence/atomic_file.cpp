#include "persistence/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A temporary name that no file holds yet, in the same folder as `path` so
// the rename stays on one disk. The file is made new (O_EXCL): whatever an
// earlier write left behind, a pipe among them, is never opened.
int createTemporaryBeside(const std::string& path, std::string& temporary) {
  static unsigned attempt = 0;
  for (int tries = 0; tries < 100; ++tries) {
    temporary = path + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt++) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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
  return true;
}
