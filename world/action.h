#pragma once
// One fight move: an enemy's attack or spell, or one of the player's skills.
// Every move is built from its name; the name picks its numbers and its line
// of narration from the move list (action.cpp).
#include <string>

struct Action {
  // Builds the move `name`. `weight` is its share in an enemy's weighted
  // choice; `forPlayer` marks a skill the player learns, which changes the
  // cooldown of a few spells. A name the move list does not know keeps the
  // plain defaults below.
  Action(std::string name, int weight, bool forPlayer = false);

  std::string name;
  std::string message;
  std::string narration;
  std::string yourTurnPrompt = "It is now your turn.\n"
                               "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";
  std::string enemyTurnPrompt = "It is now the enemy's turn.\n"
                                "[TYPE ANYTHING TO CONTINUE]";
  int cooldown = 0;
  int cooldownLeft = 0;
  int uses = 0;
  int useLimit = 99;
  int amount = 0;
  int weight = 0;
  int attackValue = 0;
  bool dodgeable = false;
};
