#pragma once
// Changing the word of what the hero wears.
#include <cstddef>
#include <string>

struct PlayerRecord;

// Gives the worn weapon (slot 0) or armor (slot 1) a new word. The hero's
// ATK and DEF carry the worn items' bonuses, so the old bonuses come off
// and the rescaled ones go back on. Answers with the item's change text.
std::string changeWornQuibblent(PlayerRecord& player, std::size_t slot, const std::string& word);
