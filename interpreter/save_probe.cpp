#include "interpreter/save_probe.h"

#include <filesystem>
#include <system_error>

#include "persistence/regular_file.h"
#include "persistence/save_names.h"
#include "world/game_state.h"

bool runSaveExists(const std::string& heroName) {
  std::error_code error;
  // A link counts as a file even when it leads nowhere.
  const std::filesystem::file_status status = std::filesystem::symlink_status(savePathFor(heroName), error);
  // A status that cannot be taken (a folder we may not look into) is not
  // proof that the save is gone.
  if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
    return true;
  }
  return std::filesystem::exists(status);
}

SaveProbe openRunSave(GameState& state, const std::string& heroName) {
  if (!runSaveExists(heroName)) {
    if (state.loadFile.is_open()) state.loadFile.close();
    state.loadFile.clear();
    return SaveProbe::kMissing;
  }
  // A pipe, folder or device under a save's name is no save, and is never
  // waited on.
  switch (openRegularFileStream(state.loadFile, savePathFor(heroName))) {
    case FileAccess::kOpen: return SaveProbe::kOpen;
    case FileAccess::kMissing: return SaveProbe::kMissing;
    case FileAccess::kRefused: return SaveProbe::kUnreadable;
  }
  return SaveProbe::kUnreadable;
}
