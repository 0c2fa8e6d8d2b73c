#include "interpreter/free_commands.h"

#include <cstring>

#include "interpreter/information_commands.h"
#include "interpreter/look_and_move.h"
#include "interpreter/save_and_quit.h"
#include "interpreter/settings_commands.h"
#include "interpreter/use_and_drop.h"

namespace {

// In the order of testing; the first match answers. The fixed "use ..."
// lines come before the "use " prefixes, "drop item " before "drop ".
// Columns: line or prefix, least line length of a prefix (0: whole line), guard, handler.
const FreeCommandRow kFreeCommands[] = {
    {"", 0, lineIsEmptyAfterOrdinaryReply, commandEmptyLine},
    {"time", 0, nullptr, commandTime},
    {"look", 0, nullptr, commandLook},
    {"look around", 0, nullptr, commandLook},
    {"l", 0, nullptr, commandLook},
    {nullptr, 0, lineIsDirection, commandMove},
    {"secret", 0, nullptr, commandSecret},
    {"secret2", 0, nullptr, commandSecret2},
    {"use item [n]", 0, nullptr, commandUseItemJoke},
    {"use heal", 0, nullptr, commandUseHealSkill},
    {"heal", 0, nullptr, commandUseHealSkill},
    {"use antibiotics", 0, nullptr, commandUseAntibiotics},
    {"antibiotics", 0, nullptr, commandUseAntibiotics},
    {"use eat", 0, nullptr, commandUseEatSkill},
    {"eat", 0, nullptr, commandUseEatSkill},
    {"use item ", 10, nullptr, commandUseItemSlot},
    {"use ", 5, nullptr, commandUseItemByName},
    {"drop item ", 11, nullptr, commandDropItemSlot},
    {"drop ", 6, dropByNameTakesLine, commandDropItemByName},
    {"h", 0, nullptr, commandHelp},
    {"help", 0, nullptr, commandHelp},
    {"settings", 0, nullptr, commandSettingsPage},
    {"info", 0, nullptr, commandInfo},
    {"status", 0, nullptr, commandStatus},
    {"stat", 0, nullptr, commandStatus},
    {"stats", 0, nullptr, commandStatus},
    {"item", 0, nullptr, commandInventory},
    {"items", 0, nullptr, commandInventory},
    {"inv", 0, nullptr, commandInventory},
    {"inventory", 0, nullptr, commandInventory},
    {"skills", 0, nullptr, commandSkills},
    {"skill", 0, nullptr, commandSkills},
    {"autosave", 0, nullptr, commandAutosave},
    {"autosaves", 0, nullptr, commandAutosave},
    {"autosave 1", 0, nullptr, commandAutosave},
    {"autosaves 1", 0, nullptr, commandAutosave},
    {"autosave 0", 0, nullptr, commandAutosave},
    {"autosaves 0", 0, nullptr, commandAutosave},
    {"fullscreen", 0, nullptr, commandFullscreen},
    {"full screen", 0, nullptr, commandFullscreen},
    {"fullscreen 1", 0, nullptr, commandFullscreen},
    {"full screen 1", 0, nullptr, commandFullscreen},
    {"fullscreen 0", 0, nullptr, commandFullscreen},
    {"full screen 0", 0, nullptr, commandFullscreen},
    {"music", 0, nullptr, commandMusic},
    {"mute", 0, nullptr, commandMusic},
    {"sound", 0, nullptr, commandMusic},
    {"music 1", 0, nullptr, commandMusic},
    {"mute 0", 0, nullptr, commandMusic},
    {"sound 1", 0, nullptr, commandMusic},
    {"music 0", 0, nullptr, commandMusic},
    {"mute 1", 0, nullptr, commandMusic},
    {"sound 0", 0, nullptr, commandMusic},
    {"resolution", 0, nullptr, commandResolution},
    {"resolution 1", 0, nullptr, commandResolution},
    {"resolution 2", 0, nullptr, commandResolution},
    {"resolution 3", 0, nullptr, commandResolution},
    {"achievement", 0, nullptr, commandAchievements},
    {"achievements", 0, nullptr, commandAchievements},
    {"give up", 0, nullptr, commandGiveUp},
    {"quit", 0, nullptr, commandQuit},
    {"exit", 0, nullptr, commandQuit},
    {"save", 0, nullptr, commandSave},
    {"load", 0, nullptr, commandLoad},
    {"hello", 0, nullptr, commandHello},
    {nullptr, 0, lineNamesHeldItem, commandUseHeldItem},
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
