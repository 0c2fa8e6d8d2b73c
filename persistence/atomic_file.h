#pragma once
// Save files are replaced whole: the new text goes to a temporary file in the
// same folder, is flushed to disk, and only then renamed over the old one, so
// a crash or a full disk mid-write leaves the previous file intact.
#include <string>

// Creates `folder` (one level) when it is missing; true when it exists afterwards.
bool ensureFolder(const std::string& folder);

// Replaces the file at `path` with `contents`; creates the parent folder
// ("saves/") when missing. True only when the new file is fully in place.
bool writeFileAtomically(const std::string& path, const std::string& contents);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& contents);
