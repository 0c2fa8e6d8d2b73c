#pragma once
// Small pieces every prompt of the game shares: reading a Y/N answer and
// asking the shell for another music track.
#include <string>

struct GameState;

enum class YesNoAnswer { kYes, kNo, kNeither };

// "y" or "1" is yes, "n" or "2" is no, anything else (the empty line too)
// is neither. The line is already lower-cased with "yes"/"no" mapped.
YesNoAnswer readYesNo(const std::string& line);

// Asks the shell for `track`: the track playing now becomes the previous
// one and the request is stored negated, as the shell expects.
void requestMusic(GameState& state, int track);

// Music tracks the prompts ask for.
inline constexpr int kAmbientTrack = 9;
inline constexpr int kDungeonTheme = 10;
inline constexpr int kDungeonThemeSlowed = 11;

// Prompt numbers the prompts hand over to one another.
inline constexpr int kNoPrompt = 2;
inline constexpr int kRevivedPrompt = 0;
