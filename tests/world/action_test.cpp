#include "world/action.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct MoveCase {
  std::string name;
  bool forPlayer;
  int cooldown;
  int useLimit;
  int amount;
  bool dodgeable;
  std::string message;
};

TEST(ActionFactory, NamesPickTheirNumbersAndNarration) {
  const std::vector<MoveCase> cases = {
      {"BODY TACKLE", false, 2, 99, 1, true, " performs a full-body tackle!"},
      {"PISS OFF", true, 5, 1, 1, true, " goads the enemy into attacking!"},
      {"INFERENCE", true, 0, 1, 1, true, " makes an inference..."},
      {"NEGOTIATE", true, 4, 99, 1, false, " offers a peaceful solution!"},
      {"SNEAK ATTACK", true, 5, 99, 1, true, " stabs the enemy in the back, using 1 dodge!"},
      {"QBL.SWAP", true, 11, 99, 1, true, " unleashes the terrible power of the QBL.SWAP..."},
      {"PISS ON", true, 0, 99, 0, false, " pisses on the enemy! Yeah!"},
      {"ATTACK", false, 0, 99, 1, true, "NONE"},
      {"WINDUP-ATTACK", false, 0, 99, 1, true, "NONE"},
      {"APPLY SALT", true, 3, 1, 0, false, " applies a light dose of salt!"},
      {"MEGA HEAL", false, 4, 1, 50, false, " casts MEGA HEAL on themself!"},
      {"CONFUSING TERMINOLOGY", false, 4, 99, 0, false,
       " spits out some incomprehensible \n"
       "statistics!"},
      {"RUN THE NUMBERS II", false, 4, 2, 0, false,
       " runs the numbers... their stats \n"
       "have been optimized!! +40 HP! +4 ATK! +4 DEF!"},
      {"NEGOTIATION", false, 2, 1, 0, false,
       " offers to negotiate a peaceful solution. Accept? (Y/N)"},
      {"FLEE", false, 2, 1, 0, false, " runs away in cowardice!!"},
      {"CURSE BOLT", false, 99, 1, 0, false, " fires off a CURSE BOLT attack!"},
      {"FIRE CLAW", false, 2, 99, 15, true, " scratches with a FLAMING claw!"},
      {"MADNESS", false, 5, 99, 0, false,
       "'s pure existence is enough to drive most sane men MAD!"},
      {"BANSHEE SHRIEK", false, 4, 3, 0, false,
       " released an ear-piercing, bone-rattling SHRIEK!"},
      {"FIRE BREATH", false, 0, 99, 25, true, " breathes fire on you!"},
      {"KEROSENE BREATH", false, 2, 99, 25, false, " breathes kerosene on you!?"},
      {"DRINK SELF", false, 0, 1, 0, false, " takes a swig of himself, somehow!"},
      {"WIND UP II", false, 2, 2, 0, false, " winds up for an incredibly strong attack!"},
      {"EXAMINE-E", false, 2, 99, 0, false, " EXAMINES you... you feel seen."},
      {"STUNNED", false, 0, 99, 0, false, " is STUNNED!"},
      // The spells recharge differently once the player knows them.
      {"MAGICBOLT", false, 2, 99, 8, false, " fires off a MAGICBOLT attack!"},
      {"MAGICBOLT", true, 3, 99, 8, false, " fires off a MAGICBOLT attack!"},
      {"FIREBOLT", false, 3, 99, 16, false, " fires off a FIREBOLT attack!"},
      {"FIREBOLT", true, 4, 99, 16, false, " fires off a FIREBOLT attack!"},
      {"EAT", false, 5, 99, 0, true, "TO BE DONE"},
      {"EAT", true, 6, 99, 0, true, "TO BE DONE"},
      {"HEAL", false, 5, 2, 25, false, " casts HEAL on themself!"},
      {"HEAL", true, 6, 2, 25, false, " casts HEAL on themself!"},
      {"PREACH", false, 7, 1, 0, false, " preaches the good word at you!!"},
      {"PREACH", true, 5, 1, 0, false, " preaches the good word at you!!"},
      // Other moves keep their cooldown whoever uses them.
      {"STUNBOLT", true, 8, 99, 0, false, " fires off a STUNBOLT attack!"},
      {"MEGATON PUNCH", true, 5, 99, 1, true, " unleashes a punch at full force!"},
      // Unknown names, and names in the wrong case, get the plain defaults.
      {"FOO", false, 0, 99, 0, false, ""},
      {"FOO", true, 0, 99, 0, false, ""},
      {"attack", false, 0, 99, 0, false, ""},
      {"Heal", true, 0, 99, 0, false, ""},
      {"", false, 0, 99, 0, false, ""},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name + (c.forPlayer ? " (player)" : " (creature)"));
    const Action move(c.name, 4, c.forPlayer);
    EXPECT_EQ(move.name, c.name);
    EXPECT_EQ(move.cooldown, c.cooldown);
    EXPECT_EQ(move.useLimit, c.useLimit);
    EXPECT_EQ(move.amount, c.amount);
    EXPECT_EQ(move.dodgeable, c.dodgeable);
    EXPECT_EQ(move.message, c.message);
  }
}

TEST(ActionFactory, EveryMoveStartsUnusedWithTheTurnPrompts) {
  for (const std::string name : {"ATTACK", "CURSE BOLT", "HELL CLAW", "SLEEP", "FOO"}) {
    SCOPED_TRACE(name);
    for (const int weight : {0, 1, 99, 999}) {
      const Action move(name, weight, false);
      EXPECT_EQ(move.weight, weight);
      EXPECT_EQ(move.cooldownLeft, 0);
      EXPECT_EQ(move.uses, 0);
      EXPECT_EQ(move.attackValue, 0);
      EXPECT_EQ(move.narration, "");
      EXPECT_EQ(move.yourTurnPrompt, "It is now your turn.\n"
                                     "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]");
      EXPECT_EQ(move.enemyTurnPrompt, "It is now the enemy's turn.\n"
                                      "[TYPE ANYTHING TO CONTINUE]");
    }
  }
}

}  // namespace
