#pragma once
// The current floor: the eight tiles around the player and what stands on
// them, plus the run-long facts the generator keeps between floors.
#include <array>
#include <string>
#include <vector>

#include "world/creature.h"
#include "world/quibblent_offer.h"
#include "world/random_source.h"

// Who or what stands on a tile; an empty key is nobody.
struct TileOccupant {
  TileOccupant() = default;
  // An occupant from its key, with the description, dialogue stage and
  // portrait that key brings. A visitState or stateCode other than -1
  // replaces the key's own (a saved run hands back what it saved).
  TileOccupant(std::string occupantKey, int visitStateArg, int stateCodeArg);

  std::string key;
  std::string description;
  int stateCode = 0;
  std::string portraitFile = "Qbl_blank.png";
  int visitState = 0;
};

// How rare a scroll lying on a tile is.
struct ScrollTier {
  int tier = 0;
};

// The tier of a newly found scroll, 0..12: 0..2 by chance, one higher with the
// floor's bonus, and from the tenth high scroll of a run on a tier-2 scroll is
// lifted too. Tiers 3 and up name which of the rarer scrolls it is.
ScrollTier rollScrollTier(bool bonus, int highScrollCount);
inline constexpr int kHighestRolledScrollTier = 12;

// Tiers a spell scroll takes once read, kept by its tile (on later floors
// too, until a new scroll lands there): one that proved unreadable, and one
// whose spell was already taken.
inline constexpr int kGibberishScrollTier = 98;
inline constexpr int kLearnedScrollTier = 99;

// The tiles around the player, one per direction.
inline constexpr int kTileCount = 8;

struct Floor {
  // Tile arrays are indexed by direction: 0 north, then clockwise.
  std::array<std::string, kTileCount> directionNames = {"north", "northeast", "east", "southeast",
                                               "south", "southwest", "west", "northwest"};
  std::array<std::string, kTileCount> tileKinds;
  std::array<std::string, kTileCount> tileTexts;
  std::array<Creature, kTileCount> tileCreatures;
  std::array<QuibblentOffer, kTileCount> tileOffers;
  std::array<ScrollTier, kTileCount> tileScrollTiers;
  std::array<TileOccupant, kTileCount> tileOccupants;
  std::vector<std::string> npcPool;
  std::string secretRoomKind;
  bool secretRoomKnown = false;
  bool secretRoomEntered = false;
  int floorNumber = 0;
  int monsterCount = 0;
  int hintFloor = 0;
  int doomFloor = 0;
  int shopFloor = 0;
  int shop2Floor = 0;
  int healFloor = 0;
  RandomDevice rng;
  bool goblinShopKnown = false;
  bool wizardMet = false;
  bool secret2Known = false;
  bool scrollBonus = false;
  int highScrollCount = 0;
  int secretScrollIndex = 0;
  bool scrollsBelow3Found = false;
  bool scroll3Found = false;
  bool scroll4Found = false;
  bool scroll5Found = false;
  int ghastsToPlace = 1;
  int npcMissCount = 0;

  // Empties a tile whose content is gone: no kind, and the text the room
  // description shows after the direction. A direction that names no tile
  // changes nothing.
  void clearTile(int direction, std::string text);
};
