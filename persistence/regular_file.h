#pragma once
// Opening a file in "saves/" that a player may have replaced with anything:
// a pipe, a folder, a device, a link. Only a regular file is ever read, and
// nothing here waits on an open: a pipe with no writer at the other end
// would otherwise hold the game for ever.
//
// A link that leads to a regular file is read like the file itself: a player
// who keeps a save elsewhere and links it in expects it to load. A link to
// anything else, or to nothing, is refused without its target being opened.
#include <cstddef>
#include <fstream>
#include <string>

enum class FileAccess {
  kOpen,     // a regular file, open (or read)
  kMissing,  // nothing at all at that path
  kRefused,  // something is there, but not a regular file the game may read
};

// Opens the regular file at `path` for reading; the descriptor (the caller
// closes it) or -1, with the reason in `access`.
int openRegularFile(const std::string& path, FileAccess& access);

// The whole regular file at `path`, when it holds at most `largest` bytes;
// a larger one is refused and `contents` is left as it was.
FileAccess readRegularFile(const std::string& path, std::size_t largest, std::string& contents);

// Opens `stream` on the regular file at `path` (closing what it held);
// on anything but kOpen the stream is left closed.
FileAccess openRegularFileStream(std::ifstream& stream, const std::string& path);

// True when something other than a regular file, or a link to one, stands
// at `path`: a file the game must leave as it is.
bool oddFileAt(const std::string& path);
