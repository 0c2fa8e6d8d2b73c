#include "interpreter/use_and_drop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "world/floor.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {

using Names = std::vector<std::string>;
using Handler = std::string (*)(GameState&, Floor&, PlayerRecord&, const std::string&);

const std::string kOutOfRange = "Wh- hey, what are you trying to pull here!?";
const std::string kCooling = "You cannot use that skill, it is currently cooling down!";

struct Hero {
  GameState state;
  PlayerRecord player;
  Floor floor;
  Hero() {
    state.player = &player;
    state.level = &floor;
    state.pendingPrompt = 0;
    state.lastReplyKind = 4;
  }
  void learn(const char* skill) { player.skills.emplace_back(skill, 1, true); }
};

struct CommandCase {
  const char* what;
  std::function<void(Hero&)> setUp;
  Handler handler;
  const char* line;
  std::string reply;
  std::function<void(const Hero&)> check;
};

TEST(UseAndDrop, CommandsOutsideAFight) {
  const std::string potion = "You drink the potion. It tastes like a mix of strawberries\n"
                             "and piss. You are now at ";
  const std::string healthy = "\n"
                              "You are already perfectly healthy.\n"
                              "You shouldn't waste antibiotics like that, you know.\n";
  const std::vector<CommandCase> cases{
      {"the joke", [](Hero&) {}, commandUseItemJoke, "use item [n]", "Ha ha. You're very clever.", [](const Hero&) {}},
      {"use item by slot", [](Hero& h) { h.player.hp = 5; }, commandUseItemSlot, "use item 1", potion + "20 / 30 HP!",
       [](const Hero& h) { EXPECT_EQ(h.player.inventoryCounts[0], 1); EXPECT_EQ(h.state.lastReplyKind, 1); }},
      {"use item 0 is out of range", [](Hero&) {}, commandUseItemSlot, "use item 0", kOutOfRange,
       [](const Hero& h) { EXPECT_EQ(h.player.inventoryCounts[0], 2); }},
      {"use item past the held slots", [](Hero&) {}, commandUseItemSlot, "use item 2", kOutOfRange, [](const Hero&) {}},
      {"use item with two digits", [](Hero&) {}, commandUseItemSlot, "use item 12", kOutOfRange, [](const Hero&) {}},
      {"use item with a letter", [](Hero&) {}, commandUseItemSlot, "use item x", "NO", [](const Hero&) {}},
      {"use by name", [](Hero& h) { h.player.hp = 5; }, commandUseItemByName, "use potion", potion + "20 / 30 HP!",
       [](const Hero& h) { EXPECT_EQ(h.state.lastReplyKind, 1); }},
      {"bare item name keeps the reply kind", [](Hero& h) { h.player.hp = 5; }, commandUseHeldItem, "potion",
       potion + "20 / 30 HP!", [](const Hero& h) { EXPECT_EQ(h.state.lastReplyKind, 4); }},
      {"drop a stack by slot", [](Hero& h) { h.player.gainItem("HAT", 1); }, commandDropItemSlot, "drop item 1",
       "You throw away all of your POTION.",
       [](const Hero& h) { EXPECT_EQ(h.player.inventoryNames, Names({"HAT"})); EXPECT_EQ(h.player.inventoryCounts[1], 0); }},
      {"drop item 0 is out of range", [](Hero&) {}, commandDropItemSlot, "drop item 0", kOutOfRange,
       [](const Hero& h) { EXPECT_EQ(h.player.inventoryCounts[0], 2); }},
      {"drop one by name", [](Hero& h) { h.player.gainItem("HAT", 1); }, commandDropItemByName, "drop hat",
       "You throw away your HAT.", [](const Hero& h) { EXPECT_EQ(h.player.inventoryNames, Names({"POTION"})); }},
      {"drop 0 by name holds nothing", [](Hero&) {}, commandDropItemByName, "drop 0",
       "You do such a good job getting rid of the item, you never \n"
       "even had it in the first place! Wowzers.",
       [](const Hero& h) { EXPECT_EQ(h.player.inventoryCounts[0], 2); }},
      {"the vortex cannot be dropped", [](Hero& h) { h.player.gainItem("VORTEX", 1); }, commandDropItemByName,
       "drop vortex",
       "You attempt to throw away the VORTEX... The attempt was a \n"
       "failure. If you want to get rid of the VORTEX, you will \n"
       "need to USE it.",
       [](const Hero& h) { EXPECT_TRUE(h.player.hasItem("VORTEX", 1)); }},
      {"heal at full HP still spends the skill", [](Hero& h) { h.learn("HEAL"); h.player.skills[0].cooldown = 4; }, commandUseHealSkill, "heal",
       "You use HEAL, recovering 10 HP!!",
       [](const Hero& h) { EXPECT_EQ(h.player.skills[0].uses, 1); EXPECT_EQ(h.player.skills[0].cooldownLeft, 4); }},
      {"heal is capped at 25", [](Hero& h) { h.learn("HEAL"); h.player.maxHp = 90; h.player.hp = 1; }, commandUseHealSkill,
       "use heal", "You use HEAL, recovering 25 HP!!", [](const Hero& h) { EXPECT_EQ(h.player.hp, 26); }},
      {"heal cooling down", [](Hero& h) { h.learn("HEAL"); h.player.skills[0].cooldownLeft = 1; }, commandUseHealSkill,
       "heal", kCooling, [](const Hero&) {}},
      {"heal unknown", [](Hero&) {}, commandUseHealSkill, "heal", "You don't know how to HEAL!!", [](const Hero&) {}},
      {"eat with a salty weapon", [](Hero& h) { h.learn("EAT"); h.player.equipment[0].quibblent = "LIGHTLY SALTED"; h.player.equipment[0].name = "LIGHTLY SALTED SWORD"; },
       commandUseEatSkill, "eat",
       "You're so hungry... it's driving you crazy. And you have \n"
       "this delicious... salty... weapon right here. \n"
       "Will you EAT your LIGHTLY SALTED SWORD? (Y/N)",
       [](const Hero& h) { EXPECT_EQ(h.state.pendingPrompt, 36); }},
      {"antibiotics item before the skill", [](Hero& h) { h.player.gainItem("ANTIBIOTICS", 1); h.player.playerClass = "ACADEMIC"; h.learn("ANTIBIOTICS"); },
       commandUseAntibiotics, "antibiotics",
       "You take some ANTIBIOTICS.\n"
       "You are already perfectly healthy.\n"
       "You shouldn't waste antibiotics like that, you know.",
       [](const Hero& h) { EXPECT_EQ(h.player.skills[0].cooldownLeft, 0); EXPECT_FALSE(h.player.hasItem("ANTIBIOTICS", 1)); }},
      {"academic skill found by name in any slot",
       [](Hero& h) { h.player.playerClass = "ACADEMIC"; h.learn("ANTIBIOTICS"); h.player.poisoned = true; },
       commandUseAntibiotics, "use antibiotics",
       "You take some ANTIBIOTICS.Your POISON has been cured!\n"
       "It is now the enemy's tur- ...Wait, no, nevermind.",
       [](const Hero& h) { EXPECT_FALSE(h.player.poisoned); EXPECT_EQ(h.player.skills[0].cooldownLeft, 6); }},
      {"academic's fifth antibiotics resist", [](Hero& h) { h.player.playerClass = "ACADEMIC"; h.learn("HEAL"); h.learn("ANTIBIOTICS"); h.player.antibioticsUsed = 4; },
       commandUseAntibiotics, "antibiotics",
       "You take some ANTIBIOTICS.\n"
       "The bacteria in your body have developed ANTIBIOTIC \n"
       "RESISTANCE! The antibiotics do nothing.\n"
       "It is now the enemy's tur- ...Wait, no, nevermind.",
       [](const Hero& h) { EXPECT_EQ(h.player.antibioticsUsed, 5); }},
      {"academic who lost the skill", [](Hero& h) { h.player.playerClass = "ACADEMIC"; h.learn("HEAL"); }, commandUseAntibiotics,
       "antibiotics",
       "ANTIBIOTICS? What the hell are those? Isn't this kind of a \n"
       "medieval/fantasy setting? Why would an anachronism like \n"
       "THAT be in here?",
       [](const Hero&) {}},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.what);
    Hero hero;
    c.setUp(hero);
    dice::Script script({0});
    EXPECT_EQ(c.handler(hero.state, hero.floor, hero.player, c.line), c.reply);
    c.check(hero);
  }
}

TEST(UseAndDrop, GuardsOfTheFreeCommands) {
  Hero hero;
  hero.state.lastReplyKind = 5;
  EXPECT_FALSE(dropByNameTakesLine(hero.state, hero.player, "drop 2"));
  EXPECT_TRUE(dropByNameTakesLine(hero.state, hero.player, "drop hat"));
  hero.state.lastReplyKind = 1;
  EXPECT_TRUE(dropByNameTakesLine(hero.state, hero.player, "drop 2"));
  EXPECT_TRUE(lineNamesHeldItem(hero.state, hero.player, "potion"));
  EXPECT_FALSE(lineNamesHeldItem(hero.state, hero.player, "hat"));
}

}  // namespace
