// A creature's quibblent changing during play: what blocks a change, which
// words combine into a third, and what the creature keeps of the old word.
#include <algorithm>
#include <span>
#include <string_view>

#include "world/creature.h"
#include "world/game_state.h"

namespace {

// Two words meeting on a creature. In the message, {type} stands for the
// creature's type and {old} for the word it bore.
// Columns: old word, new word, the word it turns into (nullptr: the new word
//          stands), message.
struct Combination {
  std::string_view oldWord;
  std::string_view newWord;
  const char* becomes;
  std::string_view message;
};

// Tried first, before a confused creature is tipped over the edge.
const Combination kFirstCombinations[] = {
    {"HIGHLY FLAMMABLE", "FLAMMABLE", "HIGHLY FLAMMABLE", "The {type} is as HIGHLY FLAMMABLE as it can get!!"},
    {"LIGHTLY SALTED", "FLAMING", "UNINTERESTING", "The {type}'s SALT is melted off!"},
    {"RAVENOUS", "LIGHTLY SALTED", "UNINTERESTING", "The {type} licks off the SALT! It's less hungry now!"},
    {"STARVING", "LIGHTLY SALTED", "RAVENOUS", "The {type} licks off the SALT! It's less hungry now!"},
    {"EXISTENTIAL", "EXISTENTIAL", "CONFUSED", "The {type} becomes CONFUSED with EXISTENTIAL thought!"},
};

// Tried when no first combination matched and the creature was not confused.
const Combination kSecondCombinations[] = {
    {"FLAMING", "CHARRED", nullptr, "The enemy's flames go out; it is now CHARRED."},
    {"SLEEPING", "ENRAGED", nullptr, "It's ENRAGED now!!"},
    {"ENRAGED", "UNINTERESTING", nullptr, "The enemy calms down."},
    {"GROGGY", "UNINTERESTING", nullptr, "The enemy fully wakes up, losing its GROGGINESS!"},
    {"ALMIGHTY", "RAVENOUS", nullptr, "{type} hungers for blood!! It is now RAVENOUS."},
    {"HIPPIE", "POISONED", "HIPPIE", "This enemy is too in tune with nature to be POISONED!"},
};

// Fire against water and fuel, checked on every change that gets this far.
const Combination kFlameCombinations[] = {
    {"DAMP", "FLAMING", "DAMP", "The {old} {type}'s DAMPness reflects the flames!"},
    {"FLAMING", "FLAMMABLE", "FLAMING", "The {old} {type}'s FLAMES grow bigger!"},
    {"FLAMING", "OILY", "FLAMING", "The {old} {type}'s FLAMES grow bigger!"},
};

// Words that turn FLAMMABLE into HIGHLY FLAMMABLE.
constexpr std::string_view kFuelWords[] = {"FLAMMABLE", "OILY"};
// Creatures too mighty to die of confusion: they shrug it off instead.
constexpr std::string_view kConfusionReflectors[] = {"HELLSATAN", "DRAGON", "HELLFUCKER"};
// The dead cannot be poisoned.
constexpr std::string_view kUndeadTypes[] = {"LICHE", "ZOMBIE", "GHAST"};
// The only words an ALMIGHTY creature lets through.
constexpr std::string_view kAlmightyAccepts[] = {"RAVENOUS", "POISONED"};

// The fight's step for an enemy that has just been defeated.
constexpr int kEnemyDefeatedCombatState = 10;

// A creature that was ever GHASTLY keeps taking less damage under any later
// word; it must still take some, or it would be immune (or heal when hit).
constexpr double kGhastlyShareRemoved = 0.75;
constexpr float kLeastDamageShareOnceGhastly = 0.25f;

template <std::size_t N>
bool listed(const std::string_view (&words)[N], std::string_view word) {
  return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

const Combination* findCombination(std::span<const Combination> table, std::string_view oldWord,
                                   std::string_view newWord) {
  const auto found = std::find_if(table.begin(), table.end(), [&](const Combination& c) {
    return c.oldWord == oldWord && c.newWord == newWord;
  });
  return found == table.end() ? nullptr : &*found;
}

std::string fillIn(std::string_view text, const std::string& type, const std::string& oldWord) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text.substr(at).starts_with("{type}")) {
      out += type;
      at += 6;
    } else if (text.substr(at).starts_with("{old}")) {
      out += oldWord;
      at += 5;
    } else {
      out += text[at++];
    }
  }
  return out;
}

// Applies a matched combination: its message, and the word it turns into.
void take(const Combination& combination, const Creature& creature, const std::string& oldWord,
          std::string& newWord, std::string& message) {
  if (combination.becomes != nullptr) newWord = combination.becomes;
  message = fillIn(combination.message, creature.type, oldWord);
}

}  // namespace

std::string Creature::changeQuibblent(std::string newWord, GameState& state, bool force) {
  const std::string oldWord = quibblent;
  std::string message;

  if (!force) {
    if (listed(kFuelWords, oldWord) && newWord == "FLAMMABLE") newWord = "HIGHLY FLAMMABLE";

    if (type == "GHAST") return "The GHAST is too GHASTLY to change quibblent!";
    if (type == "POTION") return "JOHNNY blocks the quibblent change!!";
    if (oldWord == "ALMIGHTY" && !listed(kAlmightyAccepts, newWord)) {
      return "This enemy is too ALMIGHTY to change quibblent!";
    }
    if (newWord == "POISONED" && poisoned) return "The " + type + " is already POISONED!";

    if (const Combination* first = findCombination(kFirstCombinations, oldWord, newWord)) {
      take(*first, *this, oldWord, newWord, message);
    } else if (oldWord == "CONFUSED" && (newWord == "EXISTENTIAL" || newWord == "CONFUSED")) {
      if (listed(kConfusionReflectors, type)) {
        message = "The " + oldWord + " " + type + " reflects the quibblent change.";
      } else {
        message = "The " + type +
                  " loses all sense of itself...\n"
                  "It is just too damn CONFUSED!! It falls over dead.";
        state.combatState = kEnemyDefeatedCombatState;
      }
    } else if (const Combination* second = findCombination(kSecondCombinations, oldWord, newWord)) {
      take(*second, *this, oldWord, newWord, message);
    } else {
      if (newWord == "POISONED" && listed(kUndeadTypes, type)) {
        return "This enemy is already dead; it cannot be POISONED!";
      }
      if (newWord == "POISONED" && type == "DRAGON") return "Dragons are immune to POISON!";
      if (newWord == oldWord) {
        startQuibblentTimer(*this, oldWord);
        return "The enemy is already " + oldWord + "!";
      }
    }

    if (const Combination* flames = findCombination(kFlameCombinations, oldWord, newWord)) {
      take(*flames, *this, oldWord, newWord, message);
    }

    // Poison is a condition, not a word: the creature keeps the word it had.
    if (newWord == "POISONED") {
      poisoned = true;
      return "The " + type + " is now POISONED!";
    }
  }

  attackFactor = 1.0f;
  damageTakenFactor = 1.0f;
  undoQuibblentEffects(*this, oldWord);
  applyQuibblentEffects(*this, newWord);
  if (message.empty()) message = "The " + oldWord + " " + type + " is now " + newWord + "!";
  quibblent = newWord;

  if (ghastly && quibblent != "GHASTLY") {
    const auto lowered = static_cast<float>(static_cast<double>(damageTakenFactor) - kGhastlyShareRemoved);
    damageTakenFactor = std::max(lowered, kLeastDamageShareOnceGhastly);
  }
  return message;
}

void removeAction(Creature& creature, std::string moveName) {
  // The extra attack of ENRAGED is the only ATTACK a word adds; its weight
  // tells it apart from the creature's own.
  constexpr int kWordAttackWeight = 99;
  auto& moves = creature.actions;
  const auto found = std::find_if(moves.begin(), moves.end(), [&](const Action& move) {
    return move.name == moveName && (moveName != "ATTACK" || move.weight == kWordAttackWeight);
  });
  if (found != moves.end()) moves.erase(found);
}
