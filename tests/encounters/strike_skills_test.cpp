// MAGICBOLT and the three blows dealt with the hero's own attack.
#include <gtest/gtest.h>

#include "skill_fight.h"

namespace {

const std::string kSneak = "Hero stabs the enemy in the back, using 1 dodge!\n";
const std::string kStunnedLine = "It is momentarily stunned by the hit...\n";
const std::string kPunch = "Hero unleashes a punch at full force!\n";
const std::string kTackle = "Hero performs a full-body tackle!\n";
const std::string kWoke = "Your attack woke the enemy up!! It's ENRAGED now!!\n";

std::string explosion(const std::string& type, int blast) {
  return "FWOOOOOOSH!!! The " + type +
         " explodes!!!\n"
         "Its money disintegrates in the explosion. You win!\n"
         "However, the blast also hits you for " +
         std::to_string(blast) +
         " damage.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

std::string rising(const std::string& type) {
  return "FWOOOOOOSH!!! The " + type +
         " explodes!!!\n"
         "...But it rises back out of the ashes, stronger than ever!\n"
         "Full enemy health restored!\n" +
         kEnemyTurn;
}

const std::string kSwordSneak =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'Such poor sportmanship! It's not very *gentlemanly* of you \n"
    "to attack without giving your opponent their proper warning, \n"
    "you know. I'll be damned if I allow such dishonorable tactics \n"
    "on MY watch. Fight properly!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kSwordPunch =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'A punch? A PUNCH!?! You have a fine and estimable weapon \n"
    "such as myself on hand, and instead you choose to throw a \n"
    "PUNCH?!?!?! I am insulted beyond the ability of words to \n"
    "capture, sirrah!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const std::string kSwordTackle =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'What, you think you're going to attack the enemy with your \n"
    "*body*, do you? Like some kind of low-class wrestleman or \n"
    "booze-addled ruffian? Cease this tomfoolery and attack \n"
    "the opponent *properly* next time.'\n"
    "[TYPE ANYTHING TO CONTINUE]";

TEST(Magicbolt, GrowsWithLevelAndIgnoresDefenceAndFactors) {
  playSkillCases({
      {"level 1 deals 6", "MAGICBOLT", nullptr, {}, {},
       "Hero fires off a MAGICBOLT!\n"
       "UNINTERESTING GOBLIN took 6 damage. Nice!\n" + kEnemyTurn,
       14, 7, 3, 30, 3, "UNINTERESTING"},
      {"level 10 deals 24 through defence, factors and a stun", "MAGICBOLT",
       [](SkillFight& f) {
         f.player.level = 10;
         f.player.attackFactor = 0.5f;
         f.enemy().hp = 30;
         f.enemy().defence = 50;
         f.enemy().damageTakenFactor = 0.25f;
         f.enemy().stunned = true;
       },
       {}, {}, "Hero fires off a MAGICBOLT!\n"
               "UNINTERESTING GOBLIN took 24 damage. Nice!\n" + kEnemyTurn,
       6, 7, 3, 30, 3, "UNINTERESTING", true},
      {"an enemy left at exactly 0 is defeated", "MAGICBOLT", [](SkillFight& f) { f.enemy().hp = 6; }, {}, {},
       "Hero fires off a MAGICBOLT!\n"
       "UNINTERESTING GOBLIN took 6 damage. Nice!\n" + kEnemyTurn,
       0, 10, 3, 30, 3, "UNINTERESTING"},
      {"an enemy left at 1 fights on", "MAGICBOLT", [](SkillFight& f) { f.enemy().hp = 7; }, {}, {},
       "Hero fires off a MAGICBOLT!\n"
       "UNINTERESTING GOBLIN took 6 damage. Nice!\n" + kEnemyTurn,
       1, 7, 3, 30, 3, "UNINTERESTING"},
      {"a CONFUSED hero spends the use but no cooldown", "MAGICBOLT",
       [](SkillFight& f) { f.player.quibblent = "CONFUSED"; }, {}, {},
       "Hero is too CONFUSED to cast MAGICBOLT!!\n" + kEnemyTurn, 20, 7, 0, 30, 3, "UNINTERESTING"},
      {"a SLEEPING enemy the bolt defeats still wakes ENRAGED", "MAGICBOLT",
       [](SkillFight& f) {
         f.enemy().quibblent = "SLEEPING";
         f.enemy().hp = 6;
       },
       {}, {}, "Hero fires off a MAGICBOLT!\n"
               "SLEEPING GOBLIN took 6 damage. Nice!\n" + kWoke + kEnemyTurn,
       0, 10, 3, 30, 3, "ENRAGED"},
  });
}

TEST(SneakAttack, StabsStunsAndGivesTheHeroTheNextMove) {
  playSkillCases({
      {"attack 4 against defence 3 deals 0 and still stuns", "SNEAK ATTACK",
       [](SkillFight& f) { f.enemy().defence = 3; }, {}, {},
       kSneak + "UNINTERESTING GOBLIN took 0 damage!\n" + kStunnedLine + kYourTurn,
       20, 2, 5, 30, 2, "UNINTERESTING", true},
      {"an attack below 0 stabs for 0, never a heal", "SNEAK ATTACK", [](SkillFight& f) { f.player.attack = -3; },
       {}, {}, kSneak + "UNINTERESTING GOBLIN took 0 damage!\n" + kStunnedLine + kYourTurn,
       20, 2, 5, 30, 2, "UNINTERESTING", true},
      {"attack 10 deals 6", "SNEAK ATTACK", [](SkillFight& f) { f.player.attack = 10; }, {}, {},
       kSneak + "UNINTERESTING GOBLIN took 6 damage!\n" + kStunnedLine + kYourTurn,
       14, 2, 5, 30, 2, "UNINTERESTING", true},
      {"the enemy's damage factor multiplies in single precision: 17 x 0.6 is 10, x 0.7 is 7", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 17;
         f.enemy().damageTakenFactor = 0.7f;
       },
       {}, {}, kSneak + "UNINTERESTING GOBLIN took 7 damage!\n" + kStunnedLine + kYourTurn,
       13, 2, 5, 30, 2, "UNINTERESTING", true},
      {"no dodges is refused before the sword speaks", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.dodges = 0;
         f.player.wieldsSwordOfKings = true;
       },
       {}, {}, "You do not have enough DODGES to do that!\n" + dodgesLeft(0), 20, 2, 0, 30, 0, "UNINTERESTING"},
      {"the sword refuses and no dodge is spent", "SNEAK ATTACK",
       [](SkillFight& f) { f.player.wieldsSwordOfKings = true; }, {}, {}, kSwordSneak,
       20, 7, 0, 30, 3, "UNINTERESTING"},
      {"a killing stab asks to continue instead of offering a move", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.enemy().hp = 6;
       },
       {}, {}, kSneak + "UNINTERESTING GOBLIN took 6 damage!\n" + kStunnedLine + "[TYPE ANYTHING TO CONTINUE]",
       0, 10, 5, 30, 2, "UNINTERESTING", true},
      {"a SLEEPING enemy wakes ENRAGED and the hero still moves", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.enemy().quibblent = "SLEEPING";
         f.player.quibblent = "FLAMING";
       },
       {}, {}, kSneak + "SLEEPING GOBLIN took 6 damage!\n" + kStunnedLine + kWoke + kYourTurn,
       14, 2, 5, 30, 2, "ENRAGED", true},
      {"a FLAMING hero sets a FLAMMABLE enemy alight", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.player.quibblent = "FLAMING";
         f.enemy().quibblent = "FLAMMABLE";
       },
       {}, {},
       kSneak + "FLAMMABLE GOBLIN took 6 damage!\n" + kStunnedLine + "The FLAMMABLE GOBLIN is now FLAMING!\n" +
           kYourTurn,
       14, 2, 5, 30, 2, "FLAMING", true},
      {"a MATCH blows up a HIGHLY FLAMMABLE enemy, its blast half its hit points", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.player.hp = 25;
         f.player.imbuement = "MATCH";
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().hp = 46;
         f.enemy().maxHp = 46;
       },
       {}, {}, explosion("GOBLIN", 20), 0, 10, 5, 5, 2, "HIGHLY FLAMMABLE", true, false, 0},
      {"a FLAMING weapon's DRAGON rises whole and takes its turn", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.player.equipment[0].quibblent = "FLAMING";
         f.enemy().type = "DRAGON";
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().maxHp = 50;
       },
       {}, {}, rising("DRAGON"), 50, 7, 5, 30, 2, "UNINTERESTING", false},
      {"a DEMON felled by the stab rises whole and is no kill: it moves next", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.player.quibblent = "FLAMING";
         f.enemy().type = "DEMON";
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().hp = 6;
         f.enemy().maxHp = 50;
       },
       {}, {}, rising("DEMON"), 50, 7, 5, 30, 2, "UNINTERESTING", false},
      {"an OILY hero's oil roll of 1 makes the enemy FLAMMABLE", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.player.quibblent = "OILY";
       },
       {}, {1},
       kSneak + "UNINTERESTING GOBLIN took 6 damage!\n" + kStunnedLine +
           "The UNINTERESTING GOBLIN is now FLAMMABLE!\n" + kYourTurn,
       14, 2, 5, 30, 2, "FLAMMABLE", true},
      {"an oil roll of 2 spills nothing", "SNEAK ATTACK",
       [](SkillFight& f) {
         f.player.attack = 10;
         f.player.equipment[0].quibblent = "OILY";
       },
       {}, {5}, kSneak + "UNINTERESTING GOBLIN took 6 damage!\n" + kStunnedLine + kYourTurn,
       14, 2, 5, 30, 2, "UNINTERESTING", true},
  });
}

TEST(MegatonPunch, HitsHardAndHurtsTheHero) {
  const auto strongHero = [](SkillFight& f) {
    f.player.attack = 10;
    f.enemy().defence = 5;
    f.enemy().hp = 50;
    f.enemy().maxHp = 50;
  };
  playSkillCases({
      {"attack 10 against defence 5 deals 20 and recoils 10", "MEGATON PUNCH", strongHero, {5}, {},
       kPunch + "UNINTERESTING GOBLIN took 20 damage. Fuck yeah!\n"
                "Unfortunately, you take 10 damage as well.\n" +
           kEnemyTurn,
       30, 7, 5, 20, 3, "UNINTERESTING"},
      {"hit points equal to the recoil are not enough", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.player.hp = 10;
       },
       {}, {}, "You do not have enough HP to do that!\n" + dodgesLeft(3), 50, 2, 0, 10, 3, "UNINTERESTING"},
      {"one hit point more runs and leaves 1", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.player.hp = 11;
       },
       {0},
       {},
       kPunch +
           "UNINTERESTING GOBLIN took 20 damage. Fuck yeah!\n"
           "Unfortunately, you take 10 damage as well.\n" +
           kEnemyTurn,
       30, 7, 5, 1, 3, "UNINTERESTING"},
      {"the sword speaks before the hit points are looked at", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.player.hp = 5;
         f.player.wieldsSwordOfKings = true;
       },
       {}, {}, kSwordPunch, 50, 7, 0, 5, 3, "UNINTERESTING"},
      {"an enemy of dodge 10 dodges a roll of 10, and the wall still hurts", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().dodge = 10.0f;
       },
       {9}, {},
       kPunch + "The enemy dodged, taking 0 damage!!\n"
                "You kept going and hit a wall, taking 10 damage.\n" + kEnemyTurn,
       50, 7, 5, 20, 3, "UNINTERESTING"},
      {"a stunned enemy cannot dodge", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().dodge = 10.0f;
         f.enemy().stunned = true;
       },
       {0},
       {},
       kPunch +
           "UNINTERESTING GOBLIN took 20 damage. Fuck yeah!\n"
           "Unfortunately, you take 10 damage as well.\n" +
           kEnemyTurn,
       30, 7, 5, 20, 3, "UNINTERESTING", true},
      {"a SLEEPING enemy cannot dodge and wakes", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().dodge = 10.0f;
         f.enemy().quibblent = "SLEEPING";
       },
       {0}, {},
       kPunch + "SLEEPING GOBLIN took 20 damage. Fuck yeah!\n" + kWoke +
           "Unfortunately, you take 10 damage as well.\n" + kEnemyTurn,
       30, 7, 5, 20, 3, "ENRAGED"},
      {"a GROGGY enemy cannot dodge", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().dodge = 10.0f;
         f.enemy().quibblent = "GROGGY";
       },
       {0}, {},
       kPunch + "GROGGY GOBLIN took 20 damage. Fuck yeah!\n"
                "Unfortunately, you take 10 damage as well.\n" + kEnemyTurn,
       30, 7, 5, 20, 3, "GROGGY"},
      {"the attack factor multiplies in single precision: 10 x 0.7 is 7, the recoil 4 x 0.7 is 2", "MEGATON PUNCH",
       [](SkillFight& f) { f.player.attackFactor = 0.7f; }, {0}, {},
       kPunch + "UNINTERESTING GOBLIN took 7 damage. Fuck yeah!\n"
                "Unfortunately, you take 2 damage as well.\n" +
           kEnemyTurn,
       13, 7, 5, 28, 3, "UNINTERESTING"},
      // A DAMNED weapon lost from a low base attack leaves the hero at -3.
      {"an attack below 0 punches for 0 and the recoil is 0, never a heal", "MEGATON PUNCH",
       [](SkillFight& f) { f.player.attack = -3; }, {0}, {},
       kPunch + "UNINTERESTING GOBLIN took 0 damage. Fuck yeah!\n"
                "Unfortunately, you take 0 damage as well.\n" +
           kEnemyTurn,
       20, 7, 5, 30, 3, "UNINTERESTING"},
      {"an attack below 0 hits the wall for 0 when the enemy dodges", "MEGATON PUNCH",
       [](SkillFight& f) {
         f.player.attack = -3;
         f.enemy().dodge = 10.0f;
       },
       {9}, {},
       kPunch + "The enemy dodged, taking 0 damage!!\n"
                "You kept going and hit a wall, taking 0 damage.\n" + kEnemyTurn,
       20, 7, 5, 30, 3, "UNINTERESTING"},
      {"a punch to exactly 0 defeats the enemy", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().hp = 20;
       },
       {0},
       {},
       kPunch +
           "UNINTERESTING GOBLIN took 20 damage. Fuck yeah!\n"
           "Unfortunately, you take 10 damage as well.\n" +
           kEnemyTurn,
       0, 10, 5, 20, 3, "UNINTERESTING"},
      {"an OILY weapon's oil roll of 1 makes the enemy FLAMMABLE", "MEGATON PUNCH",
       [&](SkillFight& f) {
         strongHero(f);
         f.player.equipment[0].quibblent = "OILY";
       },
       {0},
       {4},
       kPunch +
           "UNINTERESTING GOBLIN took 20 damage. Fuck yeah!\n"
           "The UNINTERESTING GOBLIN is now FLAMMABLE!\n" +
           "Unfortunately, you take 10 damage as well.\n" + kEnemyTurn,
       30, 7, 5, 20, 3, "FLAMMABLE"},
  });
}

TEST(BodyTackle, CostsADodgeAndMayFrightenTheEnemy) {
  const auto strongHero = [](SkillFight& f) {
    f.player.attack = 10;
    f.enemy().defence = 1;
  };
  const auto withFire = [&](SkillFight& f) {
    strongHero(f);
    f.player.quibblent = "FLAMING";
  };
  const std::string hit14 = kTackle + "UNINTERESTING GOBLIN took 14 damage. Hell yeah!\n"
                                      "You lost 1 dodge.\n";
  playSkillCases({
      {"attack 10 against defence 1 deals 14; a fear roll of 0 does nothing", "BODY TACKLE", strongHero, {0, 0},
       {}, hit14 + kEnemyTurn, 6, 7, 2, 30, 2, "UNINTERESTING"},
      {"a fear roll of 1 frightens a GOBLIN", "BODY TACKLE", strongHero, {0, 1}, {},
       hit14 + "The UNINTERESTING GOBLIN is now FRIGHTENED!\n" + kEnemyTurn, 6, 7, 2, 30, 2, "FRIGHTENED"},
      {"a DEEP GOBLIN is never frightened", "BODY TACKLE",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().type = "DEEP GOBLIN";
       },
       {0, 1}, {},
       kTackle + "UNINTERESTING DEEP GOBLIN took 14 damage. Hell yeah!\n"
                 "You lost 1 dodge.\n" + kEnemyTurn,
       6, 7, 2, 30, 2, "UNINTERESTING"},
      {"a dodge of 10 always dodges, the dodge still spent", "BODY TACKLE",
       [&](SkillFight& f) {
         strongHero(f);
         f.enemy().dodge = 10.0f;
       },
       {9}, {}, kTackle + "The enemy dodged, taking 0 damage!!\n"
                          "You lost 1 dodge.\n" + kEnemyTurn,
       20, 7, 2, 30, 2, "UNINTERESTING"},
      {"no dodges is refused before the sword speaks", "BODY TACKLE",
       [](SkillFight& f) {
         f.player.dodges = 0;
         f.player.wieldsSwordOfKings = true;
       },
       {}, {}, "You do not have enough DODGES to do that!\n" + dodgesLeft(0), 20, 2, 0, 30, 0, "UNINTERESTING"},
      {"the sword refuses and no dodge is spent", "BODY TACKLE",
       [](SkillFight& f) { f.player.wieldsSwordOfKings = true; }, {}, {}, kSwordTackle,
       20, 7, 0, 30, 3, "UNINTERESTING"},
      {"a HIGHLY FLAMMABLE enemy left at 40 blows up for 20 of the hero's 25", "BODY TACKLE",
       [&](SkillFight& f) {
         withFire(f);
         f.player.hp = 25;
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().hp = 54;
       },
       {0, 0}, {}, explosion("GOBLIN", 20), 0, 10, 2, 5, 2, "HIGHLY FLAMMABLE", false, false, 0},
      {"a blast as big as the hero's hit points leaves exactly 1", "BODY TACKLE",
       [&](SkillFight& f) {
         withFire(f);
         f.player.hp = 20;
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().hp = 54;
       },
       {0, 0}, {}, explosion("GOBLIN", 19), 0, 10, 2, 1, 2, "HIGHLY FLAMMABLE", false, false, 0},
      {"a SLEEPING enemy hit with fire wakes and is not set alight", "BODY TACKLE",
       [&](SkillFight& f) {
         withFire(f);
         f.enemy().quibblent = "SLEEPING";
       },
       {0, 0}, {},
       kTackle + "SLEEPING GOBLIN took 14 damage. Hell yeah!\n"
                 "You lost 1 dodge.\n" + kWoke + kEnemyTurn,
       6, 7, 2, 30, 2, "ENRAGED"},
      {"a MATCH sets a FLAMMABLE enemy alight", "BODY TACKLE",
       [&](SkillFight& f) {
         strongHero(f);
         f.player.imbuement = "MATCH";
         f.enemy().quibblent = "FLAMMABLE";
       },
       {0, 0},
       {},
       kTackle +
           "FLAMMABLE GOBLIN took 14 damage. Hell yeah!\n"
           "You lost 1 dodge.\n" +
           "The FLAMMABLE GOBLIN is now FLAMING!\n" + kEnemyTurn,
       6, 7, 2, 30, 2, "FLAMING"},
      {"fire that finds no fuel still takes the place of the fear", "BODY TACKLE", withFire, {0, 1}, {},
       hit14 + kEnemyTurn, 6, 7, 2, 30, 2, "UNINTERESTING"},
      {"oil takes the place of the fear", "BODY TACKLE",
       [&](SkillFight& f) {
         strongHero(f);
         f.player.quibblent = "OILY";
       },
       {0, 1}, {1}, hit14 + "The UNINTERESTING GOBLIN is now FLAMMABLE!\n" + kEnemyTurn,
       6, 7, 2, 30, 2, "FLAMMABLE"},
      {"a HIGHLY FLAMMABLE HELLSATAN rises and the enemy moves", "BODY TACKLE",
       [&](SkillFight& f) {
         withFire(f);
         f.enemy().type = "HELLSATAN";
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().maxHp = 90;
       },
       {0, 0}, {}, rising("HELLSATAN"), 90, 7, 2, 30, 2, "UNINTERESTING"},
      {"a DRAGON felled by the tackle rises whole and is no kill: it moves next", "BODY TACKLE",
       [&](SkillFight& f) {
         withFire(f);
         f.enemy().type = "DRAGON";
         f.enemy().quibblent = "HIGHLY FLAMMABLE";
         f.enemy().hp = 10;
         f.enemy().maxHp = 90;
       },
       {0, 0}, {}, rising("DRAGON"), 90, 7, 2, 30, 2, "UNINTERESTING"},
  });
}

}  // namespace
