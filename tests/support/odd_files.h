#pragma once
// What a player can leave in "saves/" besides saves: pipes, folders, links
// to devices or to nothing. A test that meets one runs under a Deadline, so
// that a game that waits on a pipe fails the test instead of hanging it.
#include <string>
#include <sys/resource.h>
#include <vector>

enum class OddFile {
  kPipe,           // a FIFO nobody writes to
  kFolder,
  kLinkToZero,     // a link to /dev/zero, which never ends
  kLinkToPipe,
  kLinkToNothing,  // a link whose target is missing
};

struct OddFileCase {
  OddFile kind;
  const char* label;
};
inline constexpr OddFileCase kOddFiles[] = {
    {OddFile::kPipe, "pipe"},
    {OddFile::kFolder, "folder"},
    {OddFile::kLinkToZero, "link to /dev/zero"},
    {OddFile::kLinkToPipe, "link to a pipe"},
    {OddFile::kLinkToNothing, "link to nothing"},
};

// A meta save with a non-default value in every setting and counter and a
// name in the first slot, so that a blank file written over it would show.
inline const std::string kPrizedMetaSave = "[META]\n"
                                           "0\n"
                                           "1\n"
                                           "0\n"
                                           "3\n"
                                           "0\n"
                                           "[ACHIEVEMENTS]\n"
                                           "Ann\n" +
                                           std::string(17, '\n') +
                                           "7\n"
                                           "2\n"
                                           "1";

// Puts the odd file at `path`; false when the system would not make it.
bool makeOddFile(OddFile kind, const std::string& path);

// What stands at `path`, in words that tell one odd file from another
// ("pipe", "folder", "link to /dev/zero", "file: <contents>", "nothing"),
// to show that the game left it as it was.
std::string whatStandsAt(const std::string& path);

// Names in `folder`, sorted; the temporary files a write leaves show here.
std::vector<std::string> filesIn(const std::string& folder);

// Ends the test program with a message after `seconds`: an open or read
// that waits for ever fails the test instead of hanging it.
class Deadline {
 public:
  explicit Deadline(unsigned seconds);
  ~Deadline();
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;
};

// Files this process writes cannot grow past `bytes` while it lives: a full
// disk that even root cannot write past.
class SmallFileLimit {
 public:
  explicit SmallFileLimit(rlim_t bytes);
  ~SmallFileLimit();
  SmallFileLimit(const SmallFileLimit&) = delete;
  SmallFileLimit& operator=(const SmallFileLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};
