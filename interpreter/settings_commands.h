#pragma once
// The settings commands: the settings page, autosave, full screen, music and
// window size. Each change applies at once and is written to the meta save.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

std::string commandSettingsPage(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
// Each reads its line: the bare word, or the word followed by " 1" or " 0"
// (for "resolution", " 1" to " 3").
std::string commandAutosave(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandFullscreen(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
std::string commandMusic(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line);
std::string commandResolution(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
