#include "interpreter/scroll_prompts.h"

#include <algorithm>
#include <iterator>

#include "interpreter/prompt_answers.h"
#include "interpreter/timed_steps.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {

// The skill-replacing prompt of a hero who already knows as many skills as
// he can; it goes back to no prompt at all.
constexpr int kReplaceSkillPrompt = 48;
constexpr int kReplaceSkillReturn = 0;
// What the hero is told of a skill he knows already.
const char kSkillAlreadyKnown[] = "You already know that skill! Don't be a skill-hoarder.";

// ---------------------------------------------------------------- the plain scroll (tier 0), by fate

// The first row whose fate range holds the run's fate value answers.
// Columns: least fate, greatest fate, what reading it does, reply.
enum class PlainScrollEffect { None, Secret2, GoblinShop, Prank };

struct PlainScrollRow {
  int leastFate;
  int greatestFate;
  PlainScrollEffect effect;
  const char* reply;
};

const PlainScrollRow kPlainScrolls[] = {
    {0, 24, PlainScrollEffect::None,
     "Written in a sketchy handwriting... \n"
     "'I hate the QUIBBLENT RUDIRUVU! Nothing interesting happens \n"
     "here! I wish there were some dragons to slay, or goblins to \n"
     "befriend, or even a cool curse of some kind! But nooo, \n"
     "there's none of that here! This place sucks!'"},
    {25, 39, PlainScrollEffect::Secret2,
     "The scroll is written in chicken-scratch handwriting... You \n"
     "can barely make out the words. \n"
     "'I KNOW A SECRET\n"
     "TYPE 'secret2' ON THIS FLOOR \n"
     "AND YOU MAY BE PLEASANTLY SURPRISED \n"
     "       YOUR FRIEND... ;)'"},
    {40, 64, PlainScrollEffect::None,
     "'A mighty DRAGON sleeps in the low floors of this dungeon.\n"
     "He guards a hoard of great and beautiful treasure, but \n"
     "beware, for once he is awoken he will not rest until he \n"
     "has razed you and the other dungeon denizens to the ground.'"},
    {65, 94, PlainScrollEffect::GoblinShop,
     "'HElo AdVenTurur!! If'N yeEE waNt GRET DEALS \n"
     "at LO LO PRICE$, com to YE GRANDE SHOPPE oN ye seVVinTh \n"
     "floRRe. sinCERLy, GaRY thE FRENDLY goLbin :)\n"
     "ps SHHH ist a SECREt RoUm'"},
    {95, 98, PlainScrollEffect::Prank,
     "...The scroll is totally illegible. Whoever wrote it \n"
     "clearly had TERRIBLE handwriting. You are in awe of how \n"
     "completely atrocious the penmanship is here. If you were a \n"
     "professor, and this scroll were one of your papers, you \n"
     "would give it a D- for the handwriting alone."},
    {99, 99, PlainScrollEffect::None,
     "'All ought fear.\n"
     "\n"
     "The One has risen.\n"
     "\n"
     "This run is doomed to torment and failure.'"},
};

std::string readPlainScroll(GameState& state, Floor& floorRecord, PlayerRecord&, int) {
  floorRecord.scrollBonus = true;
  for (const PlainScrollRow& row : kPlainScrolls) {
    if (state.fateValue < row.leastFate || state.fateValue > row.greatestFate) continue;
    switch (row.effect) {
      case PlainScrollEffect::None: break;
      case PlainScrollEffect::Secret2: floorRecord.secret2Known = true; break;
      case PlainScrollEffect::GoblinShop: floorRecord.goblinShopKnown = true; break;
      case PlainScrollEffect::Prank:
        state.pendingPrompt = kTimedPagePrompt;
        state.clockNow = GameState::Clock::now();
        break;
    }
    return row.reply;
  }
  // A fate outside 0..99 only comes from an altered save: the scroll says nothing.
  return "The scroll does not say anything interesting!!";
}

// ---------------------------------------------------------------- the secret scroll (tier 1)

const char kSecretScroll[] = "'Listen Ye Closely, for there be a SECRET upon this floor...\n"
                             "Typeth 'secret' into yonne connsolle, and ye shall likely\n"
                             "find the results quite fruitfulle...'";

std::string readSecretScroll(GameState&, Floor& floorRecord, PlayerRecord&, int) {
  floorRecord.secretRoomKnown = true;
  return kSecretScroll;
}

// ---------------------------------------------------------------- the spell scroll (tier 2)

const char kSpellInstructions[] = "The scroll contains instructions for learning a spell!\n";
const char kConvictGibberish[] =
    "The scroll is written in an obscure dialect...\n"
    "You can't make heads or tails of it. If only you'd paid \n"
    "more attention in your OBSCURE ANCIENT SCROLL DIALECTS \n"
    "class in college!";
const char kOtherGibberish[] =
    "The scroll is written in an obscure dialect...\n"
    "You can't make heads of tails of it. If only you'd paid \n"
    "more attention in your OBSCURE ANCIENT SCROLL DIALECTS \n"
    "class in college!";
const char kAcademicHeal[] =
    "The scroll is written in an obscure dialect...\n"
    "Actually, you learned this one in college!\n"
    "It's instructions for learning some kind of spell.\n";

// What a spell scroll gives, by class and pick (draw and 3). An empty skill
// means the scroll stays unreadable for that hero. Columns: class (empty for
// any other class), pick, reply before the skill's text, skill.
struct SpellScrollRow {
  const char* playerClass;
  unsigned pick;
  const char* lead;
  const char* skill;
};

const SpellScrollRow kSpellScrolls[] = {
    {"CONVICT", 0, kConvictGibberish, ""},      {"CONVICT", 1, kConvictGibberish, ""},
    {"CONVICT", 2, kConvictGibberish, ""},      {"CONVICT", 3, kConvictGibberish, ""},
    {"ACADEMIC", 0, kSpellInstructions, "STUNBOLT"}, {"ACADEMIC", 1, kAcademicHeal, "HEAL"},
    {"ACADEMIC", 2, kSpellInstructions, "FIREBOLT"}, {"ACADEMIC", 3, kSpellInstructions, "STUNBOLT"},
    {"", 0, kSpellInstructions, "MAGICBOLT"},  {"", 1, kOtherGibberish, ""},
    {"", 2, kSpellInstructions, "FIREBOLT"},   {"", 3, kSpellInstructions, "MAGICBOLT"},
};

const SpellScrollRow& spellScrollFor(const std::string& playerClass, unsigned pick) {
  const bool listed = playerClass == "CONVICT" || playerClass == "ACADEMIC";
  const std::string rowClass = listed ? playerClass : std::string();
  for (const SpellScrollRow& row : kSpellScrolls) {
    if (row.playerClass == rowClass && row.pick == pick) return row;
  }
  return kSpellScrolls[std::size(kSpellScrolls) - 1];
}

std::string readSpellScroll(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile) {
  const unsigned pick = dice::draw() & 3u;
  state.auxCounter = static_cast<int>(pick);
  floorRecord.highScrollCount += 10;
  int& tier = floorRecord.tileScrollTiers[tile].tier;
  tier = kLearnedScrollTier;

  const SpellScrollRow& row = spellScrollFor(playerRecord.playerClass, pick);
  if (row.skill[0] == '\0') {
    tier = kGibberishScrollTier;
    return row.lead;
  }
  state.messageBuffer = row.lead;
  state.pendingWord = row.skill;
  offerScrollSkill(state, playerRecord, row.skill, "");
  return state.messageBuffer;
}

// ---------------------------------------------------------------- lore scrolls (tiers 4 and 8)

const char* const kLoreScrolls[] = {
    "'METALHEAD ORC wuz here'",
    "'The Coelocanth Diaries, chapter XXVIII\n"
    "'My caruncles... they're glowing bright red!' he whispered.\n"
    "'W-wait,' she said, 'We can't do this. My... m-my clutch is\n"
    "already being fertilized... by someone else.' He gasped. \n"
    "'You ovoviviparous bitch!', he ejaculated.'\n"
    "It goes on like this for a while...",
    "' -- A NOTICE FROM THE BOARD OF ARCH-ACCOUNTANTS -- \n"
    "\n"
    "Due to a slight miscalculation, the law of gravity is only \n"
    "working at 4/5 capacity for the foreseeable future. We are \n"
    "taking steps to resolve the issue. \n"
    "We apologise for the inconvenience.'",
    "The scroll appears to contain a recipe for some kind of \n"
    "Goblin Pie. The result sounds quite tasty, but unfortunately \n"
    "the ingredients list includes 16 Goblin Scalps, lightly \n"
    "seasoned. Since you can only carry 10 of each item at a \n"
    "time, there's no possible way to make this pie.",
    "The scroll is written in an strange, brightly-colored style.\n"
    "'Dumb THree Dimension earth Children do not Under stand \n"
    "QUIBBLENT CUBE, PLEASE READ: under QUIBBLENT CUBE theory \n"
    "things Have Not ONE, not TWO, but FOUR quibblents... \n"
    "Proof is all Around You!! All word is LIES.... be Awake.'",
    "'To whom it may concern,\n"
    "\n"
    "Type 'IRONWILL' on name selection for a fun time.\n"
    "\n"
    "Yours, Dr. Suffering'",
    nullptr,  // names the hero: built by grudgeScroll
    "'Experiment #17083 notes -- Researcher: CHARRED WARLOCK.\n"
    "\n"
    "Our studies suggest that, through application of additional \n"
    "~0.6 units phlogiston, the MAGICBOLT attack can be enhanced \n"
    "with FLAMING-type elements. Most recent attempt set my hair \n"
    "on fire. Further tests are needed to confirm results.'",
    "'Do not\n"
    "seek\n"
    "the writings \n"
    "of\n"
    "\n"
    "the Mad Arab'",
    "'Trip Report: LSD, 2 tabs\n"
    "fuck man i can see goblin fractals when i close my eyes\n"
    "that sneaky guy said this was good shit and he was NOT lying \n"
    "at one tab i was pretty much fine, just a bit EXISTENTIAL \n"
    "but with two at a time shit gets so CONFUSING\n"
    "whoda thought this grimy ass place'd be a bad trip setting'",
    "'Help! I'm trapped in a scroll-producing factory!!'",
};

std::string grudgeScroll(const std::string& name) {
  return "'What an asshole that " + name +
         " is!\n"
         "Argh, that " +
         name +
         " really pisses me off!\n"
         "\n"
         "(To anyone reading this... sorry. I just had to get that \n"
         "off my chest.)'";
}

std::string dullScroll(const std::string& name) {
  const std::string line = "All work and no play applies DULL on " + name;
  std::string text = "'" + line;
  for (int repeat = 0; repeat < 5; ++repeat) text += ".\n" + line;
  return text + ".'";
}

std::string readLoreScroll(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile) {
  if (state.fateValue == 99) return dullScroll(playerRecord.name);
  // The tier itself seasons the pick, so the two lore tiers of one run differ.
  const int tier = floorRecord.tileScrollTiers[tile].tier;
  const int count = static_cast<int>(std::size(kLoreScrolls));
  const int pick = ((state.fateValue + tier) % count + count) % count;
  if (kLoreScrolls[pick] == nullptr) return grudgeScroll(playerRecord.name);
  return kLoreScrolls[pick];
}

// ---------------------------------------------------------------- the adventurers' notes (tier 5)

const char kWizardDirections[] = "'OSWALD T. - ADVENTURER'S NOTES\n"
                                 "I found him! I knew he'd be around here somewhere! \n"
                                 "To any who can see this message, follow these directions to \n"
                                 "reach the hidden study of the great wizard Garglefloxx: ' \n"
                                 "Below the text is a crudely-drawn set of directions.";
const char kWizardFound[] = "\n"
                            "You follow the directions, and... hey, look, a secret room!";
const char kWizardGone[] =
    "'OSWALD T. - ADVENTURER'S NOTES\n"
    "I have been searching all through this dungeon for the \n"
    "great wizard Garglefloxx, but I just can't seem to find \n"
    "him... I'm starting to think he's not here at all.'";
const char kWizardSought[] =
    "'OSWALD T. - ADVENTURER'S NOTES\n"
    "Dammit, the great wizard Garglefloxx has GOT to be around \n"
    "here somewhere! I *need* that love potion, and he's the \n"
    "only wizard around who can concoct one! I've looked in \n"
    "every secret room I can, and I still haven't seen him yet - \n"
    "he must be deeper in the dungeon. I should keep looking.'";
// Picks 1 to 3 of the notes; pick 0 is about the wizard.
const char* const kOtherNotes[] = {
    "The words on this scroll are scratched out lightly, but you \n"
    "can still read them. \n"
    "'Hey, did ya know? You can type 'wait' mid-battle to skip \n"
    "yer turn entirely, without needing to waste a SKILL or ITEM!' \n"
    "Scribbled at the bottom: \n"
    "'not helpful enough?? think of something better. argh'",
    "'Remember to take a break now and again! Drink lots of \n"
    "water! Brush your teeth! Take a MORALITY every day!'",
    "'CASPER N. - ADVENTURER'S NOTES\n"
    "Alright, I've set up my GHAST-BUSTERS in a couple places; \n"
    "now all I have to do is wait. Pretty dumb of the developer \n"
    "to leave that scroll around tipping me off that I could USE \n"
    "GHAST-BUSTERS OUT OF COMBAT to gain FREE EXPERIENCE... \n"
    "That PACIFIST ACHIEVEMENT will be mine!'",
};

std::string readAdventurersNotes(GameState& state, Floor& floorRecord, PlayerRecord&, int) {
  if (floorRecord.secretRoomKind == "Wizard" || floorRecord.secretRoomKind == "WizardStop") {
    std::string text = kWizardDirections;
    if (!floorRecord.secretRoomKnown) {
      floorRecord.secretRoomKnown = true;
      text += kWizardFound;
    }
    return text;
  }
  const int pick = ((state.fateValue + 5) % 4 + 4) % 4;
  if (pick == 0) return floorRecord.wizardMet ? kWizardGone : kWizardSought;
  return kOtherNotes[pick - 1];
}

// ---------------------------------------------------------------- scrolls with one text

// Columns: tier, reply.
struct FixedScrollRow {
  int tier;
  const char* reply;
};

const FixedScrollRow kFixedScrolls[] = {
    {3,
     "'The great wizard Garglefloxx lives within this dungeon. \n"
     "Find him and, if you are deemed worthy, he will grant you \n"
     "your heart's desire.'\n"
     "\n"
     "Scribbled hastily at the bottom... 'NO MORE LOVE POTIONS!!'"},
    {6,
     "'Heed these words well if you seek imbuence, curious one:\n"
     "The effects will mirror the qualia of the sacrifice.\n"
     "The greater the sacrifice, the stronger the imbuence.\n"
     "Avoid the GREAT VORTEX OF EMPTINESS at all costs.\n"
     "Be brave and experiment, and may you learn all you seek to \n"
     "know in time.'"},
    {7,
     "'Hey, this is the dungeon janitor writing. I'm just putting \n"
     "this scroll here to politely ask y'all to please stop \n"
     "leaving your damn scrolls on the dungeon floor. It's messy \n"
     "and it makes it look like no one takes care of this place. \n"
     "Bad enough I have to deal with all these stupid staples \n"
     "lying around everywhere!'"},
    {10, "'Watch your back! ;)'"},
    {kGibberishScrollTier, "This scroll was just filled with gibberish, remember? \n"
                           "It has nothing to offer you."},
    {kLearnedScrollTier, "You've already learned the spell from this scroll, remember? \n"
                         "It has nothing more for you."},
};
const char kNothingInteresting[] = "The scroll does not say anything interesting!!";

std::string readFixedScroll(int tier) {
  for (const FixedScrollRow& row : kFixedScrolls) {
    if (row.tier == tier) return row.reply;
  }
  return kNothingInteresting;
}

// ---------------------------------------------------------------- dispatch by tier

using ScrollReader = std::string (*)(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, int tile);

// Columns: tier, reader. A tier without a row has a fixed text.
struct ScrollReaderRow {
  int tier;
  ScrollReader reader;
};

const ScrollReaderRow kScrollReaders[] = {
    {0, readPlainScroll}, {1, readSecretScroll}, {2, readSpellScroll},
    {4, readLoreScroll},  {5, readAdventurersNotes}, {8, readLoreScroll},
};

// ---------------------------------------------------------------- the secret room's scroll

// By the floor's secret scroll number, from 3 on. Columns: number, the flag
// reading it sets (none for the last row, which answers every later number),
// reply.
struct SecretLoreRow {
  int index;
  bool Floor::*found;
  const char* reply;
};

const SecretLoreRow kSecretLore[] = {
    {3, &Floor::scroll3Found,
     "'Me an' DUDA have been hard at work spreadin' NECRONOMICONS\n"
     "about - yesterday we convinced ol' WOMBLETON to start \n"
     "stockin' em. At this rate, the GREAT OLD ONES should rise \n"
     "again in no time! A couple OLD ONES seem to be risin' in \n"
     "deeper floors, but they don't seem very GREAT yet to me.'"},
    {4, &Floor::scroll4Found,
     "' -- BOARD OF ARCH-ACCOUNTANTS INTERNAL MEETING NOTES -- \n"
     " -- MEETING #57,029,111 -- \n"
     "- Despite repeated efforts, HELLSATAN refuses to stay dead\n"
     "- Negotiations concluded with 22 governments to send \n"
     "promising convicts to dungeon; positive results expected\n"
     "- Greg wants to know who stole his staple remover collection'"},
    {5, &Floor::scroll5Found,
     "'If you're reading this, I've relocated my study to \n"
     "elsewhere in the dungeon, where I believe the magical \n"
     "energies may be more conducive to research. Uncertain which \n"
     "floor I'll settle on, and I probably won't go back to update \n"
     "this scroll when I do decide. Sorry for the inconvenience!\n"
     " ~ GARGLEFLOXX'"},
    {6, nullptr,
     "'FIVE secret scrolls in one run!? For real? I don't know \n"
     "what else to give you at this point. Want some lore? Ok, \n"
     "uhh, what if GARY THE GOBLIN was the big villain all along? \n"
     "BAM! Big reveal. You're freaking out, right? Yeah, you're \n"
     "freaking out. Please don't look in any more secret rooms \n"
     "(I don't have anything else to put in them).'"},
};
const char kAncientSpell[] =
    "Written on the SCROLL, in a language you've never seen \n"
    "before yet instinctively understand, are detailed \n"
    "instructions on casting a powerful ANCIENT SPELL.\n";
const char kAncientSpellLearned[] = "You read it and...\n";
// The first numbers teach the ancient spell; the room is then used up.
constexpr int kFirstLoreScroll = 3;

// ---------------------------------------------------------------- the hint shop

const char kHintShopNo[] =
    "'Understannable, understannable. Awelp, I'll be here if'n\n"
    "you need me! See ya later, friend!'";
const char kHintShopScold[] =
    "'What's that then now? I can't understand yer accent,\n"
    "friend. Y or N, please?'";
const char kHintShopBroke[] =
    "'Oy! Now what's this then? Ya don't even have 2 GOLD???\n"
    "Simpleton! Peasant! Have-not! Get out of my face!'\n"
    "He angrily shoves you away...";
const char kHintShopLead[] = "'Alrighty, one HINT comin' right up! Now let's see here...\n";
const char kHintShopSoldOut[] = "Errr... looks like you already got all me HINTS! Sorry, \n"
                                "bucko. Here, here's yer money back. Seeya later!'";
const char kHintCloseTwoBreaks[] = "\n"
                                   "\n"
                                   "And there ye go! That'll be 2 GOLD. Want another one? (Y/N)'";
const char kHintCloseOneBreak[] = "\n"
                                  "And there ye go! That'll be 2 GOLD. Want another one? (Y/N)'";
constexpr int kHintPrice = 2;

// By pick. Columns: hint, closing.
struct ShopHintRow {
  const char* hint;
  const char* closing;
};

const ShopHintRow kShopHints[kShopHintCount] = {
    {"Alright, this one's important, so listen up: \n"
     "You'd best be saving your DODGES! Don't just DODGE every \n"
     "attack - they only regrow slowly, and you'll need 'em later.",
     kHintCloseTwoBreaks},
    {"OGRES deal heavy damage, but can only hit every other turn.\n"
     "Best to save a DODGE or two if'n ya need to fight one, or\n"
     "just leave 'em be if you can get away with it.",
     kHintCloseTwoBreaks},
    {"If'n ya try to FLEE from an enemy mid-battle, they'll \n"
     "remember your aggression. If you leave 'em alive, they'll \n"
     "attack when you try to go down the stairs! They get first \n"
     "strike if this happens, so make sure to take 'em out first!",
     kHintCloseOneBreak},
    {"SCROLLS and KNOWELDGEABLE items/enemies can give you access \n"
     "to a SECRET ROOM!!! Sometimes there could be a TRAP in \n"
     "there, but the chance of great treasure makes it worth it.",
     kHintCloseTwoBreaks},
    {"Watch out for EXPLOSIVE BARRELS! Exploding 'em with a MATCH \n"
     "will highly damage everything in the current room - you\n"
     "included! Make sure you're ready before blowin' one up!",
     kHintCloseTwoBreaks},
    {"ITEMS! Ya may feel an instinct to save 'em for later... \n"
     "But you can only hold six types at a time, and there's \n"
     "plenty of variety down there! No need to be a hoarder.",
     kHintCloseTwoBreaks},
    {"CHEFS, huh? They can LIGHTLY SALT you, makin' ya\n"
     "vulnerable to the hungrier enemies you encounter EATING\n"
     "you! If ya get EATEN, that's instant death!!",
     kHintCloseTwoBreaks},
    {"Lookin' for a leg up in a tough battle? If you have 2\n"
     "KEROSENE and a MATCH, you can make the enemy EXPLODE,\n"
     "winnin' the battle! Beware though, for this'll hurt you too.",
     kHintCloseTwoBreaks},
    {"So, MORALITY, eh? It's tricky; the effects of usin' it on\n"
     "someone depend on their moral compass! It's most effective\n"
     "against degenerates like those obnoxious METALHEADS.",
     kHintCloseTwoBreaks},
    {"The magics of the QUIBBLENT RUDIRUVU are strange and \n"
     "powerful. However, they can only work through ONE QUIBBLENT \n"
     "AT A TIME. If'n yer smart, you can get a leg up in battle by \n"
     "replacing the enemy's QUIBBLENT with a weaker one!",
     kHintCloseOneBreak},
    {"Ya seem like an observant sort... Did you know, by typing \n"
     "'look', y'can see information that's not normally visible? \n"
     "For example, by using 'look', you can see a monster's \n"
     "QUIBBLENT, or whether they're blockin' the stairs.",
     kHintCloseOneBreak},
    {"Remember that you can SAVE yer game by typing 'save'! Don't \n"
     "think this'll make you invincible, though; if'n ya die, yer \n"
     "SAVE FILE will be lost for good!",
     kHintCloseTwoBreaks},
};

bool allGiven(const std::vector<bool>& given) {
  return std::all_of(given.begin(), given.end(), [](bool g) { return g; });
}

}  // namespace

void offerScrollSkill(GameState& state, PlayerRecord& playerRecord, const std::string& skill,
                      const std::string& learnedLead) {
  const bool held = playerRecord.knowsSkill(skill);
  const bool full = static_cast<int>(playerRecord.skills.size()) >= kSkillLimit;
  if (full && held) {
    // Trading a skill for one already known would only lose the skill given up,
    // so the hero hears what a hero with room to spare hears of a known skill.
    state.messageBuffer += learnedLead + kSkillAlreadyKnown;
    return;
  }
  if (full) {
    state.auxCounter = kReplaceSkillReturn;
    state.pendingPrompt = kReplaceSkillPrompt;
    state.messageBuffer += "You could gain permanent access to the " + skill +
                           " skill, \n"
                           "but you have 6 skills already. \n"
                           "Would you like to replace one? (Y / N)";
    return;
  }
  state.messageBuffer += learnedLead + playerRecord.learnSkill(skill);
}

std::string answerScroll(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  state.pendingPrompt = kNoPrompt;
  if (!enteredTileKnown(state)) return kNothingInteresting;
  const int tile = state.moveDirection;
  const int tier = floorRecord.tileScrollTiers[tile].tier;
  for (const ScrollReaderRow& row : kScrollReaders) {
    if (row.tier == tier) return row.reader(state, floorRecord, playerRecord, tile);
  }
  return readFixedScroll(tier);
}

std::string answerSecretScroll(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string&) {
  state.pendingPrompt = kNoPrompt;
  const int index = floorRecord.secretScrollIndex;
  if (index >= kFirstLoreScroll) {
    for (const SecretLoreRow& row : kSecretLore) {
      if (row.index != index && row.found != nullptr) continue;
      if (row.found != nullptr) floorRecord.*row.found = true;
      return row.reply;
    }
  }
  floorRecord.secretRoomKind = "Scroll3";
  floorRecord.scrollsBelow3Found = true;
  state.messageBuffer = kAncientSpell;
  const bool academicWithHeal = playerRecord.playerClass == "ACADEMIC" && playerRecord.knowsSkill("HEAL");
  state.pendingWord = academicWithHeal ? "FIREBOLT" : "HEAL";
  offerScrollSkill(state, playerRecord, state.pendingWord, kAncientSpellLearned);
  return state.messageBuffer;
}

std::string answerHintShop(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kNeither: return kHintShopScold;
    case YesNoAnswer::kNo: state.pendingPrompt = kNoPrompt; return kHintShopNo;
    case YesNoAnswer::kYes: break;
  }
  if (playerRecord.gold < kHintPrice) {
    state.pendingPrompt = kNoPrompt;
    return kHintShopBroke;
  }
  playerRecord.gold -= kHintPrice;
  state.messageBuffer = kHintShopLead;
  while (true) {
    const int pick = static_cast<int>(dice::below(kShopHintCount));
    state.auxCounter = pick;
    if (allGiven(state.shopHintsGiven)) {
      state.messageBuffer += kHintShopSoldOut;
      playerRecord.gold += kHintPrice;
      state.pendingPrompt = kNoPrompt;
      return state.messageBuffer;
    }
    // A list cut short by an altered save counts its missing hints as given.
    if (static_cast<std::size_t>(pick) < state.shopHintsGiven.size() && !state.shopHintsGiven[pick]) {
      state.messageBuffer += std::string(kShopHints[pick].hint) + kShopHints[pick].closing;
      state.shopHintsGiven[pick] = true;
      return state.messageBuffer;
    }
  }
}
