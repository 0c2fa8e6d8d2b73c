#include "interpreter/gary_shop.h"

#include "interpreter/prompt_answers.h"
#include "interpreter/start_prompts.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

// The achievement for buying out GARY, and what it adds to the hero's
// discoveries.
constexpr int kGaryAchievement = 13;
constexpr int kBuyoutDiscovery = 50000;

// Lootkinds by the roll of random & 3.
const char* const kOfferKinds[] = {"Weapon", "Armor", "Small", "Large"};

std::string offerWording(const ItemRecord& offer) {
  if (offer.quantity < 2) return "a " + offer.name;
  return std::to_string(offer.quantity) + " " + offer.name;
}

const char kTooPoor[] =
    "'Ah, you do not have enough GOLD for GARY.\n"
    "Ok ok ok, GARY will not hold a grudge! GARY understands!\n"
    "Please come back when you have the money!!'\n"
    "GARY pushes you out of his shop, a little more forcefully \n"
    "than was totally necessary.";
const char kPocketsFull[] =
    "'Ah ah ah, your inventory is too full for GARY!! Oh, so \n"
    "sad... GARY wishes he could sell you this item... Say, would \n"
    "you make some space and come back? Pleeease? For GARY?'";
const char kMoreToCome[] =
    "'Ah, ah, ah! GARY has more more more MORE for you!!\n"
    "You will loves it, GARY promises!!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kBoughtOut[] =
    "'...WOW! You buy out allll of GARY's stock!! GARY not sure \n"
    "what do with self anymore. Oh oh! GARY will become PAINTER \n"
    "next!! Please come again to check up on good friend GARY!'";
const char kDejected[] =
    "'...oh. GARY understand. Well, he will be here for you... \n"
    "if you want... buy things... so many things...'\n"
    "GARY looks dejected. You shuffle out of his shop guiltily.";
const char kRephrase[] =
    "'Ahhh, GARY not so smart. He request, please rephrase \n"
    "your message. Maybe GARY understand a Y or an N better?'\n"
    "Purchase the ";

// Long single names get the price on a line of their own.
constexpr std::size_t kLongNameLength = 21;

std::string rephraseQuestion(const GameState& state) {
  const ItemRecord& offer = state.offeredItem;
  const std::string price = std::to_string(offer.price);
  if (offer.quantity >= 2) {
    return kRephrase + std::to_string(offer.quantity) + " " + offer.name + " for " + price + " gold? (Y/N)";
  }
  const char* joint = offer.name.size() >= kLongNameLength ? " for\n" : " for ";
  return kRephrase + offer.name + joint + price + " gold? (Y/N)";
}

bool wouldNeedASlot(const PlayerRecord& player, const std::string& type) {
  return !player.hasItem(type, 1) && player.inventoryFull();
}

// Hands the bought item over; false (and the gold back) when it cannot be
// carried.
bool handOver(GameState& state, PlayerRecord& player) {
  const ItemRecord& offer = state.offeredItem;
  if (offer.lootKind == "Weapon" || offer.lootKind == "Armor") {
    wearEquipment(player, offer.lootKind == "Weapon" ? 0 : 1, offer);
    state.messageBuffer = "'Oh, thank you thank you thank you! Here!!!'\n"
                          "GARY flings the " +
                          offer.name +
                          " at you.\n"
                          "You got a " +
                          offer.name + "!!\n";
    return true;
  }
  if (wouldNeedASlot(player, offer.type)) return false;
  player.gainItem(offer.type, offer.quantity);
  if (offer.type == "POTION") state.potionsForSale -= 1;
  state.messageBuffer = "'Oh, thank you thank you thank you! Here!!!'\n"
                        "GARY flings " +
                        std::to_string(offer.quantity) + " " + offer.name + " at you excitedly.\n";
  return true;
}

void countTheSale(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  state.garyOffersLeft -= 1;
  if (state.garyOffersLeft > 0) {
    state.pendingPrompt = kGaryOfferPrompt;
    state.messageBuffer += kMoreToCome;
    return;
  }
  state.pendingPrompt = kNoPrompt;
  player.discoveryScore += kBuyoutDiscovery;
  state.earnAchievement(kGaryAchievement, player.name);
  state.messageBuffer += kBoughtOut;
  floorRecord.secretRoomKind = "GoblinUsed";
}

std::string buy(GameState& state, Floor& floorRecord, PlayerRecord& player) {
  const int price = state.offeredItem.price;
  if (player.gold < price) {
    state.pendingPrompt = kNoPrompt;
    return kTooPoor;
  }
  player.gold -= price;
  if (!handOver(state, player)) {
    player.gold += price;
    state.pendingPrompt = kNoPrompt;
    return kPocketsFull;
  }
  countTheSale(state, floorRecord, player);
  return state.messageBuffer;
}

}  // namespace

int garyPrice(int price, const PlayerRecord& player) {
  int asked = price / 3 - 5;
  if (player.playerClass == "OPPORTUNIST") asked = truncatedProduct(asked, 0.67f);
  return asked < 1 ? 1 : asked;
}

std::string answerGaryOffer(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.pendingPrompt = kGaryAnswerPrompt;
  state.auxCounter = static_cast<int>(state.random() & 3);
  ItemRecord offer(kOfferKinds[state.auxCounter], floorRecord.floorNumber);
  if (state.auxCounter == 2) {
    offer.quantity = static_cast<int>(state.random() & 3) + 1;
    offer.rollConsumable(false, player.inventoryNames, player.inventoryCounts, state.potionsForSale);
  } else if (state.auxCounter == 3) {
    offer.quantity = 1;
    offer.rollConsumable(true, player.inventoryNames, player.inventoryCounts, 0);
  } else {
    offer.quantity = 1;
  }
  offer.price = garyPrice(offer.price, player);
  state.offeredItem = offer;
  return "'Oh, GARY knows just the thing for you!! GARY bets you would\n"
         "want " +
         offerWording(offer) + " for only " + std::to_string(offer.price) +
         " GOLD!!!!!\n"
         "Please, GARY knows you will loves it!!'\n"
         "Will you accept this deal? (Y/N)";
}

std::string answerGaryDeal(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes: return buy(state, floorRecord, player);
    case YesNoAnswer::kNo: state.pendingPrompt = kNoPrompt; return kDejected;
    case YesNoAnswer::kNeither: break;
  }
  return rephraseQuestion(state);
}
