// The window program. It runs from its own folder, wherever it was started
// from, because its pictures, fonts and music lie beside it and its saves are
// kept there.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/shell.h"

namespace {

void moveBesideProgram() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return;
  if (chdir(program.parent_path().c_str()) != 0) std::cerr << "cannot enter " << program.parent_path() << "\n";
}

}  // namespace

int main(int, char**) {
  moveBesideProgram();
  Shell shell;
  shell.startUp();
  while (shell.runFrame()) {
  }
  return 0;
}
