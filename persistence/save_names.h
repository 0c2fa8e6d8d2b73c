#pragma once
// A hero's name becomes a file name: "saves/" + name + ".txt". Every name that
// reaches that path (typed at the name prompt, typed at the load prompt, or
// read from line 1 of a run save) passes the one rule below, so no name can
// reach outside "saves/", hit a device on Windows, or overwrite the meta save.
#include <string>
#include <string_view>

// Longest hero name, in bytes.
inline constexpr std::size_t kLongestHeroName = 8;

// Why a name cannot name a save; kFine when it can.
enum class SaveNameProblem {
  kFine,
  kEmpty,
  kTooLong,              // more than kLongestHeroName bytes
  kUnprintable,          // a byte outside printable ASCII (space to '~')
  kForbiddenCharacter,   // one of / \ : * ? " < > |
  kDotsOnly,             // "." or ".."
  kReservedDeviceName,   // CON, NUL, AUX, PRN, COM1..COM9, LPT1..LPT9, any case
  kMetaSaveName,         // the meta save's own name, any case
};

SaveNameProblem checkSaveName(std::string_view name);

// True when `name` may name a run save.
bool isSafeSaveName(std::string_view name);

// "saves/" + name + ".txt"; only meaningful for a safe name.
std::string savePathFor(std::string_view name);
