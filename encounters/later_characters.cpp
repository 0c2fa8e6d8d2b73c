// The skull, the peanut, JOHNNY THE POTION, GROGGUM JOHN's pub, the MIND
// FLAYER, the QUIBBLEX, a CHEESEBURGER, the LOST OGRE and the being that
// only a cursed hero or a ZOMBIE can see: how each greets the hero and
// which talk, fight or nothing follows.
#include "encounters/later_characters.h"

#include <algorithm>

#include "encounters/worn_quibblent.h"
#include "world/game_state.h"

namespace {

struct Meeting {
  GameState& state;
  Floor& floorRecord;
  PlayerRecord& player;
  int tile;
  TileOccupant& occupant;

  bool zombie() const { return player.playerClass == "ZOMBIE"; }
  // The talk goes on where the occupant's own chain starts.
  void talk() const { state.dialogueStage = occupant.stateCode; }
  void say(const std::string& text) const { state.messageBuffer = text; }
  void silence(const std::string& text) const {
    state.dialogueStage = 0;
    say(text);
  }
  void clearTile(const char* text) const { floorRecord.clearTile(tile, text); }
};

using Greeting = void (*)(const Meeting& meeting);

constexpr const char* kSkullGreeting = "You approach the TINY SKULL. It's so tiny! It bobs up and down \n"
                                       "in the air, no bigger than your fist, with its little jaw \n"
                                       "clacking away happily. Look at its teeny eye sockets! Look at \n"
                                       "its itty bitty cheekbones! You have never seen anything so \n"
                                       "small and so cute in all your life. You want to scoop it up, \n"
                                       "take it home, name it Mr. Skullsy and";

void greetSkull(const Meeting& m) {
  if (m.zombie()) return m.silence("Creature is too small. Not worth taking flesh.");
  if (m.player.hasItem("GHAST-BUSTER", 1)) {
    m.clearTile(", there is nothing at all.");
    return m.silence("The TINY SKULL sees your GHAST-BUSTER and freaks out. \n"
                     "It zooms away to a far corner of the dungeon floor, out of \n"
                     "your reach. No fun NPC interaction for you this time!");
  }
  // The skull's prank follows once the greeting has stood for a moment.
  m.state.clockNow = GameState::Clock::now();
  m.talk();
  m.say(kSkullGreeting);
}

constexpr const char* kPeanutGreeting = "You approach the GIANT PEANUT. It's so beautiful. Its shell \n"
                                        "gleams softly in the torchlight, every ridge and dimple \n"
                                        "exactly where it ought to be. Few adventurers in all of \n"
                                        "history have been granted the sight of so rare and perfect an \n"
                                        "object. You feel humbled just standing in its presence. \n"
                                        "[TYPE ANYTHING TO CONTINUE]";

// Entry of PlayerRecord::curedDiseases that marks the peanut allergy as cured.
constexpr std::size_t kPeanutAllergy = 28;

void greetPeanut(const Meeting& m) {
  if (m.zombie()) return m.silence("Big peanut, not flesh. Not interesting.");
  if (m.occupant.visitState != 1) {
    m.talk();
    m.occupant.visitState = 1;
    m.occupant.stateCode = 56;
    return m.say(kPeanutGreeting);
  }
  if (m.player.curedDiseases[kPeanutAllergy]) {
    m.talk();
    return m.say("Could it be? With the allergies cleared from your system, \n"
                 "could it really be true that you are free to touch the GIANT \n"
                 "PEANUT? After all that misery, the only thing you needed was \n"
                 "a FOUNTAIN OF CLEANSING to make you pure? There is only one \n"
                 "way to find out. [TYPE ANYTHING TO CONTINUE]");
  }
  m.silence("You can't even approach the GIANT PEANUT. Thinking about \n"
            "your ALLERGIC REACTION, and your consequent inability to \n"
            "touch its perfect surface, is just too horrible.");
}

void greetJohnny(const Meeting& m) {
  if (m.zombie()) {
    m.player.hp = std::max(m.player.hp, m.player.maxHp);
    m.clearTile(" is some broken glass.");
    m.state.combatState = 0;
    return m.silence("You drink the POTION. Full HP restored. \n"
                     "Hmm. Tastes like failed vengeance. Would have preferred if \n"
                     "it tasted like flesh, though.");
  }
  m.floorRecord.tileKinds[m.tile] = "Mon";
  m.floorRecord.tileCreatures[m.tile] = Creature("JOHNNY THE", "POTION", 0);
  m.talk();
  m.say("You cautiously approach the POTION. It frowns at you and \n"
        "speaks in a voice as cold as steel. \n"
        "'Hello. My name is JOHNNY THE POTION. You killed my brother. \n"
        "Prepare to die.' \n"
        "[TYPE ANYTHING TO CONTINUE]");
}

void greetGroggum(const Meeting& m) {
  if (m.zombie()) {
    return m.silence("Smells like flesh inside the grog shop. But the door is \n"
                     "locked tight. Must find flesh elsewhere.");
  }
  m.talk();
  if (m.occupant.visitState == 0) {
    return m.say("The sign outside reads 'GROGGUM JOHN'S PUB & ORTHODONTIST'. \n"
                 "Uh huh. You step inside to find the pub half, unsurprisingly, \n"
                 "empty. A very smelly man is polishing a glass behind the \n"
                 "counter. He introduces himself as GROGGUM JOHN. \n"
                 "[TYPE ANYTHING TO CONTINUE]");
  }
  m.say("'FI'TEEN GOL' fo' a 'int o' GROG. An' m' 'ates fo' doon' \n"
        "fillin's va'ies.' Do you want to buy GROG for 15 gold? (Y/N)");
}

void greetFlayer(const Meeting& m) {
  if (m.zombie()) {
    m.player.changeQuibblent("CONFUSED", m.state, false);
    return m.silence("Very strange creature. Don't understand. CONFUSING to look \n"
                     "at. Gruuuuhhh...");
  }
  m.talk();
  if (m.occupant.visitState == 0) {
    return m.say("You approach the MIND FLAYER, ready for combat... It doesn't \n"
                 "attack, though. It just stands there. Staring at you with \n"
                 "its little beady eyes. It seems almost like it hasn't \n"
                 "noticed you. [TYPE ANYTHING TO CONTINUE]");
  }
  m.say("Oh hell no. You're just going to leave that MIND FLAYER \n"
        "alone from now on.");
}

void greetQuibblex(const Meeting& m) {
  if (m.zombie()) {
    return m.silence("You have no interest in QUIBBLENTAL FRACTALS. All you desire \n"
                     "is flesh. Gruuuhhhh...");
  }
  m.talk();
  m.say("You approach the QUIBBLEX. It thrums with QUIBBLENTAL AURAS. \n"
        "Would you like to jump in? (Y/N)");
}

constexpr const char* kBurgerGone = " was once a BURGER, but now there is nothing.";

bool isHungry(const std::string& word) { return word == "STARVING" || word == "RAVENOUS"; }

void greetBurger(const Meeting& m) {
  if (m.zombie()) {
    m.clearTile(kBurgerGone);
    return m.silence("Tastes ok, but not as good as flesh.");
  }
  std::string text = "Hey, someone left a perfectly good CHEESEBURGER lying around \n"
                     "on the dusty dungeon floor! What a waste.\n";
  PlayerRecord& player = m.player;
  if (player.equipment.size() < 2) player.equipment.resize(2);
  if (isHungry(player.quibblent)) {
    m.clearTile(kBurgerGone);
    m.state.dialogueStage = 0;
    const std::string change = player.changeQuibblent("VOLUMINOUS", m.state, false);
    text += "Your HUNGER outweighs your sense, and you wolf down the \n"
            "CHEESEBURGER without even pausing to wait for a Y/N prompt.\n" +
            change;
  } else if (isHungry(player.equipment[0].quibblent)) {
    m.clearTile(kBurgerGone);
    m.state.dialogueStage = 0;
    changeWornQuibblent(player, 0, "VOLUMINOUS");
    text += "Your SWORD leaps ahead to chomp it down before you can do \n"
            "anything. It seems to find the meal both satisfying and \n"
            "fattening! You are now holding a " +
            player.equipment[0].name + ".";
  } else if (isHungry(player.equipment[1].quibblent)) {
    m.clearTile(kBurgerGone);
    m.state.dialogueStage = 0;
    changeWornQuibblent(player, 1, "VOLUMINOUS");
    text += "Your ARMOR leaps ahead to chomp it down before you can do \n"
            "anything. It seems to find the meal both satisfying and \n"
            "fattening! You are now wearing a " +
            player.equipment[1].name + ".";
  } else {
    m.talk();
    text += "Would you like to EAT the CHEESEBURGER? (Y/N)";
  }
  m.say(text);
}

bool floorCleared(const Floor& floorRecord) {
  return std::none_of(floorRecord.tileKinds.begin(), floorRecord.tileKinds.end(),
                      [](const std::string& kind) { return kind == "Mon" || kind == "MonExit"; });
}

void greetOgre(const Meeting& m) {
  if (m.zombie()) {
    m.floorRecord.tileKinds[m.tile] = "Mon";
    m.floorRecord.tileCreatures[m.tile] = Creature("FRIGHTENED", "OGRE", m.floorRecord.floorNumber);
    m.state.currentEnemy = m.floorRecord.tileCreatures[m.tile];
    m.state.combatState = 1;
    return m.silence("The LOST OGRE freaks out at your approach, becoming \n"
                     "FRIGHTENED! You will have the upper hand in this combat \n"
                     "encounter.\n"
                     "[TYPE ANYTHING TO CONTINUE]");
  }
  if (m.occupant.visitState != 1) {
    m.talk();
    return m.say("You approach the LOST OGRE. It looks like it's not really \n"
                 "supposed to be here. It explains that it's meant to be on \n"
                 "floor #4 right now, but got turned around and now it's not \n"
                 "sure how to get back. [TYPE ANYTHING TO CONTINUE]");
  }
  if (floorCleared(m.floorRecord)) {
    m.talk();
    return m.say("The LOST OGRE, seeing your success in clearing the floor, \n"
                 "thanks you gruffly. As a reward, it shows you a side path \n"
                 "you hadn't noticed before. At the end is a FOUNTAIN OF \n"
                 "ELITE!! The OGRE wanders off, leaving you alone with the \n"
                 "FOUNTAIN. [TYPE ANYTHING TO CONTINUE]");
  }
  m.silence("The LOST OGRE reminds you that it cannot safely leave unless \n"
            "you clear the floor. It's obviously uncomfortable with \n"
            "taking the 'damsel in distress' role here, so it would \n"
            "prefer you do so as fast as possible.");
}

void greetHiddenBeing(const Meeting& m) {
  if (m.zombie()) {
    m.state.dialogueStage = 36;
    return m.say("'You! Come over here. Hah, look at you. Been playing around \n"
                 "a bit too much with the NECRONOMICON, hmm? Oh, how wonderful. \n"
                 "I'm so pleased. You look great, absolutely stunning. I \n"
                 "almost envy you. Ha! Just kidding. Look, come closer.' \n"
                 "[TYPE ANYTHING TO CONTINUE]");
  }
  if (m.player.quibblent != "CURSED") {
    m.clearTile(", there is nothing at all.");
    return m.silence(kNothingImportantText);
  }
  m.talk();
  m.say("'You. Come over here. You can see me, yes? Good. I don't \n"
        "normally like to make myself seen, but perhaps it's worth \n"
        "making an exception now and then. What do you say? Just \n"
        "a little chat, no stakes, no fighting?' \n"
        "[TYPE ANYTHING TO CONTINUE]");
}

struct CharacterRow {
  const char* key;
  Greeting greet;
};

constexpr CharacterRow kLaterCharacters[] = {
    {"BabyGhast", greetSkull}, {"Peanut", greetPeanut},   {"Johnny", greetJohnny},
    {"Groggum", greetGroggum}, {"Flayer", greetFlayer},   {"Quibblex", greetQuibblex},
    {"Burger", greetBurger},   {"Ogre", greetOgre},       {"?", greetHiddenBeing},
};

}  // namespace

bool enterLaterCharacter(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction,
                         const std::string& occupantKey) {
  if (direction < 0 || direction >= kTileCount) return false;
  for (const CharacterRow& row : kLaterCharacters) {
    if (occupantKey == row.key) {
      TileOccupant& occupant = floorRecord.tileOccupants[direction];
      row.greet(Meeting{state, floorRecord, player, direction, occupant});
      return true;
    }
  }
  return false;
}
