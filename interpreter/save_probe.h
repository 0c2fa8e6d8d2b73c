#pragma once
// Looking for a hero's run save before loading it or writing over it.
#include <string>

struct GameState;

enum class SaveProbe {
  kMissing,     // no file of that name
  kUnreadable,  // something is there but is no regular file the game can read
  kOpen,        // GameState::loadFile is open on it
};

// Opens GameState::loadFile on the save of `heroName` (a safe name). A file
// that exists but cannot be read is told apart from a missing one, so that a
// save the game cannot read is never mistaken for no save and written over.
SaveProbe openRunSave(GameState& state, const std::string& heroName);

// Whether a save of `heroName` exists at all, readable or not.
bool runSaveExists(const std::string& heroName);
