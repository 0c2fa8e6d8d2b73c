#pragma once
// Random creatures by floor tier: the type from the tier's lists, the
// quibblent from the creature word lists, then the type's stats and moves.
#include <span>
#include <string_view>

#include "world/creature.h"

// Tiers the type lists cover: 0 is the ZOMBIE a player may have to fight,
// 1..14 the ordinary floors, 15 the boss, 16 the DRAGON, 17 the GHAST.
inline constexpr int kLowestCreatureTier = 0;
inline constexpr int kHighestCreatureTier = 17;

// The fate value of a hard run: it lifts the odds of a rare word and turns
// the boss into the HELLFUCKER.
inline constexpr int kHardModeFate = 99;

// A new creature for `tier`, with full hit points. A tier outside the lists is
// taken as the nearest tier that has them.
Creature rollCreature(int tier, int fateValue);

// The word lists a rolled creature's quibblent comes from, in roll order.
std::span<const std::string_view> creatureCommonQuibblents();
std::span<const std::string_view> creatureRareQuibblents();
