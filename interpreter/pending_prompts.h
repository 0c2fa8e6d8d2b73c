#pragma once
// The open prompt (GameState::pendingPrompt) takes the line before anything
// else but the name and load prompts. Each prompt number with a handler is
// one row of the prompt table; numbers without a row open no prompt.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

// Answers the line given at an open prompt; the line is already lower-cased
// and "yes"/"no" mapped to "y"/"n". The handler closes its prompt itself.
using PromptHandler = std::string (*)(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                      const std::string& line);

struct PendingPromptRow {
  int prompt;
  // No handler: a timed page, which any line closes before it goes on as
  // if no prompt were open.
  PromptHandler handler;
};

// The row of an open prompt, or nullptr when `prompt` has none.
const PendingPromptRow* findPendingPrompt(int prompt);
