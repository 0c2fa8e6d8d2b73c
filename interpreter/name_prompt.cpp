#include "interpreter/name_prompt.h"

#include "world/game_state.h"

const char kNamePromptText[] =
    "Enter a name - no more than 8 characters please.\nIf you wish to load a file, please type the name of your \n"
    "character in the file you want to load.";

std::string answerNamePrompt(GameState& state, Floor&, PlayerRecord&, const std::string& line) {
  state.typedName = line;
  return kNamePromptText;
}

std::string answerLoadPrompt(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.loadPromptOpen = false;
  state.pendingPrompt = 2;
  return std::string();
}
