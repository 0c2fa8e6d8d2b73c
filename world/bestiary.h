#pragma once
// The bestiary: every creature type's hit points, rewards, fighting numbers and
// moves, one constant row per type. applyTypeStats reads it; nothing writes it.
#include <array>
#include <span>
#include <string_view>

// One move a creature is born with: the move's name and the weight of the
// enemy's weighted choice. A row lists its moves in the order they are added.
struct BestiaryMove {
  const char* name = nullptr;
  int weight = 0;
};

// The HELLFUCKER has the most moves of any type.
inline constexpr std::size_t kMostBestiaryMoves = 9;

// A type with fixed stats. A roll of 0 means "no draw": the number is the base
// alone; otherwise the number is base + (draw mod roll), the hit points drawn
// before the gold.
struct BestiaryRow {
  const char* type;
  int hpBase;
  int hpRoll;
  int goldBase;
  int goldRoll;
  int exp;
  int attack;
  int defence;
  int regenPerTurn;
  float dodge;
  int aggressionChange;
  bool confident;
  std::array<BestiaryMove, kMostBestiaryMoves> moves;
};

// The three class characters grow with the scale level they are built for:
// L = scale level / 2 + levelBonus (integer division), then
// hp 15 L + 15, gold (draw mod 20) + 15 L, exp 50 L,
// attack attackPerLevel * L + 5, defence (L + 1) / 3.
struct ClassCharacterRow {
  const char* type;
  int levelBonus;
  int attackPerLevel;
  float dodge;
  std::array<BestiaryMove, kMostBestiaryMoves> moves;
};

// The row of a type, or nullptr for a type the bestiary does not know.
const BestiaryRow* findBestiaryRow(std::string_view type);
// What a type the bestiary does not know gets: 1 in every stat and no moves.
const BestiaryRow& unknownTypeRow();
const ClassCharacterRow* findClassCharacterRow(std::string_view type);

// Every row, for whoever needs to walk the whole bestiary.
std::span<const BestiaryRow> bestiaryRows();
std::span<const ClassCharacterRow> classCharacterRows();
