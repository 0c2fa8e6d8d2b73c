#include "encounters/character_tiles.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "encounters/later_characters.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {

using Greeter = void (*)(GameState&, Floor&, PlayerRecord&, int);

// The words a class character may bear when a ZOMBIE goes for it.
constexpr std::array<const char*, 26> kRivalQuibblents = {
    "UNINTERESTING", "POISONED",   "CONFUSED",   "DAMP",          "FLAMMABLE", "FLAMING",
    "EXISTENTIAL",   "INEFFECTUAL", "LIGHTLY SALTED", "RAVENOUS", "POISONOUS", "NOXIOUS",
    "SLEEPING",      "GAMER",      "FRIGHTENED", "HIPPIE",        "METALHEAD", "VOLUMINOUS",
    "KNOWLEDGEABLE", "HORNY",      "PERVERTED",  "FLIRTATIOUS",   "FUNDAMENTALIST", "CHARRED",
    "CONFIDENT",     "GROGGY"};

bool isZombie(const PlayerRecord& player) { return player.playerClass == "ZOMBIE"; }

// A character turned hostile: the tile keeps the monster, so a retreat leaves it there.
void placeFoe(Floor& floorRecord, int direction, const std::string& word, const std::string& type) {
  floorRecord.tileKinds[direction] = "Mon";
  floorRecord.tileCreatures[direction] = Creature(word, type, floorRecord.floorNumber);
}

void zombieFightsClassCharacter(GameState& state, Floor& floorRecord, int direction, const std::string& type) {
  state.auxCounter = static_cast<int>(dice::below(kRivalQuibblents.size()));
  state.pendingWord = kRivalQuibblents[static_cast<std::size_t>(state.auxCounter)];
  placeFoe(floorRecord, direction, state.pendingWord, type);
  state.currentEnemy = floorRecord.tileCreatures[direction];
  state.combatState = 1;
  state.dialogueStage = 0;
  state.messageBuffer = "Beginning combat with " + state.pendingWord + " " + type +
                        "...\n"
                        "You have first go.\n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

const char* const kCalculatorFound = "Looking closer, it seems the ITEM you saw was actually a\n"
                                     "CALCULATOR!! You pocket the loot with a gleeful smile.";

void greetAcademic(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  TileOccupant& occupant = *state.currentFeature;
  if (isZombie(player)) return zombieFightsClassCharacter(state, floorRecord, direction, "ACADEMIC");
  if (player.playerClass == "OPPORTUNIST") {
    if (occupant.visitState == 1) {
      state.messageBuffer = "'Oh! Hello again, sir. Have you changed your mind about the \n"
                            "survey? I'd be extraordinarily grateful for your \n"
                            "participation!' You say sure, you could see yourself \n"
                            "changing your mind. If the price is right. The price being... \n"
                            "[INPUT A NUMBER]";
    } else {
      state.dialogueStage = 41;
      state.messageBuffer = "You attempt to sneak up on the BORING GUY... He spots you \n"
                            "almost immediately. Surprisingly, the guy doesn't seem at \n"
                            "all upset or suspicious of you. Instead, he just nods at \n"
                            "you, holding up a clipboard and pen. \n"
                            "[TYPE ANYTHING TO CONTINUE]";
    }
    return;
  }
  if (occupant.visitState == 0) {
    state.messageBuffer = "You approach the ANNOYING NERD. 'Ah, excuse me, sir? I'm \n"
                          "performing an analysis of this dungeon's peculiar quibblental \n"
                          "properties; the scientific community is very interested in \n"
                          "understanding it and its potential implications regarding \n"
                          "physical reality.' \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else if (occupant.visitState == 1) {
    state.messageBuffer = "'Oh! Hello again, sir. Have you changed your mind about the \n"
                          "survey? I'd be extraordinarily grateful for your \n"
                          "participation!' You sure haven't changed your mind about \n"
                          "how ANNOYING this NERD is. \n"
                          "Do you want to beat up the ANNOYING NERD? (Y/N)";
  } else {
    // The nerd ran off and left his calculator; a full pack drops it for good.
    floorRecord.clearTile(direction, " was once an ITEM, but now there is nothing.");
    state.messageBuffer = kCalculatorFound;
    if (!player.inventoryFull()) {
      player.gainItem("CALCULATOR", 1);
    } else {
      state.messageBuffer += "\n"
                             "...Almost immediately, it falls out of your pockets and \n"
                             "into a crack in the floor, where you can't reach it anymore. \n"
                             "Dammit. Your INVENTORY must be full.";
    }
  }
}

void greetConvict(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  TileOccupant& occupant = *state.currentFeature;
  if (isZombie(player)) return zombieFightsClassCharacter(state, floorRecord, direction, "CONVICT");
  if (player.playerClass == "ACADEMIC") {
    if (occupant.visitState == 0) {
      state.dialogueStage = 48;
      state.messageBuffer = "You cautiously approach the PUGNACIOUS RUFFIAN. He doesn't \n"
                            "seem to notice your presence; he is busy comparing two \n"
                            "different WEAPONS. He looks at one, then the other, staring \n"
                            "intently with a focused expression. \n"
                            "[TYPE ANYTHING TO CONTINUE]";
    } else {
      placeFoe(floorRecord, direction, "CONFIDENT", "CONVICT");
      state.dialogueStage = 40;
      state.messageBuffer = "You decide to push your luck and sneak up on the PUGNACIOUS \n"
                            "RUFFIAN again. Looks like he's decided on a weapon, and - oh \n"
                            "shit - now he's giving you a VERY worrying look. You should \n"
                            "have left well enough alone! \n"
                            "[TYPE ANYTHING TO CONTINUE]";
    }
    return;
  }
  if (occupant.visitState == 0) {
    state.messageBuffer = "You sneak up behind the ANGRY GUY. He doesn't seem to notice \n"
                          "your presence; he is busy comparing two pieces of ARMOR. \n"
                          "He looks dumb as a brick, too. A perfect target for your, \n"
                          "ahem, area of expertise... \n"
                          "Would you like to pick the ANGRY GUY's pockets? (Y/N)";
  } else if (occupant.visitState == 1) {
    state.messageBuffer = "You sneak up behind the ANRGY GUY again. He's still absorbed \n"
                          "in comparing his ARMOR. From the looks of things, he might \n"
                          "be at this task for the next several hours at least.\n"
                          "Would you like to pick the ANGRY GUY's pockets? (Y/N)";
  } else {
    // His money is already gone, so beating him pays nothing.
    placeFoe(floorRecord, direction, "ENRAGED", "CONVICT");
    floorRecord.tileCreatures[direction].goldReward = 0;
    state.dialogueStage = 40;
    state.messageBuffer = "You decide to push your luck and sneak up on the ANGRY GUY \n"
                          "again, and... oh shit, looks like he's noticed that his \n"
                          "money is gone. He's patting his pockets and muttering, and \n"
                          "he does NOT sound happy. Maybe you can sneak away before - \n"
                          "Nope, he just saw you. This is gonna suck. \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  }
}

// The dealer only ever names one of his three prices; any other remembered
// price is what the hero could pay, kept between 1 and 250.
int charmerPrice(int remembered, int gold) {
  if (remembered <= 0 || remembered == 250 || remembered == 150 || remembered == 100) return remembered;
  if (gold > 250) return 250;
  if (gold == 0) return 1;
  return gold;
}

void greetOpportunist(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  TileOccupant& occupant = *state.currentFeature;
  if (isZombie(player)) return zombieFightsClassCharacter(state, floorRecord, direction, "OPPORTUNIST");
  if (player.playerClass == "CONVICT") {
    state.messageBuffer = "You approach the SMUG PRICK. He grins at you. 'Well, hello, \n"
                          "chum! Say, it's real nice to see someone else around here \n"
                          "who ain't a monster, huh? A friend! That's what we are, \n"
                          "yeah? Friends? People like us, we gotta help each other out, \n"
                          "wouldn't you say?' \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else if (occupant.visitState == 0) {
    state.messageBuffer = "You cautiously approach the ROGUISHLY HANDSOME FELLOW. \n"
                          "He grins at you. 'Well, hello, chum! Say, it's real nice to \n"
                          "see someone else around here who ain't a monster, huh? \n"
                          "A friend! That's what we are, yeah? Friends? People like us, \n"
                          "we gotta help each other out, wouldn't you say?' \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else {
    occupant.visitState = charmerPrice(occupant.visitState, player.gold);
    state.messageBuffer = "You approach the roguishly handsome fellow. He grins at you. \n"
                          "'Well, fancy seeing you here, buddy-o! And may I say you \n"
                          "look ravishing today. Well, you remember my offer, yeah? \n" +
                          std::to_string(occupant.visitState) + " gold for a SPECIAL POTION. Whaddaya say?' (Y/N)";
  }
}

struct WiseOne {
  const char* key;
  const char* name;
};
constexpr std::array<WiseOne, 3> kWiseOnes = {{{"Wise1", "WISE GOBLIN"}, {"Wise2", "WISE ORC"}, {"Wise3", "WISE TROLL"}}};

void greetWise(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  const TileOccupant& occupant = *state.currentFeature;
  std::string name;
  for (const WiseOne& wise : kWiseOnes)
    if (occupant.key == wise.key) name = wise.name;
  if (isZombie(player)) {
    floorRecord.clearTile(direction, ", there is nothing at all.");
    state.dialogueStage = 0;
    state.messageBuffer = name + " runs away as you approach. Cannot take its \n"
                                 "flesh. Gruuuhhhh...";
  } else if (occupant.visitState == 0) {
    state.messageBuffer = "'HALT! I am " + name +
                          ". Lower your weapon, for my battle is \n"
                          "not fought with swords and sorcery. Instead, I will be \n"
                          "challenging your MIND. Solve my riddle, and I shall grant \n"
                          "you my boon. Listen carefully...' \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else {
    state.messageBuffer = name + " observes you placidly. 'I have nothing more to \n"
                                 "offer you, human. Leave me be.'";
  }
}

void greetWorgleton(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.dialogueStage = 0;
    state.messageBuffer = "This thing smells horrible. Not good to eat.";
  } else if (state.currentFeature->visitState == 0) {
    state.messageBuffer = "You approach WORGLETON WINNLEFLAP THE BARBER THING. It makes \n"
                          "several bizarre, unpleasant gurgling sounds, seemingly \n"
                          "attempting to communicate with you. Eventually, after over \n"
                          "a minute of painful noise, its sounds cohere into something \n"
                          "approaching intelligible speech... \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else {
    state.messageBuffer = "You approach WORGLETON WINNLEFLAP THE BARBER THING. \n"
                          "'sorry... can't cut your hair today... looking for cousin... \n"
                          "plus, razor only works on lithium... might cause skin to \n"
                          "melt off... wouldn't want that... cousin would lose \n"
                          "customer...'";
  }
}

void greetWarlock(GameState& state, Floor& floorRecord, PlayerRecord&, int direction) {
  state.currentEnemy = floorRecord.tileCreatures[direction];
  state.combatState = 1;
  state.dialogueStage = 0;
  state.messageBuffer = "Beginning combat with VERY NORMAL WARLOCK... \n"
                        "You have first go. \n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

void greetSeer(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  if (isZombie(player)) {
    floorRecord.clearTile(direction, ", there is nothing at all.");
    state.dialogueStage = 0;
    state.messageBuffer = "QUIBBLENT SEER runs away as you approach. Cannot take its \n"
                          "flesh. Gruuuhhhh...";
  } else if (state.currentFeature->visitState == 0) {
    state.messageBuffer = "You cautiously approach the QUIBBLENT SEER. She looks at you \n"
                          "with eyes that seem to bore right through the very core of \n"
                          "your soul. Slowly, deliberately, as though she has not \n"
                          "spoken in eons, she rasps: 'Thirty gold to have your \n"
                          "QUIBBLENT read.' \n"
                          "Pay 30 gold? (Y/N)";
  } else {
    state.messageBuffer = "You approach the QUIBBLENT SEER. 'You know the deal. Thirty \n"
                          "gold to have your QUIBBLENT read.' Pay 30 gold? (Y/N)";
  }
}

void greetKingSword(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.dialogueStage = 0;
    state.messageBuffer = "Creature of metal, not flesh. No good to eat.";
    return;
  }
  state.messageBuffer = "Looking closer, it seems the ITEM you saw was actually a \n"
                        "SWORD OF KINGS!! (ATK: ?\?)\n"
                        "\n"
                        "Would you like to replace your current weapon, the \n" +
                        player.equipment[0].name + ", with it? (Y/N)";
}

void greetChef(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.dialogueStage = 0;
    state.messageBuffer = "The flesh is stored in the hat. Cannot eat this one.";
  } else if (!player.hasItem("HAT", 1)) {
    state.dialogueStage = 0;
    state.messageBuffer = "You approach the HATLESS CHEF. It is visibly distressed by \n"
                          "the loss of its HAT. It says the HAT was just on its head \n"
                          "a second ago, one of the other monsters must have taken it, \n"
                          "oh please won't you find its hat, it'd be ever so grateful!";
  } else {
    state.messageBuffer = "'My hat! That's my hat! Oh please oh please oh please oh \n"
                          "please won't you give it back?' \n"
                          "Return the hat? (Y/N)";
  }
}

bool floorCleared(const Floor& floorRecord) {
  return std::none_of(floorRecord.tileKinds.begin(), floorRecord.tileKinds.end(),
                      [](const std::string& kind) { return kind == "Mon" || kind == "MonExit"; });
}

void greetAccountant(GameState& state, Floor& floorRecord, PlayerRecord& player, int) {
  TileOccupant& occupant = *state.currentFeature;
  if (isZombie(player)) {
    state.dialogueStage = 0;
    state.messageBuffer = "Too powerful. Zombie might be dumb, but not *stupid*.\n"
                          "Don't try to eat.";
  } else if (occupant.visitState == 2) {
    state.messageBuffer = "'Hmm? You're not satisfied with your reward? I suppose I \n"
                          "could tear out your spine and offer it to you as a trophy, \n"
                          "if you really want. Now go away, I have work to do.'";
  } else if (occupant.visitState != 1) {
    state.messageBuffer = "You approach the POWERFUL-LOOKING BEING... It appears \n"
                          "surprised to see you. It looks you up and down, then \n"
                          "cackles - a painful, raspy sound. \n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else {
    state.loopFlag = floorCleared(floorRecord);
    const bool hasStack = std::find(player.inventoryNames.begin(), player.inventoryNames.end(), "STAPLE REMOVER") !=
                          player.inventoryNames.end();
    if (!state.loopFlag) {
      state.messageBuffer = "'The floor is not yet cleared. Until you have done so, \n"
                            "please do not waste my time.'";
    } else if ((player.inventoryFull() && !hasStack) ||
               (hasStack && player.hasItem("STAPLE REMOVER", kStackLimit))) {
      // Mended: a full STAPLE REMOVER stack is held back like a full pack, so
      // the reward is never announced and then lost.
      state.messageBuffer = "'Ah, I see you've done as I requested. Yet I also note your \n"
                            "inventory is rather full. If you want your reward, you must \n"
                            "drop something first.'";
    } else {
      player.gainItem("STAPLE REMOVER", 1);
      occupant.visitState = 2;
      state.messageBuffer = "'Ah, I see you've done as I requested. Very good. \n"
                            "Here, take this.' You got a STAPLE REMOVER!";
    }
  }
}

void greetConsoom(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.dialogueStage = 0;
    state.messageBuffer = "A fellow consumer. Have great respect for. Wave at.";
  } else if (state.currentFeature->visitState < 4) {
    state.messageBuffer = "You approach the CONSUMPTION ELEMENTAL. It slowly turns to \n"
                          "look at you, then grumbles hungrily. 'FEED ME. FEED ME. \n"
                          "FEED ME.' Will you feed the CONSUMPTION ELEMENTAL one of \n"
                          "your items? (Y/N)";
  } else {
    state.messageBuffer = "The CONSUMPTION ELEMENTAL appears satisfied with its meal. \n"
                          "There's no need to feed it any more.";
  }
}

constexpr std::array<std::pair<const char*, Greeter>, 13> kGreeters = {{
    {"Academic", greetAcademic},
    {"Convict", greetConvict},
    {"Opportunist", greetOpportunist},
    {"Wise1", greetWise},
    {"Wise2", greetWise},
    {"Wise3", greetWise},
    {"Worgleton", greetWorgleton},
    {"Warlock", greetWarlock},
    {"Seer", greetSeer},
    {"KingSword", greetKingSword},
    {"Chef", greetChef},
    {"Accountant", greetAccountant},
    {"Consoom", greetConsoom},
}};

}  // namespace

void enterCharacterTile(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  TileOccupant& occupant = floorRecord.tileOccupants[static_cast<std::size_t>(direction)];
  state.currentFeature = &occupant;
  state.dialogueStage = occupant.stateCode;
  for (const auto& [key, greet] : kGreeters) {
    if (key != nullptr && occupant.key == key) return greet(state, floorRecord, player, direction);
  }
  if (!enterLaterCharacter(state, floorRecord, player, direction, occupant.key)) state.messageBuffer = "error???";
}
