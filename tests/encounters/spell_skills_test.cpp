// FIREBOLT, STUNBOLT, HEAL and APPLY SALT.
#include <gtest/gtest.h>

#include "skill_fight.h"

namespace {

const std::string kFirebolt = "Hero fires off a FIREBOLT!\n";
const std::string kStunbolt = "Hero fires off a STUNBOLT!\n";

TEST(Firebolt, BurnsByLevelAndSetsFuelAlight) {
  const auto level3 = [](SkillFight& f) {
    f.player.level = 3;
    f.enemy().defence = 50;
    f.enemy().damageTakenFactor = 0.5f;
  };
  const auto level3Against = [&](const char* type, const char* word, int hp, int maxHp) {
    return [=](SkillFight& f) {
      level3(f);
      f.enemy().type = type;
      f.enemy().quibblent = word;
      f.enemy().hp = hp;
      f.enemy().maxHp = maxHp;
    };
  };
  const std::string risingText = "FWOOOOOOSH!!! The DRAGON explodes!!!\n"
                                 "...But it rises back out of the ashes, stronger than ever!\n"
                                 "Full enemy health restored! Oh no!!\n" +
                                 kEnemyTurn;
  const auto explosionText = [](int blast) {
    return "FWOOOOOOSH!!! The GOBLIN explodes!!!\n"
           "Its money disintegrates in the explosion. You win!\n"
           "However, the blast also hits you for " +
           std::to_string(blast) +
           " damage.\n"
           "[TYPE ANYTHING TO CONTINUE]";
  };
  playSkillCases({
      {"level 3 deals 14 whatever the defence or factors", "FIREBOLT", level3, {}, {},
       kFirebolt + "UNINTERESTING GOBLIN took 14 damage. Rad!\n" + kEnemyTurn, 6, 7, 4, 30, 3, "UNINTERESTING"},
      {"a DAMP enemy takes half", "FIREBOLT", level3Against("GOBLIN", "DAMP", 20, 20), {}, {},
       kFirebolt + "DAMP GOBLIN took 7 damage. Rad!\n" + kEnemyTurn, 13, 7, 4, 30, 3, "DAMP"},
      {"a DEMON feeds on it, never above its maximum", "FIREBOLT",
       level3Against("DEMON", "UNINTERESTING", 40, 50), {}, {},
       kFirebolt + "UNINTERESTING DEMON healed 14 HP! Oh no!!\n" + kEnemyTurn, 50, 7, 4, 30, 3, "UNINTERESTING"},
      {"a bolt to exactly 0 defeats the enemy", "FIREBOLT", level3Against("GOBLIN", "UNINTERESTING", 14, 20), {}, {},
       kFirebolt + "UNINTERESTING GOBLIN took 14 damage. Rad!\n" + kEnemyTurn, 0, 10, 4, 30, 3, "UNINTERESTING"},
      {"a HIGHLY FLAMMABLE DRAGON rises whole, UNINTERESTING", "FIREBOLT",
       level3Against("DRAGON", "HIGHLY FLAMMABLE", 10, 80), {}, {}, kFirebolt + risingText,
       80, 7, 4, 30, 3, "UNINTERESTING"},
      {"an exploding enemy of 31 hit points hits the hero for 15", "FIREBOLT",
       [&](SkillFight& f) {
         level3Against("GOBLIN", "HIGHLY FLAMMABLE", 31, 31)(f);
         f.player.hp = 40;
         f.player.maxHp = 40;
       },
       {}, {}, kFirebolt + explosionText(15), 0, 10, 4, 25, 3, "HIGHLY FLAMMABLE", false, false, 0},
      {"a hero of 15 hit points keeps exactly 1", "FIREBOLT",
       [&](SkillFight& f) {
         level3Against("GOBLIN", "HIGHLY FLAMMABLE", 31, 31)(f);
         f.player.hp = 15;
       },
       {}, {}, kFirebolt + explosionText(14), 0, 10, 4, 1, 3, "HIGHLY FLAMMABLE", false, false, 0},
      {"a SLEEPING MASS is set alight, not woken", "FIREBOLT", level3Against("MASS", "SLEEPING", 20, 20), {}, {},
       kFirebolt + "SLEEPING MASS took 14 damage. Rad!\n"
                   "The SLEEPING MASS is now FLAMING!\n" + kEnemyTurn,
       6, 7, 4, 30, 3, "FLAMING"},
      {"a SLEEPING GOBLIN wakes ENRAGED", "FIREBOLT", level3Against("GOBLIN", "SLEEPING", 20, 20), {}, {},
       kFirebolt + "SLEEPING GOBLIN took 14 damage. Rad!\n"
                   "Your attack woke the enemy up!! It's ENRAGED now!!\n" +
           kEnemyTurn,
       6, 7, 4, 30, 3, "ENRAGED"},
      {"KEROSENE on the hero sets any enemy alight", "FIREBOLT",
       [&](SkillFight& f) {
         level3(f);
         f.player.imbuement = "KEROSENE";
       },
       {},
       {},
       kFirebolt +
           "UNINTERESTING GOBLIN took 14 damage. Rad!\n"
           "The UNINTERESTING GOBLIN is now FLAMING!\n" +
           kEnemyTurn,
       6, 7, 4, 30, 3, "FLAMING"},
      {"a CONFUSED hero cannot cast it", "FIREBOLT", [](SkillFight& f) { f.player.quibblent = "CONFUSED"; }, {}, {},
       "Hero is too CONFUSED to cast FIREBOLT!!\n" + kEnemyTurn, 20, 7, 0, 30, 3, "UNINTERESTING"},
  });
}

TEST(Stunbolt, StunsTheEnemyOrIsTurnedBack) {
  playSkillCases({
      {"the enemy is stunned and the hero moves again", "STUNBOLT", nullptr, {}, {},
       kStunbolt + "UNINTERESTING GOBLIN has been STUNNED!!\n"
                   "It is now your turn.\n" + dodgesLeft(3),
       20, 2, 8, 30, 3, "UNINTERESTING", true},
      {"a CTHULOID turns it back on the hero", "STUNBOLT", [](SkillFight& f) { f.enemy().type = "CTHULOID"; }, {}, {},
       kStunbolt + "UNINTERESTING CTHULOID reflects the attack back at you!!\n"
                   "You are now STUNNED! " + kEnemyTurn,
       20, 7, 8, 30, 3, "UNINTERESTING", false, true},
      {"a HELLFUCKER too", "STUNBOLT", [](SkillFight& f) { f.enemy().type = "HELLFUCKER"; }, {}, {},
       kStunbolt + "UNINTERESTING HELLFUCKER reflects the attack back at you!!\n"
                   "You are now STUNNED! " + kEnemyTurn,
       20, 7, 8, 30, 3, "UNINTERESTING", false, true},
      {"a CONFUSED hero cannot cast it", "STUNBOLT", [](SkillFight& f) { f.player.quibblent = "CONFUSED"; }, {}, {},
       "Hero is too CONFUSED to cast STUNBOLT!!\n" + kEnemyTurn, 20, 7, 0, 30, 3, "UNINTERESTING"},
  });
}

TEST(Heal, RestoresAThirdOfTheMaximumUpTo25) {
  const auto hurt = [](int hp, int maxHp) {
    return [=](SkillFight& f) {
      f.player.hp = hp;
      f.player.maxHp = maxHp;
    };
  };
  const auto healed = [](int amount) {
    return "Hero casts HEAL on themself! You recovered " + std::to_string(amount) + " HP!!\n" + kEnemyTurn;
  };
  playSkillCases({
      {"a maximum of 30 restores 10", "HEAL", hurt(5, 30), {}, {}, healed(10), 20, 7, 6, 15, 3, "UNINTERESTING"},
      {"a maximum of 90 restores 25", "HEAL", hurt(10, 90), {}, {}, healed(25), 20, 7, 6, 35, 3, "UNINTERESTING"},
      {"the text shows the amount though fewer were missing", "HEAL", hurt(28, 30), {}, {}, healed(10),
       20, 7, 6, 30, 3, "UNINTERESTING"},
      {"a CONFUSED hero cannot cast it", "HEAL",
       [&](SkillFight& f) {
         hurt(5, 30)(f);
         f.player.quibblent = "CONFUSED";
       },
       {}, {}, "Hero is too CONFUSED to cast HEAL!!\n" + kEnemyTurn, 20, 7, 0, 5, 3, "UNINTERESTING"},
  });
}

TEST(ApplySalt, SaltsTheEnemyAndAlwaysTakesItsCooldown) {
  playSkillCases({
      {"the enemy becomes LIGHTLY SALTED", "APPLY SALT", nullptr, {}, {},
       "Hero applies a light dose of salt!\n"
       "The UNINTERESTING GOBLIN is now LIGHTLY SALTED!\n" + kEnemyTurn,
       20, 7, 3, 30, 3, "LIGHTLY SALTED"},
      {"a GHAST refuses the change, the cooldown is still taken", "APPLY SALT",
       [](SkillFight& f) {
         f.enemy().type = "GHAST";
         f.enemy().quibblent = "GHASTLY";
       },
       {}, {}, "Hero applies a light dose of salt!\n"
               "The GHAST is too GHASTLY to change quibblent!\n" + kEnemyTurn,
       20, 7, 3, 30, 3, "GHASTLY"},
      {"a CONFUSED hero can still salt", "APPLY SALT", [](SkillFight& f) { f.player.quibblent = "CONFUSED"; }, {}, {},
       "Hero applies a light dose of salt!\n"
       "The UNINTERESTING GOBLIN is now LIGHTLY SALTED!\n" + kEnemyTurn,
       20, 7, 3, 30, 3, "LIGHTLY SALTED"},
  });
}

}  // namespace
