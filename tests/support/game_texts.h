#pragma once
// The game's texts that checks of several folders expect, written out here
// once (never taken from the game's code, so a changed text fails a check).
#include <string>

// The question at start-up and after starting over.
inline const std::string kNameQuestion = "Enter a name - no more than 8 characters please.\n"
                                         "If you wish to load a file, please type the name of your \n"
                                         "character in the file you want to load.";

// What follows an accepted name: the list of classes.
inline const std::string kClassListReply = ".\n"
                                           "Please select one of the following classes:\n"
                                           "(1) ACADEMIC: Intelligent; recommended for beginners.\n"
                                           "(2) CONVICT: Strong but simple; easy to win with.\n"
                                           "(3) OPPORTUNIST: Cunning; supports an advanced playstyle.";
