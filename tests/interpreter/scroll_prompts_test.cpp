// Reading a floor scroll and buying hints from HINTLY MCGEE.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"
#include "world/action.h"

namespace {

const std::string kSecret2Scroll =
    "The scroll is written in chicken-scratch handwriting... You \n"
    "can barely make out the words. \n"
    "'I KNOW A SECRET\n"
    "TYPE 'secret2' ON THIS FLOOR \n"
    "AND YOU MAY BE PLEASANTLY SURPRISED \n"
    "       YOUR FRIEND... ;)'";
const std::string kGaryScroll =
    "'HElo AdVenTurur!! If'N yeEE waNt GRET DEALS \n"
    "at LO LO PRICE$, com to YE GRANDE SHOPPE oN ye seVVinTh \n"
    "floRRe. sinCERLy, GaRY thE FRENDLY goLbin :)\n"
    "ps SHHH ist a SECREt RoUm'";
const std::string kIllegible =
    "...The scroll is totally illegible. Whoever wrote it \n"
    "clearly had TERRIBLE handwriting. You are in awe of how \n"
    "completely atrocious the penmanship is here. If you were a \n"
    "professor, and this scroll were one of your papers, you \n"
    "would give it a D- for the handwriting alone.";
const std::string kDoomed = "'All ought fear.\n"
                            "\n"
                            "The One has risen.\n"
                            "\n"
                            "This run is doomed to torment and failure.'";
const std::string kSecretScroll =
    "'Listen Ye Closely, for there be a SECRET upon this floor...\n"
    "Typeth 'secret' into yonne connsolle, and ye shall likely\n"
    "find the results quite fruitfulle...'";
const std::string kConvictGibberish =
    "The scroll is written in an obscure dialect...\n"
    "You can't make heads or tails of it. If only you'd paid \n"
    "more attention in your OBSCURE ANCIENT SCROLL DIALECTS \n"
    "class in college!";
const std::string kOtherGibberish =
    "The scroll is written in an obscure dialect...\n"
    "You can't make heads of tails of it. If only you'd paid \n"
    "more attention in your OBSCURE ANCIENT SCROLL DIALECTS \n"
    "class in college!";
const std::string kSpell = "The scroll contains instructions for learning a spell!\n";
const std::string kCollegeHeal =
    "The scroll is written in an obscure dialect...\n"
    "Actually, you learned this one in college!\n"
    "It's instructions for learning some kind of spell.\n";
const std::string kGibberishAgain =
    "This scroll was just filled with gibberish, remember? \n"
    "It has nothing to offer you.";
const std::string kLearnedAgain =
    "You've already learned the spell from this scroll, remember? \n"
    "It has nothing more for you.";
const std::string kDull =
    "'All work and no play applies DULL on Bob.\n"
    "All work and no play applies DULL on Bob.\n"
    "All work and no play applies DULL on Bob.\n"
    "All work and no play applies DULL on Bob.\n"
    "All work and no play applies DULL on Bob.\n"
    "All work and no play applies DULL on Bob.'";
const std::string kGrudge =
    "'What an asshole that Bob is!\n"
    "Argh, that Bob really pisses me off!\n"
    "\n"
    "(To anyone reading this... sorry. I just had to get that \n"
    "off my chest.)'";
const std::string kMetalhead = "'METALHEAD ORC wuz here'";
const std::string kWizardNotes =
    "'OSWALD T. - ADVENTURER'S NOTES\n"
    "I found him! I knew he'd be around here somewhere! \n"
    "To any who can see this message, follow these directions to \n"
    "reach the hidden study of the great wizard Garglefloxx: ' \n"
    "Below the text is a crudely-drawn set of directions.\n"
    "You follow the directions, and... hey, look, a secret room!";
const std::string kWizardGone =
    "'OSWALD T. - ADVENTURER'S NOTES\n"
    "I have been searching all through this dungeon for the \n"
    "great wizard Garglefloxx, but I just can't seem to find \n"
    "him... I'm starting to think he's not here at all.'";
const std::string kMorality =
    "'Remember to take a break now and again! Drink lots of \n"
    "water! Brush your teeth! Take a MORALITY every day!'";
const std::string kWatchYourBack = "'Watch your back! ;)'";
const std::string kNothing = "The scroll does not say anything interesting!!";

struct ScrollRow {
  const char* what;
  int tier;
  int fate;
  const char* playerClass;
  std::vector<std::uint32_t> draws;
  std::string reply;
  int promptAfter;
  int tierAfter;
  int highScrollsAfter;
  const char* skillLearned;  // "" when none
};

const ScrollRow kScrollRows[] = {
    {"plain, fate 30", 0, 30, "CONVICT", {}, kSecret2Scroll, 2, 0, 0, ""},
    {"plain, fate 65", 0, 65, "CONVICT", {}, kGaryScroll, 2, 0, 0, ""},
    {"plain, fate 98: the prank", 0, 98, "CONVICT", {}, kIllegible, 45, 0, 0, ""},
    {"plain, fate 99", 0, 99, "CONVICT", {}, kDoomed, 2, 0, 0, ""},
    {"secret", 1, 50, "CONVICT", {}, kSecretScroll, 2, 1, 0, ""},
    {"spell, convict", 2, 50, "CONVICT", {2}, kConvictGibberish, 2, 98, 10, ""},
    {"spell, academic, pick 1", 2, 50, "ACADEMIC", {5}, kCollegeHeal + "You learned HEAL!", 2, 99, 10, "HEAL"},
    {"spell, academic, pick 2", 2, 50, "ACADEMIC", {6}, kSpell + "You learned FIREBOLT!", 2, 99, 10,
     "FIREBOLT"},
    {"spell, academic, pick 3", 2, 50, "ACADEMIC", {3}, kSpell + "You learned STUNBOLT!", 2, 99, 10,
     "STUNBOLT"},
    {"spell, opportunist, pick 1", 2, 50, "OPPORTUNIST", {1}, kOtherGibberish, 2, 98, 10, ""},
    {"spell, opportunist, pick 0", 2, 50, "OPPORTUNIST", {4}, kSpell + "You learned MAGICBOLT!", 2, 99, 10,
     "MAGICBOLT"},
    {"gibberish read again", 98, 50, "CONVICT", {}, kGibberishAgain, 2, 98, 0, ""},
    {"learned read again", 99, 50, "ACADEMIC", {}, kLearnedAgain, 2, 99, 0, ""},
    {"lore, hard mode", 4, 99, "CONVICT", {}, kDull, 2, 4, 0, ""},
    {"lore, fate 2 and tier 4", 4, 2, "CONVICT", {}, kGrudge, 2, 4, 0, ""},
    {"lore, fate 3 and tier 8", 8, 3, "CONVICT", {}, kMetalhead, 2, 8, 0, ""},
    {"notes, fate 3", 5, 3, "CONVICT", {}, kWizardGone, 2, 5, 0, ""},
    {"notes, fate 1", 5, 1, "CONVICT", {}, kMorality, 2, 5, 0, ""},
    {"after the prank", 10, 50, "CONVICT", {}, kWatchYourBack, 2, 10, 0, ""},
    {"tier 12", 12, 50, "CONVICT", {}, kNothing, 2, 12, 0, ""},
};

class ScrollPrompts : public PromptPlay {
 protected:
  void SetUp() override {
    player.name = "Bob";
    state.moveDirection = 3;
    floorRecord.wizardMet = true;
  }

  bool knows(const std::string& skill) const {
    return std::any_of(player.skills.begin(), player.skills.end(),
                       [&](const Action& held) { return held.name == skill; });
  }
};

TEST_F(ScrollPrompts, WhatAScrollSaysByTierFateAndClass) {
  for (const ScrollRow& row : kScrollRows) {
    SCOPED_TRACE(row.what);
    player.playerClass = row.playerClass;
    player.skills.clear();
    state.fateValue = row.fate;
    floorRecord.highScrollCount = 0;
    floorRecord.tileScrollTiers[3].tier = row.tier;
    openPrompt(8);
    dice::Script script(row.draws);

    // Any line goes on, a "no" too.
    EXPECT_EQ(type("n"), row.reply);

    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(floorRecord.tileScrollTiers[3].tier, row.tierAfter);
    EXPECT_EQ(floorRecord.highScrollCount, row.highScrollsAfter);
    EXPECT_EQ(script.drawsLeft(), 0u);
    if (row.skillLearned[0] != '\0') {
      EXPECT_TRUE(knows(row.skillLearned));
    }
  }
}

TEST_F(ScrollPrompts, ScrollsRevealWhatTheySpeakOf) {
  struct Row {
    int tier;
    int fate;
    const char* secretRoomKind;
    bool Floor::*flag;
  };
  const Row rows[] = {
      {0, 25, "Trap", &Floor::secret2Known},   {0, 94, "Trap", &Floor::goblinShopKnown},
      {0, 0, "Trap", &Floor::scrollBonus},     {1, 0, "Trap", &Floor::secretRoomKnown},
      {5, 0, "Wizard", &Floor::secretRoomKnown},
  };
  for (const Row& row : rows) {
    Floor fresh;
    fresh.secretRoomKind = row.secretRoomKind;
    fresh.tileScrollTiers[3].tier = row.tier;
    state.fateValue = row.fate;
    openPrompt(8);
    state.processCommand("x", fresh, player);
    EXPECT_TRUE(fresh.*row.flag) << "tier " << row.tier << ", fate " << row.fate;
  }
  // The directions to the wizard tell of the room only while it is unknown.
  Floor known;
  known.secretRoomKind = "WizardStop";
  known.secretRoomKnown = true;
  known.tileScrollTiers[3].tier = 5;
  openPrompt(8);
  EXPECT_EQ(state.processCommand("", known, player), kWizardNotes.substr(0, kWizardNotes.find("\n"
                                                                                              "You follow")));
}

TEST_F(ScrollPrompts, AFullHandOfSkillsIsAskedToMakeRoomButNeverForASkillItHolds) {
  // A spell scroll whose MAGICBOLT pick (draw 0) an OPPORTUNIST can read.
  player.playerClass = "OPPORTUNIST";
  const std::vector<std::string> full = {"ATTACK", "PICKPOCKET", "NEGOTIATE", "HEAL", "EAT", "PREACH"};
  for (const std::string& skill : full) player.skills.emplace_back(skill, 1, true);

  floorRecord.tileScrollTiers[3].tier = 2;
  openPrompt(8);
  {
    dice::Script script({0});
    EXPECT_EQ(type("ok"), kSpell + "You could gain permanent access to the MAGICBOLT skill, \n"
                                   "but you have 6 skills already. \n"
                                   "Would you like to replace one? (Y / N)");
  }
  EXPECT_EQ(state.pendingPrompt, 48);
  EXPECT_EQ(state.auxCounter, 0);
  EXPECT_EQ(state.pendingWord, "MAGICBOLT");

  player.skills.back() = Action("MAGICBOLT", 1, true);
  floorRecord.tileScrollTiers[3].tier = 2;
  openPrompt(8);
  {
    dice::Script script({3});
    EXPECT_EQ(type("ok"), kSpell + "You already know that skill! Don't be a skill-hoarder.");
  }
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(player.skills.size(), 6u);
}

TEST_F(ScrollPrompts, TheSecretRoomsScrollTeachesTheAncientSpellThenTellsLore) {
  const std::string ancient = "Written on the SCROLL, in a language you've never seen \n"
                              "before yet instinctively understand, are detailed \n"
                              "instructions on casting a powerful ANCIENT SPELL.\n";
  struct Row {
    const char* what;
    int index;
    const char* playerClass;
    std::vector<std::string> skills;
    std::string replyStart;
    const char* roomAfter;
    bool Floor::*flag;
    const char* learned;
    int promptAfter;
  };
  const Row rows[] = {
      {"spell", 0, "CONVICT", {"ATTACK"}, ancient + "You read it and...\n"
                                                    "You learned HEAL!", "Scroll3",
       &Floor::scrollsBelow3Found, "HEAL", 2},
      {"spell, academic with HEAL", 2, "ACADEMIC", {"HEAL"}, ancient + "You read it and...\n"
                                                                       "You learned FIREBOLT!",
       "Scroll3", &Floor::scrollsBelow3Found, "FIREBOLT", 2},
      {"spell, hands full", 1, "CONVICT", {"A", "B", "C", "D", "E", "F"},
       ancient + "You could gain permanent access to the HEAL skill, \n"
                 "but you have 6 skills already. \n"
                 "Would you like to replace one? (Y / N)",
       "Scroll3", &Floor::scrollsBelow3Found, "", 48},
      {"spell, hands full, HEAL among them", 1, "CONVICT", {"A", "B", "HEAL", "D", "E", "F"},
       ancient + "You read it and...\n"
                 "You already know that skill! Don't be a skill-hoarder.", "Scroll3",
       &Floor::scrollsBelow3Found, "", 2},
      {"third", 3, "CONVICT", {}, "'Me an' DUDA have been hard at work", "Scroll", &Floor::scroll3Found, "", 2},
      {"fourth", 4, "CONVICT", {}, "' -- BOARD OF ARCH-ACCOUNTANTS INTERNAL MEETING NOTES -- ", "Scroll",
       &Floor::scroll4Found, "", 2},
      {"fifth", 5, "CONVICT", {}, "'If you're reading this, I've relocated my study", "Scroll",
       &Floor::scroll5Found, "", 2},
      {"later", 9, "CONVICT", {}, "'FIVE secret scrolls in one run!? For real?", "Scroll", nullptr, "", 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Floor fresh;
    fresh.secretRoomKind = "Scroll";
    fresh.secretScrollIndex = row.index;
    player.playerClass = row.playerClass;
    player.skills.clear();
    for (const std::string& skill : row.skills) player.skills.emplace_back(skill, 1, true);
    openPrompt(14);

    const std::string reply = state.processCommand("n", fresh, player);

    EXPECT_EQ(reply.rfind(row.replyStart, 0), 0u) << reply;
    if (row.index < 3) {
      EXPECT_EQ(reply, row.replyStart);
    }
    EXPECT_EQ(fresh.secretRoomKind, row.roomAfter);
    if (row.flag != nullptr) {
      EXPECT_TRUE(fresh.*row.flag);
    }
    if (row.learned[0] != '\0') {
      EXPECT_TRUE(knows(row.learned));
      EXPECT_EQ(state.pendingWord, row.learned);
    }
    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
  }
}

// ---------------------------------------------------------------- the hint shop

const std::string kHintLead = "'Alrighty, one HINT comin' right up! Now let's see here...\n";
const std::string kHintFive =
    "ITEMS! Ya may feel an instinct to save 'em for later... \n"
    "But you can only hold six types at a time, and there's \n"
    "plenty of variety down there! No need to be a hoarder.\n"
    "\n"
    "And there ye go! That'll be 2 GOLD. Want another one? (Y/N)'";
const std::string kHintTen =
    "Ya seem like an observant sort... Did you know, by typing \n"
    "'look', y'can see information that's not normally visible? \n"
    "For example, by using 'look', you can see a monster's \n"
    "QUIBBLENT, or whether they're blockin' the stairs.\n"
    "And there ye go! That'll be 2 GOLD. Want another one? (Y/N)'";
const std::string kSoldOut =
    "Errr... looks like you already got all me HINTS! Sorry, \n"
    "bucko. Here, here's yer money back. Seeya later!'";

TEST_F(ScrollPrompts, HintShopSellsEachHintOnceAndGivesTheMoneyBackWhenNoneAreLeft) {
  struct Row {
    const char* what;
    std::string line;
    int gold;
    std::vector<int> givenBefore;  // -1: every hint
    std::vector<std::uint32_t> draws;
    std::string reply;
    int goldAfter;
    int promptAfter;
    int newlyGiven;  // -1 when none
  };
  const Row rows[] = {
      {"no", "n", 10, {}, {}, "'Understannable, understannable. Awelp, I'll be here if'n\n"
                              "you need me! See ya later, friend!'", 10, 2, -1},
      {"unclear", "maybe", 10, {}, {}, "'What's that then now? I can't understand yer accent,\n"
                                       "friend. Y or N, please?'", 10, 9, -1},
      {"too poor", "y", 1, {}, {},
       "'Oy! Now what's this then? Ya don't even have 2 GOLD???\n"
       "Simpleton! Peasant! Have-not! Get out of my face!'\n"
       "He angrily shoves you away...",
       1, 2, -1},
      {"a new hint after a repeat", "1", 2, {3}, {3, 15, 5}, kHintLead + kHintFive, 0, 9, 5},
      {"a one-break closing", "y", 7, {}, {22}, kHintLead + kHintTen, 5, 9, 10},
      {"all given", "y", 2, {-1}, {0}, kHintLead + kSoldOut, 2, 2, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    state.shopHintsGiven.assign(12, false);
    for (int given : row.givenBefore) {
      if (given < 0) state.shopHintsGiven.assign(12, true);
      else state.shopHintsGiven[given] = true;
    }
    const std::vector<bool> before = state.shopHintsGiven;
    player.gold = row.gold;
    openPrompt(9);
    dice::Script script(row.draws);

    EXPECT_EQ(type(row.line), row.reply);

    EXPECT_EQ(player.gold, row.goldAfter);
    EXPECT_EQ(state.pendingPrompt, row.promptAfter);
    EXPECT_EQ(script.drawsLeft(), 0u);
    std::vector<bool> expected = before;
    if (row.newlyGiven >= 0) expected[row.newlyGiven] = true;
    EXPECT_EQ(state.shopHintsGiven, expected);
  }
}

TEST_F(ScrollPrompts, TwelveHintsBoughtInARunAreTwelveDifferentOnes) {
  player.gold = 100;
  std::vector<std::string> replies;
  for (int bought = 0; bought < 12; ++bought) {
    openPrompt(9);
    replies.push_back(type("y"));
  }
  std::sort(replies.begin(), replies.end());
  EXPECT_EQ(std::unique(replies.begin(), replies.end()), replies.end());
  EXPECT_EQ(player.gold, 76);
  openPrompt(9);
  EXPECT_EQ(type("y"), kHintLead + kSoldOut);
  EXPECT_EQ(player.gold, 76);
}

}  // namespace
