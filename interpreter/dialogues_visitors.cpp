// The consumption elemental eats the hero's items until it is full and then
// grants its boon; WORGLETON asks the hero to greet his cousin, the tiny
// skull pranks the hero and gives a POTION, and the early visitor asks for
// the floor to be cleared.
#include <algorithm>
#include <array>
#include <string_view>

#include "interpreter/later_dialogue_rows.h"
#include "world/creature_rolls.h"
#include "world/game_state.h"
#include "world/word_match.h"

namespace {

constexpr const char* kNothingToFeedText =
    "...You don't have any ITEMS to offer! \n"
    "Looks like the CONSUMPTION ELEMENTAL isn't getting fed today.";
constexpr const char* kLeaveElementalText =
    "You decide to leave the CONSUMPTION ELEMENTAL alone.\n"
    "Frankly it was starting to weird you out.";
constexpr const char* kFeedMeText =
    "'FEED ME.' Will you feed the CONSUMPTION ELEMENTAL \n"
    "one of your items? (Y/N)";
constexpr const char* kEmptySlotText =
    "You don't have anything in that slot!\n"
    "You decide not to feed the CONSUMPTION ELEMENTAL anything.";
constexpr const char* kFeedNothingText = "You decide not to feed the CONSUMPTION ELEMENTAL anything.";

// The rich items fill the elemental twice as fast; a SPECIAL POTION or a HAT
// does not fill it at all, as it says itself.
constexpr std::array<std::string_view, 5> kFillingItems = {"CALCULATOR", "CONTRACT", "LAUGHING GAS",
                                                           "GHAST-BUSTER", "TOME OF WISDOM"};
constexpr std::array<std::string_view, 2> kUnfillingItems = {"SPECIAL POTION", "HAT"};

// Past this fullness the elemental grants its boon.
constexpr int kElementalFull = 3;

std::string askFeeding(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      state.dialogueStage = 24;
      state.messageBuffer = "Select an item - ";
      for (std::size_t slot = 0; slot < player.inventoryNames.size(); ++slot) {
        const int count = slot < player.inventoryCounts.size() ? player.inventoryCounts[slot] : 0;
        state.messageBuffer +=
            std::to_string(slot + 1) + ": " + player.inventoryNames[slot] + " (" + std::to_string(count) + ")\n";
      }
      if (player.inventoryNames.empty()) {
        state.dialogueStage = 0;
        state.messageBuffer = kNothingToFeedText;
      }
      return state.messageBuffer;
    }
    case YesNoAnswer::kNo:
      state.dialogueStage = 0;
      return kLeaveElementalText;
    case YesNoAnswer::kNeither:
      break;
  }
  return kFeedMeText;
}

std::string eatItem(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  const std::string item = player.inventoryNames[static_cast<std::size_t>(state.auxCounter)];
  state.pendingWord = item;
  player.loseItem(item);
  state.dialogueStage = 23;
  TileOccupant& elemental = floorRecord.tileOccupants[talkTile(state)];
  if (isOneOf(item, kFillingItems)) {
    elemental.visitState += 2;
  } else if (!isOneOf(item, kUnfillingItems)) {
    elemental.visitState += 1;
  }
  const int fullness = elemental.visitState;

  if (isOneOf(item, kUnfillingItems)) {
    return "The CONSUMPTION ELEMENTAL consumes your " + item +
           ". \n"
           "'NO... NOT GOOD FOOD. NOT FILLING. FEED ME MORE! \n"
           "FEED ME BETTER!' \n"
           "Feed it another item? (Y/N)";
  }
  if (item == "VORTEX") {
    state.dialogueStage = 0;
    emptyTalkTile(state, floorRecord, " is absolute nothingness.");
    return "The CONSUMPTION ELEMENTAL attempts to eat your VORTEX... \n"
           "It begins to scream in pain as its CONSUMPTIVE ENERGIES \n"
           "react negatively with those of the item. After a moment, the \n"
           "competing energies cancel out and they both disappear \n"
           "with a 'pop'.";
  }
  if (item == "NECRONOMICON") {
    state.dialogueStage = 40;
    const int tile = talkTile(state);
    floorRecord.tileKinds[tile] = "Mon";
    floorRecord.tileCreatures[tile] = rollCreature(0, state.fateValue);
    return "The CONSUMPTION ELEMENTAL ingests the hell out of your \n"
           "NECRONOMICON. After a moment, it begins to shift and contort \n"
           "in a way that looks quite painful. Suddenly, it transforms \n"
           "into a ZOMBIE! \n"
           "[TYPE ANYTHING TO CONTINUE]";
  }
  if (item == "TELEPOROMETER") {
    state.dialogueStage = 25;
    return "The CONSUMPTION ELEMENTAL chows down on your TELEPOROMETER.\n"
           "Unfortunately, it happens to bite the big red button, and -";
  }
  if (fullness > kElementalFull) {
    state.dialogueStage = 26;
    return "The CONSUMPTION ELEMENTAL gormandizes your " + item +
           ". \n"
           "'YES! YES! YES! EAT MUCH GOOD. SO MUCH CONSUME! YES! YOU. \n"
           "YOU GET REWARD.' [TYPE ANYTHING TO CONTINUE]";
  }
  if (fullness == kElementalFull) {
    return "The CONSUMPTION ELEMENTAL gobbles down your " + item +
           ". \n"
           "'FOOD! FOOD! FOOD! SO CLOSE TO FULL. JUST ONE MORE...' \n"
           "Feed it another item? (Y/N)";
  }
  if (fullness == 2) {
    return "The CONSUMPTION ELEMENTAL devours your " + item +
           ".\n"
           "'OH YES! SUCH FOOD. VERY GOOD. BUT NEED MORE. MORE! MORE!!!'\n"
           "Feed it another item? (Y/N)";
  }
  return "The CONSUMPTION ELEMENTAL wolfs down your " + item +
         ". \n"
         "'YES! FOOD. FEED ME MORE. MORE!'\n"
         "Feed it another item? (Y/N)";
}

std::string chooseFood(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  if (line.size() == 1 && line[0] >= '1' && line[0] <= '6') {
    const std::size_t slot = static_cast<std::size_t>(line[0] - '1');
    // Only a slot holding a name can be fed; the counts always run to six.
    if (slot < player.inventoryNames.size()) {
      state.auxCounter = static_cast<int>(slot);
      return eatItem(state, floorRecord, player);
    }
    state.dialogueStage = 0;
    return kEmptySlotText;
  }
  state.dialogueStage = 0;
  return kFeedNothingText;
}

std::string teleporometerGone(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string&) {
  state.dialogueStage = 0;
  emptyTalkTile(state, floorRecord, ", there is nothing at all.");
  return "Yep, it's gone. And so is your TELEPOROMETER. \n"
         "You'll probably never see either of them again. Oh well.";
}

std::string grantBoon(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.dialogueStage = 0;
  floorRecord.tileOccupants[talkTile(state)].stateCode = 0;
  // The boon is granted either way: EAT must survive a later change of
  // quibblent even when it comes in through the replace question.
  player.boonOfConsumption = true;
  if (player.skills.size() >= static_cast<std::size_t>(kSkillLimit) && !player.knowsSkill("EAT")) {
    state.auxCounter = 0;
    state.pendingWord = "EAT";
    state.pendingPrompt = 48;
    return "The CONSUMPTION ELEMENTAL gazes at you, and your body starts \n"
           "to shudder. You have been granted a BOON OF CONSUMPTION! \n"
           "You could gain permanent access to the EAT skill, but you \n"
           "have 6 skills already. Would you like to replace one? (Y/N)";
  }
  player.learnSkill("EAT");
  return "The CONSUMPTION ELEMENTAL gazes at you, and your body starts \n"
         "to shudder. You have been granted a BOON OF CONSUMPTION! \n"
         "You now have permanent access to the EAT skill.";
}

std::string worgletonAsks(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 14;
  return "'gurgle... hello... not enemy, visiting cousin... somewhere \n"
         "around here... WOMBLETON WAMBLEFLUMP is name... took up \n"
         "business in item-dealing... we are all so proud... but never \n"
         "returns our letters... wanted to catch up... auntie \n"
         "WUNGRULZUN WUMWIGGLAS gets so worried about him...' \n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string worgletonLeaves(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string&) {
  state.dialogueStage = 0;
  TileOccupant& cousin = floorRecord.tileOccupants[talkTile(state)];
  cousin.visitState = 1;
  cousin.stateCode = 0;
  state.cousinGreeting = 1;
  return "'if you see... my cousin... say 'hi' from me... and cousin \n"
         "WIMFLESJAN WOSFUDGELY... and grandma WHEARMARGLAN \n"
         "WARHARSARBARGAR... and great-uncle WEZZENFLEZZEN \n"
         "WARZANHAULERNERFLIRKDURNSTERN... ok...?'";
}

std::string wombletonHearsOfCousin(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 0;
  state.pendingPrompt = 10;
  return "Nevertheless, after considering for a moment, WOMBLETON \n"
         "beams a sense of gratitude directly into your mind for \n"
         "letting him know. He decides to offer you a discount on \n"
         "future items offered.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string skullLeftEarly(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 0;
  return "Nope. You walk away from the cute tiny skull before it even \n"
         "has a chance to do anything.";
}

std::string skullScreams(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 29;
  return "'SSSSSKRRRRRREEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE!!! \n"
         "EEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE\n"
         "HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE\n"
         "HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE\n"
         "HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE\n"
         "HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE HEE!'";
}

std::string skullLaughs(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 30;
  return "'Heeheeheehee! Oooh, I got you sooo good! You shoulda seen \n"
         "the look on your face! That was so so fun! You were soooooo \n"
         "scared, you were like, \"AAAAAAAAAAAAAAAAA! I'm scared!\" \n"
         "Hee hee hee!' \n"
         "[TYPE ANYTHING TO CONTINUE]";
}

int potionsHeld(const PlayerRecord& player) {
  for (std::size_t slot = 0; slot < player.inventoryNames.size() && slot < player.inventoryCounts.size(); ++slot) {
    if (player.inventoryNames[slot] == "POTION") return player.inventoryCounts[slot];
  }
  return 0;
}

std::string skullGives(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.dialogueStage = 0;
  emptyTalkTile(state, floorRecord, ", there is nothing at all.");
  state.messageBuffer = "'I can't wait till I can tell my friends about this! They'll \n"
                        "be soooo jealous that I got to spook a real live adventurer! \n";
  // The POTION is only announced when it really went into the bag: a full
  // bag without POTIONs, or a full stack of them, keeps it out.
  const int before = potionsHeld(player);
  if (!player.inventoryFull() || before > 0) {
    player.gainItem("POTION", 1);
  }
  if (potionsHeld(player) > before) {
    state.messageBuffer += "Here, I want you to have this! Hee hee hee!' \n"
                           "You got a POTION! ";
  } else {
    state.messageBuffer += "Thanks a lot. You really made my day!'\n";
  }
  state.messageBuffer += "The TINY SKULL floats away giggling.";
  return state.messageBuffer;
}

std::string visitorSpeaks(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string&) {
  state.dialogueStage = 22;
  TileOccupant& visitor = floorRecord.tileOccupants[talkTile(state)];
  visitor.stateCode = 0;
  visitor.visitState = 1;
  return "'Bold of you to approach... You're not supposed to see me so \n"
         "early. Perhaps I can make use of you. I am attempting to \n"
         "reconfigure the physics of this floor to better suit \n"
         "regulations... but the monsters here are rather a nuisance.'\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string visitorOffersDeal(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 0;
  return "'I am very busy. I do not have time to engage in tedious \n"
         "combat. You, on the other hand, seem like you might enjoy \n"
         "such a thing. I offer a deal: clear the floor for me, and I \n"
         "shall give you something. I expect this is amenable to you.'";
}

constexpr LaterStageRow kVisitorStages[] = {
    {13, worgletonAsks},   {14, worgletonLeaves},    {21, visitorSpeaks},     {22, visitorOffersDeal},
    {23, askFeeding},      {24, chooseFood},         {25, teleporometerGone}, {26, grantBoon},
    {27, skullLeftEarly},  {28, skullScreams},       {29, skullLaughs},       {30, skullGives},
    {38, wombletonHearsOfCousin},
};

}  // namespace

std::span<const LaterStageRow> visitorStages() { return kVisitorStages; }
