#include "world/quibblent_offer.h"

#include <algorithm>
#include <string_view>

#include "world/random_source.h"

namespace {

// The words a fountain can offer, in draw order. A fountain never offers
// POISONED, SLEEPING or GHASTLY.
constexpr std::string_view kCommonFountainWords[] = {
    "UNINTERESTING", "CONFUSED", "DAMP", "FLAMMABLE", "FLAMING",
    "EXISTENTIAL", "INEFFECTUAL", "LIGHTLY SALTED", "RAVENOUS", "POISONOUS",
    "NOXIOUS", "GAMER", "FRIGHTENED", "HIPPIE", "METALHEAD",
    "VOLUMINOUS", "HORNY", "PERVERTED", "FLIRTATIOUS", "FUNDAMENTALIST",
    "CHARRED", "CONFIDENT", "KNOWLEDGEABLE", "GROGGY", "VORPAL",
    "NIHILIST",
};
constexpr std::string_view kRareFountainWords[] = {
    "EXTRAVAGANT", "OILY", "HOLOGRAPHIC", "HIGHLY FLAMMABLE", "STARVING", "MLG", "ELITE", "DAMNED",
};

// Rolls: the rare test and the cleansing test each hit on one value.
constexpr std::uint32_t kRareTestRange = 10;
constexpr std::uint32_t kCleansingTestRange = 4;
constexpr std::uint32_t kTestHit = 2;

// Strong words that can be taken only once: a fountain is dry above 2 uses.
constexpr std::string_view kOneDrinkWords[] = {"ELITE", "POISONOUS", "KNOWLEDGEABLE"};
constexpr int kOneDrinkUsesCounted = 2;

template <std::size_t N>
std::vector<std::string> toStrings(const std::string_view (&words)[N]) {
  return std::vector<std::string>(std::begin(words), std::end(words));
}

template <std::size_t N>
std::string pick(const std::string_view (&words)[N], int& lastRoll) {
  lastRoll = static_cast<int>(dice::below(static_cast<std::uint32_t>(N)));
  return std::string(words[lastRoll]);
}

}  // namespace

QuibblentOffer::QuibblentOffer()
    : commonWords(toStrings(kCommonFountainWords)), rareWords(toStrings(kRareFountainWords)) {
  lastRoll = static_cast<int>(dice::below(kRareTestRange));
  word = lastRoll == static_cast<int>(kTestHit) ? pick(kRareFountainWords, lastRoll)
                                                 : pick(kCommonFountainWords, lastRoll);

  lastRoll = static_cast<int>(dice::below(kCleansingTestRange));
  if (lastRoll == static_cast<int>(kTestHit)) word = "CLEANSING";

  if (std::find(std::begin(kOneDrinkWords), std::end(kOneDrinkWords), word) != std::end(kOneDrinkWords)) {
    timesUsed += kOneDrinkUsesCounted;
  }
}
