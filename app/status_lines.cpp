#include "app/status_lines.h"

#include <cstddef>

namespace {

// A head this long no longer fits beside the portrait.
constexpr std::size_t kLongHead = 25;

// Columns: full word, shortened word (quibblent shortenings keep their space).
struct Shortening {
  const char* full;
  const char* shortened;
};

const Shortening kShortTypes[] = {
    {"ARCH-ACCOUNTANT", "ARCH-ACC."},
    {"DEEP GOBLIN", "D. GOBLIN"},
    {"NECROMANCER", "N. MANCER"},
    {"OPPORTUNIST", "OPP."},
};

const Shortening kShortQuibblents[] = {
    {"LIGHTLY SALTED", "L. SALTED "},
    {"HIGHLY FLAMMABLE", "H. FLAMMABLE "},
    {"FUNDAMENTALIST", "FUNDIE "},
};

template <std::size_t N>
const char* findShort(const Shortening (&table)[N], const std::string& word) {
  for (const Shortening& row : table) {
    if (word == row.full) return row.shortened;
  }
  return nullptr;
}

std::string hitPoints(int hp, int maxHp) { return ": \n" + std::to_string(hp) + " / " + std::to_string(maxHp); }

}  // namespace

std::string playerStatusLine(const std::string& name, const std::string& quibblent, int hp, int maxHp) {
  if (quibblent == "HIGHLY FLAMMABLE" && name.size() > 7) return "H. FLAMMABLE " + name + hitPoints(hp, maxHp);
  if (quibblent != "UNINTERESTING") return quibblent + " " + name + hitPoints(hp, maxHp);
  return name + hitPoints(hp, maxHp);
}

std::string enemyStatusLine(const std::string& type, const std::string& quibblent, int hp, int maxHp) {
  std::string head = quibblent + " " + type;
  if (head.size() >= kLongHead) {
    const char* shortType = findShort(kShortTypes, type);
    const std::string typePart = shortType ? shortType : type;
    std::string quibblentPart = quibblent + " ";
    if (quibblentPart.size() + typePart.size() >= kLongHead) {
      const char* shortQuibblent = findShort(kShortQuibblents, quibblent);
      if (shortQuibblent) quibblentPart = shortQuibblent;
    }
    head = quibblentPart + typePart;
  }
  return head + hitPoints(hp, maxHp);
}
