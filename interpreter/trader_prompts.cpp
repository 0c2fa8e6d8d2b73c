#include "interpreter/trader_prompts.h"

#include <algorithm>

#include "interpreter/prompt_answers.h"
#include "world/game_state.h"
#include "world/random_source.h"
#include "world/whole_numbers.h"

namespace {

constexpr int kWeaponSlot = 0;
constexpr int kArmorSlot = 1;
constexpr float kThirdOff = 0.67f;
// An item name this long or longer no longer fits the price question's line.
constexpr std::size_t kLongItemName = 21;
// WOMBLETON sells armor only from this floor on.
constexpr int kWombletonArmorFloor = 4;

int thirdOff(int price) { return truncatedProduct(price, kThirdOff); }

// One trader: his rules and his words. Texts about one unit and about
// several differ; `units` texts take N + " " + ITEM where `unit` ones take ITEM.
struct Trader {
  int offerPrompt;
  int answerPrompt;
  int GameState::*salesLeft;
  int GameState::*refusals;
  int refusalsToLeave;      // the refusal that drives him off for good
  int armorFromFloor;       // below this floor an armor roll sells small items
  bool brokeHeroDrivesOff;  // too little gold makes him leave
  bool refundsFullHands;    // a hero with no room gets his gold back
  int (*price)(const GameState& state, const ItemRecord& item, const PlayerRecord& playerRecord);
  const char* goneText;  // the description of his emptied tile

  const char* offerOneBefore;
  const char* offerOneMiddle;  // between ITEM and P
  const char* offerOneAfter;
  const char* offerManyBefore;
  const char* offerManyMiddle;
  const char* offerManyAfter;
  const char* scoldOpening;  // followed by ITEM (or N ITEM), FOR, P and " gold? (Y/N)"

  const char* refusalText;
  const char* leavingRefusalText;
  const char* brokeText;
  const char* fullHandsText;
  const char* boughtBefore;  // + "a " + ITEM, or N + " " + ITEM
  const char* boughtOneAfter;
  const char* boughtManyAfter;
  const char* moreToSellText;
  const char* soldOutText;
};

int wombletonAsks(const GameState& state, const ItemRecord& item, const PlayerRecord& playerRecord) {
  return wombletonPrice(item.price, state.cousinGreeting, playerRecord.playerClass);
}

int gerardAsks(const GameState&, const ItemRecord& item, const PlayerRecord& playerRecord) {
  return gerardPrice(item.price, playerRecord.playerClass);
}

const Trader kWombleton = {
    .offerPrompt = kWombletonOfferPrompt,
    .answerPrompt = kWombletonAnswerPrompt,
    .salesLeft = &GameState::wombletonOffersLeft,
    .refusals = &GameState::wombletonRefusals,
    .refusalsToLeave = 8,
    .armorFromFloor = kWombletonArmorFloor,
    .brokeHeroDrivesOff = false,
    .refundsFullHands = true,
    .price = wombletonAsks,
    .goneText = " is a sense of impending dread",
    .offerOneBefore = "Through a series of inscrutable gestures and noises,\n"
                      "WOMBLETON indicates something that probably means he is\n"
                      "offering you a ",
    .offerOneMiddle = " for ",
    .offerOneAfter = " GOLD.\n"
                     "Will you accept this deal? (Y/N)\n",
    .offerManyBefore = "Through a series of inscrutable gestures and noises,\n"
                       "WOMBLETON indicates something that probably means he is\n"
                       "offering you ",
    .offerManyMiddle = " for ",
    .offerManyAfter = " GOLD.\n"
                      "Will you accept this deal? (Y/N)",
    .scoldOpening =
        "WOMBLETON cocks you a look that either means 'I don't \n"
        "understand you' or 'I shall destroy you with the force of \n"
        "ten million million damned souls.' It's always hard to tell \n"
        "with him. Maybe you should try to be a little bit clearer.\n"
        "Purchase the ",
    .refusalText =
        "WOMBLETON goes perfectly, deathly still. You shuffle \n"
        "away uncomfortably. Sure hope he doesn't hold a grudge.",
    .leavingRefusalText =
        "WOMBLETON suddenly ceases to exist! Apparently saying 'no' \n"
        "to him too many times is bad for his internal structural \n"
        "integrity. Or something. Hmm.",
    .brokeText =
        "WOMBLETON screeches at you in the tongues of the damned, \n"
        "causing an uncontrollable bout of gibbering madness. When it \n"
        "subsides, you are left with a distinct impression that you \n"
        "do not have enough GOLD for his tastes.",
    .fullHandsText =
        "WOMBLETON stares at you for what feels like hours... then \n"
        "shakes its head. Suddenly, you feel a burning, almost \n"
        "intolerable sense that you are carrying too many items. \n"
        "Your knees buckle, and you fall to the ground. \n"
        "WOMBLETON simply continues staring at you.",
    .boughtBefore = "WOMBLETON absorbs your gold into one of its many tentacles.\n"
                    "You got ",
    .boughtOneAfter = "!!\n",
    .boughtManyAfter = "!!\n",
    .moreToSellText = "WOMBLETON gurgles amicably. \n"
                      "Seems he has more to show you. \n"
                      "[TYPE ANYTHING TO CONTINUE]",
    .soldOutText = "WOMBLETON returns to the void from whence he came. \n"
                   "Seems he has no more to offer you.",
};

const Trader kGerard = {
    .offerPrompt = kGerardOfferPrompt,
    .answerPrompt = kGerardAnswerPrompt,
    .salesLeft = &GameState::gerardDealsLeft,
    .refusals = &GameState::gerardRefusals,
    .refusalsToLeave = 5,
    .armorFromFloor = 0,
    .brokeHeroDrivesOff = true,
    .refundsFullHands = false,
    .price = gerardAsks,
    .goneText = " is nothing but the wind.",
    .offerOneBefore = "'OK kid, I got a ",
    .offerOneMiddle = " with your name \n"
                      "on it. It's gonna cost you ",
    .offerOneAfter = " GOLD, though. \n"
                     "Are you in or not?' (Y/N)",
    .offerManyBefore = "'OK kid, I got ",
    .offerManyMiddle = " with your name on 'em. \n"
                       "It's gonna cost you ",
    .offerManyAfter = " GOLD, though. \n"
                      "Are you in or not?' (Y/N)",
    .scoldOpening = "'I don't have time for your games, kid. You want it or not?'\n"
                    "Purchase the ",
    .refusalText =
        "'Fair enough. See you around, kid.' GERARD shoos you away, \n"
        "and goes back to counting his money. \n"
        "(You can talk to him again for a new, different offer.)",
    .leavingRefusalText =
        "'You're a real stingy kid, you know that? I don't think our \n"
        "business relationship is working out. See you around.' \n"
        "GERARD runs off out of your sight, and a few moments later \n"
        "it's like he was never there...",
    .brokeText =
        "'Hey, what kind of game are you running here? That's not \n"
        "enough money at all. Man, I don't need to deal with \n"
        "people like you.' GERARD runs off out of your sight, and \n"
        "a few moments later it's like he was never there...",
    .fullHandsText =
        "'Hmm... sorry, kid, but you're carrying too many items for \n"
        "me to give you this. No refunds. Hey, but listen! If you can \n"
        "clear that inventory up, I'll be right here when you want \n"
        "to buy somethin' else.'",
    .boughtBefore = "'Perfect. Let's see here, one... two... Yep, you got the \n"
                    "goods. Here you go.' You got ",
    .boughtOneAfter = "!!\n",
    .boughtManyAfter = "!! \n",
    .moreToSellText = "'Excellent. Alright kid, I've got another deal for you.' \n"
                      "[TYPE ANYTHING TO CONTINUE]",
    .soldOutText = "You move to thank GERARD for the purchase and...\n"
                   "Hey, where'd he go?",
};

bool severalUnits(const ItemRecord& item) { return item.quantity >= 2; }

std::string unitsAndName(const ItemRecord& item) { return std::to_string(item.quantity) + " " + item.name; }

std::string offerText(const Trader& trader, const ItemRecord& item) {
  const std::string price = std::to_string(item.price);
  if (severalUnits(item)) {
    return trader.offerManyBefore + unitsAndName(item) + trader.offerManyMiddle + price + trader.offerManyAfter;
  }
  return trader.offerOneBefore + item.name + trader.offerOneMiddle + price + trader.offerOneAfter;
}

std::string scoldText(const Trader& trader, const ItemRecord& item) {
  const std::string tail = std::to_string(item.price) + " gold? (Y/N)";
  if (severalUnits(item)) return trader.scoldOpening + unitsAndName(item) + " for " + tail;
  const char* forWord = item.name.size() >= kLongItemName ? " for\n" : " for ";
  return trader.scoldOpening + item.name + forWord + tail;
}

// The next item a trader holds up, priced by his own rule.
void rollOffer(GameState& state, const Trader& trader, Floor& floorRecord, PlayerRecord& playerRecord) {
  const int floorNumber = floorRecord.floorNumber;
  unsigned pick = dice::draw() & 3u;
  if (pick == 1 && floorNumber < trader.armorFromFloor) pick = 2;
  switch (pick) {
    case 0:
      state.offeredItem = ItemRecord("Weapon", floorNumber);
      state.offeredItem.quantity = 1;
      break;
    case 1:
      state.offeredItem = ItemRecord("Armor", floorNumber);
      state.offeredItem.quantity = 1;
      break;
    case 2:
      state.offeredItem = ItemRecord("Small", floorNumber);
      state.offeredItem.quantity = static_cast<int>(dice::draw() & 3u) + 1;
      state.offeredItem.rollConsumable(false, playerRecord.inventoryNames, playerRecord.inventoryCounts,
                                       state.potionsForSale);
      break;
    default:
      state.offeredItem = ItemRecord("Large", floorNumber);
      state.offeredItem.quantity = 1;
      state.offeredItem.rollConsumable(true, playerRecord.inventoryNames, playerRecord.inventoryCounts, 0);
      break;
  }
  state.auxCounter = static_cast<int>(pick);
  state.offeredItem.price = trader.price(state, state.offeredItem, playerRecord);
}

void emptyTradersTile(GameState& state, const Trader& trader, Floor& floorRecord) {
  if (!enteredTileKnown(state)) return;
  floorRecord.tileKinds[state.moveDirection].clear();
  floorRecord.tileTexts[state.moveDirection] = trader.goneText;
}

std::string showOffer(GameState& state, const Trader& trader, Floor& floorRecord, PlayerRecord& playerRecord) {
  state.pendingPrompt = trader.answerPrompt;
  rollOffer(state, trader, floorRecord, playerRecord);
  return offerText(trader, state.offeredItem);
}

std::string refuse(GameState& state, const Trader& trader, Floor& floorRecord) {
  state.pendingPrompt = kNoPrompt;
  int& refusals = state.*trader.refusals;
  refusals += 1;
  if (refusals >= trader.refusalsToLeave) {
    emptyTradersTile(state, trader, floorRecord);
    return trader.leavingRefusalText;
  }
  return trader.refusalText;
}

void wearBought(PlayerRecord& playerRecord, int slot, const ItemRecord& item) {
  ItemRecord& worn = playerRecord.equipment[slot];
  playerRecord.attack -= worn.attack;
  playerRecord.defence -= worn.defence;
  worn = item;
  playerRecord.attack += worn.attack;
  playerRecord.defence += worn.defence;
}

bool noRoomFor(const PlayerRecord& playerRecord, const std::string& type) {
  const bool held = std::find(playerRecord.inventoryNames.begin(), playerRecord.inventoryNames.end(), type) !=
                    playerRecord.inventoryNames.end();
  return !held && playerRecord.inventoryFull();
}

std::string buy(GameState& state, const Trader& trader, Floor& floorRecord, PlayerRecord& playerRecord) {
  const ItemRecord& item = state.offeredItem;
  const int price = item.price;
  playerRecord.gold -= price;
  if (item.lootKind == "Weapon" || item.lootKind == "Armor") {
    wearBought(playerRecord, item.lootKind == "Weapon" ? kWeaponSlot : kArmorSlot, item);
    state.messageBuffer = std::string(trader.boughtBefore) + "a " + item.name + trader.boughtOneAfter;
  } else {
    if (noRoomFor(playerRecord, item.type)) {
      if (trader.refundsFullHands) playerRecord.gold += price;
      state.pendingPrompt = kNoPrompt;
      return trader.fullHandsText;
    }
    playerRecord.gainItem(item.type, item.quantity);
    if (item.type == "POTION") state.potionsForSale -= 1;
    state.messageBuffer = std::string(trader.boughtBefore) + unitsAndName(item) + trader.boughtManyAfter;
  }

  int& salesLeft = state.*trader.salesLeft;
  salesLeft -= 1;
  if (salesLeft > 0) {
    state.pendingPrompt = trader.offerPrompt;
    state.messageBuffer += trader.moreToSellText;
  } else {
    state.pendingPrompt = kNoPrompt;
    state.messageBuffer += trader.soldOutText;
    emptyTradersTile(state, trader, floorRecord);
  }
  return state.messageBuffer;
}

std::string answerDeal(GameState& state, const Trader& trader, Floor& floorRecord, PlayerRecord& playerRecord,
                       const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kNeither:
      return scoldText(trader, state.offeredItem);
    case YesNoAnswer::kNo:
      return refuse(state, trader, floorRecord);
    case YesNoAnswer::kYes:
      break;
  }
  if (playerRecord.gold < state.offeredItem.price) {
    state.pendingPrompt = kNoPrompt;
    if (trader.brokeHeroDrivesOff) emptyTradersTile(state, trader, floorRecord);
    return trader.brokeText;
  }
  return buy(state, trader, floorRecord, playerRecord);
}

}  // namespace

int wombletonPrice(int itemPrice, int cousinGreeting, const std::string& playerClass) {
  int price = itemPrice / 2;
  if (cousinGreeting > 1) price = thirdOff(price);
  if (playerClass == "OPPORTUNIST") price = thirdOff(price);
  return price == 0 ? 1 : price;
}

int gerardPrice(int itemPrice, const std::string& playerClass) {
  return playerClass == "OPPORTUNIST" ? thirdOff(itemPrice) : itemPrice;
}

std::string answerWombletonOffer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  return showOffer(state, kWombleton, floorRecord, playerRecord);
}

std::string answerWombletonDeal(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line) {
  return answerDeal(state, kWombleton, floorRecord, playerRecord, line);
}

std::string answerGerardOffer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  return showOffer(state, kGerard, floorRecord, playerRecord);
}

std::string answerGerardDeal(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  return answerDeal(state, kGerard, floorRecord, playerRecord, line);
}
