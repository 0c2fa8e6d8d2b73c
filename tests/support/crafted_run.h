#pragma once
// A run save made the way the game makes one, then edited: the hero named
// and given a class in-process, `edit` changes the records (a monster,
// character, shop or door beside the hero, a fuller purse...), and the run
// is saved to saves/<name>.txt in the current folder. Typing the name at
// the console's first prompt then loads it.
#include <functional>
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

using RunEdit = std::function<void(GameState& state, Floor& floorRecord, PlayerRecord& hero)>;

// `classChoice` is the typed class number ("1" ACADEMIC, "2" CONVICT,
// "3" OPPORTUNIST). Returns false when the game could not write the save.
bool writeCraftedRun(const std::string& name, const std::string& classChoice, const RunEdit& edit,
                     unsigned seed = 1);
