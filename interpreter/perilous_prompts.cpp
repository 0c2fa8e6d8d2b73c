#include "interpreter/perilous_prompts.h"

#include "interpreter/class_choice.h"
#include "interpreter/prompt_answers.h"
#include "interpreter/start_prompts.h"
#include "world/floor_generator.h"
#include "world/game_state.h"

namespace {

constexpr int kDeathPrompt = 16;

// The VORTEX spares the way down and the way out: the stairs, the final
// monster's tile and, once that monster is beaten, the stairs out of the
// dungeon, without which the run could never be won.
bool survivesTheVortex(const std::string& kind) {
  return kind == "Exit" || kind == "FinalMon" || kind == "FinalStairs" || kind == "FinalExit";
}

// Quibblents the FOUNTAIN OF RESTORATION washes away.
bool washedAway(const std::string& word) {
  return word == "FLAMING" || word == "CONFUSED" || word == "STARVING" || word == "DAMNED" || word == "FLAMMABLE" ||
         word == "HIGHLY FLAMMABLE";
}

int plasmaBlast(GameState& state) { return static_cast<int>(state.random() % 21) + 60; }

const char kPlasmaBoom[] = "You activate the PLASMA BARREL and duck for cover.\n"
                           "FWOOOOOOOOOOOOOOOOOOSSHHH!!!!!\n"
                           "For a moment, everything goes white.\n"
                           "All monsters on the current floor take massive damage!\n";
const char kAshes[] = " are the ashes of a vaporized enemy.";

void plasmaSweepsTheFloor(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  for (int tile = 0; tile < static_cast<int>(floorRecord.tileCreatures.size()); ++tile) {
    Creature& creature = floorRecord.tileCreatures[tile];
    creature.hp -= plasmaBlast(state);
    if (creature.quibblent == "HIGHLY FLAMMABLE") creature.hp = 0;
    std::string& kind = floorRecord.tileKinds[tile];
    if (creature.hp <= 0 && (kind == "Mon" || kind == "MonExit")) {
      removeCreatureKilledByBlast(state, floorRecord, player, tile);
    } else if (kind == "NPC" && floorRecord.tileOccupants[tile].key == "Warlock") {
      kind.clear();
      floorRecord.tileTexts[tile] = kAshes;
    }
  }
}

}  // namespace

std::string answerCurseTakesHold(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  player.changeQuibblent("CURSED", state, false);
  state.pendingPrompt = 0;
  return "You are now CURSED!!\n"
         "You will take 1 damage every turn - this effect cannot be\n"
         "removed. You will no longer be able to change QUIBBLENT.\n"
         "Additionally, your life-force is now limited; every turn,\n"
         "you will get a little bit weaker.\n"
         "This is very bad. You should not have come here.";
}

std::string answerAfterVortex(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.pendingPrompt = kNoPrompt;
  player.hp = 1;
  for (Action& skill : player.skills) {
    if (skill.cooldownLeft < 10) skill.cooldownLeft = 10;
  }
  for (std::size_t tile = 0; tile < floorRecord.tileKinds.size(); ++tile) {
    std::string& kind = floorRecord.tileKinds[tile];
    if (kind == "MonExit") {
      kind = "Exit";
      floorRecord.tileTexts[tile] = " lies the dungeon stairs, now free to enter.";
    } else if (!survivesTheVortex(kind)) {
      kind.clear();
      floorRecord.tileTexts[tile] = " is absolute nothingness.";
    }
  }
  floorRecord.secretRoomKind = "Vortex";
  return "...When you come to, the dungeon floor is entirely empty.\n"
         "The stairs, luckily, are still there, but everything else\n"
         "is just... gone. An eerie feeling permeates the space. It\n"
         "will take some time for you to recover fully from this\n"
         "event, but still you consider yourself lucky to be alive.";
}

std::string answerAfterTeleporometer(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.pendingPrompt = kNoPrompt;
  state.auxCounter = 0;
  state.startNewRun(floorRecord, player.name, false);
  generateFloor(floorRecord, floorRecord.floorNumber, state.fateValue, player, -1);
  return "Blinking a bit to clear your eyes, you look around and see\n"
         "the dungeon layout has changed. In fact, it seems you \n"
         "have teleported to a different dungeon altogether!\n"
         "This may have unforeseen consequences...\n"
         "Luckily, you still seem to be on floor " +
         std::to_string(floorRecord.floorNumber) + ", at least.";
}

std::string answerNecronomicon(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      state.pendingPrompt = kNoPrompt;
      if (floorRecord.floorNumber >= 15) {
        return "Despite your better judgement, you flip to a random page \n"
               "and begin reading... But all the pages are blank. \n"
               "Huh. You were expecting more. Maybe all the text FADED AWAY \n"
               "with time?";
      }
      turnIntoZombie(player, kZombieByNecronomicon);
      return "Despite your better judgement, you flip to a random page \n"
             "and begin reading... Three words in, you pass out.\n"
             "As your body hits the floor, you begin to feel the dark \n"
             "energies within you growing... You rise again, with no \n"
             "thoughts except an inescapable hunger for the flesh of \n"
             "your enemies. Gruuuuhhhhhh...";
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return "You quickly shut the book and try to think about puppies.\n"
             "Well, you're not MAD yet, so that's good.";
    case YesNoAnswer::kNeither: break;
  }
  return "This book is extremely powerful and dangerous, you should \n"
         "not mess around with it! Y or N?";
}

std::string answerRestorationFountain(GameState& state, Floor& floorRecord, PlayerRecord& player,
                                      const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      state.pendingPrompt = kNoPrompt;
      const bool wasPoisoned = player.poisoned;
      player.poisoned = false;
      player.hp = player.maxHp;
      for (Action& skill : player.skills) {
        skill.cooldownLeft = 0;
        skill.uses = 0;
      }
      floorRecord.secretRoomKind = "FountUsed";
      // The cure of the poison stands on a line of its own.
      state.messageBuffer = "You bathe in the fountain... you feel fully RESTORED. \n"
                            "Full HP restored! All skills cooled down!\n";
      if (wasPoisoned) state.messageBuffer += "POISON cured!\n";
      if (washedAway(player.quibblent)) {
        state.messageBuffer += player.changeQuibblent("UNINTERESTING", state, false) + "\n";
      }
      state.messageBuffer += "You feel happy and pure. The fountain dries up... you didn't \n"
                             "realize it, but you must have been bathing in it for quite \n"
                             "some time!";
      return state.messageBuffer;
    }
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return "You leave the fountain be. It will be there if you need it.";
    case YesNoAnswer::kNeither: break;
  }
  return "The fountain sits there, implacable. It is not bothered by \n"
         "your ambivalence. Y or N - will you bathe in the fountain?";
}

std::string answerPlasmaBarrel(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      state.pendingPrompt = kNoPrompt;
      const bool shielded = player.imbuement == "MATCH";
      if (!shielded) {
        player.hp -= plasmaBlast(state);
        if (player.quibblent == "HIGHLY FLAMMABLE") {
          state.pendingPrompt = kDeathPrompt;
          player.hp = 0;
          state.pendingWord = "barrel";
          return "You activate the PLASMA BARREL and duck for cover.\n"
                 "...for a moment, nothing happens. Maybe it was a dud, or -\n"
                 "FWOOOOOOOOOOOOOOOOOOSSHHH!!!!!\n"
                 "You are instantly disintegrated in the blast. \n"
                 "Nice going, numbnuts!\n"
                 "[TYPE ANYTHING TO CONTINUE]";
        }
      }
      plasmaSweepsTheFloor(state, floorRecord, player);
      if (player.hp < 1) player.hp = 1;
      floorRecord.secretRoomKind = "BarrelUsed";
      state.messageBuffer = kPlasmaBoom;
      state.messageBuffer += shielded ? "You are completely unscathed. This IMBUENCE sure is useful!"
                                      : "Your HP is now " + std::to_string(player.hp) + " / " +
                                            std::to_string(player.maxHp) + ".";
      return state.messageBuffer;
    }
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return "You give the PLASMA BARREL a wide berth. \n"
             "This was probably the correct decision.";
    case YesNoAnswer::kNeither: break;
  }
  return "The screen on the front of the PLASMA BARREL blinks quietly \n"
         "at you. It reads: 'ACTIVATE? [Y] / [N]'.";
}
