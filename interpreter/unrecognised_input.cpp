#include "interpreter/unrecognised_input.h"

#include "interpreter/command_step.h"

// Continuing the previous list or page is not in the game yet.
std::string answerUnrecognised(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return kUnrecognisedReply;
}
