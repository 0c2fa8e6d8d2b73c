#include "interpreter/save_probe.h"

#include <filesystem>
#include <system_error>

#include "persistence/save_names.h"
#include "world/game_state.h"

bool runSaveExists(const std::string& heroName) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(savePathFor(heroName), error);
  // A status that cannot be taken (a folder we may not look into) is not
  // proof that the save is gone.
  if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
    return true;
  }
  return std::filesystem::exists(status);
}

SaveProbe openRunSave(GameState& state, const std::string& heroName) {
  if (state.loadFile.is_open()) state.loadFile.close();
  state.loadFile.clear();
  if (!runSaveExists(heroName)) return SaveProbe::kMissing;
  state.loadFile.open(savePathFor(heroName), std::ios::in | std::ios::binary);
  if (!state.loadFile.is_open()) {
    state.loadFile.clear();
    return SaveProbe::kUnreadable;
  }
  return SaveProbe::kOpen;
}
