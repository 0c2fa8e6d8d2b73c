#include "interpreter/settings_commands.h"

#include "interpreter/command_step.h"

// Not in the game yet: each command answers as unrecognised input.
std::string commandSettingsPage(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandAutosave(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandFullscreen(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandMusic(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandResolution(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
