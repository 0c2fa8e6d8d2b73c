#pragma once
// A run save "saves/" + name + ".txt" holds one value a line and no keys: a
// line's position is its meaning. The resumable form has exactly 268 lines
// (0..267) with no line end after the last; the two memorial forms replace it
// when the run ends and begin with a marker line instead.
//
//   0 "[PLAYER]"   1..49 the hero        50 "[WEAPON]"  51..58 the weapon
//   59 "[ARMOR]"   60..67 the armor      68 "[DUNGEON]" 69..81 the dungeon
//   82 + 20*i "[TILE - i]", then 19 lines of tile i (i = 0..7)
//   242 "[MISC]"   243..266 the rest     267 "[END]"
//
// Numbers are decimal; bools "0"/"1"; floats and the play time in fixed
// notation with six decimals; strings raw; an empty slot "NONE".
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kRunSaveLineCount = 268;
inline constexpr int kTileBlockFirstLine = 82;
inline constexpr int kTileBlockLength = 20;

inline constexpr const char kDeadFileMarker[] = "[DEAD FILE]";
inline constexpr const char kVictoriousFileMarker[] = "[VICTORIOUS FILE]";

// The reader's bounds on the open-ended numbers of a run: counts, stats,
// wounds, purses and timers take -kLargestRunNumber..kLargestRunNumber, and
// the hero's and creatures' factors 0..kLargestFactor. They lie far above
// anything a run reaches, yet low enough that the game's sums cannot
// overflow; its products of a number and factors stop at a bound of their
// own (world/whole_numbers.h).
inline constexpr int kLargestRunNumber = 10'000'000;
inline constexpr float kLargestFactor = 100.0f;

// Holds every open-ended number of the run inside the reader's bounds, so
// that a run loaded with a purse, a score or a stat at its bound and then
// played on is still saved in a form the game loads. The game calls it at
// the end of every command step, and before a resumable save is written in
// the middle of one (the stairs' autosave follows the new floor's changes).
void keepRunWithinSaveBounds(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord);

// What GameState::loadRun answers.
inline constexpr int kLoadedDeadMemorial = 0;        // the hero died; nothing was read
inline constexpr int kLoadedRun = 1;                 // the run is in the records now
inline constexpr int kLoadedVictoriousMemorial = 2;  // the hero won; nothing was read
inline constexpr int kLoadRefused = -1;              // unreadable, damaged or not a run
                                                     // save; nothing was changed

// The 268 lines of the resumable form, from the records as they stand. It
// takes no clock and snips nothing; GameState::saveRun does both first.
std::string resumableSaveText(const GameState& state, const Floor& floorRecord,
                              const PlayerRecord& playerRecord);

// The memorials, whole; neither ends in a line break. The dead one reads the
// play time from state.elapsedSeconds as it stands (saveRun takes the clock).
std::string victoriousMemorialText(GameState& state, const Floor& floorRecord,
                                   const PlayerRecord& playerRecord);
std::string deadMemorialText(GameState& state, const Floor& floorRecord,
                             const PlayerRecord& playerRecord);

// What a run save's text holds, checked whole before any record changes.
// On kLoadRefused, `badLine` is the position of the first line found wrong
// (the first missing line of a file cut short, kRunSaveLineCount for a file
// too long). A memorial also forgets the run's hints given, as every load
// does before it reads a line; nothing else changes.
int loadRunText(const std::string& text, GameState& state, Floor& floorRecord,
                PlayerRecord& playerRecord, int& badLine);
