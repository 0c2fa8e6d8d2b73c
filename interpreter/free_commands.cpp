#include "interpreter/free_commands.h"

#include <cstring>

#include "interpreter/save_and_quit.h"

namespace {

// In the order of testing; the first match answers.
// Columns: line or prefix, least line length of a prefix (0: whole line), guard, handler.
const FreeCommandRow kFreeCommands[] = {
    {"give up", 0, nullptr, commandGiveUp},
    {"quit", 0, nullptr, commandQuit},
    {"exit", 0, nullptr, commandQuit},
    {"save", 0, nullptr, commandSave},
    {"load", 0, nullptr, commandLoad},
};

}  // namespace

bool freeCommandMatches(const FreeCommandRow& row, const GameState& state, const PlayerRecord& playerRecord,
                        const std::string& line) {
  if (row.text != nullptr) {
    if (row.leastLength == 0) {
      if (line != row.text) return false;
    } else if (line.size() < row.leastLength || line.compare(0, std::strlen(row.text), row.text) != 0) {
      return false;
    }
  }
  return row.guard == nullptr || row.guard(state, playerRecord, line);
}

const FreeCommandRow* findFreeCommand(const GameState& state, const PlayerRecord& playerRecord,
                                      const std::string& line) {
  for (const FreeCommandRow& row : kFreeCommands) {
    if (freeCommandMatches(row, state, playerRecord, line)) return &row;
  }
  return nullptr;
}
