#pragma once
// The meta save "saves/meta-save.txt" keeps what outlives a run: five
// settings, the 18 achievement slots and three counters, one value a line.
//
//   0 "[META]"            1 autosave      2 fullscreen    3 music
//   4 resolution (1..3)   5 first-combat hint             6 "[ACHIEVEMENTS]"
//   7..24 achievement slots 0..17 (empty line: locked)
//   25 deepest floor      26 victories    27 potion progress (no line break)
//
// The writer is GameState::saveMeta; the reader runs once at start. A file
// that stands there but cannot be read is never replaced in that session:
// every change is held in memory, and the step's reply ends in
// kMetaNotSavedTail, as it does whenever the file could not be written.
#include <ostream>
#include <string>

struct GameState;

extern const char kMetaSavePath[];
// Written when there is no meta save yet: lines 0..23 only, with the hint on.
extern const char kDefaultMetaSaveText[];

// Ends the reply of a step whose change to the meta save was not written.
extern const char kMetaNotSavedTail[];

// The whole file as saveMeta writes it from the values in `state`.
std::string metaSaveText(const GameState& state);

// Takes the values of a meta save's text into `state` and echoes each line
// read to `echo`. A byte-order mark before the first line is passed over; a
// first line other than "[META]" takes nothing; a line
// that holds no number keeps that field's value; a resolution outside 1..3
// becomes 1. Never throws on what the file holds.
void readMetaSaveText(GameState& state, const std::string& text, std::ostream& echo);

// Start-up: reads the meta save into `state`, echoing to standard output,
// or writes the default file when there is none (the values stay as they
// are until the next start). When something stands there that cannot be
// read (no permission, not a regular file, far too large), nothing is read
// and GameState::metaSaveHeld keeps it from being replaced.
void readOrCreateMetaSave(GameState& state);
