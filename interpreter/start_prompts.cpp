#include "interpreter/start_prompts.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include "interpreter/overwrite_death.h"
#include "interpreter/music_requests.h"
#include "interpreter/prompt_answers.h"
#include "world/floor_generator.h"
#include "world/game_state.h"
#include "world/random_source.h"

const char* const kDiseaseNames[30] = {
    "polio",         "ringworm",      "gingivitis",     "malaria",        "guinea worm",   "cholera",
    "syphilis",      "lupus",         "typhoid",        "prostate cancer", "impotence",     "herpes",
    "shingles",      "endocarditis",  "cardiomyopathy", "tapeworm",       "hyper-polio",   "Munchuasen's",
    "mononucleosis", "dehydration",   "headache",       "sarcoidosis",    "Balls Disease", "strep",
    "chronic ennui", "leprosy",       "OCD",            "leukemia",       "peanut allergy", "arthritis",
};

namespace {

constexpr int kWeaponSlot = 0;
constexpr int kArmorSlot = 1;

// ---------------------------------------------------------------- start kit

// The opening text of each class: before + hero name + middle + weapon name
// + after. Columns: class, loot kind of the first weapon, POTIONs handed
// out on top of the two every hero has, before, middle, after.
struct OpeningRow {
  const char* playerClass;
  const char* weaponKind;
  int extraPotions;
  const char* before;
  const char* middle;
  const char* after;
};

const OpeningRow kOpenings[] = {
    {"ACADEMIC", "start", 2,
     "Rumors have spread recently among the scientific community\n"
     "of a bizarre dungeon with strange creatures living in it. \n"
     "The level 1 ACADEMIC ",
     ", seeking to test these rumors, \n"
     "sets foot on the dungeons' first floor, with nothing \n"
     "to defend themselves with but their simple heirloom the\n",
     " and a few healing potions. [type 'HELP']"},
    {"CONVICT", "start", 0, "",
     ", a level 1 CONVICT charged with Section 9B Public \n"
     "Indecency and Improper Handling of a Yak, has just been\n"
     "sentenced to a cruel and unusual punishment: they have been\n"
     "thrown into the bizarre and poorly-understood QUIBBLENT\n"
     "DUNGEONS, with only a complementary ",
     ".\n"
     "They look around the first floor... [type 'HELP']"},
    {"OPPORTUNIST", "ostart", 0,
     "People have been whispering lately about the mysterious\n"
     "QUIBBLENT RUDIRUVU, a place where much treasure can\n"
     "supposedly be found. The level 1 OPPORTUNIST ",
     ",\n"
     "never one to miss a money-making opportunity, sneaks into\n"
     "the dungeons carrying nothing but a ",
     ".\n"
     "They look around the first floor... [type 'HELP']"},
};
// Any other class: "The level 1 " + class + " " + name + middle + weapon + after.
const char kOtherOpeningBefore[] = "The level 1 ";
const char kOtherOpeningMiddle[] =
    " sets out to the terrible\n"
    "QUIBBLENT RUDIRUVU, with nothing but his simple heirloom the\n";
const char kOtherOpeningAfter[] =
    " in hand, in search of the dungeon's \n"
    "legendary riches scattered throughout its fifteen floors. \n"
    "He enters the first floor...\n"
    "[type HELP]";

const OpeningRow* openingOf(const std::string& playerClass) {
  for (const OpeningRow& row : kOpenings) {
    if (playerClass == row.playerClass) return &row;
  }
  return nullptr;
}

// ---------------------------------------------------------------- replacing equipment

// What the rats do with the n-th weapon thrown away in a run; the first row
// whose range holds n answers, the last row answers every other count.
// Columns: least count, greatest count, reply.
struct RatRow {
  int least;
  int greatest;
  const char* reply;
};

const RatRow kRatReplies[] = {
    {10, INT_MAX,
     "You throw the weapon away and the weapon-consuming rats tear \n"
     "it to shreds before it even hits the floor. This is really \n"
     "getting concerning. Someone should hire an exterminator."},
    {8, 9,
     "You throw the weapon away and a thick cloud of \n"
     "weapon-consuming rats instantly cover it. Within moments \n"
     "they dispearse, leaving nothing but atoms. This dungeon is \n"
     "starting to have a real infestation problem!"},
    {6, 7,
     "You throw the weapon away and a horde of weapon-consuming\n"
     "rats pounce on it, consuming it in the blink of an eye. \n"
     "They follow behind you now, waiting for you to throw away \n"
     "another weapon for them."},
    {3, 3,
     "You throw the weapon away and a swarm of weapon-consuming\n"
     "rats immediately consume it. You notice a number of baby \n"
     "rats in the mix - it seems they've started to breed rapidly \n"
     "with all the weapons you've been throwing at them."},
    {INT_MIN, INT_MAX,
     "You throw the weapon away and a swarm of weapon-consuming\n"
     "rats immediately consume it. Huh. Wonder why they didn't do\n"
     "that earlier."},
};

const char kDragonTongueRefused[] = "You throw the artifact away and it immediately \n"
                                    "disintegrates. Strange - maybe it was insulted by your \n"
                                    "refusal to wield it after slaying its master?";
const char kArmorRefused[] = "You casually toss the armor aside. Yeah, take that, ARMOR!\n"
                             "Who needs it?";
const char kWeaponScold[] = "Cut it out, jerkwad. Y or N?";
const char kArmorScold[] = "Cut it out, pooplord. Y or N?";

void takeOffBonuses(PlayerRecord& playerRecord, const ItemRecord& item) {
  playerRecord.attack -= item.attack;
  playerRecord.defence -= item.defence;
}

void putOnBonuses(PlayerRecord& playerRecord, const ItemRecord& item) {
  playerRecord.attack += item.attack;
  playerRecord.defence += item.defence;
}

std::string replaceEquipment(GameState& state, PlayerRecord& playerRecord, int slot) {
  state.pendingPrompt = kNoPrompt;
  state.messageBuffer = "You successfully replaced the " + playerRecord.equipment[slot].name +
                        " with \n"
                        "the " +
                        state.offeredItem.name + ".\n";
  wearEquipment(playerRecord, slot, state.offeredItem);
  state.messageBuffer += "Your ATK is now " + std::to_string(playerRecord.attack) + " and your DEF is now " +
                         std::to_string(playerRecord.defence) + ".";
  return state.messageBuffer;
}

}  // namespace

void wearEquipment(PlayerRecord& playerRecord, int slot, const ItemRecord& item) {
  ItemRecord& worn = playerRecord.equipment[slot];
  takeOffBonuses(playerRecord, worn);
  worn = item;
  putOnBonuses(playerRecord, worn);
}

namespace {

const char* ratReply(int weaponsThrown) {
  for (const RatRow& row : kRatReplies) {
    if (weaponsThrown >= row.least && weaponsThrown <= row.greatest) return row.reply;
  }
  return kRatReplies[std::size(kRatReplies) - 1].reply;
}

// ---------------------------------------------------------------- fountain

const char kCleansingWord[] = "CLEANSING";
const char kSwordOfKingsRepulsed[] = "The fountain appears to violently repulse your SWORD OF \n"
                                     "KINGS. You will not be able to change its quibblent. \n"
                                     "Nice try!";
const char kNoWeapon[] = "You do not have any weapons!!";
const char kNoArmor[] = "You do not have any armor!!";
const char kDipStart[] = "You dip your ";
const char kDipMiddle[] = " into the fountain. \n"
                          "After a moment, it becomes a ";
const char kSkinnydip[] = "You go skinnydipping in the FOUNTAIN. Its energy fills you...\n"
                          "You are now ";
const char kHologramAfterDip[] =
    "Unfortunately, as you are now a HOLOGRAM, you can no longer\n"
    "interact with the world. You are effectively DEAD. \n"
    "Maybe you shouldn't have stepped into that FOUNTAIN!!";
const char kCursedDip[] =
    "You try to rest in the FOUNTAIN... but it just makes you \n"
    "feel even worse. Hmm. Must be a side effect of the CURSE.";
const char kNothingTossed[] =
    "You don't toss anything into the FOUNTAIN. Ok, back to \n"
    "the adventure at hand!";
const char kLeaveCleansing[] = "You leave the fountain be. It will be there if you need it.";
const char kCleansingScold[] = "The fountain sits there, implacable. It is not bothered by \n"
                               "your ambivalence. Y or N - will you bathe in the fountain?";
const char kBathe[] = "You bathe in the fountain... you feel CLEANSED. \n"
                      "You have been cured of all POISONS!\n";
const char kAllPure[] = "\n"
                        "You are so very pure. You don't have any diseases left in \n"
                        "you at all! Wow!";
const char kAlsoCured[] = "You've also been cured of ";
constexpr int kDiseasesPerBath = 3;

// The dips a fountain takes. Columns: the two lines accepted, the slot
// dipped (-1: the hero), the type that means the slot is empty, its reply,
// whether the SWORD OF KINGS refuses the dip.
struct DipRow {
  const char* word;
  const char* longWord;
  int slot;
  const char* emptyType;
  const char* emptyReply;
  bool swordOfKingsRefuses;
};

const DipRow kDips[] = {
    {"weapon", "dip weapon", kWeaponSlot, "FISTS", kNoWeapon, true},
    {"armor", "dip armor", kArmorSlot, "NUDITY", kNoArmor, false},
    {"self", "dip self", -1, nullptr, nullptr, false},
};

void useFountainOnce(GameState& state, Floor& floorRecord) {
  if (enteredTileKnown(state)) floorRecord.tileOffers[state.moveDirection].timesUsed += 1;
}

std::string dipItem(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const DipRow& dip,
                    const std::string& word) {
  if (dip.swordOfKingsRefuses && playerRecord.wieldsSwordOfKings) return kSwordOfKingsRepulsed;
  ItemRecord& item = playerRecord.equipment[dip.slot];
  if (item.type == dip.emptyType) return dip.emptyReply;
  useFountainOnce(state, floorRecord);
  state.messageBuffer = kDipStart + item.name + kDipMiddle;
  takeOffBonuses(playerRecord, item);
  item.changeQuibblent(word);
  putOnBonuses(playerRecord, item);
  state.messageBuffer += item.name + "!!";
  return state.messageBuffer;
}

std::string dipSelf(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& word) {
  useFountainOnce(state, floorRecord);
  if (playerRecord.quibblent == "CURSED") {
    state.messageBuffer = kCursedDip;
    return state.messageBuffer;
  }
  state.messageBuffer = kSkinnydip;
  playerRecord.changeQuibblent(word, state, true);
  state.messageBuffer += playerRecord.quibblent + "!!\n";
  if (word == "HOLOGRAPHIC") state.messageBuffer += kHologramAfterDip;
  return state.messageBuffer;
}

// Three diseases at a time are cured, drawn with rand among those not cured
// yet. A run loaded from an altered save may have fewer left; then only
// those are cured, so the draw always finds one.
void cureDiseases(GameState& state, PlayerRecord& playerRecord) {
  const auto& cured = playerRecord.curedDiseases;
  const int left = static_cast<int>(std::count(cured.begin(), cured.end(), false));
  if (left == 0) {
    state.messageBuffer += kAllPure;
    return;
  }
  const int toCure = std::min(kDiseasesPerBath, left);
  state.messageBuffer += kAlsoCured;
  for (int i = 0; i < toCure; ++i) {
    do {
      state.auxCounter = dice::crand() % static_cast<int>(cured.size());
    } while (cured[state.auxCounter]);
    playerRecord.curedDiseases[state.auxCounter] = true;
    state.messageBuffer += kDiseaseNames[state.auxCounter];
    if (i == toCure - 1) {
      state.messageBuffer += "!";
    } else if (i == toCure - 2) {
      state.messageBuffer += ", \n"
                             "and ";
    } else {
      state.messageBuffer += ", ";
    }
  }
}

std::string bathe(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  useFountainOnce(state, floorRecord);
  playerRecord.poisoned = false;
  state.messageBuffer = kBathe;
  if (playerRecord.quibblent == "FLAMING") {
    state.messageBuffer += playerRecord.changeQuibblent("UNINTERESTING", state, false) + "\n";
  }
  cureDiseases(state, playerRecord);
  return state.messageBuffer;
}

// ---------------------------------------------------------------- explosive barrel

const char kLeaveBarrel[] = "You leave the BARREL alone. Probably a good idea.";
const char kBarrelScold[] = "Cut it out, dingus. Y or N?";
const char kBarrelBoom[] = "You successfully blow up the EXPLOSIVE BARREL.\n"
                           "BOOOOOOOOOOOOOOOOOMMM!!!\n"
                           "Everyone takes heavy damage.\n";
const char kFlammableHeroExplodes[] = "Being HIGHLY FLAMMABLE, you explode in the blast!! \n"
                                      "Whoops. Maybe you should've thought that through some more.";
const char kUnscathed[] = "You are completely unscathed. This IMBUENCE sure is useful!";
const char kBarrelCause[] = "barrel";
const char kFreedStairs[] = " lies the dungeon stairs, now free to enter.";
const char kGoldLeft[] = " lies a smattering of gold.";
const char kAshes[] = " are the ashes of a vaporized enemy.";
const char kCrater[] = " is a crater where a BARREL once stood.";

// Extra kill score for great foes blown up. Columns: type, bonus.
struct KillBonusRow {
  const char* type;
  int bonus;
};
const KillBonusRow kKillBonuses[] = {{"DRAGON", 1000}, {"DEEP TROLL", 500}};

int blastDamage() { return static_cast<int>(dice::draw() % 21) + 20; }

bool catchesFire(const std::string& word) { return word == "FLAMMABLE" || word == "OILY" || word == "NOXIOUS"; }

std::string blowUpBarrel(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  state.pendingPrompt = kNoPrompt;
  const bool imbuedWithMatch = playerRecord.imbuement == "MATCH";
  if (!imbuedWithMatch) {
    playerRecord.loseItem("MATCH");
    playerRecord.hp -= blastDamage();
    if (playerRecord.quibblent == "HIGHLY FLAMMABLE") {
      playerRecord.hp = 0;
      state.pendingPrompt = kDeathPrompt;
      state.pendingWord = kBarrelCause;
      return std::string(kBarrelBoom) + kFlammableHeroExplodes;
    }
    if (catchesFire(playerRecord.quibblent)) playerRecord.changeQuibblent("FLAMING", state, false);
  }
  for (int tile = 0; tile < static_cast<int>(floorRecord.tileCreatures.size()); ++tile) {
    Creature& creature = floorRecord.tileCreatures[tile];
    creature.hp -= blastDamage();
    if (creature.quibblent == "HIGHLY FLAMMABLE") creature.hp = 0;
    if (catchesFire(creature.quibblent) || creature.type == "MASS") {
      creature.changeQuibblent("FLAMING", state, false);
    }
    const std::string& kind = floorRecord.tileKinds[tile];
    if (creature.hp > 0 || (kind != "Mon" && kind != "MonExit")) continue;
    removeCreatureKilledByBlast(state, floorRecord, playerRecord, tile);
  }
  if (playerRecord.hp < 1) {
    playerRecord.hp = 0;
    state.pendingPrompt = kDeathPrompt;
    state.pendingWord = kBarrelCause;
  }
  if (enteredTileKnown(state)) {
    floorRecord.tileKinds[state.moveDirection].clear();
    floorRecord.tileTexts[state.moveDirection] = kCrater;
  }
  state.messageBuffer = kBarrelBoom;
  if (imbuedWithMatch) {
    state.messageBuffer += kUnscathed;
  } else {
    state.messageBuffer +=
        "Your HP is now " + std::to_string(playerRecord.hp) + " / " + std::to_string(playerRecord.maxHp) + ".";
  }
  return state.messageBuffer;
}

}  // namespace

void removeCreatureKilledByBlast(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile) {
  const Creature& creature = floorRecord.tileCreatures[tile];
  std::string& kind = floorRecord.tileKinds[tile];
  if (kind == "MonExit") {
    kind = "Exit";
    floorRecord.tileTexts[tile] = kFreedStairs;
  } else if (creature.goldReward > 0 && creature.quibblent != "HIGHLY FLAMMABLE") {
    kind = "Gold";
    floorRecord.tileTexts[tile] = kGoldLeft;
  } else {
    kind.clear();
    floorRecord.tileTexts[tile] = kAshes;
  }
  playerRecord.killScore += 1;
  for (const KillBonusRow& row : kKillBonuses) {
    if (creature.type == row.type) playerRecord.killScore += row.bonus;
  }
  if (creature.type == "POTION" && state.potionProgress == 0) recordPotionKilled(state, playerRecord);
}

std::string answerStartKit(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  state.pendingPrompt = kNoPrompt;
  state.startNewRun(floorRecord, playerRecord.name, true);
  generateFloor(floorRecord, floorRecord.floorNumber, state.fateValue, playerRecord, kRolledMonsterCount);
  state.clockStart = GameState::Clock::now();
  requestMusic(state, kAmbientTrack);

  const OpeningRow* opening = openingOf(playerRecord.playerClass);
  playerRecord.equipment[kWeaponSlot] = ItemRecord(opening ? opening->weaponKind : "start", 0);
  playerRecord.equipment[kArmorSlot] = ItemRecord("shirt", 0);
  const ItemRecord& weapon = playerRecord.equipment[kWeaponSlot];
  putOnBonuses(playerRecord, weapon);

  if (opening == nullptr) {
    state.messageBuffer = kOtherOpeningBefore + playerRecord.playerClass + " " + playerRecord.name +
                          kOtherOpeningMiddle + weapon.name + kOtherOpeningAfter;
    return state.messageBuffer;
  }
  if (opening->extraPotions > 0) playerRecord.gainItem("POTION", opening->extraPotions);
  state.messageBuffer = opening->before + playerRecord.name + opening->middle + weapon.name + opening->after;
  return state.messageBuffer;
}

std::string answerReplaceWeapon(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      return replaceEquipment(state, playerRecord, kWeaponSlot);
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      // The dragon's own weapon is no meal for rats.
      if (state.offeredItem.type == "DRAGON-TONGUE") return kDragonTongueRefused;
      state.weaponsFedToRats += 1;
      return ratReply(state.weaponsFedToRats);
    case YesNoAnswer::kNeither:
      break;
  }
  return kWeaponScold;
}

std::string answerReplaceArmor(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      return replaceEquipment(state, playerRecord, kArmorSlot);
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return kArmorRefused;
    case YesNoAnswer::kNeither:
      break;
  }
  return kArmorScold;
}

std::string answerFountain(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line) {
  state.pendingPrompt = kNoPrompt;
  const std::string word = state.currentOffer.word;
  if (word == kCleansingWord) {
    switch (readYesNo(line)) {
      case YesNoAnswer::kYes:
        return bathe(state, floorRecord, playerRecord);
      case YesNoAnswer::kNo:
        return kLeaveCleansing;
      case YesNoAnswer::kNeither:
        break;
    }
    state.pendingPrompt = kFountainPrompt;
    return kCleansingScold;
  }
  for (const DipRow& dip : kDips) {
    if (line != dip.word && line != dip.longWord) continue;
    if (dip.slot < 0) return dipSelf(state, floorRecord, playerRecord, word);
    return dipItem(state, floorRecord, playerRecord, dip, word);
  }
  return kNothingTossed;
}

std::string answerBarrel(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                         const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      return blowUpBarrel(state, floorRecord, playerRecord);
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return kLeaveBarrel;
    case YesNoAnswer::kNeither:
      break;
  }
  return kBarrelScold;
}
