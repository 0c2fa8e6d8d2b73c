// Encounters where the hero may gain something at a risk: the ANGRY GUY's
// pockets, the PUGNACIOUS RUFFIAN's two weapons, the SWORD OF KINGS among the
// rats, and the maker of the CURSE, who drains the hero or, meeting a
// ZOMBIE, strengthens it.
#include <algorithm>

#include "interpreter/later_dialogue_rows.h"
#include "world/game_state.h"

namespace {

// The curse maker's mark on the hero's status text.
const std::vector<float> kCurseColour = {80.0f, 10.0f, 80.0f};

int heldCount(const PlayerRecord& player, const std::string& item) {
  for (std::size_t slot = 0; slot < player.inventoryNames.size() && slot < player.inventoryCounts.size(); ++slot) {
    if (player.inventoryNames[slot] == item) return player.inventoryCounts[slot];
  }
  return 0;
}

std::string pickPockets(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  TileOccupant& angryGuy = floorRecord.tileOccupants[talkTile(state)];
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      angryGuy.visitState = 2;
      angryGuy.stateCode = 40;
      state.dialogueStage = 0;
      state.messageBuffer = "Deftly, you reach into the ANGRY GUY's pockets, being \n"
                            "cautious not to alert him...\n";
      state.auxCounter = static_cast<int>(state.random() % 40) + 60;
      player.gold += state.auxCounter;
      state.messageBuffer += "You found " + std::to_string(state.auxCounter) + " gold";
      state.offeredItem = ItemRecord("Small", floorRecord.floorNumber);
      state.offeredItem.quantity = 1;
      state.offeredItem.rollConsumable(false, player.inventoryNames, player.inventoryCounts, state.potionsForSale);
      const std::string& item = state.offeredItem.name;
      const int before = heldCount(player, item);
      if (before > 0 || !player.inventoryFull()) {
        player.gainItem(item, 1);
      }
      // Named only when it really went into the bag.
      if (heldCount(player, item) > before) state.messageBuffer += " and a " + item;
      state.messageBuffer += "!! \n"
                             "He seems none the wiser.";
      return state.messageBuffer;
    }
    case YesNoAnswer::kNo:
      state.dialogueStage = 0;
      angryGuy.visitState = 1;
      return "You sneak back to the center. The ANGRY GUY continues not \n"
             "to notice you, muttering something under his breath about \n"
             "DEF values.";
    case YesNoAnswer::kNeither:
      break;
  }
  return "You shouldn't dawdle here; he might notice you. \n"
         "Would you like to pick the ANGRY GUY's pockets? (Y/N)";
}

std::string ruffianNoticed(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 49;
  return "It looks like he can't decide which weapon is better. You \n"
         "might be able to help him choose, but he doesn't look like a \n"
         "very friendly sort of person. Intervening could be risky. \n"
         "Will you help the PUGNACIOUS RUFFIAN? (Y/N)";
}

std::string helpRuffian(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      state.dialogueStage = 50;
      return "You clear your throat and introduce yourself to the \n"
             "PUGNACIOUS RUFFIAN. You explain that you're a fellow \n"
             "explorer plumbing the depths of the QUIBBLENT RUDIRUVU, and \n"
             "you happen to know a thing or two about weapon selection. He \n"
             "looks at you impatiently, like he wants you to get to the \n"
             "point, but he's not hostile yet. [TYPE ANYTHING TO CONTINUE]";
    case YesNoAnswer::kNo:
      state.dialogueStage = 0;
      floorRecord.tileOccupants[talkTile(state)].visitState = 1;
      return "You sneak back to the center. The PUGNACIOUS RUFFIAN \n"
             "continues not to notice you, muttering something under his \n"
             "breath about ATK values.";
    case YesNoAnswer::kNeither:
      break;
  }
  return "You're starting to get anxious about loitering around this \n"
         "guy. You should hurry up and decide; will you help the \n"
         "PUGNACIOUS RUFFIAN? (Y/N)";
}

std::string showRuffianWeapons(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string&) {
  state.dialogueStage = 51;
  state.offeredItem = ItemRecord("Weapon", floorRecord.floorNumber + 1);
  state.offeredItem2 = ItemRecord("Weapon", floorRecord.floorNumber + 2);
  return "You examine the two weapons; they appear to be: \n"
         "(1) a " +
         state.offeredItem.name +
         "\n"
         "(2) a " +
         state.offeredItem2.name +
         "\n"
         "You say that, based on your extensive research on QUIBBLENTAL \n"
         "PROPERTIES, you think that the better choice would be... \n"
         "[TYPE '1' OR '2']";
}

std::string recommendWeapon(const std::string& kept, const std::string& dropped) {
  return "You suggest as confidently as you can that the \n" + kept +
         " would be the better one. \n"
         "He stares at you for a long, long moment. Then, finally, he \n"
         "shrugs and drops the " +
         dropped +
         " carelessly. \n"
         "Then he walks off, silently, without even so much as a \n"
         "thank you. [TYPE ANYTHING TO CONTINUE]";
}

std::string chooseRuffianWeapon(GameState& state, Floor&, PlayerRecord&, const std::string& line) {
  const std::string& first = state.offeredItem.name;
  const std::string& second = state.offeredItem2.name;
  if (line == "1") {
    state.dialogueStage = 52;
    state.loopFlag = false;
    return recommendWeapon(first, second);
  }
  if (line == "2") {
    state.dialogueStage = 52;
    state.loopFlag = true;
    return recommendWeapon(second, first);
  }
  return "The PUGNACIOUS RUFFIAN doesn't understand your answer.\n"
         "Not only that, he's starting to look like he's about ready \n"
         "to stab you to death with both weapons at once if you don't \n"
         "hurry up. Choose one: \n"
         "(1) " +
         first +
         "\n"
         "(2) " +
         second;
}

std::string offerDroppedWeapon(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.dialogueStage = 0;
  state.pendingPrompt = 4;
  if (!state.loopFlag) state.offeredItem = state.offeredItem2;
  emptyTalkTile(state, floorRecord, " was once an ITEM, but now there is nothing.");
  const std::string wielded = player.equipment.empty() ? std::string() : player.equipment[0].name;
  return "If you want, you could take the " + state.offeredItem.name +
         " \n"
         "(ATK: " +
         std::to_string(state.offeredItem.attack) +
         ") before the weapon-consuming rats get to it, \n"
         "replacing your " +
         wielded +
         ". \n"
         "Will you do so? (Y/N)";
}

std::string takeSwordOfKings(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: {
      player.wieldsSwordOfKings = true;
      emptyTalkTile(state, floorRecord, " is nothing but the wind.");
      state.dialogueStage = 0;
      const std::string wielded = player.equipment.empty() ? std::string() : player.equipment[0].name;
      state.messageBuffer = "You successfully replaced the " + wielded +
                            " with \n"
                            "the SWORD OF KINGS.\n" +
                            "Your ATK is now ?? and your DEF is now " + std::to_string(player.defence) + ".";
      return state.messageBuffer;
    }
    case YesNoAnswer::kNo:
      state.dialogueStage = 0;
      return "You throw the weapon away. Surprisingly the weapon-consuming \n"
             "rats don't seem interested; the SWORD OF KINGS just lies \n"
             "there, still available if you want to pick it up later. \n"
             "How bizarre.";
    case YesNoAnswer::kNeither:
      break;
  }
  return "Cut it out, jerkwad. Y or N?";
}

std::string curseMakerBoasts(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 32;
  return "'You found the CURSE, did you? Yes, that one was my \n"
         "handiwork. How are you liking it so far? I'm quite proud of \n"
         "it, myself. Has your skin started to deliquesce yet? Oh, \n"
         "don't worry about that, it will soon enough.'\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string curseMakerWarns(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 33;
  return "'I don't suppose you're looking for that REPULSIVE wizard. \n"
         "The little shit is always meddling with my work. Do me a \n"
         "favor and forget about him, won't you? Just keep fighting. \n"
         "You're very near the end, you don't need him! Think of how \n"
         "much prouder you'll be, should you win without stooping to \n"
         "his level of parlor trickery.' [TYPE ANYTHING TO CONTINUE]";
}

std::string curseMakerOffersGift(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 34;
  return "'I can see that you understand. You're tenacious, aren't \n"
         "you? Oh, yes, I'm sure you are. Tell you what... I'd like to \n"
         "offer a little parting gift. From me to you. For being so \n"
         "kind as to indulge my company. Please, hold still.' \n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string curseMakerDrains(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.dialogueStage = 35;
  state.textColour1 = kCurseColour;
  player.hp = std::max(player.hp - 10, 1);
  player.maxHp -= 10;
  player.attack = std::max(player.attack - 2, 0);
  player.defence -= 2;
  player.dodges = 0;
  player.quibblentTurnsLeft = std::min(player.quibblentTurnsLeft, 5);
  emptyTalkTile(state, floorRecord, "...");
  return "You begin to shudder as all the life energy is sapped from \n"
         "your body. You dry heave, but there's nothing left in your \n"
         "stomach to come out. You lose 10 max HP, 2 ATK, 2 DEF, and \n"
         "all of your dodges. The CURSE flares up, and you know that \n"
         "you are on Death's door. \n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string curseMakerGone(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 0;
  return "You can barely see, but whoever it was appears to be gone. \n"
         "You have to keep going. You have to keep going.";
}

std::string curseMakerPraisesZombie(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.dialogueStage = 37;
  return "'You've put me in such a good mood, I want to bestow a boon \n"
         "upon you. No tricks, not that you'd be cognizant of it if \n"
         "there were. Come on, how can you say no? HA! You can't. \n"
         "That was another joke. Ah, but I do amuse myself so. Please, \n"
         "hold still.' \n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string curseMakerStrengthensZombie(GameState& state, Floor& floorRecord, PlayerRecord& player,
                                        const std::string&) {
  state.dialogueStage = 0;
  state.textColour1 = kCurseColour;
  player.hp += 20;
  player.maxHp += 20;
  player.attack += 2;
  player.defence += 2;
  emptyTalkTile(state, floorRecord, "...");
  return "Suddenly, feels good. +20 HP. +2 ATK. +2 DEF. But hungry. \n"
         "Want flesh.";
}

constexpr LaterStageRow kRiskyStages[] = {
    {4, pickPockets},
    {18, takeSwordOfKings},
    {31, curseMakerBoasts},
    {32, curseMakerWarns},
    {33, curseMakerOffersGift},
    {34, curseMakerDrains},
    {35, curseMakerGone},
    {36, curseMakerPraisesZombie},
    {37, curseMakerStrengthensZombie},
    {48, ruffianNoticed},
    {49, helpRuffian},
    {50, showRuffianWeapons},
    {51, chooseRuffianWeapon},
    {52, offerDroppedWeapon},
};

}  // namespace

std::span<const LaterStageRow> riskyStages() { return kRiskyStages; }
