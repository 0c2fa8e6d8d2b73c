#include "interpreter/settings_commands.h"

#include "persistence/meta_save.h"
#include "world/game_state.h"

namespace {

const char kSettingsPage[] = "Type 'save' to save, 'load' to load.\n"
                             "Type each of the following followed by '0' or '1' to \n"
                             "enable/disable them:\n"
                             "'music', 'fullscreen', 'autosave'\n"
                             "Type 'resolution 1-3' to adjust screen size (windowed only).\n"
                             "Type 'achievements' to view your current achievements.";

const char kResolutionInFullscreen[] = "You cannot change the resolution in fullscreen mode!!";

enum class Setting { kAutosave, kFullscreen, kMusic, kResolution };

// One row per line a setting command takes.
// Columns: line, setting, value (-1: the bare word, which only explains), reply.
struct SettingRow {
  const char* line;
  Setting setting;
  int value;
  const char* reply;
};

const char kAutosaveHelp[] =
    "Type 'autosave 1' to enable auto-saving, or 'autosave 0' to \n"
    "disable auto-saving. If auto-saving is enabled, the game \n"
    "will save your progress every time you enter a new floor. \n"
    "\n"
    "(Note that the game will auto-save on death whether or not \n"
    "this feature is enabled.)";
const char kFullscreenHelp[] =
    "Type 'fullscreen 1' to turn fullscreen on, or 'fullscreen 0' \n"
    "to turn it off.\n"
    "\n"
    "In fullscreen, the game window will stretch to your current \n"
    "monitor size (aspect ratio will be preserved).";
const char kMusicHelp[] =
    "Type 'music 1' to turn the music on, 'music 0' to turn it \n"
    "off. Alternatively, type 'mute 1' to turn the sound off.";
const char kResolutionHelp[] =
    "Type 'resolution 1' to set the game at default size.\n"
    "Type 'resolution 2' for 1.5x size, or 'resolution 3' for \n"
    "2x size. Default screen size is 640x480. \n"
    "\n"
    "(This doesn't work in fullscreen.)";

const SettingRow kSettingRows[] = {
    {"autosave", Setting::kAutosave, -1, kAutosaveHelp},
    {"autosaves", Setting::kAutosave, -1, kAutosaveHelp},
    {"autosave 1", Setting::kAutosave, 1, "Autosaves enabled!"},
    {"autosaves 1", Setting::kAutosave, 1, "Autosaves enabled!"},
    {"autosave 0", Setting::kAutosave, 0, "Autosaves disabled!"},
    {"autosaves 0", Setting::kAutosave, 0, "Autosaves disabled!"},
    {"fullscreen", Setting::kFullscreen, -1, kFullscreenHelp},
    {"full screen", Setting::kFullscreen, -1, kFullscreenHelp},
    {"fullscreen 1", Setting::kFullscreen, 1, "Fullscreen enabled!"},
    {"full screen 1", Setting::kFullscreen, 1, "Fullscreen enabled!"},
    {"fullscreen 0", Setting::kFullscreen, 0, "Fullscreen disabled!"},
    {"full screen 0", Setting::kFullscreen, 0, "Fullscreen disabled!"},
    {"music", Setting::kMusic, -1, kMusicHelp},
    {"mute", Setting::kMusic, -1, kMusicHelp},
    {"sound", Setting::kMusic, -1, kMusicHelp},
    // "mute" works the other way round: "mute 1" silences the game.
    {"music 1", Setting::kMusic, 1, "Music enabled!"},
    {"mute 0", Setting::kMusic, 1, "Music enabled!"},
    {"sound 1", Setting::kMusic, 1, "Music enabled!"},
    {"music 0", Setting::kMusic, 0, "Music disabled!"},
    {"mute 1", Setting::kMusic, 0, "Music disabled!"},
    {"sound 0", Setting::kMusic, 0, "Music disabled!"},
    {"resolution", Setting::kResolution, -1, kResolutionHelp},
    {"resolution 1", Setting::kResolution, 1, "Resolution set to 1x size!"},
    {"resolution 2", Setting::kResolution, 2, "Resolution set to 1.5x size!"},
    {"resolution 3", Setting::kResolution, 3, "Resolution set to 2x size!"},
};

const SettingRow* findSettingRow(const std::string& line) {
  for (const SettingRow& row : kSettingRows) {
    if (line == row.line) return &row;
  }
  return nullptr;
}

// Sets the field (whatever it held before) and writes the meta save; the
// window follows the two settings that change its shape.
std::string applySetting(GameState& state, const SettingRow& row) {
  bool reshapesWindow = false;
  switch (row.setting) {
    case Setting::kAutosave: state.autosave = row.value == 1; break;
    case Setting::kFullscreen:
      state.fullscreen = row.value == 1;
      reshapesWindow = true;
      break;
    case Setting::kMusic: state.musicOn = row.value == 1; break;
    case Setting::kResolution:
      state.resolution = row.value;
      reshapesWindow = true;
      break;
  }
  // saveMeta asks for the window to be re-created even when the file could
  // not be written, so the window follows the setting either way.
  // A setting holds for this session even when it cannot be written; the
  // step's reply then ends by saying so (processCommand adds the tail).
  state.saveMeta(reshapesWindow);
  return row.reply;
}

std::string answerSetting(GameState& state, const std::string& line) {
  state.lastReplyKind = 1;
  const SettingRow* row = findSettingRow(line);
  if (row == nullptr) return "";
  if (row->value < 0) return row->reply;
  if (row->setting == Setting::kResolution && state.fullscreen) return kResolutionInFullscreen;
  return applySetting(state, *row);
}

}  // namespace

std::string commandSettingsPage(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = 1;
  return kSettingsPage;
}

std::string commandAutosave(GameState& state, Floor&, PlayerRecord&, const std::string& line) {
  return answerSetting(state, line);
}

std::string commandFullscreen(GameState& state, Floor&, PlayerRecord&, const std::string& line) {
  return answerSetting(state, line);
}

std::string commandMusic(GameState& state, Floor&, PlayerRecord&, const std::string& line) {
  return answerSetting(state, line);
}

std::string commandResolution(GameState& state, Floor&, PlayerRecord&, const std::string& line) {
  return answerSetting(state, line);
}
