#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/later_dialogues.h"
#include "interpreter/music_requests.h"
#include "interpreter/prompt_answers.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

// The hero standing beside one character on the east tile, mid-talk.
struct Talk {
  GameState state;
  Floor floorRecord;
  PlayerRecord player;
  static constexpr int kTile = 2;

  Talk(const std::string& occupantKey, int stage) {
    buildQuibblentTables();
    floorRecord.tileKinds[kTile] = "NPC";
    floorRecord.tileOccupants[kTile] = TileOccupant(occupantKey, -1, -1);
    floorRecord.floorNumber = 2;
    state.moveDirection = kTile;
    state.currentFeature = &floorRecord.tileOccupants[kTile];
    state.dialogueStage = stage;
    state.pendingPrompt = kNoPrompt;
  }
  std::string say(const std::string& line) {
    const StageReply reply = answerLaterDialogueStage(state, floorRecord, player, line);
    EXPECT_TRUE(reply.has_value()) << "stage " << state.dialogueStage << " gave no answer";
    return reply.value_or("");
  }
  void hold(std::vector<std::string> names, std::vector<int> counts) {
    player.inventoryNames = std::move(names);
    counts.resize(kInventorySlots, 0);
    player.inventoryCounts = std::move(counts);
  }
  int count(const std::string& item) const {
    for (std::size_t slot = 0; slot < player.inventoryNames.size(); ++slot) {
      if (player.inventoryNames[slot] == item) return player.inventoryCounts[slot];
    }
    return 0;
  }
};

struct SeededRolls {
  explicit SeededRolls(unsigned seed) { dice::useSeed(seed); }
  ~SeededRolls() { dice::useDevice(); }
};

TEST(LaterDialogues, StagesOfOtherTalksPassOnUntouched) {
  for (int stage : {0, 1, 3, 5, 12, 40, 55, 57, 71, 72, 73, -4}) {
    Talk talk("Consoom", stage);
    talk.state.messageBuffer = "before";
    EXPECT_FALSE(answerLaterDialogueStage(talk.state, talk.floorRecord, talk.player, "y").has_value()) << stage;
    EXPECT_EQ(talk.state.dialogueStage, stage);
    EXPECT_EQ(talk.state.messageBuffer, "before");
  }
}

TEST(LaterDialogues, TheElementalAsksForFoodAndListsTheBag) {
  const struct {
    std::vector<std::string> names;
    std::vector<int> counts;
    std::string line;
    std::string reply;
    int stage;
  } cases[] = {
      {{"POTION", "CALCULATOR"}, {2, 1}, "y", "Select an item - 1: POTION (2)\n"
                                              "2: CALCULATOR (1)\n", 24},
      {{"POTION"}, {2}, "1", "Select an item - 1: POTION (2)\n", 24},
      {{}, {}, "y",
       "...You don't have any ITEMS to offer! \n"
       "Looks like the CONSUMPTION ELEMENTAL isn't getting fed today.", 0},
      {{"POTION"}, {2}, "n",
       "You decide to leave the CONSUMPTION ELEMENTAL alone.\n"
       "Frankly it was starting to weird you out.", 0},
      {{"POTION"}, {2}, "north",
       "'FEED ME.' Will you feed the CONSUMPTION ELEMENTAL \n"
       "one of your items? (Y/N)",
       23},
  };
  for (const auto& c : cases) {
    Talk talk("Consoom", 23);
    talk.hold(c.names, c.counts);
    EXPECT_EQ(talk.say(c.line), c.reply) << c.line;
    EXPECT_EQ(talk.state.dialogueStage, c.stage) << c.line;
  }
}

TEST(LaterDialogues, WhatTheElementalMakesOfEachItem) {
  const std::string potionOne = "The CONSUMPTION ELEMENTAL wolfs down your POTION. \n"
                                "'YES! FOOD. FEED ME MORE. MORE!'\n"
                                "Feed it another item? (Y/N)";
  const struct {
    std::string item;
    int fullnessBefore;
    std::string line;
    int stage;
    int fullnessAfter;
    std::string replyStart;
  } cases[] = {
      {"POTION", 0, "1", 23, 1, potionOne},
      {"POTION", 1, "1", 23, 2,
       "The CONSUMPTION ELEMENTAL devours your POTION.\n"
       "'OH YES!"},
      {"POTION", 2, "1", 23, 3,
       "The CONSUMPTION ELEMENTAL gobbles down your POTION. \n"
       "'FOOD! FOOD! FOOD!"},
      // The rich items count twice: 2 + 2 is past full.
      {"TOME OF WISDOM", 2, "1", 26, 4, "The CONSUMPTION ELEMENTAL gormandizes your TOME OF WISDOM. \n"},
      {"CALCULATOR", 0, "1", 23, 2, "The CONSUMPTION ELEMENTAL devours your CALCULATOR."},
      // Not filling, as it says.
      {"HAT", 2, "1", 23, 2,
       "The CONSUMPTION ELEMENTAL consumes your HAT. \n"
       "'NO... NOT GOOD FOOD. NOT FILLING."},
      {"VORTEX", 0, "1", 0, 1, "The CONSUMPTION ELEMENTAL attempts to eat your VORTEX..."},
      {"TELEPOROMETER", 0, "1", 25, 1, "The CONSUMPTION ELEMENTAL chows down on your TELEPOROMETER.\n"},
      {"POTION", 0, "3", 0, 0,
       "You don't have anything in that slot!\n"
       "You decide not to feed the CONSUMPTION ELEMENTAL anything."},
      {"POTION", 0, "7", 0, 0, "You decide not to feed the CONSUMPTION ELEMENTAL anything."},
      {"POTION", 0, "potion", 0, 0, "You decide not to feed the CONSUMPTION ELEMENTAL anything."},
  };
  for (const auto& c : cases) {
    Talk talk("Consoom", 24);
    talk.hold({c.item, "ROCK"}, {2, 1});
    talk.floorRecord.tileOccupants[Talk::kTile].visitState = c.fullnessBefore;
    const std::string reply = talk.say(c.line);
    EXPECT_EQ(reply.substr(0, c.replyStart.size()), c.replyStart) << c.item << " " << c.line;
    EXPECT_EQ(talk.state.dialogueStage, c.stage) << c.item << " " << c.line;
    EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].visitState, c.fullnessAfter) << c.item;
    const bool eaten = c.line == "1";
    EXPECT_EQ(talk.count(c.item), eaten ? 1 : 2) << c.item << " " << c.line;
  }
}

TEST(LaterDialogues, TheElementalGoneOrTurnedHostileLeavesItsTile) {
  Talk vortex("Consoom", 24);
  vortex.hold({"VORTEX"}, {1});
  vortex.say("1");
  EXPECT_EQ(vortex.floorRecord.tileKinds[Talk::kTile], "");
  EXPECT_EQ(vortex.floorRecord.tileTexts[Talk::kTile], " is absolute nothingness.");
  EXPECT_TRUE(vortex.player.inventoryNames.empty());

  SeededRolls rolls(3);
  Talk book("Consoom", 24);
  book.hold({"NECRONOMICON"}, {1});
  book.say("1");
  EXPECT_EQ(book.state.dialogueStage, 40);
  EXPECT_EQ(book.floorRecord.tileKinds[Talk::kTile], "Mon");
  EXPECT_EQ(book.floorRecord.tileCreatures[Talk::kTile].type, "ZOMBIE");

  Talk gadget("Consoom", 25);
  EXPECT_EQ(gadget.say(""), "Yep, it's gone. And so is your TELEPOROMETER. \n"
                            "You'll probably never see either of them again. Oh well.");
  EXPECT_EQ(gadget.state.dialogueStage, 0);
  EXPECT_EQ(gadget.floorRecord.tileTexts[Talk::kTile], ", there is nothing at all.");
}

TEST(LaterDialogues, TheBoonIsGrantedWithOrWithoutRoomForEat) {
  const std::string start = "The CONSUMPTION ELEMENTAL gazes at you, and your body starts \n"
                            "to shudder. You have been granted a BOON OF CONSUMPTION! \n";
  const struct {
    std::vector<std::string> skills;
    int prompt;
    bool eatLearned;
    std::string rest;
  } cases[] = {
      {{"ATTACK", "FLEE"}, kNoPrompt, true, "You now have permanent access to the EAT skill."},
      {{"A1", "A2", "A3", "A4", "A5", "A6"}, 48, false,
       "You could gain permanent access to the EAT skill, but you \n"
       "have 6 skills already. Would you like to replace one? (Y/N)"},
      {{"A1", "A2", "A3", "A4", "A5", "EAT"}, kNoPrompt, true, "You now have permanent access to the EAT skill."},
  };
  for (const auto& c : cases) {
    Talk talk("Consoom", 26);
    for (const auto& name : c.skills) talk.player.skills.emplace_back(name, 1, true);
    EXPECT_EQ(talk.say(""), start + c.rest) << c.skills.size();
    EXPECT_EQ(talk.state.pendingPrompt, c.prompt);
    EXPECT_TRUE(talk.player.boonOfConsumption);
    EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].stateCode, 0);
    EXPECT_EQ(talk.state.dialogueStage, 0);
    bool knowsEat = false;
    for (const auto& skill : talk.player.skills) knowsEat = knowsEat || skill.name == "EAT";
    EXPECT_EQ(knowsEat, c.eatLearned);
    if (c.prompt == 48) {
      EXPECT_EQ(talk.state.pendingWord, "EAT");
      EXPECT_EQ(talk.state.auxCounter, 0);
    }
  }
}

TEST(LaterDialogues, TheSkullGivesAPotionOnlyWhenItFits) {
  const std::string start = "'I can't wait till I can tell my friends about this! They'll \n"
                            "be soooo jealous that I got to spook a real live adventurer! \n";
  const std::string given = "Here, I want you to have this! Hee hee hee!' \n"
                            "You got a POTION! ";
  const std::string thanks = "Thanks a lot. You really made my day!'\n";
  const struct {
    std::vector<std::string> names;
    std::vector<int> counts;
    bool gift;
    int potionsAfter;
  } cases[] = {
      {{"ROCK"}, {1}, true, 1},
      {{"A", "B", "C", "D", "E", "F"}, {1, 1, 1, 1, 1, 1}, false, 0},
      {{"A", "B", "C", "D", "E", "POTION"}, {1, 1, 1, 1, 1, 3}, true, 4},
      // A full stack takes no more.
      {{"POTION"}, {10}, false, 10},
  };
  for (const auto& c : cases) {
    Talk talk("BabyGhast", 30);
    talk.hold(c.names, c.counts);
    EXPECT_EQ(talk.say("x"), start + (c.gift ? given : thanks) + "The TINY SKULL floats away giggling.");
    EXPECT_EQ(talk.count("POTION"), c.potionsAfter);
    EXPECT_EQ(talk.state.dialogueStage, 0);
    EXPECT_EQ(talk.floorRecord.tileTexts[Talk::kTile], ", there is nothing at all.");
  }
}

TEST(LaterDialogues, TheSkullsPrankRunsItsCourse) {
  Talk early("BabyGhast", 27);
  EXPECT_EQ(early.say("hi"), "Nope. You walk away from the cute tiny skull before it even \n"
                             "has a chance to do anything.");
  EXPECT_EQ(early.state.dialogueStage, 0);
  EXPECT_EQ(early.floorRecord.tileKinds[Talk::kTile], "NPC");

  Talk prank("BabyGhast", 28);
  const std::string scream = prank.say("");
  EXPECT_EQ(scream.substr(0, 58), "'SSSSSKRRRRRREEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEEE!!! \n"
                                  "EEE");
  EXPECT_EQ(scream.substr(scream.size() - 9), "HEE HEE!'");
  EXPECT_EQ(prank.state.dialogueStage, 29);
  EXPECT_EQ(prank.say("").substr(0, 30), "'Heeheeheehee! Oooh, I got you");
  EXPECT_EQ(prank.state.dialogueStage, 30);
}

TEST(LaterDialogues, WorgletonAsksForTheGreetingAndWombletonHearsIt) {
  Talk talk("Worgleton", 13);
  EXPECT_EQ(talk.say("").substr(0, 28), "'gurgle... hello... not enem");
  EXPECT_EQ(talk.state.dialogueStage, 14);
  EXPECT_EQ(talk.say("north").substr(0, 45), "'if you see... my cousin... say 'hi' from me.");
  EXPECT_EQ(talk.state.dialogueStage, 0);
  EXPECT_EQ(talk.state.cousinGreeting, 1);
  EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].visitState, 1);
  EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].stateCode, 0);

  talk.state.dialogueStage = 38;
  EXPECT_EQ(talk.say("").substr(0, 57), "Nevertheless, after considering for a moment, WOMBLETON \n");
  EXPECT_EQ(talk.state.dialogueStage, 0);
  EXPECT_EQ(talk.state.pendingPrompt, 10);
}

TEST(LaterDialogues, PickingTheAngryGuysPockets) {
  const std::vector<std::string> full = {"A", "B", "C", "D", "E", "F"};
  for (const bool roomy : {true, false}) {
    Talk talk("Convict", 4);
    if (!roomy) talk.hold(full, {1, 1, 1, 1, 1, 1});
    talk.player.gold = 5;
    std::vector<std::uint32_t> draws(60, 0);
    draws[0] = 17;
    dice::Script script(draws);
    const std::string reply = talk.say("y");
    EXPECT_EQ(talk.player.gold, 5 + 77);
    const std::string item = talk.state.offeredItem.name;
    const std::string middle = roomy ? " and a " + item : "";
    EXPECT_EQ(reply, "Deftly, you reach into the ANGRY GUY's pockets, being \n"
                     "cautious not to alert him...\n"
                     "You found 77 gold" +
                         middle +
                         "!! \n"
                         "He seems none the wiser.");
    EXPECT_EQ(talk.count(item), roomy ? 1 : 0);
    EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].visitState, 2);
    EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].stateCode, 40);
    EXPECT_EQ(talk.state.dialogueStage, 0);
  }
  Talk shy("Convict", 4);
  EXPECT_EQ(shy.say("maybe"), "You shouldn't dawdle here; he might notice you. \n"
                              "Would you like to pick the ANGRY GUY's pockets? (Y/N)");
  EXPECT_EQ(shy.state.dialogueStage, 4);
  EXPECT_EQ(shy.say("2").substr(0, 40), "You sneak back to the center. The ANGRY ");
  EXPECT_EQ(shy.floorRecord.tileOccupants[Talk::kTile].visitState, 1);
}

TEST(LaterDialogues, TheRuffianDropsTheWeaponNotRecommended) {
  SeededRolls rolls(11);
  for (const std::string choice : {"1", "2"}) {
    Talk talk("Convict", 48);
    talk.player.equipment[0].name = "RUSTY SPOON";
    EXPECT_EQ(talk.say("").substr(0, 50), "It looks like he can't decide which weapon is bett");
    EXPECT_EQ(talk.say("what").substr(0, 39), "You're starting to get anxious about lo");
    EXPECT_EQ(talk.state.dialogueStage, 49);
    talk.say("y");
    const std::string shown = talk.say("");
    const ItemRecord first = talk.state.offeredItem;
    const ItemRecord second = talk.state.offeredItem2;
    EXPECT_EQ(shown.substr(0, 62 + first.name.size()), "You examine the two weapons; they appear to be: \n"
                                                       "(1) a " +
                                                           first.name +
                                                           "\n"
                                                           "(2) a ");
    EXPECT_EQ(talk.say("3").substr(0, 50), "The PUGNACIOUS RUFFIAN doesn't understand your ans");
    EXPECT_EQ(talk.state.dialogueStage, 51);
    talk.say(choice);
    const ItemRecord& dropped = choice == "1" ? second : first;
    EXPECT_EQ(talk.say(""), "If you want, you could take the " + dropped.name +
                                " \n"
                                "(ATK: " +
                                std::to_string(dropped.attack) +
                                ") before the weapon-consuming rats get to it, \n"
                                "replacing your RUSTY SPOON. \n"
                                "Will you do so? (Y/N)");
    EXPECT_EQ(talk.state.offeredItem.name, dropped.name);
    EXPECT_EQ(talk.state.pendingPrompt, 4);
    EXPECT_EQ(talk.state.dialogueStage, 0);
    EXPECT_EQ(talk.floorRecord.tileTexts[Talk::kTile], " was once an ITEM, but now there is nothing.");
  }
  // Slipping away is remembered: the next visit finds him decided and hostile.
  Talk wary("Convict", 49);
  EXPECT_EQ(wary.say("n"), "You sneak back to the center. The PUGNACIOUS RUFFIAN \n"
                           "continues not to notice you, muttering something under his \n"
                           "breath about ATK values.");
  EXPECT_EQ(wary.state.dialogueStage, 0);
  EXPECT_EQ(wary.floorRecord.tileOccupants[Talk::kTile].visitState, 1);
  EXPECT_EQ(wary.floorRecord.tileKinds[Talk::kTile], "NPC");
}

TEST(LaterDialogues, TheSwordOfKings) {
  Talk talk("KingSword", 18);
  talk.player.equipment[0].name = "STICK";
  talk.player.defence = 3;
  EXPECT_EQ(talk.say("q"), "Cut it out, jerkwad. Y or N?");
  EXPECT_FALSE(talk.player.wieldsSwordOfKings);
  EXPECT_EQ(talk.say("y"), "You successfully replaced the STICK with \n"
                           "the SWORD OF KINGS.\n"
                           "Your ATK is now ?? and your DEF is now 3.");
  EXPECT_TRUE(talk.player.wieldsSwordOfKings);
  EXPECT_EQ(talk.player.equipment[0].name, "STICK");
  EXPECT_EQ(talk.floorRecord.tileTexts[Talk::kTile], " is nothing but the wind.");

  // Thrown away, the sword still lies there for a later visit.
  Talk refused("KingSword", 18);
  EXPECT_EQ(refused.say("2").substr(0, 60), "You throw the weapon away. Surprisingly the weapon-consuming");
  EXPECT_EQ(refused.state.dialogueStage, 0);
  EXPECT_FALSE(refused.player.wieldsSwordOfKings);
  EXPECT_EQ(refused.floorRecord.tileKinds[Talk::kTile], "NPC");
  EXPECT_EQ(refused.floorRecord.tileOccupants[Talk::kTile].stateCode, 18);
}

TEST(LaterDialogues, TheCurseMakerDrainsOrStrengthens) {
  const struct {
    int startStage;
    int hp, maxHp, attack, defence, dodges, turns;
    int hpAfter, maxHpAfter, attackAfter, defenceAfter, dodgesAfter, turnsAfter;
  } cases[] = {
      {31, 8, 30, 1, 0, 3, 99, 1, 20, 0, -2, 0, 5},
      {31, 25, 40, 6, 4, 2, 3, 15, 30, 4, 2, 0, 3},
      {36, 8, 30, 1, 0, 3, 99, 28, 50, 3, 2, 3, 99},
  };
  for (const auto& c : cases) {
    Talk talk("?", c.startStage);
    PlayerRecord& hero = talk.player;
    hero.hp = c.hp, hero.maxHp = c.maxHp, hero.attack = c.attack, hero.defence = c.defence;
    hero.dodges = c.dodges, hero.quibblentTurnsLeft = c.turns;
    std::string last;
    for (int page = 0; page < 5 && talk.state.dialogueStage != 0; ++page) last = talk.say("");
    EXPECT_EQ(hero.hp, c.hpAfter);
    EXPECT_EQ(hero.maxHp, c.maxHpAfter);
    EXPECT_EQ(hero.attack, c.attackAfter);
    EXPECT_EQ(hero.defence, c.defenceAfter);
    EXPECT_EQ(hero.dodges, c.dodgesAfter);
    EXPECT_EQ(hero.quibblentTurnsLeft, c.turnsAfter);
    EXPECT_EQ(talk.state.textColour1, (std::vector<float>{80.0f, 10.0f, 80.0f}));
    EXPECT_EQ(talk.floorRecord.tileTexts[Talk::kTile], "...");
    EXPECT_EQ(last, c.startStage == 31 ? "You can barely see, but whoever it was appears to be gone. \n"
                                         "You have to keep going. You have to keep going."
                                       : "Suddenly, feels good. +20 HP. +2 ATK. +2 DEF. But hungry. \n"
                                         "Want flesh.");
  }
}

TEST(LaterDialogues, TheTranceDoublesHpAndBringsTheMusicBack) {
  const struct {
    int playing;  // the track number the shell stored before the trance
    int requestAfter;
  } cases[] = {
      {1, -2},    // ambient track 1 comes back by its own request number
      {0, -1},
      {10, -10},  // the dungeon theme comes back, not the slowed one
  };
  for (const auto& c : cases) {
    Talk talk("Flayer", 59);
    talk.player.hp = 12;
    talk.player.maxHp = 30;
    talk.state.musicTrack = c.playing;
    std::vector<std::string> replies;
    while (talk.state.dialogueStage != 0 && replies.size() < 12) {
      if (talk.state.dialogueStage == 63) {
        EXPECT_EQ(talk.state.musicTrack, -kSilence);
      }
      replies.push_back(talk.say(""));
    }
    ASSERT_EQ(replies.size(), 10u);
    std::string only;
    for (int i = 0; i < 8; ++i) only += std::string(i ? "\n" : "") + "There is only the MIND FLAYER.";
    EXPECT_EQ(replies[7], only);
    EXPECT_EQ(replies[9], "You get the fuck out of there as fast as possible, and vow \n"
                          "to never look at a MIND FLAYER again. On the bright side, \n"
                          "your encounter has granted you a temporarily RENEWED MENTAL \n"
                          "FORTITUDE! You are now at 60 / 30 HP.");
    EXPECT_EQ(talk.state.musicTrack, c.requestAfter);
    EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].visitState, 1);
    EXPECT_EQ(talk.floorRecord.tileOccupants[Talk::kTile].stateCode, 0);
  }
}

TEST(LaterDialogues, TheTimedTrancePagesRestartTheClock) {
  for (int stage : {65, 66}) {
    Talk talk("Flayer", stage);
    talk.state.clockNow = GameState::Clock::time_point{};
    talk.say("");
    EXPECT_GT(talk.state.clockNow, GameState::Clock::time_point{}) << stage;
  }
}

TEST(LaterDialogues, TheQuibblexShufflesOrSpitsOut) {
  Talk cursed("Quibblex", 69);
  cursed.player.quibblent = "CURSED";
  EXPECT_EQ(cursed.say("y"), "You jump into the QUIBBLEX, but it spits you right back out! \n"
                             "It seems disgusted by your CURSE. Better luck next time!");
  EXPECT_EQ(cursed.state.dialogueStage, 0);
  EXPECT_EQ(cursed.floorRecord.tileKinds[Talk::kTile], "NPC");

  Talk shy("Quibblex", 69);
  EXPECT_EQ(shy.say("maybe").substr(0, 50), "Ok, dude, you're sitting here next to the QUIBBLEX");
  EXPECT_EQ(shy.state.dialogueStage, 69);
  EXPECT_EQ(shy.say("n"), "You understandably choose not to jump into the QUIBBLEX.");

  SeededRolls rolls(5);
  Talk jump("Quibblex", 69);
  jump.player.equipment[0] = ItemRecord("start", 1);
  jump.player.equipment[1] = ItemRecord("shirt", 1);
  jump.player.attack = 4 + jump.player.equipment[0].attack;
  jump.say("y");
  EXPECT_EQ(jump.state.dialogueStage, 70);
  {
    dice::Script script({32 + 5, 31, 0});
    const std::string reply = jump.say("");
    EXPECT_EQ(jump.player.equipment[0].quibblent, "DAMNED");
    EXPECT_EQ(jump.player.equipment[1].quibblent, "UNINTERESTING");
    EXPECT_EQ(reply, "You land, disoriented, back in the dungeon. The QUIBBLEX has \n"
                     "disappeared. You feel different; your QUIBBLENTS were \n"
                     "shuffled around in the confusion! \n"
                     "You are now " +
                         jump.player.quibblent + ". Your items are now: \n" + jump.player.equipment[0].name + ", " +
                         jump.player.equipment[1].name + ".");
  }
  EXPECT_EQ(jump.player.quibblent.find("FLAMING") != std::string::npos, true) << jump.player.quibblent;
  // The hero's ATK still carries exactly the rescaled weapon's bonus.
  EXPECT_EQ(jump.player.attack, 4 + jump.player.equipment[0].attack);
  EXPECT_EQ(jump.floorRecord.tileKinds[Talk::kTile], "");
  EXPECT_EQ(jump.floorRecord.tileTexts[Talk::kTile], ", there is nothing at all.");
}

}  // namespace
