#pragma once
// Tests write saves and run programs in a fresh temporary folder, never in the
// source tree. A ScratchDir makes one, moves the process into it, and on
// destruction moves back and removes it.
#include <string>

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  // Path of a file inside the folder.
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string previous_;
};

// Whole contents of a file, or "" when missing.
std::string slurp(const std::string& path);
void spit(const std::string& path, const std::string& contents);
bool fileExists(const std::string& path);
