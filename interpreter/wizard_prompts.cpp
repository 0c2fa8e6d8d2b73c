#include "interpreter/wizard_prompts.h"

#include "interpreter/prompt_answers.h"
#include "world/floor_generator.h"
#include "world/game_state.h"

namespace {

constexpr int kDeathPrompt = 16;
constexpr int kSkillReplacePrompt = 48;
// Achievements: surviving the CURSE, being imbued.
constexpr int kUnDoomedAchievement = 17;
constexpr int kImbuedAchievement = 14;
constexpr int kWizardDiscovery = 1000;

const char kTryMyPatience[] = "'You try my patience, O explorer. It is a Y or N question.'";
const char kNotInterested[] =
    "'Very well. If you are not interested in my spell, I must \nrequest that you leave me to my studies. Begone!' "
    "There is \na crash of lightning, and then you are returned to the main \ndungeon.";

void leaveStudy(GameState& state, Floor& floorRecord, const char* roomKey) {
  state.pendingPrompt = kNoPrompt;
  floorRecord.secretRoomKind = roomKey;
}

// ---- The CURSE lifted at the price of a level ------------------------

int experienceAtLevel(int level, bool academic) {
  const int step = academic ? 8 : 10;
  return level >= 2 ? (step * (level - 1)) * (step * (level - 1)) : 0;
}

int experienceForNextLevel(int level, bool academic) {
  if (level == 0) return 1;
  if (level == 1) return 100;
  const int step = academic ? 8 : 10;
  return (step * level) * (step * level);
}

std::string liftTheCurse(GameState& state, PlayerRecord& player) {
  state.pendingPrompt = kWizardFarewellPrompt;
  player.quibblent = "UNINTERESTING";
  player.quibblentTimed = false;
  player.quibblentTurnsLeft = 99;
  // The achievement is kept at once: a hero who dies before the next save
  // of the meta file has still survived the CURSE.
  state.earnAchievement(kUnDoomedAchievement, player.name);
  player.level -= 1;
  const int level = player.level;
  const bool academic = player.playerClass == "ACADEMIC";
  player.exp = experienceAtLevel(level, academic);
  player.expForNextLevel = experienceForNextLevel(level, academic);
  player.hp -= 15;
  player.maxHp -= 15;
  player.attack -= player.playerClass == "CONVICT" ? 2 : 1;
  if (level % 3 == 2) player.defence -= 1;
  if (player.hp < 1) player.hp = 1;
  if (player.maxHp < 1) player.maxHp = 1;
  if (player.dodges > 0) player.dodges -= 1;
  return "Garglefloxx nods at you. 'It worked. That spell should have \ncleared your CURSE right up. I can't do "
         "anything about the \neffects it's already had on your body, I'm afraid, but at \nleast it shouldn't get any "
         "worse.'\n[TYPE ANYTHING TO CONTINUE]";
}

// ---- The spell's effect ------------------------------------------------

// Columns: item, what it does to the hero besides the imbuement, the
// wizard's words. A skill item offers its skill as well.
struct ImbuementRow {
  const char* item;
  void (*effect)(GameState& state, Floor& floorRecord, PlayerRecord& player);
  const char* skillOffered;  // nullptr: none
  const char* text;
};

void noEffect(GameState&, Floor&, PlayerRecord&) {}

const ImbuementRow kImbuements[] = {
    {"POTION", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with a healing energy. You will now "
     "recover \ntwo health at the start of each turn.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"MATCH", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with the energy of FIRE. Your normal "
     "attacks are \nnow liable to burn your enemies, should they be flammable.\nYou will also cause explosives to go "
     "off with but a touch.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"KEROSENE", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with the energy of FLAMMABLE. Everything "
     "you \nsee, everything around you - it will now be, always and \nforever, completely FLAMMABLE.'\n[TYPE ANYTHING "
     "TO CONTINUE]"},
    {"LSD", noEffect, nullptr,
     "You can see everything. It's all so pure and true. The \ncolors... the patterns... Garglefloxx looks at you, "
     "and \nwithin his eyes you see endless eternities. 'Er...' he \nsays, hesitant. 'It worked. With this spell, "
     "ah... you will \nbecome immune to any stunning or confusing effects.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"MORALITY", noEffect, "PREACH",
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with a great MORAL energy. You are "
     "empowered \nto preach to all those who will listen, and are immune to \nvice and temptation.'\n[TYPE ANYTHING TO "
     "CONTINUE]"},
    {"AIRHORN", [](GameState&, Floor&, PlayerRecord& p) { p.dodges += 5; }, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with the energy of GAMER. You will be "
     "able to \navoid enemy attacks with ease, and impress them with your \nwicked gamer skillz.'\n[TYPE ANYTHING TO "
     "CONTINUE]"},
    {"SALT SHAKER", noEffect, "EAT",
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with an unspeakable HUNGER. You will "
     "feel a \npowerful longing to eat everything you come across.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"POISON DART", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with the energy of POISON. Everyone you "
     "touch \nwill begin to wither and decay. Please stay away from me.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"GHOST PEPPER", [](GameState&, Floor&, PlayerRecord& p) { p.spicyTolerance += 99; }, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with the spiciest energies known to man. "
     "\nYou will be able to easily handle incredible temperatures.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"STAPLE REMOVER", [](GameState&, Floor&, PlayerRecord& p) { p.gainItem("STAPLE REMOVER", 10); }, nullptr,
     "Garglefloxx stares down at you. 'It worked. With this spell, \nyou are imbued with STAPLE REMOVER. Check your "
     "pockets.'\nYou dig into your pockets, and find a STAPLE REMOVER \ninside. And another. And another. Your "
     "pockets seem to be \nlined with an infinite supply of the things.\n[TYPE ANYTHING TO CONTINUE]"},
    {"CALCULATOR",
     [](GameState&, Floor&, PlayerRecord& p) {
       const int level = p.level;
       p.maxHp += 10 * (level - 1);
       p.hp += 10 * (level - 1);
       p.attack += 2 * level - 2;
       p.defence += level - 1;
     },
     nullptr,
     "Garglefloxx nods at you. 'It worked. This spell appears to \nhave rewritten the universe at the most basic, "
     "fundamental \nlevel. Luckily, in this new universe, the laws of physics \nare completely identical - EXCEPT "
     "that you are slightly \nstronger than you would otherwise be.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"LAUGHING GAS", noEffect, nullptr,
     "Garglefloxx gives you a half-hearted nod, and yawns. \n'It worked. With this spell - *yaaaaawn* - you emit a "
     "\nconstant low-level lethargy, which... ahhh...' He closes \nhis eyes and begins to drift off peacefully.\n[TYPE "
     "ANYTHING TO CONTINUE]"},
    {"CONTRACT", noEffect, nullptr,
     "Garglefloxx nods at you curtly. 'It worked. With this \nspell, you are imbued with the dark energies of "
     "RHETORIC. \nEnemies will want to negotiate their way out of every \nencounter just by looking at you.'\n[TYPE "
     "ANYTHING TO CONTINUE]"},
    {"TOME OF WISDOM", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbu-'\nYou cut him off. You understand his "
     "spell very well. \nYou can access every floor's secret room easily, now.\n[TYPE ANYTHING TO CONTINUE]"},
    {"VORTEX", noEffect, nullptr,
     "A great darkness engulfs you, knocking you off your feet. \nSomething unspeakably powerful grows within you, "
     "and your \natoms begin to disassemble. The walls of the secret room warp \ninward, being pulled towards "
     "whatever the hell is \nhappening to you.\n[TYPE ANYTHING TO CONTINUE]"},
    {"NECRONOMICON", noEffect, nullptr,
     "A great darkness engulfs you, knocking you off your feet. \nYou feel sick. Your skin begins to bubble and "
     "crack, as \nyour body ages unnaturally quickly. It hurts, yet it feels \noddly good. Garglefloxx watches you "
     "with terrified eyes.\n[TYPE ANYTHING TO CONTINUE]"},
    {"TELEPOROMETER", noEffect, nullptr,
     "Garglefloxx stares at you. 'It looks like the spell imbued \nyou with a powerful destabilizing energy. With "
     "that - '"},
    {"GHAST-BUSTER", [](GameState&, Floor& f, PlayerRecord&) { f.ghastsToPlace += 2; }, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \nare imbued with the energy of BUSTIN' GHASTS. Good "
     "thing \ntoo - I think there were some side effects. Some lingering \nmalignant energies might have escaped and "
     "are now roaming \nrandomly around the dungeon.'\n[TYPE ANYTHING TO CONTINUE]"},
    {"GROG", [](GameState& s, Floor&, PlayerRecord& p) { p.changeQuibblent("GROGGY", s, true); }, nullptr,
     "Garglefloxx shrugs at you. 'It worked. With this spell, you \nare imbued with the energy of GROGGINESS. I'll be "
     "honest: I \nhave no idea why you picked *this* item to be imbued with of \nall things. Well, it's your choice. "
     "Have fun being GROGGY.'\n[TYPE ANYTHING TO CONTINUE]"},
};

const char kSpellError[] = "Garglefloxx stares at the void. 'A serious error occurred!!'";

const ImbuementRow* findImbuement(const std::string& item) {
  for (const ImbuementRow& row : kImbuements) {
    if (item == row.item) return &row;
  }
  return nullptr;
}

// The skill items' skills, which come back here from the skill offer.
const ImbuementRow* imbuementOfferingSkill(const std::string& skill) {
  for (const ImbuementRow& row : kImbuements) {
    if (row.skillOffered != nullptr && skill == row.skillOffered) return &row;
  }
  return nullptr;
}

// Learns the skill, or asks which skill to give up for it when six are
// known; a skill already known is neither learned again nor offered.
std::string teachSkill(GameState& state, PlayerRecord& player, const ImbuementRow& row) {
  const std::string skill = row.skillOffered;
  if (player.knowsSkill(skill)) return row.text;
  if (static_cast<int>(player.skills.size()) >= kSkillLimit) {
    state.auxCounter = kWizardEffectPrompt;
    state.pendingPrompt = kSkillReplacePrompt;
    state.pendingWord = skill;
    return "You could gain permanent access to the " + skill +
           " skill, \nbut you have 6 skills already. \nWould you like to replace one? (Y / N)";
  }
  player.learnSkill(skill);
  return row.text;
}

// ---- The farewell -----------------------------------------------------

struct FarewellRow {
  const char* item;
  const char* text;
};

const FarewellRow kFarewells[] = {
    {"LSD",
     "You smile at Garglefloxx and say something deeply profound, \nalthough you can't quite hear the words coming "
     "out of your \nown mouth. He doesn't seem entirely comfortable with the \nsituation - and, in a crash of "
     "lightning, you are returned \nto the main dungeon. The secret room is now locked tight."},
    {"MORALITY",
     "You open your mouth to speak. 'All those who will listen \ndoes *not* include me. Get out of my study!' \nThere "
     "is another crash of lightning, and you are returned \nto the main dungeon. The secret room is now locked."},
    {"SALT SHAKER",
     "You notice Garglefloxx is, indeed, looking remarkably \nsavory. He frowns, and in a crash of lightning, you are "
     "\nreturned to the main dungeon. The secret room is locked."},
    {"GHOST PEPPER",
     "You open your mouth to thank him, but find you cannot move \nyour tongue over the horrible searing pain. He "
     "waves a \nhand, saying 'no need to thank me,' and then, in a crash of \nlightning, you are returned to the "
     "main dungeon. \nThe door to the secret room is now locked."},
    {"LAUGHING GAS",
     "Hmm. You decide to leave him be, and lock the door to the \nsecret room behind you for good measure. What a "
     "thoughtful \nperson you are."},
    {"CONTRACT",
     "You give him your best smile, and are about to suggest \nsome clever ways to re-conceptualize his business plan "
     "when \na crash of lightning returns you to the main dungeon area. \nThe secret room is now locked tight."},
    {"TOME OF WISDOM",
     "He smiles, and appears very pleased. 'An excellent choice, \nif I may say so. A scholar after my own heart.' You "
     "bow, \nand, with a flash of lightning, you are returned to the \nmain dungeon. The secret room is locked, "
     "although there is \na note taped to the wall - 'come again whenever you like'."},
    {"NECRONOMICON",
     "'Please get out of my study,' he whispers. 'I don't know \nwhat you've been imbued with.' You laugh, a hoarse, "
     "empty \nsound, and leave the pathetic flesh-sack be. Immediately \nthe door is loudly slammed shut behind you, "
     "and locked."},
};

const char kPlainFarewell[] =
    "He smiles at you. 'Excellent. Now, get the hell out of my \nstudy!' There is a crash of lightning, and then you "
    "are \nreturned to the main dungeon. \nThe secret room is now locked.";

std::string vortexSwallowsTheHero(GameState& state) {
  state.pendingPrompt = kDeathPrompt;
  state.pendingWord = "vortex";
  return "Garglefloxx screams, and you watch his skin torn from his \nflesh as he desperately scrambles away from the "
         "mass that \nonce housed your feeble body. You would like to scream with \nhim, but your mouth has melted "
         "into nothingness. Soon, your \nconsciousness fades, and there is nothing left of you.\n[TYPE ANYTHING TO "
         "CONTINUE]";
}

std::string teleportedAway(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  state.startNewRun(floorRecord, player.name, false);
  generateFloor(floorRecord, floorRecord.floorNumber, state.fateValue, player, -1);
  return "Suddenly, you are back in the dungeon proper. Garglefloxx \nis nowhere to be seen. You're still on floor " +
         std::to_string(floorRecord.floorNumber) +
         ", you think, \nbut everything else appears different. Somehow, you feel \nuntethered from reality. You're "
         "not sure what to think.";
}

// ---- The confirmation of a powerful item ------------------------------

struct ConfirmationRow {
  const char* item;
  const char* text;
};

const ConfirmationRow kConfirmations[] = {
    {"VORTEX",
     "Garglefloxx stares at the VORTEX you've offered him, and \nsteps back from you. 'If this is really what you "
     "want... \nAhem. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n[TYPE ANYTHING TO CONTINUE]"},
    {"NECRONOMICON",
     "Garglefloxx stares at the NECRONOMICON you've offered him, \nand steps back from you. 'If this is really what "
     "you \nwant... Ahem. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n[TYPE ANYTHING TO CONTINUE]"},
    {"TELEPOROMETER",
     "Garglefloxx eyes the TELEPOROMETER curiously, then shrugs. \n'Ahem. Wimbus... Blorgenfaub... Shumble... "
     "KAZAM!!'\nA flash of bright light engulfs you; when you come to, \nyou fee- you f- you--\nyou feel diff---\n[TYPE "
     "ANYTHI-"},
};

}  // namespace

std::string answerWizardLovePotion(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      leaveStudy(state, floorRecord, "WizardStop");
      return "'...BAH. You people and your love potions! I won't involve \nmyself in your petty romantic "
             "entanglements! Out! NOW!'\nA blast of harsh wind sends you flying out of the room. \nYikes.";
    case YesNoAnswer::kNo:
      state.pendingPrompt = kWizardGreetingPrompt;
      floorRecord.secretRoomKind = "Wizard2";
      return "'...Really? Good.' The room lights up with a crash of \nlightning. It appears to be a kind of magic "
             "wizard library.\nA mighty WIZARD is standing there looking at you curiously.\n[TYPE ANYTHING TO "
             "CONTINUE]";
    case YesNoAnswer::kNeither: break;
  }
  return kTryMyPatience;
}

std::string answerWizardGreeting(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  state.pendingPrompt = kWizardListPrompt;
  if (player.quibblent == "CURSED") {
    return "'...Dear me, explorer, you look terrible. You must've \nstumbled upon the CURSE ROOM, yes? I really ought "
           "to see to \nlocking that place up one of these days. Tell you what: I \nknow a spell that will clear your "
           "CURSE, but it will take a \nbit of your lifeforce to cast. You will permanently lose ONE \nEXP LEVEL as a "
           "side-effect. Do you accept this?' (Y/N)";
  }
  return "'Well, explorer, I'll give you credit: I'd thought my study \nwas kept quite well hidden in these here "
         "dungeons. Seems \nyou've managed to find me - you must have quite the eye for \nsecrets. Tell you what: I "
         "can cast a powerful spell to \nassist you, if you offer me one item type as a reagent.'\n[TYPE ANYTHING TO "
         "CONTINUE]";
}

std::string answerWizardList(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  state.pendingPrompt = kWizardChoicePrompt;
  if (player.quibblent == "CURSED") {
    switch (readYesNo(line)) {
      case YesNoAnswer::kYes:
        return "'Understood. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\nA flash of bright light engulfs you; when "
               "you come to, you \nfeel like a great weight has been lifted from you. At the \nsame time, though, you "
               "feel light-headed and anemic.\n[TYPE ANYTHING TO CONTINUE]";
      case YesNoAnswer::kNo:
        leaveStudy(state, floorRecord, "WizardStop");
        return "'Hm... A curious response, to say the least. If that is what \nyou wish, explorer, than so be it. "
               "Begone!'\nA crash of lightning, and then you are returned to the main \ndungeon. The secret room is "
               "now locked.";
      case YesNoAnswer::kNeither: break;
    }
    state.pendingPrompt = kWizardListPrompt;
    return "'Ahem. Not to be rude, but every second you waste is another \nsecond closer to getting your skin "
           "deliquesced off your \nbones by the CURSE. I repeat: Y or N?'";
  }
  if (player.inventoryNames.empty()) {
    leaveStudy(state, floorRecord, "Wizard2");
    state.messageBuffer =
        "'...is what I *would* say, if you actually *had* any items. \nWhich you don't. Begone, ascetic!' \nThere is "
        "a crash of lightning, and then you are \nreturned to the main dungeon.";
    return state.messageBuffer;
  }
  state.messageBuffer = "Select an item - ";
  for (std::size_t i = 0; i < player.inventoryNames.size(); ++i) {
    const int count = i < player.inventoryCounts.size() ? player.inventoryCounts[i] : 0;
    state.messageBuffer += std::to_string(i + 1) + ": " + player.inventoryNames[i] + " (" + std::to_string(count) +
                           ")" + "\n";
  }
  return state.messageBuffer;
}

std::string answerWizardChoice(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  state.pendingPrompt = kWizardEffectPrompt;
  // No reagent yet: the farewell must not read an item left over from an
  // earlier visit (a VORTEX the hero took back would otherwise kill a hero
  // who only had the CURSE lifted).
  state.pendingWord = "ERROR";
  if (player.quibblent == "CURSED") return liftTheCurse(state, player);
  if (line.size() == 1 && line[0] >= '1' && line[0] <= '6') {
    const std::size_t slot = static_cast<std::size_t>(line[0] - '1');
    if (slot < player.inventoryNames.size()) {
      const int count = slot < player.inventoryCounts.size() ? player.inventoryCounts[slot] : 0;
      return state.castSpellOfImbuence(player.inventoryNames[slot], count, player);
    }
    leaveStudy(state, floorRecord, "WizardStop");
    return "'You don't have any of those, you dolt. Begone!'\nA crash of lightning, and then you are returned to the "
           "main \ndungeon. The secret room is now locked.";
  }
  leaveStudy(state, floorRecord, "Wizard2");
  return kNotInterested;
}

std::string answerWizardEffect(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.pendingPrompt = kWizardFarewellPrompt;
  // Back from the skill offer: the imbuement and its bonus were given on
  // the first pass, and the farewell is the item's own.
  if (const ImbuementRow* returning = imbuementOfferingSkill(state.pendingWord)) {
    state.pendingWord = returning->item;
    return returning->text;
  }
  player.imbuement = state.pendingWord;
  player.discoveryScore += kWizardDiscovery;
  state.earnAchievement(kImbuedAchievement, player.name);
  const ImbuementRow* row = findImbuement(state.pendingWord);
  if (row == nullptr) return kSpellError;
  row->effect(state, floorRecord, player);
  if (row->skillOffered != nullptr) return teachSkill(state, player, *row);
  return row->text;
}

std::string answerWizardFarewell(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  leaveStudy(state, floorRecord, "WizardStop");
  const std::string& item = state.pendingWord;
  if (item == "VORTEX") return vortexSwallowsTheHero(state);
  if (item == "TELEPOROMETER") return teleportedAway(state, floorRecord, player);
  for (const FarewellRow& row : kFarewells) {
    if (item == row.item) return row.text;
  }
  return kPlainFarewell;
}

std::string answerWizardConfirm(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      state.pendingPrompt = kWizardEffectPrompt;
      const std::string item = state.pendingWord;
      player.loseItem(item);
      for (const ConfirmationRow& row : kConfirmations) {
        if (item == row.item) return row.text;
      }
      return "Garglefloxx takes your " + item +
             ".\n'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\nA flash of bright light engulfs you; when you come "
             "to, you \nfeel... different.\n[TYPE ANYTHING TO CONTINUE]";
    }
    case YesNoAnswer::kNo: leaveStudy(state, floorRecord, "Wizard2"); return kNotInterested;
    case YesNoAnswer::kNeither: break;
  }
  return kTryMyPatience;
}
