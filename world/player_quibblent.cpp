// How the player takes on a new quibblent: what blocks it, which pairs of
// words combine into a third, and what a word does once it is taken.
#include <array>
#include <string_view>
#include <utility>

#include "world/creature_rolls.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/quibblent_tables.h"

namespace {

// Refusals that hold even when a word is imposed; each leaves the player as
// they were. Columns: the check, the answer.
struct Refusal {
  bool (*applies)(const PlayerRecord& player, const std::string& word);
  std::string_view answer;
};

constexpr Refusal kRefusals[] = {
    {[](const PlayerRecord& p, const std::string& w) { return p.quibblent == "CURSED" && w != "POISONED"; },
     "The CURSE blocks the incoming quibblent!"},
    {[](const PlayerRecord& p, const std::string& w) {
       return p.imbuement == "GROG" && w != "POISONED" && w != "GROGGY";
     },
     "You are too GROGGY to be anything else!"},
    {[](const PlayerRecord& p, const std::string& w) { return w == "POISONED" && p.poisoned; },
     "You are already POISONED!"},
    {[](const PlayerRecord& p, const std::string& w) { return w == "POISONED" && p.playerClass == "ZOMBIE"; },
     "You cannot be poisoned as you are UNDEAD!"},
};

// Two words meeting: the first row whose old and offered words match decides
// which word is taken and what the player is told. An empty entry matches nothing.
// Columns: old words, offered words, resulting word, message.
struct Combination {
  std::array<std::string_view, 2> oldWords;
  std::array<std::string_view, 2> offeredWords;
  std::string_view result;
  std::string_view message;
};

constexpr Combination kCombinations[] = {
    {{"FLAMMABLE", "OILY"}, {"FLAMMABLE", ""}, "HIGHLY FLAMMABLE", "You are now HIGHLY FLAMMABLE!"},
    {{"LIGHTLY SALTED", ""}, {"FLAMING", ""}, "UNINTERESTING", "Your SALT is melted off!"},
    {{"FLAMING", ""}, {"LIGHTLY SALTED", ""}, "FLAMING", "The fire absorbs the SALT, growing bigger!"},
    {{"HIGHLY FLAMMABLE", ""}, {"FLAMMABLE", ""}, "HIGHLY FLAMMABLE", "You are HIGHLY FLAMMABLE already!"},
    {{"FLAMING", ""}, {"FLAMMABLE", "OILY"}, "FLAMING", "Your FLAMES grow bigger!"},
    {{"EXISTENTIAL", ""}, {"EXISTENTIAL", ""}, "CONFUSED",
     "The EXISTENTIAL is too much for you to handle... you are now CONFUSED!"},
    {{"RAVENOUS", ""}, {"LIGHTLY SALTED", ""}, "UNINTERESTING",
     "You consume the SALT, gaining valuable elecrolytes!"},
    {{"STARVING", ""}, {"LIGHTLY SALTED", ""}, "RAVENOUS", "You consume the SALT, gaining valuable elecrolytes!"},
    {{"HIPPIE", ""}, {"POISONED", ""}, "HIPPIE", "Your experience with nature renders you immune to POISON!"},
    {{"FLAMING", ""}, {"CHARRED", ""}, "CHARRED", "Your flames go out; you're now CHARRED."},
    {{"GROGGY", ""}, {"UNINTERESTING", ""}, "UNINTERESTING", "Your mind clears... you are no longer GROGGY."},
    {{"CONFUSED", ""}, {"UNINTERESTING", ""}, "UNINTERESTING", "Your CONFUSION abates."},
};

bool among(const std::array<std::string_view, 2>& words, const std::string& word) {
  return !word.empty() && (words[0] == word || words[1] == word);
}

const Combination* findCombination(const std::string& oldWord, const std::string& offered) {
  for (const Combination& rule : kCombinations) {
    if (among(rule.oldWords, oldWord) && among(rule.offeredWords, offered)) return &rule;
  }
  return nullptr;
}

// Words that keep the player from getting hungry (the hunger clock stops).
constexpr std::string_view kHungerlessWords[] = {"STARVING", "RAVENOUS", "CURSED"};
constexpr int kHungerAfterChange = 5;
constexpr int kNoHunger = -1;

// A hard run shortens the ELITE spell.
constexpr int kHardEliteTurnsLost = 5;

constexpr int kMlgDodges = 2;
// The death prompt, and the cause the memorial tells.
constexpr int kDeathPrompt = 16;
constexpr std::string_view kHologramCause = "hologram";

// A skill the old word brought stays when something else keeps granting it.
bool skillOutlivesWord(const PlayerRecord& player, const std::string& skill) {
  if (skill == "EAT") return player.boonOfConsumption || player.imbuement == "SALT SHAKER";
  if (skill == "PREACH") return player.imbuement == "MORALITY";
  return false;
}

bool hardEliteRun(const GameState& state, const std::string& word) {
  return word == "ELITE" && state.fateValue == kHardModeFate;
}

// Starts the word's timer: the player's own durations first when
// `playerTable` is set, then the creatures'; untimed when neither holds it.
void startTimer(PlayerRecord& player, const GameState& state, const std::string& word, bool playerTable) {
  const auto own = playerDurationByQuibblent.find(word);
  const auto lasting = durationByQuibblent.find(word);
  if (playerTable && own != playerDurationByQuibblent.end()) {
    player.quibblentTimed = true;
    player.quibblentTurnsLeft = own->second;
  } else if (lasting != durationByQuibblent.end()) {
    player.quibblentTimed = true;
    player.quibblentTurnsLeft = lasting->second;
  } else {
    player.quibblentTimed = false;
    player.quibblentTurnsLeft = kUntimedTurns;
  }
  if (hardEliteRun(state, word)) player.quibblentTurnsLeft -= kHardEliteTurnsLost;
}

}  // namespace

std::string PlayerRecord::changeQuibblent(std::string newWord, GameState& state, bool force) {
  const std::string oldWord = quibblent;
  std::string word = std::move(newWord);
  std::string message;

  for (const Refusal& refusal : kRefusals) {
    if (refusal.applies(*this, word)) return std::string(refusal.answer);
  }

  if (!force) {
    if (const Combination* rule = findCombination(oldWord, word)) {
      word = rule->result;
      message = rule->message;
    } else if (word == oldWord) {
      // A refresh only consults the creatures' durations, so a word that only
      // the player's table times (ELITE, CONFUSED) comes back untimed, and
      // GAMER or STARVING get the creatures' shorter spell.
      startTimer(*this, state, word, false);
      return "You are already " + word + "!";
    }

    if (word == "CONFUSED" && imbuement == "LSD") return "You are TRIPPING too hard to be CONFUSED!";
    if (oldWord == "DAMP" && word == "FLAMING") {
      word = "DAMP";
      message = "Your DAMPness reflects the flames!";
    }
    if (word == "POISONED" && imbuement == "POISON DART") return "You already have POISON coursing through your veins!";
    // Poison is a status, not a word: the quibblent stays.
    if (word == "POISONED") {
      poisoned = true;
      return "You are now POISONED!";
    }
  }

  if (word == "POISONED" && imbuement != "POISON DART") poisoned = true;

  startTimer(*this, state, word, true);

  hungerCountdown = kHungerAfterChange;
  for (std::string_view hungerless : kHungerlessWords) {
    if (word == hungerless) hungerCountdown = kNoHunger;
  }

  if (auto it = skillByQuibblent.find(oldWord); it != skillByQuibblent.end() && !skillOutlivesWord(*this, it->second)) {
    forgetSkill(it->second);
  }
  if (oldWord == "METALHEAD") willpower = false;
  if (auto it = skillByQuibblent.find(word); it != skillByQuibblent.end() && playerClass != "ZOMBIE") {
    learnSkill(it->second);
  }

  attackFactor = factorFor(attackFactorByQuibblent, word);
  damageTakenFactor = factorFor(damageTakenFactorByQuibblent, word);

  if (word == "MLG") dodges += kMlgDodges;
  if (word == "METALHEAD") willpower = true;
  if (word == "HOLOGRAPHIC") {
    hp = 0;
    maxHp = 0;
    message = "You cease to exist. Oops!";
    state.pendingWord = kHologramCause;
    state.pendingPrompt = kDeathPrompt;
  }

  if (message.empty()) message = word == "UNINTERESTING" ? "Your previous quibblent goes away." : "You are now " + word + "!";
  quibblent = word;
  return message;
}
