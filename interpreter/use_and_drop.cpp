#include "interpreter/use_and_drop.h"

#include "interpreter/command_step.h"

// Not in the game yet: each command answers as unrecognised input.
std::string commandUseItemJoke(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandUseHealSkill(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandUseAntibiotics(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return kUnrecognisedReply;
}
std::string commandUseEatSkill(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandUseItemSlot(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandUseItemByName(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return kUnrecognisedReply;
}
std::string commandDropItemSlot(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
std::string commandDropItemByName(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return kUnrecognisedReply;
}
std::string commandUseHeldItem(GameState&, Floor&, PlayerRecord&, const std::string&) { return kUnrecognisedReply; }
bool dropByNameTakesLine(const GameState&, const PlayerRecord&, const std::string&) { return true; }
bool lineNamesHeldItem(const GameState&, const PlayerRecord&, const std::string&) { return false; }
