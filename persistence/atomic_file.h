#pragma once
// Save files are replaced whole: the new text goes to a temporary file of a
// name of its own in the same folder, is flushed to disk, and only then
// renamed over the old one, so a crash or a full disk mid-write leaves the
// previous file intact. A temporary file that a write cut short left behind
// is removed by the next write of the same file once its writer is gone.
// Reading is persistence/regular_file.h.
#include <string>

// Creates `folder` (one level) when it is missing; true when it exists afterwards.
bool ensureFolder(const std::string& folder);

// Replaces the file at `path` with `contents`; creates the parent folder
// ("saves/") when missing. True only when the new file is fully in place.
// Something other than a regular file (or a link to one) at `path` is never
// replaced: the write fails and leaves it there.
bool writeFileAtomically(const std::string& path, const std::string& contents);
