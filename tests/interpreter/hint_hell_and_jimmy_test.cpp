// FL'GARHH's shrine, eating salted equipment, and drinking JIMMY THE POTION.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"

namespace {

const std::string kInsufficient = "'CEASE YOUR DECEPTION. THIS PAYMENT IS INSUFFICIENT.'\n"
                                  "Your gold is shot back out of the shrine at high velocity, \n"
                                  "hitting you in the head. Ouch! You take 2 damage.";
const std::string kShrineLead = "Your gold dissolves in the shrine. A booming voice speaks:\n";
const std::string kHintFour = "'YOU ARE PATHETIC AND USELESS. YOU SHOULD GIVE UP.'";
const std::string kAnother = "\n"
                             "Will you place another 20 gold in the shrine? (Y/N)";
const std::string kExhausted =
    "'YOU DISPLAY A DEGENERATE OVER-ENTHUSIASM FOR EMPTY ADVICE. \n"
    "THERE WILL BE NO SAVING YOU. YOU WILL DIE, AS WILL ALL ELSE. \n"
    "IT IS INEVITABLE. LEAVE THIS PLACE AND DO NOT RETURN.'\n"
    "Your legs move of their own accord, taking you away from \n"
    "HINT HELL. Probably for the best.";
const std::string kLeave =
    "You leave HINT HELL as quickly as possible. You didn't \n"
    "realize it earlier, but your heart is pounding and your \n"
    "head aches terribly... after a moment, your head clears \n"
    "and you return to the center.";
const std::string kLoiter =
    "Standing near FL'GARHH is giving you a headache... you \n"
    "shouldn't loiter here. Do you place 20 gold in the shrine, \n"
    "Y or N?";

class HintHellAndJimmy : public PromptPlay {};

TEST_F(HintHellAndJimmy, ShrineTakesTwentyGoldForEachHintAndPunishesTheShort) {
  struct Row {
    const char* what;
    std::string line;
    int gold;
    int hp;
    bool allGiven;
    std::vector<std::uint32_t> draws;
    std::string reply;
    int goldAfter;
    int hpAfter;
    int promptAfter;
    const char* causeAfter;
  };
  const Row rows[] = {
      {"short, survives", "y", 19, 3, false, {}, kInsufficient, 19, 1, 2, ""},
      {"short, dies", "1", 19, 2, false, {}, kInsufficient + "\n"
                                                             "[TYPE ANYTHING TO CONTINUE]", 19, 0, 16,
       "doomhint"},
      {"a hint", "y", 25, 9, false, {15}, kShrineLead + kHintFour + kAnother, 5, 9, 35, ""},
      {"every hint given", "y", 20, 9, true, {0}, kShrineLead + kExhausted, 0, 9, 2, ""},
      {"no", "n", 25, 9, false, {}, kLeave, 25, 9, 2, ""},
      {"unclear", "", 25, 9, false, {}, kLoiter, 25, 9, 35, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    state.hellHintsGiven.assign(11, row.allGiven);
    state.pendingWord.clear();
    player.gold = row.gold;
    player.hp = row.hp;
    openPrompt(35);
    dice::Script script(row.draws);

    EXPECT_EQ(type(row.line), row.reply);

    EXPECT_EQ(player.gold, row.goldAfter);
    EXPECT_EQ(player.hp, row.hpAfter);
    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(state.pendingWord, row.causeAfter);
    EXPECT_EQ(script.drawsLeft(), 0u);
  }
}

TEST_F(HintHellAndJimmy, ElevenPaymentsBuyElevenDifferentHintsThenTheShrineSendsTheHeroAway) {
  player.gold = 1000;
  std::vector<std::string> hints;
  for (int paid = 0; paid < 11; ++paid) {
    openPrompt(35);
    hints.push_back(type("y"));
    EXPECT_EQ(state.pendingPrompt, 35);
  }
  std::sort(hints.begin(), hints.end());
  EXPECT_EQ(std::unique(hints.begin(), hints.end()), hints.end());
  EXPECT_EQ(type("y"), kShrineLead + kExhausted);
  EXPECT_EQ(player.gold, 1000 - 12 * 20);
}

TEST_F(HintHellAndJimmy, EatingSaltedEquipmentHealsAThirdAndLeavesFistsOrNudity) {
  struct Row {
    const char* what;
    int prompt;
    bool weaponSalted;
    bool armorSalted;
    const char* quibblent;
    std::string line;
    std::string reply;
    int promptAfter;
    const char* weaponAfter;
    const char* armorAfter;
    const char* quibblentAfter;
  };
  const std::string ateSword =
      "You greedily wolf down your LIGHTLY SALTED SWORD.\n"
      "It tastes horrible, but you hardly notice.\n"
      "You recovered 10 HP!!\n";
  const std::string ateMail =
      "You greedily wolf down your LIGHTLY SALTED MAIL.\n"
      "It tastes horrible, but you hardly notice.\n"
      "You recovered 10 HP!!\n";
  const std::string fists = "\n"
                            "You must now fight with your bare FISTS.";
  const std::string nude = "\n"
                           "You are now NUDE, and will take extra damage.";
  const Row rows[] = {
      {"the weapon, an ELITE hero", 36, true, false, "ELITE", "y", ateSword + fists, 2, "FISTS",
       "LIGHTLY SALTED MAIL", "ELITE"},
      {"the armor", 36, false, true, "ELITE", "1", ateMail + nude, 2, "LIGHTLY SALTED SWORD", "NUDITY", "ELITE"},
      {"resisted", 36, false, true, "ELITE", "no",
       "You barely resist the temptation to EAT your \n"
       "LIGHTLY SALTED MAIL...",
       2, "LIGHTLY SALTED SWORD", "LIGHTLY SALTED MAIL", "ELITE"},
      {"unclear", 36, true, false, "ELITE", "eat",
       "You're so hungry, you can barely think...\n"
       "Will you EAT the LIGHTLY SALTED SWORD, Y or N?",
       36, "LIGHTLY SALTED SWORD", "LIGHTLY SALTED MAIL", "ELITE"},
      {"both: the armor", 37, true, true, "ELITE", "armor", ateMail + nude, 2, "LIGHTLY SALTED SWORD", "NUDITY",
       "ELITE"},
      {"both: cancelled", 37, true, true, "ELITE", "", "You barely resist the temptation to EAT your own items...",
       2, "LIGHTLY SALTED SWORD", "LIGHTLY SALTED MAIL", "ELITE"},
      {"both: unclear", 37, true, true, "ELITE", "y",
       "You're so hungry, you can barely think...\n"
       "Will you eat your WEAPON, or your ARMOR? \n"
       "(Type nothing to cancel.)",
       37, "LIGHTLY SALTED SWORD", "LIGHTLY SALTED MAIL", "ELITE"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    player = PlayerRecord();
    player.maxHp = 31;
    player.hp = 31;
    player.quibblent = row.quibblent;
    player.equipment[0].name = "LIGHTLY SALTED SWORD";
    player.equipment[0].quibblent = row.weaponSalted ? "LIGHTLY SALTED" : "SHARP";
    player.equipment[0].attack = 5;
    player.equipment[1].name = "LIGHTLY SALTED MAIL";
    player.equipment[1].quibblent = row.armorSalted ? "LIGHTLY SALTED" : "DAMP";
    player.equipment[1].defence = 3;
    player.attack = 9;
    player.defence = 3;
    floorRecord.floorNumber = 4;
    openPrompt(row.prompt);

    EXPECT_EQ(type(row.line), row.reply);

    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(player.equipment[0].name, row.weaponAfter);
    EXPECT_EQ(player.equipment[1].name, row.armorAfter);
    EXPECT_EQ(player.quibblent, row.quibblentAfter);
    EXPECT_EQ(player.attack, 4 + player.equipment[0].attack);
    EXPECT_EQ(player.defence, player.equipment[1].defence);
  }
}

TEST_F(HintHellAndJimmy, EatingMakesTheStarvingAndTheUninterestingRavenous) {
  for (const char* word : {"STARVING", "UNINTERESTING"}) {
    SCOPED_TRACE(word);
    player = PlayerRecord();
    player.quibblent = word;
    player.hp = 5;
    player.equipment[0].name = "LIGHTLY SALTED CLUB";
    player.equipment[0].quibblent = "LIGHTLY SALTED";
    openPrompt(36);
    const std::string reply = type("y");
    EXPECT_EQ(player.quibblent, "RAVENOUS");
    EXPECT_EQ(player.hp, 15);
    EXPECT_EQ(reply.rfind("You greedily wolf down your LIGHTLY SALTED CLUB.", 0), 0u) << reply;
    EXPECT_NE(reply.find("\n"
                         "You must now fight with your bare FISTS."),
              std::string::npos);
  }
}

TEST_F(HintHellAndJimmy, DrinkingJimmyRestoresTheHeroAndLeavesBrokenGlass) {
  const std::string drunk = "'Hey, what're y-AAAAAAAAAAAAAAAAAAHHHHHH!!! MY FLUIDS! MY \n"
                            "PRECIOUS FLUIDS! PLEASE, NOOOOOOOOOoooooooooooo...' \n"
                            "\n"
                            "You drink away JIMMY's lifeforce, and casually throw away \n"
                            "the empty bottle when you're done. Full HP restored!";
  struct Row {
    const char* what;
    std::string line;
    const char* slotBefore;
    std::string reply;
    int promptAfter;
    bool drunk;
    const char* slotAfter;
  };
  const Row rows[] = {
      {"yes, first murderer", "y", "", drunk, 2, true, "Bob"},
      {"yes, murder already done", "yes", "Ann", drunk, 2, true, "Ann"},
      {"no", "2", "", "'Nice meeting you! Come by again sometime!' Mildly creeped \n"
                      "out by the talking potion, you leave JIMMY alone.", 2, false, ""},
      {"unclear", "drink", "", "'What're you looking at me like that for, buddy? Never seen \n"
                               "a talking potion before?'\n"
                               "(Drink the potion? Y/N)", 41, false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::filesystem::remove("saves/meta-save.txt");
    player = PlayerRecord();
    player.name = "Bob";
    player.hp = 4;
    player.maxHp = 44;
    state.achievements[6] = row.slotBefore;
    state.moveDirection = 7;
    floorRecord.tileKinds[7] = "Heal2";
    floorRecord.tileTexts[7] = " is JIMMY.";
    openPrompt(41);

    EXPECT_EQ(type(row.line), row.reply);

    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(player.hp, row.drunk ? 44 : 4);
    EXPECT_EQ(player.drankJimmy, row.drunk ? 1 : 0);
    EXPECT_EQ(floorRecord.tileKinds[7], row.drunk ? "" : "Heal2");
    EXPECT_EQ(floorRecord.tileTexts[7], row.drunk ? " is some broken glass." : " is JIMMY.");
    EXPECT_EQ(state.achievements[6], row.slotAfter);
    EXPECT_EQ(fileExists("saves/meta-save.txt"), row.slotBefore[0] == '\0' && row.drunk);
  }
}

}  // namespace
