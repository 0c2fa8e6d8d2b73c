#pragma once
// One game step per typed line (GameState::processCommand). The line is
// offered to the game's sub-machines in a fixed order and the first that
// takes it answers:
//   name prompt, load prompt (the line as typed), then, lower-cased with a
//   whole "yes"/"no" read as "y"/"n": the open prompt, the fight, the
//   achievements viewer, the dialogue, the free commands, and last the
//   answer to unrecognised input.
#include <string>

// The line as every stage after the name and load prompts sees it: A-Z
// lowered (no other byte touched) and a whole "yes" or "no" turned into
// "y" or "n". Nothing is trimmed.
std::string normaliseTypedLine(std::string line);

extern const char kUnrecognisedReply[];
