#pragma once
// Small pieces the prompts of the game share: reading a Y/N answer, the
// prompt numbers they hand over to one another, finding the tile that asked,
// and clearing the way for a new run.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

enum class YesNoAnswer { kYes, kNo, kNeither };

// "y" or "1" is yes, "n" or "2" is no, anything else (the empty line too)
// is neither. The line is already lower-cased with "yes"/"no" mapped.
YesNoAnswer readYesNo(const std::string& line);

// Prompt numbers the prompts hand over to one another.
inline constexpr int kNoPrompt = 2;
inline constexpr int kRevivedPrompt = 0;

// Whether GameState::moveDirection names one of the tiles around the hero:
// the tile of the fountain, barrel or scroll whose prompt is answered. A
// prompt opened some other way has no such tile, and leaves the floor alone.
bool enteredTileKnown(const GameState& state);

// JOHNNY THE POTION is killed, in a fight or by a blast, before anything
// else befell him: the potion family's achievement goes to the hero, even
// over JIMMY's killer, the family's fate moves on, and the meta save keeps
// both.
void recordPotionKilled(GameState& state, const PlayerRecord& playerRecord);

// What every new run started over an old one begins with: the dungeon theme,
// no conversation left speaking, tiles emptied of what the old run left on
// them, and a fresh hero with no class yet.
void clearRunForNewHero(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord);
