#include "interpreter/hint_hell_and_jimmy.h"

#include <algorithm>

#include "interpreter/overwrite_death.h"
#include "interpreter/prompt_answers.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {

constexpr int kWeaponSlot = 0;
constexpr int kArmorSlot = 1;

// ---------------------------------------------------------------- HINT HELL

constexpr int kShrinePrice = 20;
constexpr int kShrinePunishment = 2;
const char kShrineDeathCause[] = "doomhint";

const char kShrineInsufficient[] = "'CEASE YOUR DECEPTION. THIS PAYMENT IS INSUFFICIENT.'\n"
                                   "Your gold is shot back out of the shrine at high velocity, \n"
                                   "hitting you in the head. Ouch! You take 2 damage.";
const char kShrineDeathTail[] = "\n"
                                "[TYPE ANYTHING TO CONTINUE]";
const char kShrineLead[] = "Your gold dissolves in the shrine. A booming voice speaks:\n";
const char kShrineAnother[] = "\n"
                              "Will you place another 20 gold in the shrine? (Y/N)";
const char kShrineExhausted[] =
    "'YOU DISPLAY A DEGENERATE OVER-ENTHUSIASM FOR EMPTY ADVICE. \n"
    "THERE WILL BE NO SAVING YOU. YOU WILL DIE, AS WILL ALL ELSE. \n"
    "IT IS INEVITABLE. LEAVE THIS PLACE AND DO NOT RETURN.'\n"
    "Your legs move of their own accord, taking you away from \n"
    "HINT HELL. Probably for the best.";
const char kShrineLeave[] =
    "You leave HINT HELL as quickly as possible. You didn't \n"
    "realize it earlier, but your heart is pounding and your \n"
    "head aches terribly... after a moment, your head clears \n"
    "and you return to the center.";
const char kShrineLoiter[] =
    "Standing near FL'GARHH is giving you a headache... you \n"
    "shouldn't loiter here. Do you place 20 gold in the shrine, \n"
    "Y or N?";

const char* const kHellHints[kHellHintCount] = {
    "'SMALL THING. YOU ARE WEAK AND FLIMSY. THE LICHES OF THESE \n"
    "FLOORS MAY NOT BE PHYSICALLY STRONG, BUT THEIR CURSE BOLT IS \n"
    "PERMANENT AND THEIR POISONS ARE DEBILITATING. ONE MUSTN'T \n"
    "FIGHT TOO MANY.'",
    "'THERE ARE THINGS IN THESE FLOORS BEYOND MORTAL REASONING, \n"
    "WEAKLING. SPEND TOO MUCH TIME IN THEIR PRESENCE, AND ALL \n"
    "SENSE OF REALITY WILL BE LOST. HEED THESE WORDS: AVOID THEM \n"
    "AT ALL COST, OR YOU WILL LONG FOR DEATH.'",
    "'ONE MAY RUN ACROSS SEVERAL OF THE ARCH-ACCOUNTANTS WHO RUN \n"
    "THE UNIVERSE ON THESE FLOORS. THEY ARE SOCIOPATHIC; I RATHER\n"
    "LIKE THEM. IF COMBAT IS NECESSARY, USE STUNS AND SWIFT \n"
    "ACTION TO DEFEAT THEM BEFORE THEY REACH THEIR FULL POWER.'",
    "'YOU ARE NOT THE ONLY ONE SEEKING GLORY HERE. POWER-MAD \n"
    "NECROMANCERS ROAM THE DEEP FLOORS, CAPABLE OF BRINGING \n"
    "GROTESQUE MOCKERIES TO THEIR AID. THESE BEASTS ARE RESTLESS; \n"
    "YOU CANNOT AVOID COMBAT BY SNEAKING DOWN THE STAIRS.'",
    "'YOU ARE PATHETIC AND USELESS. YOU SHOULD GIVE UP.'",
    "'YOU MAY HAVE FOUND SEVERAL TRICKS TO DEFEAT MONSTERS \n"
    "WITHOUT DIRECT ENGAGEMENT. TWO KEROSENE AND A MATCH. THREE \n"
    "LSD. RAVENOUS CONSUMPTION. THESE USELESS BITS OF PARLOR \n"
    "TRICKERY WILL BE INEFFECTIVE AGAINST THE THINGS BELOW.'",
    "'YOU PRETEND TO BE SUPERIOR TO THOSE YOU FIGHT. YOU BELIEVE \n"
    "YOURSELF MORAL, PERHAPS. THIS IS SELF-DECEPTION. WHEN \n"
    "STARVATION COMES KNOCKING, YOU MUST CONSUME THE WEAK LIKE A \n"
    "COMMON BEAST, LEST YOUR DEMISE BE DRAWN-OUT AND HORRID.'",
    "'ARE YOU ONE WHO SEEKS CHALLENGE? ACHIEVEMENT? ANY DELUSIONS \n"
    "OF GRANDEUR YOU POSSESS ARE MERE NARCISSISM. TO ATTAIN TRUE \n"
    "GLORY, ONE MUST SEEK OUT AND SLAY THE EXOTIC DEEP TROLL, \n"
    "WHO RECOVERS QUICKLY FROM ANY CONVENTIONAL WOUND.'",
    "'THE DAMNED LIE RESTLESS IN THIS DUNGEON. ATTEMPTING DIRECT \n"
    "COMBAT WITH THEM IS FOLLY; THEIR MALFORMED BODIES CONTAIN \n"
    "UNSPEAKABLE POWER. ACT WITH PATIENCE, AND THEY WILL NOT BE \n"
    "ABLE TO SUSTAIN THEMSELVES.'",
    "'GHASTLY THINGS ROAM THE HALLS, AWAITING COMBAT. THEY ARE \n"
    "INCORPOREAL, BUT CAN STILL BE EFFECTIVELY WEAKENED THROUGH \n"
    "NON-PHYSICAL MEANS. MAGIC, POISON AND FIRE WILL ALL CLEANSE \n"
    "THESE SPIRITS, OR THEY CAN SIMPLY BE GHAST-BUSTED.'",
    "'LISTEN WELL, WEAK ONE. THE MONSTERS ON THESE FLOORS ARE VERY \n"
    "AGGRESSIVE. IF YOU ARE NOT PROACTIVE IN MURDERING THEIR \n"
    "BRETHEREN, THEY WILL BE LIKELY TO AMBUSH YOU. SEEK NOT THE \n"
    "PATH OF THE GENTLE SAINT; SUCH ACTIONS ARE DOOMED.'",
};

bool allGiven(const std::vector<bool>& given) {
  return std::all_of(given.begin(), given.end(), [](bool g) { return g; });
}

std::string shrineRefusesPayment(GameState& state, PlayerRecord& playerRecord) {
  state.pendingPrompt = kNoPrompt;
  playerRecord.hp -= kShrinePunishment;
  if (playerRecord.hp < 1) {
    playerRecord.hp = 0;
    state.pendingPrompt = kDeathPrompt;
    state.pendingWord = kShrineDeathCause;
    return std::string(kShrineInsufficient) + kShrineDeathTail;
  }
  return kShrineInsufficient;
}

std::string shrineSpeaks(GameState& state, PlayerRecord& playerRecord) {
  playerRecord.gold -= kShrinePrice;
  state.messageBuffer = kShrineLead;
  while (true) {
    const int pick = static_cast<int>(dice::below(kHellHintCount));
    state.auxCounter = pick;
    if (allGiven(state.hellHintsGiven)) {
      state.messageBuffer += kShrineExhausted;
      state.pendingPrompt = kNoPrompt;
      return state.messageBuffer;
    }
    // A list cut short by an altered save counts its missing hints as given.
    if (static_cast<std::size_t>(pick) < state.hellHintsGiven.size() && !state.hellHintsGiven[pick]) {
      state.messageBuffer += std::string(kHellHints[pick]) + kShrineAnother;
      state.hellHintsGiven[pick] = true;
      return state.messageBuffer;
    }
  }
}

// ---------------------------------------------------------------- eating salted equipment

// What eating leaves in place of the item. Columns: slot, loot kind of the
// replacement, what the reply adds.
struct EatenItemRow {
  int slot;
  const char* replacementKind;
  const char* afterwards;
};

const EatenItemRow kEatenWeapon = {kWeaponSlot, "fists",
                                   "\n"
                                   "You must now fight with your bare FISTS."};
const EatenItemRow kEatenArmor = {kArmorSlot, "nude",
                                  "\n"
                                  "You are now NUDE, and will take extra damage."};

bool salted(const ItemRecord& item) { return item.quibblent == "LIGHTLY SALTED"; }

std::string eat(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const EatenItemRow& row) {
  state.pendingPrompt = kNoPrompt;
  const int healed = playerRecord.maxHp / 3;
  playerRecord.heal(healed);
  ItemRecord& eaten = playerRecord.equipment[row.slot];
  state.messageBuffer = "You greedily wolf down your " + eaten.name +
                        ".\n"
                        "It tastes horrible, but you hardly notice.\n"
                        "You recovered " +
                        std::to_string(healed) + " HP!!\n";
  if (playerRecord.quibblent == "STARVING" || playerRecord.quibblent == "UNINTERESTING") {
    state.messageBuffer += playerRecord.changeQuibblent("RAVENOUS", state, false);
  }
  state.offeredItem = ItemRecord(row.replacementKind, floorRecord.floorNumber);
  playerRecord.attack -= eaten.attack;
  playerRecord.defence -= eaten.defence;
  eaten = state.offeredItem;
  playerRecord.attack += eaten.attack;
  playerRecord.defence += eaten.defence;
  state.messageBuffer += row.afterwards;
  return state.messageBuffer;
}

// ---------------------------------------------------------------- JIMMY

constexpr int kJimmyMurderAchievement = 7;
const char kBrokenGlass[] = " is some broken glass.";
const char kJimmyDrunk[] =
    "'Hey, what're y-AAAAAAAAAAAAAAAAAAHHHHHH!!! MY FLUIDS! MY \n"
    "PRECIOUS FLUIDS! PLEASE, NOOOOOOOOOoooooooooooo...' \n"
    "\n"
    "You drink away JIMMY's lifeforce, and casually throw away \n"
    "the empty bottle when you're done. Full HP restored!";
const char kJimmyLeftAlone[] =
    "'Nice meeting you! Come by again sometime!' Mildly creeped \n"
    "out by the talking potion, you leave JIMMY alone.";
const char kJimmyStared[] =
    "'What're you looking at me like that for, buddy? Never seen \n"
    "a talking potion before?'\n"
    "(Drink the potion? Y/N)";

}  // namespace

std::string answerHintHell(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kNeither: return kShrineLoiter;
    case YesNoAnswer::kNo: state.pendingPrompt = kNoPrompt; return kShrineLeave;
    case YesNoAnswer::kYes: break;
  }
  if (playerRecord.gold < kShrinePrice) return shrineRefusesPayment(state, playerRecord);
  return shrineSpeaks(state, playerRecord);
}

std::string answerEatOneItem(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  const EatenItemRow& row = salted(playerRecord.equipment[kWeaponSlot]) ? kEatenWeapon : kEatenArmor;
  const std::string& itemName = playerRecord.equipment[row.slot].name;
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: return eat(state, floorRecord, playerRecord, row);
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return "You barely resist the temptation to EAT your \n" + itemName + "...";
    case YesNoAnswer::kNeither: break;
  }
  return "You're so hungry, you can barely think...\n"
         "Will you EAT the " +
         itemName + ", Y or N?";
}

std::string answerEatWhichItem(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line) {
  if (line == "weapon") return eat(state, floorRecord, playerRecord, kEatenWeapon);
  if (line == "armor") return eat(state, floorRecord, playerRecord, kEatenArmor);
  if (line.empty()) {
    state.pendingPrompt = kNoPrompt;
    return "You barely resist the temptation to EAT your own items...";
  }
  return "You're so hungry, you can barely think...\n"
         "Will you eat your WEAPON, or your ARMOR? \n"
         "(Type nothing to cancel.)";
}

void drinkJimmy(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile) {
  if (playerRecord.hp < playerRecord.maxHp) playerRecord.hp = playerRecord.maxHp;
  playerRecord.drankJimmy = 1;
  floorRecord.clearTile(tile, kBrokenGlass);
  state.earnAchievement(kJimmyMurderAchievement, playerRecord.name);
}

std::string answerDrinkJimmy(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      state.pendingPrompt = kNoPrompt;
      drinkJimmy(state, floorRecord, playerRecord, state.moveDirection);
      return kJimmyDrunk;
    case YesNoAnswer::kNo: state.pendingPrompt = kNoPrompt; return kJimmyLeftAlone;
    case YesNoAnswer::kNeither: break;
  }
  return kJimmyStared;
}
