#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "world/floor.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {

const std::string kMenu3 = "\n"
                           "You have 3 dodges left.\n"
                           "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";
const std::string kEnemyTurn = "\n"
                               "It is now the enemy's turn.\n"
                               "[TYPE ANYTHING TO CONTINUE]";
const std::string kYourTurn = "\n"
                              "It is now your turn." +
                              kMenu3;
const std::string kContinue = "\n"
                              "[TYPE ANYTHING TO CONTINUE]";

struct Scene {
  GameState state;
  PlayerRecord player;
  Floor floor;
  Scene() {
    state.player = &player;
    state.level = &floor;
    state.pendingPrompt = 0;
    player.inventoryNames = {};
    player.inventoryCounts = {0, 0, 0, 0, 0, 0};
  }
  void hold(const std::string& name, int count) { player.gainItem(name, count); }
  // A fight from the item choice against an enemy of that word and type.
  void fight(const std::string& quibblent, const std::string& type, int hp) {
    state.combatState = 16;
    state.currentEnemy.quibblent = quibblent;
    state.currentEnemy.type = type;
    state.currentEnemy.hp = hp;
    state.currentEnemy.maxHp = hp;
  }
};

struct ItemCase {
  const char* what;
  std::function<void(Scene&)> setUp;
  std::vector<std::uint32_t> draws;
  const char* item;
  bool onEnemy;
  std::string reply;  // the whole reply, or its start when `replyStartsOnly`
  bool replyStartsOnly;
  std::function<void(const Scene&)> check;
};

void runCases(const std::vector<ItemCase>& cases) {
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.what);
    Scene scene;
    c.setUp(scene);
    dice::Script script(c.draws);
    std::string reply = scene.player.useItem(c.item, scene.state, c.onEnemy);
    if (c.replyStartsOnly)
      EXPECT_EQ(reply.substr(0, c.reply.size()), c.reply);
    else
      EXPECT_EQ(reply, c.reply);
    EXPECT_TRUE(scene.player.itemUseText.empty());
    c.check(scene);
  }
}

TEST(ItemUse, FrameAndPlainItems) {
  const std::string potion30 = "You drink the potion. It tastes like a mix of strawberries\n"
                               "and piss. You are now at ";
  runCases({
      {"potion from the fight's item choice", [](Scene& s) { s.hold("POTION", 2); s.player.hp = 10; s.fight("UNINTERESTING", "GOBLIN", 20); },
       {}, "potion", false, potion30 + "25 / 30 HP!" + kEnemyTurn, false,
       [](const Scene& s) {
         EXPECT_EQ(s.state.combatState, 7);
         EXPECT_EQ(s.player.hp, 25);
         EXPECT_EQ(s.player.inventoryCounts[0], 1);
       }},
      {"potion out of a fight, last unit, odd max HP",
       [](Scene& s) { s.hold("POTION", 1); s.hold("HAT", 1); s.player.maxHp = 31; s.player.hp = 1; },
       {}, "potion", false, potion30 + "16 / 31 HP!", false,
       [](const Scene& s) {
         EXPECT_EQ(s.player.inventoryNames, std::vector<std::string>({"HAT"}));
         EXPECT_EQ(s.state.combatState, 0);
       }},
      {"potion never heals past max", [](Scene& s) { s.hold("POTION", 1); s.player.hp = 29; },
       {}, "potion", false, potion30 + "30 / 30 HP!", false, [](const Scene& s) { EXPECT_EQ(s.player.hp, 30); }},
      {"an item matched by its stored name", [](Scene& s) { s.hold("POTION", 1); s.player.hp = 1; },
       {}, "POTION", false, potion30 + "16 / 30 HP!", false, [](const Scene&) {}},
      {"unheld item in a fight", [](Scene& s) { s.hold("POTION", 1); s.fight("UNINTERESTING", "GOBLIN", 20); },
       {3}, "match", false, "You don't have any of those, you egg!" + kMenu3, false,
       [](const Scene& s) {
         EXPECT_EQ(s.state.combatState, 2);
         EXPECT_EQ(s.state.auxCounter, 3);
         EXPECT_EQ(s.player.inventoryCounts[0], 1);
       }},
      {"unheld item out of a fight, insult taken modulo 20", [](Scene&) {}, {39}, "", false,
       "You don't have any of those, heretic!", false, [](const Scene& s) { EXPECT_EQ(s.state.combatState, 0); }},
      {"a held item the game does not know", [](Scene& s) { s.hold("PEBBLE", 1); s.fight("UNINTERESTING", "GOBLIN", 20); },
       {}, "pebble", false, "Something definitely probably broke here?" + kEnemyTurn, false,
       [](const Scene& s) { EXPECT_EQ(s.player.inventoryCounts[0], 1); }},
      {"calculator attack", [](Scene& s) { s.hold("CALCULATOR", 1); }, {5}, "calculator", false,
       "You math out your statistics on the CALCULATOR.\n"
       "Bleep, bloop - hey, what's this!?\n"
       "According to the inverse transitive property, you actually\n"
       "have 3 more attack than you thought! Wow!",
       false, [](const Scene& s) { EXPECT_EQ(s.player.attack, 7); EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"calculator health", [](Scene& s) { s.hold("CALCULATOR", 1); }, {4}, "calculator", false,
       "You math out your statistics on the CALCULATOR.\n"
       "Bleep, bloop - hey, what's this!?\n"
       "According to the pi-root function of 3, you actually have\n"
       "10 more health than you thought! Sick!",
       false, [](const Scene& s) { EXPECT_EQ(s.player.maxHp, 40); EXPECT_EQ(s.player.hp, 40); }},
      {"hat before a chef", [](Scene& s) { s.hold("HAT", 1); s.fight("UNINTERESTING", "CHEF", 20); }, {}, "hat", false,
       "You put on the HAT. The UNINTERESTING CHEF, recognizing \n", true,
       [](const Scene& s) { EXPECT_EQ(s.state.combatState, 6); EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"hat before a goblin", [](Scene& s) { s.hold("HAT", 1); s.fight("UNINTERESTING", "GOBLIN", 20); }, {}, "hat", false,
       "You can't put on the HAT here, the enemy will think you \n"
       "look stupid! It'd be so embarrassing." + kYourTurn, false,
       [](const Scene& s) { EXPECT_EQ(s.state.combatState, 2); EXPECT_EQ(s.player.inventoryCounts[0], 1); }},
      {"fifth antibiotics", [](Scene& s) { s.hold("ANTIBIOTICS", 1); s.player.antibioticsUsed = 4; s.player.poisoned = true; },
       {}, "antibiotics", false,
       "You take some ANTIBIOTICS.\n"
       "The bacteria in your body have developed ANTIBIOTIC \n"
       "RESISTANCE! The antibiotics do nothing.",
       false, [](const Scene& s) { EXPECT_TRUE(s.player.poisoned); EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"antibiotics cure poison", [](Scene& s) { s.hold("ANTIBIOTICS", 2); s.player.poisoned = true; }, {}, "antibiotics",
       false, "You take some ANTIBIOTICS.\n"
              "Your POISON has been cured!", false,
       [](const Scene& s) { EXPECT_FALSE(s.player.poisoned); EXPECT_EQ(s.player.antibioticsUsed, 1); }},
      {"staple remover imbued is kept", [](Scene& s) { s.hold("STAPLE REMOVER", 1); s.player.imbuement = "STAPLE REMOVER"; },
       {}, "staple remover", false, "You use the STAPLE REMOVER.\n"
                                    "The dungeon floor is now free of STAPLES.\n"
                                    "Hooray!", false,
       [](const Scene& s) { EXPECT_EQ(s.player.inventoryCounts[0], 1); }},
  });
}

TEST(ItemUse, FireAndContactItems) {
  runCases({
      {"match blast leaves the hero at 1", [](Scene& s) { s.hold("MATCH", 1); s.player.hp = 10; s.fight("HIGHLY FLAMMABLE", "GOBLIN", 30); s.state.currentEnemy.goldReward = 9; },
       {}, "match", false,
       "FWOOOOOOSH!!! The GOBLIN explodes!!!\n"
       "Its money disintegrates in the explosion. You win!\n"
       "However, the blast also hits you for 9 damage." +
           kContinue,
       false,
       [](const Scene& s) {
         EXPECT_EQ(s.player.hp, 1);
         EXPECT_EQ(s.state.combatState, 10);
         EXPECT_EQ(s.state.currentEnemy.hp, 0);
         EXPECT_EQ(s.state.currentEnemy.goldReward, 0);
         EXPECT_EQ(s.state.pendingPrompt, 0);
       }},
      {"match blast equal to the hero's HP is cut too", [](Scene& s) { s.hold("MATCH", 1); s.player.hp = 10; s.fight("HIGHLY FLAMMABLE", "GOBLIN", 20); },
       {}, "match", false, "FWOOOOOOSH!!! The GOBLIN explodes!!!", true,
       [](const Scene& s) { EXPECT_EQ(s.player.hp, 1); EXPECT_EQ(s.state.auxCounter, 9); }},
      {"match blast against a hellsatan kills", [](Scene& s) { s.hold("MATCH", 1); s.player.hp = 10; s.fight("HIGHLY FLAMMABLE", "HELLSATAN", 20); s.state.pendingWord = "combat"; },
       {}, "match", false, "FWOOOOOOSH!!! The HELLSATAN explodes!!!", true,
       [](const Scene& s) {
         EXPECT_EQ(s.player.hp, 0);
         EXPECT_EQ(s.state.pendingPrompt, 16);
         EXPECT_EQ(s.state.pendingWord, "combat");  // the memorial blames the HELLSATAN
         EXPECT_EQ(s.state.combatState, 10);
       }},
      {"match revives a dragon", [](Scene& s) { s.hold("MATCH", 1); s.fight("HIGHLY FLAMMABLE", "DRAGON", 80); s.state.currentEnemy.hp = 5; },
       {}, "match", false,
       "You light a match and throw it at the enemy.\n"
       "FWOOOOOOSH!!! The DRAGON explodes!!!\n"
       "...But it rises back out of the ashes, stronger than ever!\n"
       "Full enemy health restored!" + kEnemyTurn,
       false, [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.hp, 80); EXPECT_EQ(s.state.currentEnemy.quibblent, "UNINTERESTING"); }},
      {"match bounces off", [](Scene& s) { s.hold("MATCH", 1); s.fight("UNINTERESTING", "GOBLIN", 20); }, {}, "match", false,
       "You light a match and throw it at the enemy.\n"
       "It bounces right off. No effect!" +
           kEnemyTurn,
       false,
       [](const Scene& s) { EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"match on a highly flammable hero", [](Scene& s) { s.hold("MATCH", 1); s.player.quibblent = "HIGHLY FLAMMABLE"; }, {}, "match", false,
       "You light the match and instantly burst into hellish flames, \n"
       "igniting your body in a horrid nightmare. Your skin melts \n"
       "off in seconds, and the rest of you follows soon after. \n"
       "YOU DIED. Nice going, smart guy!" + kContinue,
       false, [](const Scene& s) { EXPECT_EQ(s.state.pendingPrompt, 16); EXPECT_EQ(s.state.pendingWord, "match"); }},
      {"pepper at full tolerance", [](Scene& s) { s.hold("GHOST PEPPER", 1); s.player.spicyTolerance = 5; }, {}, "ghost pepper", false,
       "You eat the GHOST PEPPER!\n", true,
       [](const Scene& s) { EXPECT_EQ(s.player.hp, 30); EXPECT_EQ(s.player.spicyTolerance, 6); }},
      {"pepper for a damp hero at tolerance 1", [](Scene& s) { s.hold("GHOST PEPPER", 1); s.player.spicyTolerance = 1; s.player.quibblent = "DAMP"; },
       {}, "ghost pepper", false, "You eat the GHOST PEPPER! GAAAAH!!\n", true,
       [](const Scene& s) { EXPECT_EQ(s.state.auxCounter, 4); EXPECT_EQ(s.player.hp, 26); }},
      {"pepper never takes the hero below 1", [](Scene& s) { s.hold("GHOST PEPPER", 1); s.player.hp = 3; }, {}, "ghost pepper", false,
       "You eat the GHOST PEPPER! GAAAAH!!\n", true, [](const Scene& s) { EXPECT_EQ(s.player.hp, 1); }},
      {"pepper spat at a flammable enemy whose blast equals the hero's HP",
       [](Scene& s) { s.hold("GHOST PEPPER", 1); s.player.hp = 20; s.fight("HIGHLY FLAMMABLE", "GOBLIN", 20); },
       {}, "ghost pepper", false, "You eat the GHOST PEP-AAAAH!! You spit it out at the enemy!\n", true,
       [](const Scene& s) {
         EXPECT_EQ(s.player.hp, 1);  // 20 - 10 from the pepper, blast 10 cut to 9
         EXPECT_EQ(s.state.combatState, 10);
         EXPECT_EQ(s.state.pendingPrompt, 0);
         EXPECT_EQ(s.state.currentEnemy.hp, 0);
       }},
      {"pepper spit kills a plain enemy", [](Scene& s) { s.hold("GHOST PEPPER", 1); s.fight("UNINTERESTING", "GOBLIN", 20); },
       {}, "ghost pepper", false, "You eat the GHOST PEP-AAAAH!! You spit it out at the enemy!\n", true,
       [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.hp, 0); EXPECT_EQ(s.state.combatState, 10); EXPECT_EQ(s.player.hp, 20); }},
      {"poison dart kills at exactly 5", [](Scene& s) { s.hold("POISON DART", 1); s.fight("UNINTERESTING", "GOBLIN", 5); },
       {}, "poison dart", false, "You throw the POISON DART at the enemy. It took 5 damage!\n", true,
       [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.hp, 0); EXPECT_EQ(s.state.combatState, 10); }},
      {"starving hero imbued with poison dart eats kerosene", [](Scene& s) { s.hold("KEROSENE", 1); s.player.quibblent = "STARVING"; s.player.imbuement = "POISON DART"; },
       {}, "kerosene", false,
       "You're so hungry, you start gulping down KEROSENE before you \n"
       "can even think about it. \n"
       "Lucky for you, with your IMBUENCE you barely even notice.\n",
       true, [](const Scene& s) { EXPECT_FALSE(s.player.poisoned); }},
      {"salt on a starving hero", [](Scene& s) { s.hold("SALT SHAKER", 1); s.player.quibblent = "STARVING"; }, {}, "salt shaker", false,
       "You aggressively wolf down the SALT like a lunatic, but it \n"
       "only makes you hungrier. You need to find something to eat.",
       false,
       [](const Scene& s) { EXPECT_TRUE(s.player.inventoryNames.empty()); }},
  });
}

TEST(ItemUse, LsdAndMorality) {
  runCases({
      {"fourth tab kills with no tail", [](Scene& s) { s.hold("LSD", 1); s.player.lsdLevel = 3; s.fight("UNINTERESTING", "GOBLIN", 20); },
       {}, "lsd", false,
       "You stick the tab under your tongue and wait...\n"
       "...\n"
       "Reality cracks open. You can see everything. It all makes \n"
       "sense. It's all... so... beautiful...\n"
       "It's - it's too much, you can't... you can't take it...\n"
       "Aw hell. Yeah, you're not getting up from this one.",
       false, [](const Scene& s) {
         EXPECT_EQ(s.state.pendingPrompt, 16);
         EXPECT_EQ(s.state.pendingWord, "lsd");
         EXPECT_EQ(s.state.combatState, 16);
         EXPECT_TRUE(s.player.inventoryNames.empty());
       }},
      {"first tab", [](Scene& s) { s.hold("LSD", 1); }, {}, "lsd", false,
       "You stick the tab under your tongue and wait...\n"
       "...\n"
       "Duuuude... like, what even is this dungeon?\n",
       true,
       [](const Scene& s) { EXPECT_EQ(s.player.lsdLevel, 1); }},
      {"morality for a plain hero out of a fight", [](Scene& s) { s.hold("MORALITY", 1); }, {}, "morality", false,
       "You use the MORALITY...\n"
       "Hmmm... Well... It doesn't seem to be doing anything.\n"
       "Dunno, it seems to you that maybe MORALITY isn't all it's\n"
       "cracked up to be. Maybe you just don't have the right\n"
       "MINDSET for it to have much effect.",
       false, [](const Scene&) {}},
      {"morality kills a damned hero with a scream",
       [](Scene& s) { s.hold("MORALITY", 1); s.player.quibblent = "DAMNED"; s.state.pendingWord = "combat"; }, {}, "morality", false,
       "You use the MORALIT" + std::string(42, 'A') + "\n" + std::string(61, 'A') + "\n" + std::string(61, 'A') + "\n" +
           std::string(61, 'A') + "\n" + std::string(61, 'A') + kContinue,
       false, [](const Scene& s) {
         EXPECT_EQ(s.player.hp, 0);
         EXPECT_EQ(s.state.pendingPrompt, 16);
         EXPECT_EQ(s.state.pendingWord, "morality");
         EXPECT_TRUE(s.player.inventoryNames.empty());
       }},
      {"morality dropped by a frightened hero", [](Scene& s) { s.hold("MORALITY", 4); s.hold("HAT", 1); s.player.quibblent = "FRIGHTENED"; },
       {}, "morality", false, "You use the MORALITY...\n"
                              "WaaaaaaAAAAAAAAAaaaaaaaaa", true,
       [](const Scene& s) { EXPECT_EQ(s.player.inventoryNames, std::vector<std::string>({"HAT"})); EXPECT_EQ(s.player.inventoryCounts[0], 1); }},
      {"morality on a hellsatan leaves it at 1", [](Scene& s) { s.hold("MORALITY", 1); s.fight("UNINTERESTING", "HELLSATAN", 25); },
       {}, "morality", true, "You use the MORALITY...\n"
                             "HELLSATAN screeches in pain, taking 25 damage!", true,
       [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.hp, 1); EXPECT_EQ(s.state.combatState, 7); EXPECT_TRUE(s.player.stunned); }},
      {"morality on a demon at exactly 25 wins", [](Scene& s) { s.hold("MORALITY", 1); s.fight("UNINTERESTING", "DEMON", 25); },
       {}, "morality", true, "You use the MORALITY...\n"
                             "The UNINTERESTING DEMON screeches in pain!", true,
       [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.hp, 0); EXPECT_EQ(s.state.combatState, 10); }},
      {"morality on a metalhead at exactly 25 wins", [](Scene& s) { s.hold("MORALITY", 1); s.fight("METALHEAD", "GOBLIN", 25); },
       {}, "morality", true, "You use the MORALITY...\n"
                             "The METALHEAD GOBLIN clutches its chest in pain...", true,
       [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.hp, 0); EXPECT_EQ(s.state.combatState, 10); }},
      {"morality turns an accountant into a chef on its tile",
       [](Scene& s) { s.hold("MORALITY", 1); s.fight("STARVING", "ACCOUNTANT", 25); s.state.moveDirection = 3; },
       {}, "morality", true,
       "You use the MORALITY...\n"
       "Absorbing the MORALITY, it realizes how sinful its life is!\n"
       "It vows to abandon ACCOUNTANCY and take up baking instead.\n"
       "The enemy is now a STARVING CHEF!" +
           kEnemyTurn,
       false,
       [](const Scene& s) {
         const Creature& tile = s.floor.tileCreatures[3];
         EXPECT_EQ(tile.type, "CHEF");
         EXPECT_EQ(tile.attack, 9);
         ASSERT_EQ(tile.actions.size(), 4u);
         EXPECT_EQ(tile.actions[3].name, "EAT");
       }},
      {"morality makes a rogue pay its gold", [](Scene& s) { s.hold("MORALITY", 1); s.fight("UNINTERESTING", "ROGUE", 25); s.state.currentEnemy.goldReward = 14; },
       {}, "morality", true, "You use the MORALITY...\n"
                             "As it sets in, the UNINTERESTING ROGUE's eyes widen.", true,
       [](const Scene& s) {
         EXPECT_EQ(s.player.gold, 14);
         EXPECT_EQ(s.floor.tileCreatures[0].goldReward, 0);
         EXPECT_EQ(s.state.combatState, 6);
       }},
  });
}

// The spiked ANTIBIOTICS confuse, then poison, and tell it the other way round.
TEST(ItemUse, SpikedAntibioticsTellThePoisonFirst) {
  Scene scene;
  scene.hold("ANTIBIOTICS?", 1);
  Scene expected;
  std::string confused = expected.player.changeQuibblent("CONFUSED", expected.state, false);
  std::string poisoned = expected.player.changeQuibblent("POISONED", expected.state, false);
  ASSERT_NE(confused, poisoned);
  EXPECT_EQ(scene.player.useItem("antibiotics?", scene.state, false),
            "You take some ANTIBIOTICS... You don't feel so good. \n"
            "Actually, those ANTIBIOTICS made you feel even WORSE than \n"
            "before! That stupid ACADEMIC must have spiked them! \n" +
                poisoned + " " + confused);
  EXPECT_EQ(scene.player.quibblent, expected.player.quibblent);
  EXPECT_EQ(scene.player.antibioticsUsed, 1);
  EXPECT_TRUE(scene.player.inventoryNames.empty());
}

TEST(ItemUse, MagicalAndOddItems) {
  const std::string offer = "You hold out the contract, offering the enemy a sum of GOLD\n"
                            "of their choice should they agree to cease all attempts\n"
                            "at combat with you for the foreseaable future.";
  struct PriceCase {
    int gold;
    std::uint32_t draw;
    const char* imbuement;
    const char* type;
    int price;
  };
  for (const PriceCase& c : std::vector<PriceCase>{{4, 0, "", "GOBLIN", 8},
                                                    {4, 40, "", "GOBLIN", 12},
                                                    {4, 0, "CONTRACT", "GOBLIN", 5},
                                                    {4, 40, "CONTRACT", "GOBLIN", 8},
                                                    {10, 36, "", "GOBLIN", 28},
                                                    {4, 0, "CONTRACT", "HELLSATAN", 1500}}) {
    SCOPED_TRACE(std::to_string(c.gold) + " gold, draw " + std::to_string(c.draw) + " " + c.type);
    Scene s;
    s.hold("CONTRACT", 1);
    s.fight("UNINTERESTING", c.type, 20);
    s.state.currentEnemy.goldReward = c.gold;
    s.player.imbuement = c.imbuement;
    dice::Script script({c.draw});
    std::string reply = s.player.useItem("contract", s.state, false);
    EXPECT_EQ(reply, offer +
                         "\n"
                         "The UNINTERESTING " +
                         c.type +
                         " thinks your offer over...\n"
                         "They are willing to leave you alone if you can give them a \n"
                         "minimum of " +
                         std::to_string(c.price) + " gold. Will you accept? (Y/N)");
    EXPECT_EQ(s.state.combatValue, c.price);
    EXPECT_EQ(s.state.combatState, 8);
  }
  runCases({
      {"contract refused by a zombie", [](Scene& s) { s.hold("CONTRACT", 1); s.fight("UNINTERESTING", "ZOMBIE", 20); }, {}, "contract", false,
       offer + "\n"
               "The enemy is unwilling to negotiate!!" + kEnemyTurn, false,
       [](const Scene& s) { EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"airhorn keeps the turn", [](Scene& s) { s.hold("AIRHORN", 1); s.fight("UNINTERESTING", "GOBLIN", 20); }, {}, "airhorn", false,
       "You use the airhorn. HOOOOOOOOONK!\n"
       "The enemy is momentarily STUNNED by the loud noise!" + kYourTurn, false,
       [](const Scene& s) { EXPECT_TRUE(s.state.currentEnemy.stunned); EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"airhorn scares off a gamer", [](Scene& s) { s.hold("AIRHORN", 1); s.fight("GAMER", "GOBLIN", 20); s.state.currentEnemy.expReward = 30; },
       {}, "airhorn", false,
       "You use the airhorn. HOOOOOOOOONK!\n"
       "The enemy does a rad triple-kickflip and GAMER-JUMPS far,\n"
       "far away. You win???" + kContinue,
       false, [](const Scene& s) { EXPECT_EQ(s.state.currentEnemy.expReward, -30); EXPECT_EQ(s.state.combatState, 10); }},
      {"vortex on the last floor", [](Scene& s) { s.hold("VORTEX", 1); s.floor.floorNumber = 16; }, {}, "vortex", false,
       "You unleash the VORTEX...\n"
       "It begins to expand, consuming all the matter in its path.\n"
       "...then, after a few seconds, it begins to contract in on \n"
       "itself again. It disappears into nothingness with a tiny \n"
       "'pop' sound. What a disappointment!",
       false, [](const Scene& s) { EXPECT_EQ(s.state.pendingPrompt, 0); EXPECT_TRUE(s.player.inventoryNames.empty()); }},
      {"vortex elsewhere", [](Scene& s) { s.hold("VORTEX", 1); s.floor.floorNumber = 5; }, {}, "vortex", false,
       "You unleash the VORTEX...\n", true, [](const Scene& s) { EXPECT_EQ(s.state.pendingPrompt, 31); }},
      {"vortex refused in a fight", [](Scene& s) { s.hold("VORTEX", 1); s.fight("UNINTERESTING", "GOBLIN", 20); }, {}, "vortex", false,
       "You cannot use the VORTEX while in-combat!" + kYourTurn, false,
       [](const Scene& s) { EXPECT_EQ(s.player.inventoryCounts[0], 1); }},
      {"teleporometer ends the fight", [](Scene& s) { s.hold("TELEPOROMETER", 1); s.fight("UNINTERESTING", "GOBLIN", 20); }, {}, "teleporometer", false,
       "You press the big red button on the TELEPOROMETER.\n"
       "FWOOOOOOOOSSSHHHHHHH!!\n"
       "Everything goes white...\n"
       "[TYPE ANYTHING TO CONTINUE]",
       false, [](const Scene& s) { EXPECT_EQ(s.state.combatState, 0); EXPECT_EQ(s.state.pendingPrompt, 32); }},
      {"ghast-buster reaches the next level exactly", [](Scene& s) { s.hold("GHAST-BUSTER", 1); s.player.exp = 50; s.player.expForNextLevel = 75; },
       {50}, "ghast-buster", false,
       "You unleash the GHAST-BUSTER. A number of spirits that were\n"
       "ambiently floating around the dungeon are absorbed into the\n"
       "GHAST-BUSTER! You gained 25 experience!\n"
       "[TYPE ANYTHING TO CONTINUE]",
       false, [](const Scene& s) { EXPECT_EQ(s.state.pendingPrompt, 40); EXPECT_EQ(s.player.exp, 75); }},
      {"necronomicon raises a zombie on its tile", [](Scene& s) { s.hold("NECRONOMICON", 1); s.fight("UNINTERESTING", "GOBLIN", 20); s.state.moveDirection = 2; },
       {}, "necronomicon", false,
       "You open the NECRONOMICON and read aloud one of the ANCIENT\n"
       "CHANTS OF MADNESS contained inside.\n"
       "Whoa, something's happening...\n"
       "The UNINTERESTING GOBLIN transforms into a ZOMBIE!" +
           kEnemyTurn,
       false,
       [](const Scene& s) {
         EXPECT_EQ(s.floor.tileCreatures[2].type, "ZOMBIE");
         EXPECT_EQ(s.floor.tileCreatures[2].hp, 50);
         EXPECT_TRUE(s.floor.tileCreatures[2].confident);
       }},
      {"necronomicon out of a fight asks and stays", [](Scene& s) { s.hold("NECRONOMICON", 1); }, {}, "necronomicon", false,
       "You flip through the NECRONOMICON.\n", true,
       [](const Scene& s) { EXPECT_EQ(s.state.pendingPrompt, 33); EXPECT_EQ(s.player.inventoryCounts[0], 1); }},
      {"tome when the room is known", [](Scene& s) { s.hold("TOME OF WISDOM", 1); s.floor.secretRoomKnown = true; }, {}, "tome of wisdom", false,
       "The TOME OF WISDOM reads...\n", true, [](const Scene& s) { EXPECT_TRUE(s.player.inventoryNames.empty()); }},
  });
}

}  // namespace
