#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "interpreter/start_prompts.h"
#include "tests/interpreter/prompt_play.h"

namespace {

ItemRecord item(const std::string& quibblent, const std::string& type, int attack, int defence) {
  ItemRecord made;
  made.quibblent = quibblent;
  made.type = type;
  made.name = quibblent + " " + type;
  made.attack = attack;
  made.defence = defence;
  return made;
}

Creature creature(const std::string& quibblent, const std::string& type, int hp, int gold) {
  Creature made;
  made.quibblent = quibblent;
  made.type = type;
  made.hp = hp;
  made.maxHp = hp;
  made.goldReward = gold;
  return made;
}

int countOf(const PlayerRecord& player, const std::string& name) {
  for (std::size_t i = 0; i < player.inventoryNames.size(); ++i) {
    if (player.inventoryNames[i] == name) return player.inventoryCounts[i];
  }
  return 0;
}

// ---------------------------------------------------------------- start kit

TEST_F(PromptPlay, StartKitGivesEachClassItsWeaponPotionsAndOpeningText) {
  // Columns: class line, weapon type, POTIONs held, opening text before the
  // weapon's name (with NAME for the hero), after it.
  struct Row {
    std::string classLine;
    std::string weaponType;
    int potions;
    std::string before;
    std::string after;
  };
  const std::vector<Row> rows = {
      {"1", "SWORD", 4,
       "Rumors have spread recently among the scientific community\n"
       "of a bizarre dungeon with strange creatures living in it. \n"
       "The level 1 ACADEMIC Bob, seeking to test these rumors, \n"
       "sets foot on the dungeons' first floor, with nothing \n"
       "to defend themselves with but their simple heirloom the\n",
       " and a few healing potions. [type 'HELP']"},
      {"2", "SWORD", 2,
       "Bob, a level 1 CONVICT charged with Section 9B Public \n"
       "Indecency and Improper Handling of a Yak, has just been\n"
       "sentenced to a cruel and unusual punishment: they have been\n"
       "thrown into the bizarre and poorly-understood QUIBBLENT\n"
       "DUNGEONS, with only a complementary ",
       ".\n"
       "They look around the first floor... [type 'HELP']"},
      {"3", "DAGGER", 2,
       "People have been whispering lately about the mysterious\n"
       "QUIBBLENT RUDIRUVU, a place where much treasure can\n"
       "supposedly be found. The level 1 OPPORTUNIST Bob,\n"
       "never one to miss a money-making opportunity, sneaks into\n"
       "the dungeons carrying nothing but a ",
       ".\n"
       "They look around the first floor... [type 'HELP']"},
  };
  for (const Row& row : rows) {
    state.resetPlayerForNewRun(player);
    player.attack = 4;  // the first run of a session starts from the fresh record
    state.namePromptOpen = true;
    type("Bob");
    type(row.classLine);
    state.clockStart -= std::chrono::hours(1);
    const auto clockBefore = state.clockStart;
    const std::string reply = type("go");
    EXPECT_GT(state.clockStart, clockBefore);
    const ItemRecord& weapon = player.equipment[0];
    EXPECT_EQ(weapon.type, row.weaponType);
    EXPECT_EQ(reply, row.before + weapon.name + row.after);
    EXPECT_EQ(state.messageBuffer, reply);
    EXPECT_EQ(player.equipment[1].type, "SHIRT");
    EXPECT_EQ(player.attack, 4 + weapon.attack);
    EXPECT_EQ(player.defence, weapon.defence);
    EXPECT_EQ(countOf(player, "POTION"), row.potions);
    EXPECT_EQ(floorRecord.floorNumber, 1);
    EXPECT_EQ(state.pendingPrompt, 2);
    EXPECT_EQ(state.musicTrack, -9);
  }
}

TEST_F(PromptPlay, StartKitOfAnyOtherClassTellsItsOwnTale) {
  player.name = "Zed";
  player.playerClass = "WIZARD";
  openPrompt(1);
  const std::string reply = type("");
  EXPECT_EQ(reply, "The level 1 WIZARD Zed sets out to the terrible\n"
                   "QUIBBLENT RUDIRUVU, with nothing but his simple heirloom the\n" +
                       player.equipment[0].name +
                       " in hand, in search of the dungeon's \n"
                       "legendary riches scattered throughout its fifteen floors. \n"
                       "He enters the first floor...\n"
                       "[type HELP]");
  EXPECT_EQ(player.equipment[0].type, "SWORD");
}

// ---------------------------------------------------------------- replacing equipment

TEST_F(PromptPlay, ReplacingEquipmentMovesItsBonusesIntoTheSums) {
  // Columns: prompt, offered item, reply.
  struct Row {
    int prompt;
    ItemRecord offered;
    std::string reply;
  };
  const std::vector<Row> rows = {
      {4, item("ELITE", "KATANA", 10, 0),
       "You successfully replaced the DAMP SWORD with \n"
       "the ELITE KATANA.\n"
       "Your ATK is now 13 and your DEF is now 1."},
      {5, item("DAMNED", "CHAINMAIL", 1, 6),
       "You successfully replaced the OILY LEATHER with \n"
       "the DAMNED CHAINMAIL.\n"
       "Your ATK is now 8 and your DEF is now 7."},
  };
  for (const Row& row : rows) {
    player.equipment[0] = item("DAMP", "SWORD", 4, 1);
    player.equipment[1] = item("OILY", "LEATHER", 0, 1);
    player.attack = 3 + 4;
    player.defence = 1 + 1;
    state.offeredItem = row.offered;
    openPrompt(row.prompt);
    EXPECT_EQ(type("yes"), row.reply);
    EXPECT_EQ(player.equipment[row.prompt - 4].name, row.offered.name);
    EXPECT_EQ(state.pendingPrompt, 2);
  }
}

TEST_F(PromptPlay, WeaponsThrownAwayFeedEverMoreRats) {
  const std::string swarm =
      "You throw the weapon away and a swarm of weapon-consuming\n"
      "rats immediately consume it. Huh. Wonder why they didn't do\n"
      "that earlier.";
  const std::string babies =
      "You throw the weapon away and a swarm of weapon-consuming\n"
      "rats immediately consume it. You notice a number of baby \n"
      "rats in the mix - it seems they've started to breed rapidly \n"
      "with all the weapons you've been throwing at them.";
  const std::string horde =
      "You throw the weapon away and a horde of weapon-consuming\n"
      "rats pounce on it, consuming it in the blink of an eye. \n"
      "They follow behind you now, waiting for you to throw away \n"
      "another weapon for them.";
  const std::string cloud =
      "You throw the weapon away and a thick cloud of \n"
      "weapon-consuming rats instantly cover it. Within moments \n"
      "they dispearse, leaving nothing but atoms. This dungeon is \n"
      "starting to have a real infestation problem!";
  const std::string exterminator =
      "You throw the weapon away and the weapon-consuming rats tear \n"
      "it to shreds before it even hits the floor. This is really \n"
      "getting concerning. Someone should hire an exterminator.";
  const std::vector<std::string> byCount = {swarm, swarm, babies, swarm, swarm, horde,
                                            horde, cloud, cloud,  exterminator, exterminator, exterminator};
  state.offeredItem = item("DAMP", "DAGGER", 3, 0);
  for (std::size_t thrown = 1; thrown <= byCount.size(); ++thrown) {
    openPrompt(4);
    EXPECT_EQ(type(thrown % 2 ? "n" : "2"), byCount[thrown - 1]) << thrown;
    EXPECT_EQ(state.weaponsFedToRats, static_cast<int>(thrown));
    EXPECT_EQ(state.pendingPrompt, 2);
  }
  state.offeredItem = item("FLAMING", "DRAGON-TONGUE", 25, 0);
  openPrompt(4);
  EXPECT_EQ(type("no"), "You throw the artifact away and it immediately \n"
                        "disintegrates. Strange - maybe it was insulted by your \n"
                        "refusal to wield it after slaying its master?");
  EXPECT_EQ(state.weaponsFedToRats, static_cast<int>(byCount.size()));
}

TEST_F(PromptPlay, ReplacePromptsRefuseAnythingButAnAnswer) {
  // Columns: prompt, line, reply.
  struct Row {
    int prompt;
    std::string line;
    std::string reply;
  };
  const std::vector<Row> rows = {
      {4, "maybe", "Cut it out, jerkwad. Y or N?"},
      {4, " yes", "Cut it out, jerkwad. Y or N?"},
      {4, "", "Cut it out, jerkwad. Y or N?"},
      {5, "yess", "Cut it out, pooplord. Y or N?"},
      {5, "3", "Cut it out, pooplord. Y or N?"},
      {7, "nah", "Cut it out, dingus. Y or N?"},
  };
  for (const Row& row : rows) {
    player.attack = 9;
    state.weaponsFedToRats = 0;
    openPrompt(row.prompt);
    EXPECT_EQ(type(row.line), row.reply) << row.line;
    EXPECT_EQ(state.pendingPrompt, row.prompt);
    EXPECT_EQ(player.attack, 9);
    EXPECT_EQ(state.weaponsFedToRats, 0);
  }
  openPrompt(5);
  EXPECT_EQ(type("N"), "You casually toss the armor aside. Yeah, take that, ARMOR!\n"
                       "Who needs it?");
  openPrompt(7);
  EXPECT_EQ(type("n"), "You leave the BARREL alone. Probably a good idea.");
  EXPECT_EQ(state.pendingPrompt, 2);
}

// ---------------------------------------------------------------- fountain

class FountainPlay : public PromptPlay {
 protected:
  static constexpr int kTile = 2;

  void visitFountain(const std::string& word) {
    player.equipment[0] = item("UNINTERESTING", "SWORD", 4, 0);
    player.equipment[1] = item("UNINTERESTING", "CHAINMAIL", 0, 4);
    player.attack = 3 + 4;
    player.defence = 4;
    floorRecord.tileOffers[kTile].word = word;
    floorRecord.tileOffers[kTile].timesUsed = 0;
    state.currentOffer = floorRecord.tileOffers[kTile];
    state.moveDirection = kTile;
    openPrompt(6);
  }
  int uses() const { return floorRecord.tileOffers[kTile].timesUsed; }
};

TEST_F(FountainPlay, DipsChangeTheItemOrTheHeroAndCountAUse) {
  // Columns: fountain word, line, reply, ATK and DEF sums afterwards, uses.
  struct Row {
    std::string word;
    std::string line;
    std::string reply;
    int attack;
    int defence;
    int uses;
  };
  const std::vector<Row> rows = {
      {"ELITE", "weapon",
       "You dip your UNINTERESTING SWORD into the fountain. \n"
       "After a moment, it becomes a ELITE SWORD!!",
       8, 4, 1},
      {"HOLOGRAPHIC", "dip weapon",
       "You dip your UNINTERESTING SWORD into the fountain. \n"
       "After a moment, it becomes a HOLOGRAPHIC SWORD!!",
       3, 4, 1},
      {"ELITE", "armor",
       "You dip your UNINTERESTING CHAINMAIL into the fountain. \n"
       "After a moment, it becomes a ELITE CHAINMAIL!!",
       7, 6, 1},
      {"FRUMIOUS", "dip armor",
       "You dip your UNINTERESTING CHAINMAIL into the fountain. \n"
       "After a moment, it becomes a FRUMIOUS CHAINMAIL!!",
       7, 2, 1},
      {"METALHEAD", "self",
       "You go skinnydipping in the FOUNTAIN. Its energy fills you...\n"
       "You are now METALHEAD!!\n", 7, 4, 1},
      {"ELITE", "swim", "You don't toss anything into the FOUNTAIN. Ok, back to \n"
                        "the adventure at hand!", 7, 4, 0},
      {"ELITE", "y", "You don't toss anything into the FOUNTAIN. Ok, back to \n"
                     "the adventure at hand!", 7, 4, 0},
      {"ELITE", " weapon", "You don't toss anything into the FOUNTAIN. Ok, back to \n"
                           "the adventure at hand!", 7, 4,
       0},
  };
  for (const Row& row : rows) {
    state.resetPlayerForNewRun(player);
    visitFountain(row.word);
    EXPECT_EQ(type(row.line), row.reply) << row.word << " " << row.line;
    EXPECT_EQ(player.attack, row.attack) << row.word << " " << row.line;
    EXPECT_EQ(player.defence, row.defence) << row.word << " " << row.line;
    EXPECT_EQ(uses(), row.uses) << row.word << " " << row.line;
    EXPECT_EQ(state.pendingPrompt, 2);
  }
}

TEST_F(FountainPlay, DipsThatCannotHappen) {
  visitFountain("ELITE");
  player.equipment[0] = item("UNINTERESTING", "FISTS", 0, 0);
  EXPECT_EQ(type("weapon"), "You do not have any weapons!!");
  visitFountain("ELITE");
  player.equipment[1] = item("UNINTERESTING", "NUDITY", 0, -2);
  EXPECT_EQ(type("dip armor"), "You do not have any armor!!");
  EXPECT_EQ(uses(), 0);

  visitFountain("ELITE");
  player.wieldsSwordOfKings = true;
  EXPECT_EQ(type("weapon"), "The fountain appears to violently repulse your SWORD OF \n"
                            "KINGS. You will not be able to change its quibblent. \n"
                            "Nice try!");
  EXPECT_EQ(uses(), 0);
  visitFountain("ELITE");
  EXPECT_EQ(type("armor"), "You dip your UNINTERESTING CHAINMAIL into the fountain. \n"
                           "After a moment, it becomes a ELITE CHAINMAIL!!");

  visitFountain("ELITE");
  player.quibblent = "CURSED";
  EXPECT_EQ(type("self"), "You try to rest in the FOUNTAIN... but it just makes you \n"
                          "feel even worse. Hmm. Must be a side effect of the CURSE.");
  EXPECT_EQ(player.quibblent, "CURSED");
  EXPECT_EQ(uses(), 1);
}

TEST_F(FountainPlay, BecomingAHologramInTheFountainIsDeath) {
  visitFountain("HOLOGRAPHIC");
  EXPECT_EQ(type("dip self"), "You go skinnydipping in the FOUNTAIN. Its energy fills you...\n"
                              "You are now HOLOGRAPHIC!!\n"
                              "Unfortunately, as you are now a HOLOGRAM, you can no longer\n"
                              "interact with the world. You are effectively DEAD. \n"
                              "Maybe you shouldn't have stepped into that FOUNTAIN!!");
  EXPECT_EQ(state.pendingPrompt, 16);
  EXPECT_EQ(state.pendingWord, "hologram");
}

TEST_F(FountainPlay, TheFountainsWordIsImposedOnTheHeroWithoutCombining) {
  visitFountain("FLAMMABLE");
  player.quibblent = "FLAMMABLE";
  EXPECT_EQ(type("self"), "You go skinnydipping in the FOUNTAIN. Its energy fills you...\n"
                          "You are now FLAMMABLE!!\n");
  EXPECT_EQ(player.quibblent, "FLAMMABLE");
  EXPECT_EQ(uses(), 1);
}

TEST_F(FountainPlay, CleansingFountainAsksUntilAnsweredAndCuresThreeDiseases) {
  visitFountain("CLEANSING");
  player.poisoned = true;
  EXPECT_EQ(type("weapon"), "The fountain sits there, implacable. It is not bothered by \n"
                            "your ambivalence. Y or N - will you bathe in the fountain?");
  EXPECT_EQ(state.pendingPrompt, 6);
  EXPECT_EQ(type("n"), "You leave the fountain be. It will be there if you need it.");
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_TRUE(player.poisoned);
  EXPECT_EQ(uses(), 0);

  visitFountain("CLEANSING");
  player.quibblent = "FLAMING";
  player.curedDiseases[7] = true;
  {
    // rand mod 30 names the disease: 4, then 7 (cured already, so drawn again as 8), then 29.
    dice::Script rolls({}, {34, 37, 8, 29});
    EXPECT_EQ(type("yes"), "You bathe in the fountain... you feel CLEANSED. \n"
                           "You have been cured of all POISONS!\n"
                           "Your previous quibblent goes away.\n"
                           "You've also been cured of guinea worm, typhoid, \n"
                           "and arthritis!");
    EXPECT_EQ(rolls.crandsLeft(), 0u);
  }
  EXPECT_FALSE(player.poisoned);
  EXPECT_EQ(player.quibblent, "UNINTERESTING");
  EXPECT_EQ(std::count(player.curedDiseases.begin(), player.curedDiseases.end(), true), 1 + 3);
  EXPECT_TRUE(player.curedDiseases[4] && player.curedDiseases[8] && player.curedDiseases[29]);
  EXPECT_EQ(state.auxCounter, 29);
  EXPECT_EQ(uses(), 1);
}

TEST_F(FountainPlay, CleansingFountainStopsWhenTooFewDiseasesAreLeft) {
  visitFountain("CLEANSING");
  player.curedDiseases.fill(true);
  player.curedDiseases[12] = false;
  {
    dice::Script rolls({}, {0, 5, 12});
    EXPECT_EQ(type("y"), "You bathe in the fountain... you feel CLEANSED. \n"
                         "You have been cured of all POISONS!\n"
                         "You've also been cured of shingles!");
  }
  visitFountain("CLEANSING");
  dice::Script noRolls({}, {});
  EXPECT_EQ(type("1"), "You bathe in the fountain... you feel CLEANSED. \n"
                       "You have been cured of all POISONS!\n"
                       "\n"
                       "You are so very pure. You don't have any diseases left in \n"
                       "you at all! Wow!");
}

// ---------------------------------------------------------------- explosive barrel

class BarrelPlay : public PromptPlay {
 protected:
  static constexpr int kBarrelTile = 5;

  void standBeforeBarrel() {
    player.name = "Bob";
    player.hp = 30;
    player.maxHp = 30;
    player.gainItem("MATCH", 2);
    state.moveDirection = kBarrelTile;
    const char* kinds[8] = {"Mon", "MonExit", "Mon", "Mon", "Mon", "Barrel", "Mon", "Mon"};
    for (int tile = 0; tile < 8; ++tile) floorRecord.tileKinds[tile] = kinds[tile];
    floorRecord.tileTexts.fill(" stands something.");
    floorRecord.tileCreatures[0] = creature("OILY", "GOBLIN", 25, 10);
    floorRecord.tileCreatures[1] = creature("UNINTERESTING", "GOBLIN", 30, 10);
    floorRecord.tileCreatures[2] = creature("UNINTERESTING", "DRAGON", 20, 12);
    floorRecord.tileCreatures[3] = creature("UNINTERESTING", "SLIME", 10, 0);
    floorRecord.tileCreatures[4] = creature("HIGHLY FLAMMABLE", "GOBLIN", 500, 50);
    floorRecord.tileCreatures[5] = Creature();
    floorRecord.tileCreatures[6] = creature("UNINTERESTING", "DEEP TROLL", 1, 5);
    floorRecord.tileCreatures[7] = creature("UNINTERESTING", "POTION", 1, 0);
    openPrompt(7);
  }
};

TEST_F(BarrelPlay, BlastHurtsEveryoneAndClearsTheDead) {
  standBeforeBarrel();
  // Damage is draw mod 21 + 20: the hero takes 25, the tiles 20, 40, 20, 20, 20, 20, 20, 20.
  dice::Script rolls({5, 0, 20, 21, 0, 0, 0, 0, 0});
  EXPECT_EQ(type("y"), "You successfully blow up the EXPLOSIVE BARREL.\n"
                       "BOOOOOOOOOOOOOOOOOMMM!!!\n"
                       "Everyone takes heavy damage.\n"
                       "Your HP is now 5 / 30.");
  EXPECT_EQ(rolls.drawsLeft(), 0u);
  EXPECT_EQ(player.hp, 5);
  EXPECT_EQ(countOf(player, "MATCH"), 1);
  EXPECT_EQ(state.pendingPrompt, 2);
  // Columns: tile kind afterwards, tile text afterwards.
  const std::vector<std::pair<std::string, std::string>> tiles = {
      {"Mon", " stands something."},
      {"Exit", " lies the dungeon stairs, now free to enter."},
      {"Gold", " lies a smattering of gold."},
      {"", " are the ashes of a vaporized enemy."},
      {"", " are the ashes of a vaporized enemy."},
      {"", " is a crater where a BARREL once stood."},
      {"Gold", " lies a smattering of gold."},
      {"", " are the ashes of a vaporized enemy."},
  };
  for (int tile = 0; tile < 8; ++tile) {
    EXPECT_EQ(floorRecord.tileKinds[tile], tiles[tile].first) << tile;
    EXPECT_EQ(floorRecord.tileTexts[tile], tiles[tile].second) << tile;
  }
  EXPECT_EQ(floorRecord.tileCreatures[0].hp, 5);
  EXPECT_EQ(floorRecord.tileCreatures[0].quibblent, "FLAMING");
  // Six kills, the DRAGON worth 1000 more and the DEEP TROLL 500 more.
  EXPECT_EQ(player.killScore, 6 + 1000 + 500);
  EXPECT_EQ(state.achievements[6], "Bob");
  EXPECT_EQ(state.potionProgress, 1);
  EXPECT_TRUE(fileExists("saves/meta-save.txt"));
}

TEST_F(BarrelPlay, HighlyFlammableHeroExplodesAndNothingElseIsHurt) {
  standBeforeBarrel();
  player.quibblent = "HIGHLY FLAMMABLE";
  dice::Script rolls({0});
  EXPECT_EQ(type("1"), "You successfully blow up the EXPLOSIVE BARREL.\n"
                       "BOOOOOOOOOOOOOOOOOMMM!!!\n"
                       "Everyone takes heavy damage.\n"
                       "Being HIGHLY FLAMMABLE, you explode in the blast!! \n"
                       "Whoops. Maybe you should've thought that through some more.");
  EXPECT_EQ(player.hp, 0);
  EXPECT_EQ(state.pendingPrompt, 16);
  EXPECT_EQ(state.pendingWord, "barrel");
  EXPECT_EQ(floorRecord.tileCreatures[0].hp, 25);
  EXPECT_EQ(floorRecord.tileKinds[kBarrelTile], "Barrel");
}

TEST_F(BarrelPlay, MatchImbuedHeroIsUnscathedAndKeepsTheMatch) {
  standBeforeBarrel();
  player.imbuement = "MATCH";
  player.quibblent = "FLAMMABLE";
  dice::Script rolls({0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(type("y"), "You successfully blow up the EXPLOSIVE BARREL.\n"
                       "BOOOOOOOOOOOOOOOOOMMM!!!\n"
                       "Everyone takes heavy damage.\n"
                       "You are completely unscathed. This IMBUENCE sure is useful!");
  EXPECT_EQ(player.hp, 30);
  EXPECT_EQ(countOf(player, "MATCH"), 2);
  EXPECT_EQ(player.quibblent, "FLAMMABLE");
  EXPECT_EQ(floorRecord.tileKinds[1], "MonExit");  // 10 hp left on the stairs' guard
}

TEST_F(BarrelPlay, HeroKilledByTheBlastGoesToTheDeathPage) {
  standBeforeBarrel();
  player.quibblent = "FLAMMABLE";
  player.hp = 12;
  dice::Script rolls({0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(type("y"), "You successfully blow up the EXPLOSIVE BARREL.\n"
                       "BOOOOOOOOOOOOOOOOOMMM!!!\n"
                       "Everyone takes heavy damage.\n"
                       "Your HP is now 0 / 30.");
  EXPECT_EQ(player.quibblent, "FLAMING");
  EXPECT_EQ(state.pendingPrompt, 16);
  EXPECT_EQ(state.pendingWord, "barrel");
}

TEST_F(BarrelPlay, BlownUpPotionTakesThePotionAchievementFromJimmysKiller) {
  standBeforeBarrel();
  state.achievements[6] = "Ann";
  dice::Script rolls({0, 0, 0, 0, 0, 0, 0, 0, 0});
  type("y");
  EXPECT_EQ(state.achievements[6], "Bob");
  EXPECT_EQ(state.potionProgress, 1);
}

TEST_F(BarrelPlay, BlownUpPotionLeavesTheAchievementOfALaterDeedAlone) {
  standBeforeBarrel();
  state.achievements[6] = "Ann";
  state.potionProgress = 2;
  dice::Script rolls({0, 0, 0, 0, 0, 0, 0, 0, 0});
  type("y");
  EXPECT_EQ(state.achievements[6], "Ann");
  EXPECT_EQ(state.potionProgress, 2);
}

}  // namespace
