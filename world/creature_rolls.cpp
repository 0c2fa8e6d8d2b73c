#include "world/creature_rolls.h"

#include <algorithm>
#include <array>
#include <string>

#include "world/random_source.h"

namespace {

// Which runs a tier's lists are for: only the boss's tier tells them apart.
enum class Fate { Any, NotHard, Hard };

// The longest list of either kind (tier 9's common list, tier 6's rare list).
constexpr std::size_t kMostTierTypes = 5;
using TypeList = std::array<const char*, kMostTierTypes>;

struct TierTypes {
  int tier;
  Fate fate;
  TypeList common;
  TypeList rare;
};

// Columns: tier, runs it serves, common types (in draw order), rare types.
// The roll treats one more entry after the common ones as the way into the
// rare list, so each common type has 1/(n + 1) and the rare list shares 1/(n + 1).
const TierTypes kTierTypes[] = {
    {0, Fate::Any, {"ZOMBIE"}, {"ZOMBIE"}},
    {1, Fate::Any, {"GOBLIN"}, {"GOBLIN"}},
    {2, Fate::Any, {"MASS", "GOBLIN"}, {"COELOCANTH"}},
    {3, Fate::Any, {"MASS", "COELOCANTH", "OGRE", "GOBLIN"}, {"WIZARD"}},
    {4, Fate::Any, {"MASS", "COELOCANTH", "OGRE", "WIZARD"}, {"GOBLIN", "ORC"}},
    {5, Fate::Any, {"COELOCANTH", "OGRE", "WIZARD", "ORC"}, {"MASS", "ACCOUNTANT"}},
    {6, Fate::Any, {"ACCOUNTANT", "WIZARD", "ORC", "OGRE"},
     {"MASS", "COELOCANTH", "OGRE", "ROGUE", "EXPLORER"}},
    {7, Fate::Any, {"ACCOUNTANT", "ORC", "ROGUE", "EXPLORER"}, {"WIZARD", "OGRE", "CHEF"}},
    {8, Fate::Any, {"ACCOUNTANT", "ROGUE", "CHEF", "EXPLORER"}, {"ORC", "WARLOCK", "DEEP GOBLIN"}},
    {9, Fate::Any, {"ROGUE", "CHEF", "EXPLORER", "WARLOCK", "DEEP GOBLIN"}, {"LICHE", "ACCOUNTANT"}},
    {10, Fate::Any, {"CHEF", "WARLOCK", "DEEP GOBLIN", "LICHE"}, {"TROLL", "ROGUE", "ACCOUNTANT"}},
    {11, Fate::Any, {"WARLOCK", "LICHE", "TROLL", "DEEP GOBLIN"}, {"DEMON", "CHEF", "ZOMBIE"}},
    {12, Fate::Any, {"TROLL", "DEMON", "LICHE", "WARLOCK"},
     {"ARCH-ACCOUNTANT", "NECROMANCER", "DEEP GOBLIN", "ZOMBIE"}},
    {13, Fate::Any, {"TROLL", "DEMON", "ARCH-ACCOUNTANT", "NECROMANCER"}, {"CTHULOID", "WARLOCK", "LICHE"}},
    {14, Fate::Any, {"CTHULOID", "DEMON", "ARCH-ACCOUNTANT", "NECROMANCER"}, {"TROLL", "DEEP TROLL"}},
    {15, Fate::NotHard, {"HELLSATAN"}, {"HELLSATAN"}},
    {15, Fate::Hard, {"HELLFUCKER"}, {"HELLFUCKER"}},
    {16, Fate::Any, {"DRAGON"}, {"DRAGON"}},
    {17, Fate::Any, {"GHAST"}, {"GHAST"}},
};

// The creature quibblents, in draw order.
constexpr std::string_view kCommonWords[] = {
    "UNINTERESTING", "POISONED", "CONFUSED", "DAMP", "FLAMMABLE",
    "FLAMING", "EXISTENTIAL", "INEFFECTUAL", "LIGHTLY SALTED", "RAVENOUS",
    "POISONOUS", "NOXIOUS", "SLEEPING", "GAMER", "FRIGHTENED",
    "HIPPIE", "METALHEAD", "VOLUMINOUS", "KNOWLEDGEABLE", "HORNY",
    "PERVERTED", "FLIRTATIOUS", "FUNDAMENTALIST", "CHARRED", "CONFIDENT",
    "GROGGY", "VORPAL", "NIHILIST",
};
constexpr std::string_view kRareWords[] = {
    "EXTRAVAGANT", "OILY", "HOLOGRAPHIC", "HIGHLY FLAMMABLE", "STARVING", "MLG", "ELITE", "DAMNED", "GHASTLY",
};

// Columns: type, the word it always bears whatever was drawn.
struct ForcedWord {
  std::string_view type;
  std::string_view word;
};
constexpr ForcedWord kForcedWords[] = {
    {"GHAST", "GHASTLY"},
    {"HELLSATAN", "ALMIGHTY"},
    {"HELLFUCKER", "ALMIGHTY"},
    {"DRAGON", "SLEEPING"},
};

// The rare-word test: q = draw mod 15, and a rare word when any rule holds.
constexpr std::uint32_t kRareTestRange = 15;
constexpr std::uint32_t kRareBelowDeep = 5;  // q below this on deep tiers and in hard runs
constexpr std::uint32_t kRareLuckyQ = 2;     // the one q that works from tier 3
constexpr int kDeepTier = 11;
constexpr int kLuckyFromTier = 3;

std::size_t listSize(const TypeList& list) {
  return static_cast<std::size_t>(
      std::count_if(list.begin(), list.end(), [](const char* type) { return type != nullptr; }));
}

const TierTypes& tierTypes(int tier, int fateValue) {
  const Fate fate = fateValue == kHardModeFate ? Fate::Hard : Fate::NotHard;
  for (const TierTypes& row : kTierTypes) {
    if (row.tier == tier && (row.fate == Fate::Any || row.fate == fate)) return row;
  }
  return kTierTypes[0];  // not reached: every clamped tier has a row
}

std::string drawType(const TierTypes& lists) {
  const auto commonCount = static_cast<std::uint32_t>(listSize(lists.common));
  const std::uint32_t pick = dice::below(commonCount + 1);  // the last entry stands for "Rare"
  if (pick < commonCount) return lists.common[pick];
  const auto rareCount = static_cast<std::uint32_t>(listSize(lists.rare));
  return lists.rare[dice::below(rareCount)];
}

template <std::size_t N>
std::string drawWord(const std::string_view (&words)[N]) {
  return std::string(words[dice::below(static_cast<std::uint32_t>(N))]);
}

bool rareWordOdds(int tier, int fateValue, std::uint32_t q) {
  if (tier >= kDeepTier && q < kRareBelowDeep) return true;
  if (fateValue == kHardModeFate && q < kRareBelowDeep) return true;
  return q == kRareLuckyQ && tier >= kLuckyFromTier;
}

bool ghastlyForbidden(int tier, const std::string& type) {
  return (tier >= 1 && tier <= 5) || type == "DEEP TROLL";
}

bool undead(const std::string& type) { return type == "ZOMBIE" || type == "LICHE"; }

}  // namespace

std::span<const std::string_view> creatureCommonQuibblents() { return kCommonWords; }
std::span<const std::string_view> creatureRareQuibblents() { return kRareWords; }

Creature rollCreature(int tier, int fateValue) {
  // A tier past either end would leave only the empty rare list to draw from.
  tier = std::clamp(tier, kLowestCreatureTier, kHighestCreatureTier);

  const std::string type = drawType(tierTypes(tier, fateValue));

  const std::uint32_t q = dice::below(kRareTestRange);
  std::string word = rareWordOdds(tier, fateValue, q) ? drawWord(kRareWords) : drawWord(kCommonWords);

  while (word == "GHASTLY" && ghastlyForbidden(tier, type)) word = drawWord(kRareWords);
  while (word == "POISONED" && undead(type)) word = drawWord(kCommonWords);

  for (const ForcedWord& forced : kForcedWords) {
    if (type == forced.type) word = forced.word;
  }

  return Creature(word, type, 0);
}
