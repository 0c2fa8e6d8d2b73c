#include "encounters/shop_tiles.h"

#include "interpreter/hint_hell_and_jimmy.h"
#include "interpreter/scroll_prompts.h"
#include "interpreter/trader_prompts.h"
#include "world/game_state.h"

namespace {

// WOMBLETON's thanks for his cousin's news, on the line after the greeting;
// it opens his offer.
constexpr int kCousinThanksStage = 38;
// GameState::cousinGreeting: asked by the barber to pass the news on, then told.
constexpr int kCousinGreetingAsked = 1;
constexpr int kCousinGreetingTold = 2;
constexpr int kHardModeFate = 99;

const char kHintShopGreeting[] = "You approach HINTLY MCGEE's HINT EMPORIUM. He waves at you.\n"
                                 "'Hullo lad! If'n yer lookin' fer a HINT, yer at the \n"
                                 "right place, right here, right with me, right right! \n"
                                 "It's only 2 GOLD fer each hint! What do ya say? (Y/N)'";
const char kHintShopLocked[] = "Smells like flesh inside the hint shop. But the door is \n"
                               "locked tight. Must find flesh elsewhere.";

const char kHintHellGreeting[] =
    "You cautiously approach HINT HELL WITH FL'GARHH.\n"
    "The place smells strongly of dead bodies. You try to look \n"
    "at FL'GARHH, but your eyes keep slipping away from it.\n"
    "'ALL THINGS WILL END. DEATH IS INEVITABLE. EMBRACE ROT.'\n"
    "A sign on the front reads: '20 GOLD PER HINT', with a \n"
    "shrine to place your gold. Pay 20 gold? (Y/N)";
const char kHintHellDoomed[] =
    "You attempt to approach HINT HELL WITH FL'GARHH, but you \n"
    "just... can't. A voice speaks into your mind.\n"
    "'YOU ARE DOOMED ALREADY. THERE IS NOTHING TO BE SAID FOR \n"
    "YOU. DO NOT TRY TO FIGHT DEFEAT.'\n"
    "Guess you're not getting any more HINTS this run!";

const char kGerardGreeting[] = "You approach the MAN... He quickly grabs you roughly, \n"
                               "shushes you, and pulls you to a secluded corner of the room.\n"
                               "'Listen here, kid. I'm SNEAKFUL GERARD, and here at SNEAKFUL\n"
                               "GERARD'S SHOPPERY, we ain't got time for games. I got items, \n"
                               "you got money, let's make a deal. Let's see here...'\n"
                               "[TYPE ANYTHING TO CONTINUE]";
const char kGerardGone[] = "You approach the - hey, wasn't there a MAN here a second \n"
                           "ago? Damn. You were hoping to CONSUME HIS FLESH.";
const char kGerardGoneTile[] = " is nothing but the wind.";

const char kWombletonGreeting[] =
    "You approach WOMBLETON WAMBLEFLUMP THE SHOP THING. Without\n"
    "speaking a word, he unhinges his jaw and a stockpile of\n"
    "items come flying out. He points at each one individually \n"
    "and holds up some of his many fingers to show how\n"
    "much each one is worth. Let's see...\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kWombletonCousinNews[] =
    "You approach WOMBLETON WAMBLEFLUMP THE SHOP THING, and tell \n"
    "him his cousin is looking for him elsewhere in the dungeon. \n"
    "Wombleton shrieks discontentedly, and waves several tentacles \n"
    "in a dismissive motion. Seems he is unhappy with this news.\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kWombletonInedible[] = "This thing smells horrible. Not good to eat.";

const char kJimmyFirstGreeting[] =
    "You cautiously approach the POTION. It smiles up at you and \n"
    "speaks in a squeaky, high-pitched voice. 'Hi, friend! My \n"
    "name is JIMMY! It's so nice to meet you! Boy, you sure look \n"
    "thirsty, huh? You could use some water!'\n"
    "\n"
    "(Drink the potion? Y/N)";
const char kJimmyLaterGreeting[] =
    "'Well, hi again, buddy! Nice to see you! Don't mind me, I'm \n"
    "just sittin' around, having a great time! Say, you STILL \n"
    "look thirsty. Make sure not to get dehydrated, friend!'\n"
    "\n"
    "(Drink the potion? Y/N)";
const char kJimmyDrunkByZombie[] =
    "You drink the POTION. Full HP restored. Doesn't taste like \n"
    "flesh, though.";
const char kJimmyLaterKind[] = "Heal2";

bool isZombie(const PlayerRecord& player) { return player.playerClass == "ZOMBIE"; }

bool onTheFloor(int direction) { return direction >= 0 && direction < kTileCount; }

}  // namespace

void enterHintShop(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = kHintShopLocked;
    return;
  }
  state.pendingPrompt = kHintShopPrompt;
  state.messageBuffer = kHintShopGreeting;
}

void enterHintHell(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    // The shrine is shut to the undead just as the hint shop is.
    state.messageBuffer = kHintShopLocked;
    return;
  }
  if (state.fateValue == kHardModeFate) {
    state.messageBuffer = kHintHellDoomed;
    return;
  }
  state.pendingPrompt = kHintHellPrompt;
  state.messageBuffer = kHintHellGreeting;
}

void enterGerardShop(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  if (isZombie(player)) {
    floorRecord.clearTile(direction, kGerardGoneTile);
    state.messageBuffer = kGerardGone;
    return;
  }
  state.pendingPrompt = kGerardOfferPrompt;
  state.messageBuffer = kGerardGreeting;
}

void enterWombletonShop(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = kWombletonInedible;
    return;
  }
  if (state.cousinGreeting == kCousinGreetingAsked) {
    state.cousinGreeting = kCousinGreetingTold;
    state.dialogueStage = kCousinThanksStage;
    state.messageBuffer = kWombletonCousinNews;
    return;
  }
  state.pendingPrompt = kWombletonOfferPrompt;
  state.messageBuffer = kWombletonGreeting;
}

void enterJimmyFirstVisit(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  if (isZombie(player)) {
    drinkJimmy(state, floorRecord, player, direction);
    state.messageBuffer = kJimmyDrunkByZombie;
    return;
  }
  if (onTheFloor(direction)) floorRecord.tileKinds[direction] = kJimmyLaterKind;
  state.pendingPrompt = kDrinkJimmyPrompt;
  state.messageBuffer = kJimmyFirstGreeting;
}

void enterJimmyLaterVisit(GameState& state, Floor&, PlayerRecord&, int) {
  state.pendingPrompt = kDrinkJimmyPrompt;
  state.messageBuffer = kJimmyLaterGreeting;
}
