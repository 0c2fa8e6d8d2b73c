#pragma once
// The free commands: what the player may type when no prompt, fight,
// viewer or dialogue takes the line. They are tried in the table's order
// and the first that matches answers.
#include <cstddef>
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

using FreeCommandHandler = std::string (*)(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                           const std::string& line);
// Extra condition a row may ask for besides its text (for example a line
// that only counts after a certain kind of reply).
using FreeCommandGuard = bool (*)(const GameState& state, const PlayerRecord& playerRecord, const std::string& line);

struct FreeCommandRow {
  // The whole line, or the prefix of a prefix command; nullptr matches any
  // line and leaves the decision to the guard.
  const char* text;
  // 0: the line must equal `text`. Otherwise a prefix command, and the
  // least length of the line.
  std::size_t leastLength;
  FreeCommandGuard guard;  // may be nullptr
  FreeCommandHandler handler;
};

// Whether `row` takes `line` (lower-cased already).
bool freeCommandMatches(const FreeCommandRow& row, const GameState& state, const PlayerRecord& playerRecord,
                        const std::string& line);

// The first row that takes the line, or nullptr when none does.
const FreeCommandRow* findFreeCommand(const GameState& state, const PlayerRecord& playerRecord,
                                      const std::string& line);
