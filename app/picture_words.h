#pragma once
// Which picture each part of the panel shows, chosen by name from the records.
// Every chooser answers with a picture word (loaded from picturePath(word));
// an empty optional means "no row matches: keep the picture shown".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/picture_catalog.h"

struct Floor;
struct GameState;
struct PlayerRecord;

std::optional<std::string> inventoryWord(const std::string& itemName);
std::optional<std::string> skillWord(const std::string& skillName);
// Weapon and armor by the type of the equipped item; unknown types are blank.
std::string weaponWord(const PlayerRecord& player);
std::string armorWord(const PlayerRecord& player);
// A creature type the table does not know gets the generic monster.
std::string creatureWord(const std::string& type);

// The player's portrait: dead once the game is over or the hit points are
// gone (a blow can leave them below zero), otherwise by class.
std::optional<std::string> portraitWord(const GameState& state, const PlayerRecord& player);
std::string backgroundWord(int floorNumber);

// The two small markers beside a status line. Only a poisoned creature has a
// picture for the outer one; otherwise the outer marker is left as it was,
// unless it regenerates (then it is cleared).
struct EffectWords {
  std::string inner;
  std::optional<std::string> outer;
};
EffectWords effectWords(bool poisoned, bool regenerating);
EffectWords playerEffectWords(const PlayerRecord& player);
EffectWords enemyEffectWords(const GameState& state);

// A compass tile's picture: its file (an occupant's portrait is a file name of
// its own) and its opacity.
struct TilePicture {
  std::string file;
  std::uint8_t alpha = 255;
};
TilePicture tilePicture(const Floor& floorRecord, int tile, int screenMode);

std::optional<std::string> secretIconWord(const Floor& floorRecord);
// Achievement slot k once earned; slot 6 also shows a picture when it is the
// only one left.
std::optional<std::string> achievementWord(const GameState& state, int slot);

// Every word the choosers above can answer with (occupants' own portrait
// files aside), so a test can hold them against the pictures the build makes.
std::vector<std::string> allPictureWords();
