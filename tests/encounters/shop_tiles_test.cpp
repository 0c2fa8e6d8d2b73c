// Stepping onto the shop tiles: who greets the hero, which question opens,
// and what is left on the tile.
#include <gtest/gtest.h>

#include <string>

#include "encounters/shop_tiles.h"
#include "tests/interpreter/prompt_play.h"
#include "world/game_state.h"

namespace {

const std::string kHintShopGreeting =
    "You approach HINTLY MCGEE's HINT EMPORIUM. He waves at you.\n"
    "'Hullo lad! If'n yer lookin' fer a HINT, yer at the \n"
    "right place, right here, right with me, right right! \n"
    "It's only 2 GOLD fer each hint! What do ya say? (Y/N)'";
const std::string kHintShopLocked =
    "Smells like flesh inside the hint shop. But the door is \n"
    "locked tight. Must find flesh elsewhere.";
const std::string kHellGreeting =
    "You cautiously approach HINT HELL WITH FL'GARHH.\n"
    "The place smells strongly of dead bodies. You try to look \n"
    "at FL'GARHH, but your eyes keep slipping away from it.\n"
    "'ALL THINGS WILL END. DEATH IS INEVITABLE. EMBRACE ROT.'\n"
    "A sign on the front reads: '20 GOLD PER HINT', with a \n"
    "shrine to place your gold. Pay 20 gold? (Y/N)";
const std::string kHellDoomed =
    "You attempt to approach HINT HELL WITH FL'GARHH, but you \n"
    "just... can't. A voice speaks into your mind.\n"
    "'YOU ARE DOOMED ALREADY. THERE IS NOTHING TO BE SAID FOR \n"
    "YOU. DO NOT TRY TO FIGHT DEFEAT.'\n"
    "Guess you're not getting any more HINTS this run!";
const std::string kGerardGreeting =
    "You approach the MAN... He quickly grabs you roughly, \n"
    "shushes you, and pulls you to a secluded corner of the room.\n"
    "'Listen here, kid. I'm SNEAKFUL GERARD, and here at SNEAKFUL\n"
    "GERARD'S SHOPPERY, we ain't got time for games. I got items, \n"
    "you got money, let's make a deal. Let's see here...'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kGerardGone =
    "You approach the - hey, wasn't there a MAN here a second \n"
    "ago? Damn. You were hoping to CONSUME HIS FLESH.";
const std::string kWombletonGreeting =
    "You approach WOMBLETON WAMBLEFLUMP THE SHOP THING. Without\n"
    "speaking a word, he unhinges his jaw and a stockpile of\n"
    "items come flying out. He points at each one individually \n"
    "and holds up some of his many fingers to show how\n"
    "much each one is worth. Let's see...\n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kWombletonCousin =
    "You approach WOMBLETON WAMBLEFLUMP THE SHOP THING, and tell \n"
    "him his cousin is looking for him elsewhere in the dungeon. \n"
    "Wombleton shrieks discontentedly, and waves several tentacles \n"
    "in a dismissive motion. Seems he is unhappy with this news.\n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kWombletonInedible = "This thing smells horrible. Not good to eat.";
const std::string kJimmyFirst =
    "You cautiously approach the POTION. It smiles up at you and \n"
    "speaks in a squeaky, high-pitched voice. 'Hi, friend! My \n"
    "name is JIMMY! It's so nice to meet you! Boy, you sure look \n"
    "thirsty, huh? You could use some water!'\n"
    "\n"
    "(Drink the potion? Y/N)";
const std::string kJimmyAgain =
    "'Well, hi again, buddy! Nice to see you! Don't mind me, I'm \n"
    "just sittin' around, having a great time! Say, you STILL \n"
    "look thirsty. Make sure not to get dehydrated, friend!'\n"
    "\n"
    "(Drink the potion? Y/N)";
const std::string kJimmyByZombie =
    "You drink the POTION. Full HP restored. Doesn't taste like \n"
    "flesh, though.";

using ShopEntry = void (*)(GameState&, Floor&, PlayerRecord&, int);

struct ShopTileRow {
  const char* what;
  ShopEntry enter;
  const char* kind;
  const char* playerClass;
  int fate;
  int cousinGreeting;
  const std::string* reply;
  int promptAfter;  // the prompt left open (2 when none opened)
  int stageAfter;
  int cousinAfter;
  const char* kindAfter;
  const char* textAfter;
};

const ShopTileRow kShopTileRows[] = {
    {"hint shop", enterHintShop, "Hint", "ACADEMIC", 99, 0, &kHintShopGreeting, 9, 0, 0, "Hint", "stand"},
    {"hint shop, zombie", enterHintShop, "Hint", "ZOMBIE", 10, 0, &kHintShopLocked, 2, 0, 0, "Hint", "stand"},
    {"hint hell", enterHintHell, "Doom", "CONVICT", 98, 0, &kHellGreeting, 35, 0, 0, "Doom", "stand"},
    {"hint hell, hard mode", enterHintHell, "Doom", "CONVICT", 99, 0, &kHellDoomed, 2, 0, 0, "Doom", "stand"},
    {"hint hell, zombie", enterHintHell, "Doom", "ZOMBIE", 10, 0, &kHintShopLocked, 2, 0, 0, "Doom", "stand"},
    {"gerard", enterGerardShop, "Shop", "OPPORTUNIST", 10, 0, &kGerardGreeting, 12, 0, 0, "Shop", "stand"},
    {"gerard, zombie", enterGerardShop, "Shop", "ZOMBIE", 10, 0, &kGerardGone, 2, 0, 0, "",
     " is nothing but the wind."},
    {"wombleton", enterWombletonShop, "Shop2", "ACADEMIC", 10, 0, &kWombletonGreeting, 10, 0, 0, "Shop2", "stand"},
    {"wombleton, cousin told before", enterWombletonShop, "Shop2", "ACADEMIC", 10, 2, &kWombletonGreeting, 10, 0,
     2, "Shop2", "stand"},
    {"wombleton, cousin's news", enterWombletonShop, "Shop2", "ACADEMIC", 10, 1, &kWombletonCousin, 2, 38, 2,
     "Shop2", "stand"},
    {"wombleton, zombie", enterWombletonShop, "Shop2", "ZOMBIE", 10, 1, &kWombletonInedible, 2, 0, 1, "Shop2",
     "stand"},
    {"jimmy", enterJimmyFirstVisit, "Heal", "CONVICT", 10, 0, &kJimmyFirst, 41, 0, 0, "Heal2", "stand"},
    {"jimmy again", enterJimmyLaterVisit, "Heal2", "CONVICT", 10, 0, &kJimmyAgain, 41, 0, 0, "Heal2", "stand"},
    {"jimmy again, zombie", enterJimmyLaterVisit, "Heal2", "ZOMBIE", 10, 0, &kJimmyAgain, 41, 0, 0, "Heal2",
     "stand"},
    {"jimmy, zombie", enterJimmyFirstVisit, "Heal", "ZOMBIE", 10, 0, &kJimmyByZombie, 2, 0, 0, "",
     " is some broken glass."},
};

class ShopTiles : public PromptPlay {};

TEST_F(ShopTiles, EachShopGreetsOpensItsQuestionAndLeavesItsTile) {
  constexpr int kTile = 5;
  for (const ShopTileRow& row : kShopTileRows) {
    SCOPED_TRACE(row.what);
    state.pendingPrompt = 2;
    state.dialogueStage = 0;
    state.fateValue = row.fate;
    state.cousinGreeting = row.cousinGreeting;
    state.moveDirection = kTile;
    state.messageBuffer = "left over from before";
    player.playerClass = row.playerClass;
    floorRecord.tileKinds[kTile] = row.kind;
    floorRecord.tileTexts[kTile] = "stand";

    row.enter(state, floorRecord, player, kTile);

    EXPECT_EQ(state.messageBuffer, *row.reply);
    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(state.dialogueStage, row.stageAfter);
    EXPECT_EQ(state.cousinGreeting, row.cousinAfter);
    EXPECT_EQ(floorRecord.tileKinds[kTile], row.kindAfter);
    EXPECT_EQ(floorRecord.tileTexts[kTile], row.textAfter);
    EXPECT_EQ(state.combatState, 0);
  }
}

TEST_F(ShopTiles, ZombieDrinksJimmyAtOnceAndEarnsTheMurderOnlyWhileItIsFree) {
  struct Row {
    const char* what;
    int hp;
    int maxHp;
    const char* slotBefore;
    const char* slotAfter;
    bool metaWritten;
  };
  const Row rows[] = {
      {"wounded, slot free", 3, 40, "", "Rotty", true},
      {"at full hp, slot free", 40, 40, "", "Rotty", true},
      {"slot already held", 3, 40, "Ann", "Ann", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::filesystem::remove("saves/meta-save.txt");
    player.playerClass = "ZOMBIE";
    player.name = "Rotty";
    player.hp = row.hp;
    player.maxHp = row.maxHp;
    player.drankJimmy = 0;
    state.achievements[6] = row.slotBefore;
    floorRecord.tileKinds[1] = "Heal";

    enterJimmyFirstVisit(state, floorRecord, player, 1);

    EXPECT_EQ(player.hp, row.maxHp);
    EXPECT_EQ(player.drankJimmy, 1);
    EXPECT_EQ(state.achievements[6], row.slotAfter);
    EXPECT_EQ(fileExists("saves/meta-save.txt"), row.metaWritten);
    EXPECT_EQ(state.pendingPrompt, 1) << "a zombie is asked nothing";
  }
}

}  // namespace
