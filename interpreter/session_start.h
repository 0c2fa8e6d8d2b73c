#pragma once
// What the program does for the game before its window opens (the window
// program and the console driver both call it, on a freshly made game
// state): seeds rand from the clock, fills the quibblent tables, opens the
// name prompt and reads the meta save, or writes the default one when there
// is none. Returns the first reply the reply box shows: the name prompt.
#include <string>

struct GameState;

std::string startSession(GameState& state);
