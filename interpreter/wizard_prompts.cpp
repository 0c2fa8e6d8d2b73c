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
const char kNotInterested[] = "'Very well. If you are not interested in my spell, I must \n"
                              "request that you leave me to my studies. Begone!' There is \n"
                              "a crash of lightning, and then you are returned to the main \n"
                              "dungeon.";

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
  return "Garglefloxx nods at you. 'It worked. That spell should have \n"
         "cleared your CURSE right up. I can't do anything about the \n"
         "effects it's already had on your body, I'm afraid, but at \n"
         "least it shouldn't get any worse.'\n"
         "[TYPE ANYTHING TO CONTINUE]";
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
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with a healing energy. You will now recover \n"
     "two health at the start of each turn.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"MATCH", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with the energy of FIRE. Your normal attacks are \n"
     "now liable to burn your enemies, should they be flammable.\n"
     "You will also cause explosives to go off with but a touch.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"KEROSENE", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with the energy of FLAMMABLE. Everything you \n"
     "see, everything around you - it will now be, always and \n"
     "forever, completely FLAMMABLE.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"LSD", noEffect, nullptr,
     "You can see everything. It's all so pure and true. The \n"
     "colors... the patterns... Garglefloxx looks at you, and \n"
     "within his eyes you see endless eternities. 'Er...' he \n"
     "says, hesitant. 'It worked. With this spell, ah... you will \n"
     "become immune to any stunning or confusing effects.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"MORALITY", noEffect, "PREACH",
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with a great MORAL energy. You are empowered \n"
     "to preach to all those who will listen, and are immune to \n"
     "vice and temptation.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"AIRHORN", [](GameState&, Floor&, PlayerRecord& p) { p.dodges += 5; }, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with the energy of GAMER. You will be able to \n"
     "avoid enemy attacks with ease, and impress them with your \n"
     "wicked gamer skillz.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"SALT SHAKER", noEffect, "EAT",
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with an unspeakable HUNGER. You will feel a \n"
     "powerful longing to eat everything you come across.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"POISON DART", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with the energy of POISON. Everyone you touch \n"
     "will begin to wither and decay. Please stay away from me.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"GHOST PEPPER", [](GameState&, Floor&, PlayerRecord& p) { p.spicyTolerance += 99; }, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with the spiciest energies known to man. \n"
     "You will be able to easily handle incredible temperatures.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"STAPLE REMOVER", [](GameState&, Floor&, PlayerRecord& p) { p.gainItem("STAPLE REMOVER", 10); }, nullptr,
     "Garglefloxx stares down at you. 'It worked. With this spell, \n"
     "you are imbued with STAPLE REMOVER. Check your pockets.'\n"
     "You dig into your pockets, and find a STAPLE REMOVER \n"
     "inside. And another. And another. Your pockets seem to be \n"
     "lined with an infinite supply of the things.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"CALCULATOR",
     [](GameState&, Floor&, PlayerRecord& p) {
       const int level = p.level;
       p.maxHp += 10 * (level - 1);
       p.hp += 10 * (level - 1);
       p.attack += 2 * level - 2;
       p.defence += level - 1;
     },
     nullptr,
     "Garglefloxx nods at you. 'It worked. This spell appears to \n"
     "have rewritten the universe at the most basic, fundamental \n"
     "level. Luckily, in this new universe, the laws of physics \n"
     "are completely identical - EXCEPT that you are slightly \n"
     "stronger than you would otherwise be.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"LAUGHING GAS", noEffect, nullptr,
     "Garglefloxx gives you a half-hearted nod, and yawns. \n"
     "'It worked. With this spell - *yaaaaawn* - you emit a \n"
     "constant low-level lethargy, which... ahhh...' He closes \n"
     "his eyes and begins to drift off peacefully.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"CONTRACT", noEffect, nullptr,
     "Garglefloxx nods at you curtly. 'It worked. With this \n"
     "spell, you are imbued with the dark energies of RHETORIC. \n"
     "Enemies will want to negotiate their way out of every \n"
     "encounter just by looking at you.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"TOME OF WISDOM", noEffect, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbu-'\n"
     "You cut him off. You understand his spell very well. \n"
     "You can access every floor's secret room easily, now.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"VORTEX", noEffect, nullptr,
     "A great darkness engulfs you, knocking you off your feet. \n"
     "Something unspeakably powerful grows within you, and your \n"
     "atoms begin to disassemble. The walls of the secret room warp \n"
     "inward, being pulled towards whatever the hell is \n"
     "happening to you.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"NECRONOMICON", noEffect, nullptr,
     "A great darkness engulfs you, knocking you off your feet. \n"
     "You feel sick. Your skin begins to bubble and crack, as \n"
     "your body ages unnaturally quickly. It hurts, yet it feels \n"
     "oddly good. Garglefloxx watches you with terrified eyes.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"TELEPOROMETER", noEffect, nullptr,
     "Garglefloxx stares at you. 'It looks like the spell imbued \n"
     "you with a powerful destabilizing energy. With that - '"},
    {"GHAST-BUSTER", [](GameState&, Floor& f, PlayerRecord&) { f.ghastsToPlace += 2; }, nullptr,
     "Garglefloxx nods at you. 'It worked. With this spell, you \n"
     "are imbued with the energy of BUSTIN' GHASTS. Good thing \n"
     "too - I think there were some side effects. Some lingering \n"
     "malignant energies might have escaped and are now roaming \n"
     "randomly around the dungeon.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"GROG", [](GameState& s, Floor&, PlayerRecord& p) { p.changeQuibblent("GROGGY", s, true); }, nullptr,
     "Garglefloxx shrugs at you. 'It worked. With this spell, you \n"
     "are imbued with the energy of GROGGINESS. I'll be honest: I \n"
     "have no idea why you picked *this* item to be imbued with of \n"
     "all things. Well, it's your choice. Have fun being GROGGY.'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
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
           " skill, \n"
           "but you have 6 skills already. \n"
           "Would you like to replace one? (Y / N)";
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
     "You smile at Garglefloxx and say something deeply profound, \n"
     "although you can't quite hear the words coming out of your \n"
     "own mouth. He doesn't seem entirely comfortable with the \n"
     "situation - and, in a crash of lightning, you are returned \n"
     "to the main dungeon. The secret room is now locked tight."},
    {"MORALITY",
     "You open your mouth to speak. 'All those who will listen \n"
     "does *not* include me. Get out of my study!' \n"
     "There is another crash of lightning, and you are returned \n"
     "to the main dungeon. The secret room is now locked."},
    {"SALT SHAKER",
     "You notice Garglefloxx is, indeed, looking remarkably \n"
     "savory. He frowns, and in a crash of lightning, you are \n"
     "returned to the main dungeon. The secret room is locked."},
    {"GHOST PEPPER",
     "You open your mouth to thank him, but find you cannot move \n"
     "your tongue over the horrible searing pain. He waves a \n"
     "hand, saying 'no need to thank me,' and then, in a crash of \n"
     "lightning, you are returned to the main dungeon. \n"
     "The door to the secret room is now locked."},
    {"LAUGHING GAS",
     "Hmm. You decide to leave him be, and lock the door to the \n"
     "secret room behind you for good measure. What a thoughtful \n"
     "person you are."},
    {"CONTRACT",
     "You give him your best smile, and are about to suggest \n"
     "some clever ways to re-conceptualize his business plan when \n"
     "a crash of lightning returns you to the main dungeon area. \n"
     "The secret room is now locked tight."},
    {"TOME OF WISDOM",
     "He smiles, and appears very pleased. 'An excellent choice, \n"
     "if I may say so. A scholar after my own heart.' You bow, \n"
     "and, with a flash of lightning, you are returned to the \n"
     "main dungeon. The secret room is locked, although there is \n"
     "a note taped to the wall - 'come again whenever you like'."},
    {"NECRONOMICON",
     "'Please get out of my study,' he whispers. 'I don't know \n"
     "what you've been imbued with.' You laugh, a hoarse, empty \n"
     "sound, and leave the pathetic flesh-sack be. Immediately \n"
     "the door is loudly slammed shut behind you, and locked."},
};

const char kPlainFarewell[] = "He smiles at you. 'Excellent. Now, get the hell out of my \n"
                              "study!' There is a crash of lightning, and then you are \n"
                              "returned to the main dungeon. \n"
                              "The secret room is now locked.";

std::string vortexSwallowsTheHero(GameState& state) {
  state.pendingPrompt = kDeathPrompt;
  state.pendingWord = "vortex";
  return "Garglefloxx screams, and you watch his skin torn from his \n"
         "flesh as he desperately scrambles away from the mass that \n"
         "once housed your feeble body. You would like to scream with \n"
         "him, but your mouth has melted into nothingness. Soon, your \n"
         "consciousness fades, and there is nothing left of you.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string teleportedAway(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  state.startNewRun(floorRecord, player.name, false);
  generateFloor(floorRecord, floorRecord.floorNumber, state.fateValue, player, -1);
  return "Suddenly, you are back in the dungeon proper. Garglefloxx \n"
         "is nowhere to be seen. You're still on floor " +
         std::to_string(floorRecord.floorNumber) +
         ", you think, \n"
         "but everything else appears different. Somehow, you feel \n"
         "untethered from reality. You're not sure what to think.";
}

// ---- The confirmation of a powerful item ------------------------------

struct ConfirmationRow {
  const char* item;
  const char* text;
};

const ConfirmationRow kConfirmations[] = {
    {"VORTEX",
     "Garglefloxx stares at the VORTEX you've offered him, and \n"
     "steps back from you. 'If this is really what you want... \n"
     "Ahem. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"NECRONOMICON",
     "Garglefloxx stares at the NECRONOMICON you've offered him, \n"
     "and steps back from you. 'If this is really what you \n"
     "want... Ahem. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"TELEPOROMETER",
     "Garglefloxx eyes the TELEPOROMETER curiously, then shrugs. \n"
     "'Ahem. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "A flash of bright light engulfs you; when you come to, \n"
     "you fee- you f- you--\n"
     "you feel diff---\n"
     "[TYPE ANYTHI-"},
};

}  // namespace

std::string answerWizardLovePotion(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      leaveStudy(state, floorRecord, "WizardStop");
      return "'...BAH. You people and your love potions! I won't involve \n"
             "myself in your petty romantic entanglements! Out! NOW!'\n"
             "A blast of harsh wind sends you flying out of the room. \n"
             "Yikes.";
    case YesNoAnswer::kNo:
      state.pendingPrompt = kWizardGreetingPrompt;
      floorRecord.secretRoomKind = "Wizard2";
      return "'...Really? Good.' The room lights up with a crash of \n"
             "lightning. It appears to be a kind of magic wizard library.\n"
             "A mighty WIZARD is standing there looking at you curiously.\n"
             "[TYPE ANYTHING TO CONTINUE]";
    case YesNoAnswer::kNeither: break;
  }
  return kTryMyPatience;
}

std::string answerWizardGreeting(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  state.pendingPrompt = kWizardListPrompt;
  if (player.quibblent == "CURSED") {
    return "'...Dear me, explorer, you look terrible. You must've \n"
           "stumbled upon the CURSE ROOM, yes? I really ought to see to \n"
           "locking that place up one of these days. Tell you what: I \n"
           "know a spell that will clear your CURSE, but it will take a \n"
           "bit of your lifeforce to cast. You will permanently lose ONE \n"
           "EXP LEVEL as a side-effect. Do you accept this?' (Y/N)";
  }
  return "'Well, explorer, I'll give you credit: I'd thought my study \n"
         "was kept quite well hidden in these here dungeons. Seems \n"
         "you've managed to find me - you must have quite the eye for \n"
         "secrets. Tell you what: I can cast a powerful spell to \n"
         "assist you, if you offer me one item type as a reagent.'\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string answerWizardList(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  state.pendingPrompt = kWizardChoicePrompt;
  if (player.quibblent == "CURSED") {
    switch (readYesNo(line)) {
      case YesNoAnswer::kYes:
        return "'Understood. Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
               "A flash of bright light engulfs you; when you come to, you \n"
               "feel like a great weight has been lifted from you. At the \n"
               "same time, though, you feel light-headed and anemic.\n"
               "[TYPE ANYTHING TO CONTINUE]";
      case YesNoAnswer::kNo:
        leaveStudy(state, floorRecord, "WizardStop");
        return "'Hm... A curious response, to say the least. If that is what \n"
               "you wish, explorer, than so be it. Begone!'\n"
               "A crash of lightning, and then you are returned to the main \n"
               "dungeon. The secret room is now locked.";
      case YesNoAnswer::kNeither: break;
    }
    state.pendingPrompt = kWizardListPrompt;
    return "'Ahem. Not to be rude, but every second you waste is another \n"
           "second closer to getting your skin deliquesced off your \n"
           "bones by the CURSE. I repeat: Y or N?'";
  }
  if (player.inventoryNames.empty()) {
    leaveStudy(state, floorRecord, "Wizard2");
    state.messageBuffer = "'...is what I *would* say, if you actually *had* any items. \n"
                          "Which you don't. Begone, ascetic!' \n"
                          "There is a crash of lightning, and then you are \n"
                          "returned to the main dungeon.";
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
    return "'You don't have any of those, you dolt. Begone!'\n"
           "A crash of lightning, and then you are returned to the main \n"
           "dungeon. The secret room is now locked.";
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
             ".\n"
             "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
             "A flash of bright light engulfs you; when you come to, you \n"
             "feel... different.\n"
             "[TYPE ANYTHING TO CONTINUE]";
    }
    case YesNoAnswer::kNo: leaveStudy(state, floorRecord, "Wizard2"); return kNotInterested;
    case YesNoAnswer::kNeither: break;
  }
  return kTryMyPatience;
}
