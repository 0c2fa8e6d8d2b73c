#pragma once
// Small pieces every prompt of the game shares: reading a Y/N answer and
// the prompt numbers they hand over to one another.
#include <string>

enum class YesNoAnswer { kYes, kNo, kNeither };

// "y" or "1" is yes, "n" or "2" is no, anything else (the empty line too)
// is neither. The line is already lower-cased with "yes"/"no" mapped.
YesNoAnswer readYesNo(const std::string& line);

// Prompt numbers the prompts hand over to one another.
inline constexpr int kNoPrompt = 2;
inline constexpr int kRevivedPrompt = 0;
