#include "world/bestiary.h"

#include <algorithm>

namespace {

// Columns: type, hp base, hp roll, gold base, gold roll, exp, attack, defence,
//          regeneration, dodge (tenths), aggression change, confident,
//          moves {name, weight} in the order the creature learns them.
// A roll of 0 means the base alone; otherwise base + (draw mod roll).
const BestiaryRow kBestiary[] = {
    {"GOBLIN", 10, 6, 2, 3, 20, 5, 1, 0, 0.0f, -3, false, {{{"ATTACK", 5}}}},
    {"MASS", 20, 11, 5, 4, 35, 3, 2, 0, 0.0f, 0, false, {{{"ATTACK", 5}}}},
    {"COELOCANTH", 18, 8, 8, 5, 50, 6, 1, 0, 0.0f, 0, false,
     {{{"ATTACK", 5}, {"BODY TACKLE", 4}, {"SPLASH", 4}}}},
    {"OGRE", 50, 26, 25, 11, 120, 12, 3, 0, 0.0f, 0, false, {{{"WIND UP", 8}}}},
    {"WIZARD", 24, 9, 8, 8, 50, 4, 1, 0, 0.0f, 0, false, {{{"ATTACK", 3}, {"MAGICBOLT", 7}}}},
    {"ORC", 30, 16, 14, 9, 65, 10, 2, 0, 1.0f, 0, false, {{{"ATTACK", 5}}}},
    {"ACCOUNTANT", 25, 11, 25, 26, 75, 6, 1, 0, 0.0f, 0, false,
     {{{"ATTACK", 5}, {"CONFUSING TERMINOLOGY", 5}, {"RUN THE NUMBERS", 15}}}},
    {"ROGUE", 10, 11, 20, 6, 90, 20, 0, 0, 4.0f, 2, false, {{{"ATTACK", 5}}}},
    {"EXPLORER", 40, 31, 20, 6, 150, 9, 3, 0, 0.0f, -3, false,
     {{{"ATTACK", 5}, {"NEGOTIATION", 3}, {"FLEE", 2}}}},
    {"CHEF", 40, 16, 25, 11, 90, 9, 4, 0, 0.0f, 0, false,
     {{{"ATTACK", 6}, {"APPLY SALT", 9}, {"EAT", 6}}}},
    {"WARLOCK", 48, 17, 32, 9, 140, 8, 2, 0, 2.0f, 0, false,
     {{{"ATTACK", 2}, {"FIREBOLT", 5}, {"HEAL", 5}}}},
    {"DEEP GOBLIN", 75, 16, 10, 81, 120, 12, 5, 0, 0.0f, 0, false, {{{"ATTACK", 5}, {"EAT", 3}}}},
    {"LICHE", 55, 16, 55, 16, 160, 4, 10, 0, 0.0f, 0, false,
     {{{"ATTACK", 4}, {"POISON GAS", 4}, {"CURSE BOLT", 10}}}},
    {"ZOMBIE", 50, 0, 3, 3, 80, 15, 4, 0, 0.0f, 0, true, {{{"ATTACK", 5}, {"EAT", 3}}}},
    {"TROLL", 100, 26, 75, 26, 200, 16, 6, 4, 0.0f, 0, false, {{{"ATTACK", 3}, {"WIND UP", 8}}}},
    {"DEMON", 85, 31, 55, 26, 150, 18, 5, 0, 0.0f, 0, false, {{{"ATTACK", 5}, {"FIRE CLAW", 5}}}},
    {"ARCH-ACCOUNTANT", 75, 16, 150, 51, 200, 8, 2, 0, 1.0f, 0, false,
     {{{"ATTACK", 5}, {"CONFUSING TERMINOLOGY", 5}, {"RUN THE NUMBERS II", 15}}}},
    {"NECROMANCER", 72, 25, 80, 11, 250, 12, 4, 0, 1.0f, 0, false,
     {{{"ATTACK", 3}, {"POISON GAS", 5}, {"FIREBOLT", 5}, {"HEAL", 5}, {"RAISE DEAD", 40}}}},
    {"CTHULOID", 130, 31, 90, 21, 350, 20, 6, 0, 0.0f, 0, false,
     {{{"ATTACK", 5}, {"MADNESS", 3}, {"BANSHEE SHRIEK", 4}, {"CURSE BOLT", 3}}}},
    {"DEEP TROLL", 200, 51, 350, 51, 1000, 25, 10, 8, 0.0f, -10, false,
     {{{"ATTACK", 6}, {"BANSHEE SHRIEK", 3}}}},
    {"GHAST", 60, 21, 25, 6, 333, 20, 20, 0, 0.0f, -10, false, {{{"ATTACK", 10}, {"MAGICBOLT", 6}}}},
    {"DRAGON", 250, 0, 0, 0, 800, 15, 10, 0, 0.0f, -10, false,
     {{{"ATTACK", 3}, {"FIRE BREATH", 4}, {"KEROSENE BREATH", 2}, {"EAT", 3}}}},
    {"POTION", 65, 0, 0, 0, 200, 15, 0, 0, 0.0f, 0, false, {{{"ATTACK", 5}, {"DRINK SELF", 0}}}},
    {"HELLSATAN", 200, 0, 0, 0, 0, 30, 8, 1, 1.0f, 0, false,
     {{{"ATTACK", 5},
       {"BANSHEE SHRIEK", 1},
       {"POISON GAS", 3},
       {"FIRE CLAW", 5},
       {"MEGA HEAL", 2},
       {"WIND UP II", 0}}}},
    {"HELLFUCKER", 200, 0, 0, 0, 9999, 35, 8, 2, 1.0f, 0, false,
     {{{"ATTACK", 5},
       {"BANSHEE SHRIEK", 3},
       {"POISON GAS", 2},
       {"FIRE CLAW", 5},
       {"MEGA HEAL", 2},
       {"WIND UP II", 0},
       {"CURSE BOLT", 10},
       {"RUN THE NUMBERS", 2},
       {"MADNESS", 1}}}},
};

// Columns: type, level bonus, attack per level, dodge (tenths), moves.
const ClassCharacterRow kClassCharacters[] = {
    {"ACADEMIC", 2, 1, 0.0f, {{{"ATTACK", 3}, {"MAGICBOLT", 3}, {"EXAMINE-E", 2}}}},
    {"CONVICT", 1, 2, 0.0f, {{{"ATTACK", 3}, {"BODY TACKLE", 2}}}},
    {"OPPORTUNIST", 1, 1, 2.0f, {{{"ATTACK", 3}, {"NEGOTIATION", 2}}}},
};

const BestiaryRow kUnknownType = {"", 1, 0, 1, 0, 1, 1, 1, 0, 0.0f, 0, false, {}};

template <typename Row>
const Row* findRow(std::span<const Row> rows, std::string_view type) {
  const auto found =
      std::find_if(rows.begin(), rows.end(), [type](const Row& row) { return type == row.type; });
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace

std::span<const BestiaryRow> bestiaryRows() { return kBestiary; }
std::span<const ClassCharacterRow> classCharacterRows() { return kClassCharacters; }

const BestiaryRow* findBestiaryRow(std::string_view type) { return findRow(bestiaryRows(), type); }

const ClassCharacterRow* findClassCharacterRow(std::string_view type) {
  return findRow(classCharacterRows(), type);
}

const BestiaryRow& unknownTypeRow() { return kUnknownType; }
