#include "app/status_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusLines, PlayerLineShortensOnlyALongFlammableHead) {
  struct Case {
    std::string name, quibblent;
    int hp, maxHp;
    std::string line;
  };
  const Case cases[] = {
      {"ABCDEFGH", "HIGHLY FLAMMABLE", 30, 30, "H. FLAMMABLE ABCDEFGH: \n"
                                               "30 / 30"},
      {"ABCDEFG", "HIGHLY FLAMMABLE", 30, 30, "HIGHLY FLAMMABLE ABCDEFG: \n"
                                              "30 / 30"},
      {"Bob", "UNINTERESTING", 12, 30, "Bob: \n"
                                       "12 / 30"},
      {"Bob", "ELITE", -4, 45, "ELITE Bob: \n"
                               "-4 / 45"},
      {"ABCDEFGH", "LIGHTLY SALTED", 1, 30, "LIGHTLY SALTED ABCDEFGH: \n"
                                            "1 / 30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quibblent + " " + c.name);
    EXPECT_EQ(playerStatusLine(c.name, c.quibblent, c.hp, c.maxHp), c.line);
  }
}

TEST(StatusLines, EnemyLineShortensTypeFirstThenQuibblent) {
  struct Case {
    std::string type, quibblent;
    std::string line;
  };
  const Case cases[] = {
      // 32 characters: the type shrinks, and 17 + 9 is still too long.
      {"ARCH-ACCOUNTANT", "HIGHLY FLAMMABLE",
       "H. FLAMMABLE ARCH-ACC.: \n"
       "80 / 80"},
      // 21 characters fit whole.
      {"ARCH-ACCOUNTANT", "ELITE",
       "ELITE ARCH-ACCOUNTANT: \n"
       "80 / 80"},
      // 26 characters: the type shrinks and then it fits.
      {"ARCH-ACCOUNTANT", "IRRADIATED",
       "IRRADIATED ARCH-ACC.: \n"
       "80 / 80"},
      // The short type is enough: 15 + 9 characters.
      {"DEEP GOBLIN", "LIGHTLY SALTED",
       "LIGHTLY SALTED D. GOBLIN: \n"
       "80 / 80"},
      {"NECROMANCER", "FUNDAMENTALIST",
       "FUNDAMENTALIST N. MANCER: \n"
       "80 / 80"},
      // A type with no short form leaves 25 characters: the quibblent shrinks.
      {"COELOCANTH", "LIGHTLY SALTED", "L. SALTED COELOCANTH: \n"
                                       "80 / 80"},
      {"DEEP TROLL", "FUNDAMENTALIST", "FUNDIE DEEP TROLL: \n"
                                       "80 / 80"},
      {"OPPORTUNIST", "HIGHLY FLAMMABLE", "HIGHLY FLAMMABLE OPP.: \n"
                                          "80 / 80"},
      // A long quibblent with no short form stays as it is.
      {"DEEP TROLL", "EXTRAORDINARILY DAMP",
       "EXTRAORDINARILY DAMP DEEP TROLL: \n"
       "80 / 80"},
      // 26 characters: the short type alone is enough.
      {"DEEP GOBLIN", "PHOTOSYNTHETIC",
       "PHOTOSYNTHETIC D. GOBLIN: \n"
       "80 / 80"},
      // 24 characters: just short enough to stay whole.
      {"DEEP GOBLIN", "INTERMINABLE",
       "INTERMINABLE DEEP GOBLIN: \n"
       "80 / 80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.quibblent + " " + c.type);
    EXPECT_EQ(enemyStatusLine(c.type, c.quibblent, 80, 80), c.line);
  }
}

}  // namespace
