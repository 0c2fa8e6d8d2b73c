// The floor's secret room, entered with "secret" (and the curse room with
// "secret2"). The room key in Floor::secretRoomKind names what is inside;
// a visit may move it on, so that a second visit finds the room changed.
#include <string>

#include "world/game_state.h"

namespace {

using RoomHandler = void (*)(GameState& state, Floor& floorRecord, PlayerRecord& player);

struct RoomRow {
  const char* key;
  RoomHandler enter;
};

const char kNothingLeft[] = "You enter the secret room but there's nothing in there. \n"
                            "You've already been here, remember?";

// Prompts a room opens (the interpreter serves them on the next line).
constexpr int kReplaceWeaponPrompt = 4;
constexpr int kReplaceArmorPrompt = 5;
constexpr int kSecretScrollPrompt = 14;
constexpr int kGaryPrompt = 19;
constexpr int kWizardFirstPrompt = 21;
constexpr int kWizardReturnPrompt = 23;
constexpr int kCursePrompt = 29;
constexpr int kRestorationPrompt = 34;
constexpr int kPlasmaBarrelPrompt = 38;

std::uint32_t roll(GameState& state, std::uint32_t choices) { return state.random() % choices; }

// ---- Rooms that only tell, or open a prompt ---------------------------

void enterScroll(GameState& state, Floor& floorRecord, PlayerRecord&) {
  floorRecord.secretRoomKind = "Scroll2";
  state.pendingPrompt = kSecretScrollPrompt;
  state.messageBuffer = "You enter the secret room... It contains a single ancient \n"
                        "scroll, placed in a glass box in the center of the room. \n"
                        "Being the history-hating philistine that you are, you smash \n"
                        "the glass and read the scroll... \n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

void enterBrokenScrollBox(GameState& state, Floor&, PlayerRecord&) {
  state.pendingPrompt = kSecretScrollPrompt;
  state.messageBuffer = "You enter the secret room... The scroll is lying on the \n"
                        "ground, surrounded by broken glass. You pick it back up and \n"
                        "re-read it...\n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

void enterSpentScroll(GameState& state, Floor&, PlayerRecord&) {
  state.messageBuffer = "You enter the secret room... The scroll is lying on the \n"
                        "ground, surrounded by broken glass. You feel bad about \n"
                        "smashing it earlier, but as they say, if you wanna make an \n"
                        "omelet, you have to defile a priceless historical artifact.";
}

void enterTrap(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  floorRecord.secretRoomKind = "TrapUsed";
  state.messageBuffer = "You enter the secret room, but the second you step in, a \n"
                        "poison dart shoots out and hits you! Damn, it was a trap! \n" +
                        player.changeQuibblent("POISONED", state, false);
}

void enterFountain(GameState& state, Floor&, PlayerRecord&) {
  state.pendingPrompt = kRestorationPrompt;
  state.messageBuffer = "You enter the secret room... Whoa, it's the mythical \n"
                        "FOUNTAIN OF RESTORATION! Its bright, clear waters glint from \n"
                        "an unseen light... Will you bathe in the fountain? (Y/N)";
}

void enterBarrel(GameState& state, Floor&, PlayerRecord&) {
  state.pendingPrompt = kPlasmaBarrelPrompt;
  state.messageBuffer = "You enter the secret room... Holy shit, it's a highly \n"
                        "powerful (and anachronistic) PLASMA BARREL! Just standing \n"
                        "near it is making the hairs on the back of your neck stand \n"
                        "on end. A screen on the front reads: 'ACTIVATE? [Y] / [N]'.\n"
                        "Will you activate the PLASMA BARREL?";
}

void enterCorpseRoom(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  floorRecord.secretRoomKind = "SpecialUsed";
  state.offeredItem = ItemRecord("Armor", floorRecord.floorNumber);
  state.pendingPrompt = kReplaceArmorPrompt;
  state.messageBuffer =
      "You enter the secret room... it's full of corpses?? \n"
      "Most of them are skeletons, picked bare and covered in dust, \n"
      "but a few of them look relatively fresh. One of them is \n"
      "wearing a " +
      state.offeredItem.name + "... Would you like to \n"
                               "replace your current armor, the " + player.equipment[1].name +
      ",\n"
      "with it? (Y/N)";
}

void enterCurseRoom(GameState& state, Floor&, PlayerRecord& player) {
  if (player.quibblent == "CURSED") {
    state.messageBuffer = "Even thinking about that horribly cursed room makes you \n"
                          "feel weak. You cannot bring yourself to go back there.";
    return;
  }
  state.pendingPrompt = kCursePrompt;
  state.messageBuffer = "You enter the secret room to find a bizarre cavern, tinted \n"
                        "a deep purple. On the back wall is an inscription: \n"
                        "'THE QUIBBLENT RUDIRUVU ARE CURSED. YOU SHOULD NOT HAVE \n"
                        "COME HERE.' \n"
                        "As you read it, you begin to feel strange...\n"
                        "[TYPE ANYTHING TO CONTINUE]\n";
}

void enterWizardsDarkRoom(GameState& state, Floor& floorRecord, PlayerRecord&) {
  floorRecord.wizardMet = true;
  state.pendingPrompt = kWizardFirstPrompt;
  state.messageBuffer = "You enter the secret room, and it is pitch black. An eerie \n"
                        "voice whispers from seemingly everywhere at once... \n"
                        "'O explorer, what is it you seek? Is it a love potion?'\n"
                        "(Y/N)";
}

void enterWizardsStudy(GameState& state, Floor&, PlayerRecord&) {
  state.pendingPrompt = kWizardReturnPrompt;
  state.messageBuffer = "You return to GARGLEFLOXX's study. 'Hello again, O explorer. \n"
                        "You remember the deal I offered earlier, yes? One item for \n"
                        "one spell. I hope you have a candidate in mind this time.'\n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

void enterShutWizardRoom(GameState& state, Floor&, PlayerRecord&) {
  state.messageBuffer = "The secret room is held shut with powerful magic.\n"
                        "That ship has sailed and you aren't getting another chance.";
}

void enterGarysEmptyShop(GameState& state, Floor&, PlayerRecord&) {
  state.messageBuffer = "You enter GARY's empty shop.\n"
                        "'Hallo friendy! GARY is learning to paint!! Would you like \n"
                        "to see GARY's latest masterpiece?' You would not like to see \n"
                        "GARY's latest masterpiece, so you leave.";
}

void enterLastFloorsRoom(GameState& state, Floor&, PlayerRecord&) {
  state.messageBuffer = "I'm going to be honest here: I have no idea what to put in \n"
                        "this secret room. This floor only exists as part of the \n"
                        "game's ending; there's no challenge left down here to \n"
                        "reward. You must have used a TOME OF WISDOM just to see it, \n"
                        "which is very thorough of you. But there's nothing here. \n"
                        "Please leave.";
}

void enterSwallowedRoom(GameState& state, Floor&, PlayerRecord&) {
  state.messageBuffer = "The secret room appears to have been sucked up in the \n"
                        "VORTEX. There is nothing left there.";
}

// ---- The two treasure rooms -----------------------------------------

void enterPlunderedRoom(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  floorRecord.secretRoomKind = "AbandonedUsed";
  const int gold = static_cast<int>(roll(state, 6)) + 5;
  player.gold += gold;
  state.messageBuffer = "You enter the secret room... Ah hell, looks like someone \n"
                        "else got to it first. You can see a couple stray pieces of \n"
                        "gold from what looks like it must have once been a much \n"
                        "larger pile of treasure. Oh well. Better than nothing! \n"
                        "You got " +
                        std::to_string(gold) + " GOLD.";
}

// A few units of a small consumable; nothing when it would need a slot the
// hero does not have, or when no unit fits any more.
std::string treasureSmallItem(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  state.offeredItem = ItemRecord("Small", floorRecord.floorNumber);
  state.offeredItem.quantity = static_cast<int>(roll(state, 3)) + 2;
  state.offeredItem.rollConsumable(false, player.inventoryNames, player.inventoryCounts, state.potionsForSale);
  const ItemRecord& item = state.offeredItem;
  if (!player.hasItem(item.type, 1) && player.inventoryFull()) return "";
  if (item.quantity < 1 || item.type.empty()) return "";
  player.gainItem(item.type, item.quantity);
  if (item.type == "POTION") state.potionsForSale -= 1;
  return std::to_string(item.quantity) + " " + item.type + "! ";
}

// One large consumable the hero does not hold yet, while a slot is free.
std::string treasureLargeItem(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  state.offeredItem = ItemRecord("Large", floorRecord.floorNumber);
  state.offeredItem.quantity = 1;
  state.offeredItem.rollConsumable(true, player.inventoryNames, player.inventoryCounts, 0);
  const ItemRecord& item = state.offeredItem;
  if (player.inventoryFull() || item.type.empty() || item.quantity < 1) return "";
  player.gainItem(item.type, 1);
  return "A " + item.type + "! ";
}

std::string treasureGearOffer(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  const bool armor = roll(state, 2) == 1 && floorRecord.floorNumber >= 4;
  if (armor) {
    state.pendingPrompt = kReplaceArmorPrompt;
    state.offeredItem = ItemRecord("Armor", floorRecord.floorNumber);
    return "\n"
           "And a " +
           state.offeredItem.name + "!! (DEF: " + std::to_string(state.offeredItem.defence) +
           ")\n"
           "Would you like to replace your current armor, the \n" +
           player.equipment[1].name + ", with it? (Y/N)";
  }
  state.pendingPrompt = kReplaceWeaponPrompt;
  state.offeredItem = ItemRecord("Weapon", floorRecord.floorNumber);
  return "\n"
         "And a " +
         state.offeredItem.name + "!! (ATK: " + std::to_string(state.offeredItem.attack) +
         ")\n"
         "Would you like to replace your current weapon, the \n" +
         player.equipment[0].name + ", with it? (Y/N)";
}

constexpr int kTreasureItemRolls = 3;

void enterTreasureRoom(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  floorRecord.secretRoomKind = "TreasureUsed";
  std::string text = "You enter the secret room... JACKPOT!! It's \n"
                     "full of sweet TREASURE!! Let's see what you got...\n";
  const int gold = static_cast<int>(roll(state, 51)) + 20;
  player.gold += gold;
  text += std::to_string(gold) + " gold! ";
  for (int i = 0; i < kTreasureItemRolls; ++i) {
    text += roll(state, 3) == 0 ? treasureLargeItem(state, floorRecord, player)
                                : treasureSmallItem(state, floorRecord, player);
  }
  text += treasureGearOffer(state, floorRecord, player);
  state.messageBuffer = text;
}

// ---- GARY's shop ------------------------------------------------------

// Columns: key on entry, key afterwards, greeting. Every greeting after the
// first begins with the return line and each ends with the page prompt.
struct GaryVisitRow {
  const char* key;
  const char* nextKey;
  const char* greeting;
};

const char kGaryReturn[] = "You return to the secret room. GARY is still there.\n";
const char kGaryPageEnd[] = "[TYPE ANYTHING TO CONTINUE]\n";

const GaryVisitRow kGaryVisits[] = {
    {"Goblin", "Goblin1",
     "You enter the secret room to find a garish but well-stocked \n"
     "shop inside. A cheerful GOBLIN waves at you from behind \n"
     "the counter. 'Hallo hallo!! I am GARY, owner of the SHOPPE of \n"
     "GREAT DEALSE! GARY has not seen a customer in a long, long \n"
     "time! Come, come, GARY will show you some items!'\n"},
    {"Goblin1", "Goblin2",
     "'Oh oh oh!! Hallo again, good friend! GARY knew you would \n"
     "come back, yes he did! No one can resist the ALLURE of my \n"
     "SHOPPE of GREATE DEALSE!! Yes yes, here... let us find some \n"
     "items for good friend of GARY...'\n"},
    {"Goblin2", "Goblin3",
     "'Yes yes yes!! Friendy is back!! GARY was worried, so \n"
     "worried, that friendy did not want GARY's items. But this \n"
     "time GARY has something truly GREATE, yes yes!'\n"},
    {"Goblin3", "Goblin4",
     "He looks distracted, rummaging through some shelves, before \n"
     "noticing you and jumping up in the air, startled. 'Ah! \n"
     "Friendy! GARY was, ahh, looking for more ITEMS! Yes! More \n"
     "ITEMS for you!'\n"},
    {"Goblin4", "Goblin5",
     "'Oh hallo again! Boy, you just keep coming back, no? You \n"
     "cannot get enough of GARY'S GREATE DEALSE, no? Yes? Yes? \n"
     "No? YES??? You want the items, yes? No? GARY will offer you \n"
     "some items, yes yes yes!!'\n"},
    {"Goblin5", "Goblin6",
     "'Ahh, once more the return of the friend!! But, ahh, you do \n"
     "not seem to be buying. GARY need to eat too, you knows! \n"
     "Are GARY's DEALSE not GREATE enough??? GARY does his best, \n"
     "but... Ahh, wait, yes! Try this deal!'\n"},
    {"Goblin6", "Goblin7",
     "'Hmm... GARY wants to sweeten the pie for his friend... \n"
     "encourage him to buy some items... but cannot drop the price \n"
     "any lower. Hmm, hmm...' He notices you watching him. 'Oh! \n"
     "GARY was thinking about nothing! Nothing at all! Items!'\n"},
    {"Goblin7", "Goblin8",
     "'Hallo! GARY found a book of economics! Friendy, what is \n"
     "a 'hedging'? Is it a kind of bush? ...No no, do not tell \n"
     "GARY, GARY does not want to know. Here, more DEALSE!'\n"},
    {"Goblin8", "Goblin9",
     "'Ok ok!! GARY has been learning... listen to this: All \n"
     "prices have been doubled!! ...And now everything is 50% off!! \n"
     "Ha ha! GARY calls this the 'behavorel economic'!'\n"},
    {"Goblin9", "Goblin10",
     "'Hm, hm... hallo, friendy! This deal is limited-time only! \n"
     "The book says time-sensitive offers are better. And all \n"
     "offers are time-sensitive, since everyone dies some day!'\n"},
    {"Goblin10", "Goblin11",
     "'Ahhh, hallo again. The behavorel economic was not working. \n"
     "GARY threw the book out. GARY will find the GREATE DEALE \n"
     "without it, yes he will!'\n"},
    {"Goblin11", "Goblin11",
     "'Hallo, friendy! GARY has more more deals for you!! This \n"
     "time, this time he KNOWS you will want them! Look, look!'\n"},
};

const GaryVisitRow* findGaryVisit(const std::string& key) {
  for (const GaryVisitRow& row : kGaryVisits) {
    if (key == row.key) return &row;
  }
  return nullptr;
}

void enterGarysShop(GameState& state, Floor& floorRecord, const GaryVisitRow& visit) {
  state.pendingPrompt = kGaryPrompt;
  floorRecord.secretRoomKind = visit.nextKey;
  const bool firstVisit = std::string(visit.key) == "Goblin";
  state.messageBuffer = std::string(firstVisit ? "" : kGaryReturn) + visit.greeting + kGaryPageEnd;
}

// Columns: room key, what entering it does. Tried in this order.
const RoomRow kRooms[] = {
    {"Scroll", enterScroll},
    {"Scroll2", enterBrokenScrollBox},
    {"Scroll3", enterSpentScroll},
    {"Abandoned", enterPlunderedRoom},
    {"Treasure", enterTreasureRoom},
    {"Trap", enterTrap},
    {"Fountain", enterFountain},
    {"Barrel", enterBarrel},
    {"Special", enterCorpseRoom},
    {"Curse", enterCurseRoom},
    {"Wizard", enterWizardsDarkRoom},
    {"Wizard2", enterWizardsStudy},
    {"WizardStop", enterShutWizardRoom},
    {"GoblinUsed", enterGarysEmptyShop},
    {"Secret", enterLastFloorsRoom},
    {"Vortex", enterSwallowedRoom},
};

}  // namespace

void GameState::handleSecretRoom(std::string roomKey, Floor& floorRecord, PlayerRecord& playerRecord) {
  if (playerRecord.playerClass == "ZOMBIE") {
    messageBuffer = "You have no interest in secret rooms. All you desire \n"
                    "is flesh. Gruuuuuhhhhh...";
    return;
  }
  if (const GaryVisitRow* visit = findGaryVisit(roomKey)) {
    enterGarysShop(*this, floorRecord, *visit);
    return;
  }
  for (const RoomRow& room : kRooms) {
    if (roomKey == room.key) {
      room.enter(*this, floorRecord, playerRecord);
      return;
    }
  }
  messageBuffer = kNothingLeft;
}
