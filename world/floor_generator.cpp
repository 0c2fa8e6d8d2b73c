#include "world/floor_generator.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>
#include <vector>

#include "world/creature_rolls.h"
#include "world/quibblent_offer.h"

namespace {

constexpr int kNorth = 0;
constexpr int kSouth = 4;
constexpr int kBossFloor = 15;
constexpr int kLastFloor = 16;
constexpr int kBossTier = 15;
constexpr int kDragonTier = 16;
constexpr int kGhastTier = 17;

// ---------------------------------------------------------------------------
// Monsters per floor. Columns: first floor, last floor, least count, spread
// (the count is least + a roll below the spread; a spread of 0 rolls nothing).
struct MonsterCountRow {
  int firstFloor;
  int lastFloor;
  int least;
  unsigned spread;
};

constexpr MonsterCountRow kMonsterCounts[] = {
    {1, 1, 2, 0}, {2, 5, 2, 2}, {6, 10, 2, 3}, {11, 13, 3, 3}, {14, 14, 4, 3}, {15, 16, 0, 0},
};

// Hard mode adds a monster while fewer than this stand on the floor.
constexpr int kHardModeMonsterCap = 6;
// A forced count leaves a tile for the stairs and one for the floor's shop or potion.
constexpr int kMostMonsters = kTileCount - 2;

// ---------------------------------------------------------------------------
// Tile kinds with a fixed sentence. Columns: kind, tile text (follows "To the
// NORTH" and the like), trace before the direction, trace after it.
struct TileKindRow {
  std::string_view kind;
  std::string_view text;
  std::string_view tracePrefix;
  std::string_view traceSuffix;
};

constexpr TileKindRow kTileKinds[] = {
    {"", "... there is nothing at all.", "", " left blank"},
    {"Exit", ", the EXIT STAIRS beckon you to go down.", "stairs loaded at ", ""},
    {"Hint", " is HINTLY MCGEE'S HINT EMPORIUM! What luck!", "hintshop loaded ", ""},
    {"Doom", " is... HINT HELL WITH FL'GARHH!?", "doomshop loaded ", ""},
    {"Shop", " stands a shifty-looking MAN.", "scumshop loaded ", ""},
    {"Shop2", " is WOMBLETON WAMBLEFLUMP THE SHOP THING!!", "cheapshop loaded ", ""},
    {"Heal", " is what looks to be a POTION!", "potion loaded ", ""},
    {"Barrel", " lies an inconspicuous EXPLOSIVE BARREL.", "barrel loaded ", "!!! wowzers!!!!"},
    {"Item", ", some kind of ITEM is lying on the ground.", "item loaded ", "!"},
    {"BonusItem", ", you spot an ITEM hidden away!", "bonus item loaded ", "!"},
    {"Treasure", " lies a TREASURE CHEST! Huzzah!", "chest loaded ", "! neat!"},
    {"Scroll", ", a SCROLL has been left on the ground.", "scroll loaded ", "! cool!"},
    {"Statue", " is a strange, eerie statue...", "loaded a statue at ", ""},
};

constexpr std::string_view kMonster = "Mon";
constexpr std::string_view kGuardedStairs = "MonExit";
constexpr std::string_view kStairs = "Exit";
constexpr std::string_view kFountain = "Fount";
constexpr std::string_view kScroll = "Scroll";
constexpr std::string_view kBonusItem = "BonusItem";

// ---------------------------------------------------------------------------
// What a free tile turns into, by a roll of 1..20 and the floor's depth.
// Columns: lowest roll, highest roll, floor 1, floors 2..9, floors 10 and up.
// A BonusItem is only there for an ACADEMIC's eyes; anyone else sees nothing.
struct FreeTileRow {
  int lowRoll;
  int highRoll;
  std::string_view firstFloor;
  std::string_view upperFloors;
  std::string_view deepFloors;
};

constexpr FreeTileRow kFreeTiles[] = {
    {1, 5, "", "", ""},
    {6, 8, "BonusItem", "BonusItem", "BonusItem"},
    {9, 9, "", "", "Item"},
    {10, 10, "Scroll", "Scroll", "Fount"},
    {11, 13, "Item", "Item", "Item"},
    {14, 15, "Treasure", "Treasure", "Treasure"},
    {16, 17, "Scroll", "Scroll", "Scroll"},
    {18, 18, "Scroll", "Barrel", "Barrel"},
    {19, 20, "Fount", "Fount", "Fount"},
};
constexpr int kFirstDeepFloor = 10;

// ---------------------------------------------------------------------------
// The character pool, floor by floor: who may be met from here on and who has
// moved on. Rows of a floor apply in order. Columns: floor, change, name,
// classes it is limited to (none: everyone), class it never applies to.
enum class PoolChange { Add, Remove, Johnny };

struct PoolRow {
  int floor;
  PoolChange change;
  std::string_view name;
  std::array<std::string_view, 2> onlyFor;
  std::string_view exceptFor;
};

constexpr PoolRow kPoolChanges[] = {
    {1, PoolChange::Add, "Wise1", {}, ""},
    {2, PoolChange::Add, "Accountant", {}, ""},
    {2, PoolChange::Add, "Worgleton", {}, ""},
    {3, PoolChange::Add, "BabyGhast", {}, ""},
    {3, PoolChange::Add, "Groggum", {}, ""},
    {4, PoolChange::Add, "Academic", {"CONVICT", "ZOMBIE"}, ""},
    {4, PoolChange::Add, "Convict", {"OPPORTUNIST", "ZOMBIE"}, ""},
    {4, PoolChange::Add, "Opportunist", {"ACADEMIC", "ZOMBIE"}, ""},
    {4, PoolChange::Add, "Quibblex", {}, ""},
    {5, PoolChange::Remove, "Wise1", {}, ""},
    {5, PoolChange::Add, "Wise2", {}, ""},
    {5, PoolChange::Add, "Burger", {}, ""},
    {6, PoolChange::Remove, "Accountant", {}, ""},
    {6, PoolChange::Remove, "Worgleton", {}, ""},
    {6, PoolChange::Add, "Consoom", {}, ""},
    {6, PoolChange::Add, "Seer", {}, ""},
    {7, PoolChange::Remove, "BabyGhast", {}, ""},
    {7, PoolChange::Remove, "Groggum", {}, ""},
    {7, PoolChange::Add, "Chef", {}, ""},
    {7, PoolChange::Add, "Peanut", {}, ""},
    {8, PoolChange::Remove, "Academic", {}, "ZOMBIE"},
    {8, PoolChange::Remove, "Convict", {}, "ZOMBIE"},
    {8, PoolChange::Remove, "Opportunist", {}, "ZOMBIE"},
    {8, PoolChange::Remove, "Quibblex", {}, ""},
    {8, PoolChange::Add, "Warlock", {}, ""},
    {8, PoolChange::Add, "Academic", {"OPPORTUNIST", ""}, ""},
    {8, PoolChange::Add, "Convict", {"ACADEMIC", ""}, ""},
    {8, PoolChange::Add, "Opportunist", {"CONVICT", ""}, ""},
    {9, PoolChange::Remove, "Wise2", {}, ""},
    {9, PoolChange::Remove, "Burger", {}, ""},
    {9, PoolChange::Add, "Flayer", {}, ""},
    {9, PoolChange::Johnny, "Johnny", {}, ""},
    {10, PoolChange::Remove, "Seer", {}, ""},
    {10, PoolChange::Remove, "Consoom", {}, ""},
    {10, PoolChange::Add, "Wise3", {}, ""},
    {10, PoolChange::Add, "KingSword", {}, ""},
    {10, PoolChange::Johnny, "Johnny", {}, ""},
    {11, PoolChange::Remove, "Chef", {}, ""},
    {11, PoolChange::Remove, "Peanut", {}, ""},
    {11, PoolChange::Add, "Ogre", {}, ""},
    {11, PoolChange::Johnny, "Johnny", {}, ""},
    {12, PoolChange::Johnny, "Johnny", {}, ""},
    {12, PoolChange::Remove, "Warlock", {}, ""},
    {12, PoolChange::Remove, "Academic", {}, ""},
    {12, PoolChange::Remove, "Convict", {}, ""},
    {12, PoolChange::Remove, "Opportunist", {}, ""},
    {13, PoolChange::Remove, "Flayer", {}, ""},
    {13, PoolChange::Remove, "Johnny", {}, ""},
    {14, PoolChange::Remove, "Wise3", {}, ""},
    {14, PoolChange::Remove, "KingSword", {}, ""},
    {14, PoolChange::Add, "?", {}, ""},
    {15, PoolChange::Remove, "Ogre", {}, ""},
    {15, PoolChange::Remove, "?", {}, ""},
};

// WOMBLETON's barber cousin keeps away from the floor of WOMBLETON's shop.
constexpr std::string_view kShop2Rival = "Worgleton";

// The player has drunk JIMMY THE POTION and his brother is not out looking yet.
constexpr int kJimmyDrunk = 1;
constexpr int kJohnnyLooking = 2;

// ---------------------------------------------------------------------------
// How the class characters speak of one another. Columns: character, the
// class meeting it, the text in place of the character's own.
struct ClassTextRow {
  std::string_view character;
  std::string_view metBy;
  std::string_view text;
};

constexpr ClassTextRow kClassTexts[] = {
    {"Academic", "OPPORTUNIST", " is some BORING GUY."},
    {"Convict", "ACADEMIC", " is a PUGNACIOUS RUFFIAN."},
    {"Opportunist", "CONVICT", " is a SMUG PRICK."},
    {"Academic", "ZOMBIE", " is some DELICIOUS FLESH!"},
    {"Convict", "ZOMBIE", " is some DELICIOUS FLESH!"},
    {"Opportunist", "ZOMBIE", " is some DELICIOUS FLESH!"},
};

// A character turns up once this score is reached; each floor without one raises it.
constexpr int kCharacterScoreNeeded = 3;
constexpr std::size_t kRoomyFloor = 3;  // more empty tiles than this add 1 to the score

// ---------------------------------------------------------------------------
// The secret room. Columns: lowest roll, highest roll, kind.
struct SecretRoomRow {
  int lowRoll;
  int highRoll;
  std::string_view kind;
};

constexpr SecretRoomRow kSecretRooms[] = {
    {1, 6, "Treasure"}, {7, 8, "Trap"}, {9, 11, "Abandoned"}, {12, 15, "Fountain"}, {16, 17, "Barrel"}, {18, 20, "Scroll"},
};

// Columns: kind, trace line.
struct SecretTraceRow {
  std::string_view kind;
  std::string_view trace;
};

constexpr SecretTraceRow kSecretTraces[] = {
    {"Secret", "there is nothing of interest in the secret room"},
    {"Special", "there is a bunch of corpses in the secret room"},
    {"Goblin", "there is a goblin in the secret room"},
    {"Wizard", "there is a wizard in the secret room"},
    {"Treasure", "there is a chest in the secret room"},
    {"Trap", "there is a trap in the secret room"},
    {"Abandoned", "there is a bit of gold in the secret room"},
    {"Fountain", "there is a fountain in the secret room"},
    {"Barrel", "there is a plasma barrel in the secret room"},
    {"Scroll", "there is a scroll in the secret room"},
};

// Shallow floors roll their secret room below 17, so they never hide a scroll.
constexpr int kFirstScrollRoomFloor = 5;
constexpr int kGoblinFloor = 7;
constexpr int kWizardFloor = 14;
// The last lore scroll, found once every other one has been read.
constexpr int kFinalLoreScroll = 6;

// ---------------------------------------------------------------------------

bool fateBetween(int fateValue, int low, int high) { return fateValue >= low && fateValue <= high; }

unsigned drawBelow(Floor& f, unsigned choices) { return f.rng() % choices; }
int drawTile(Floor& f) { return static_cast<int>(drawBelow(f, kTileCount)); }

bool hasEmptyTile(const Floor& f) {
  return std::any_of(f.tileKinds.begin(), f.tileKinds.end(), [](const std::string& k) { return k.empty(); });
}

// Draws tiles until an empty one turns up; -1 (and no draw) when none is left.
int drawEmptyTile(Floor& f) {
  if (!hasEmptyTile(f)) return -1;
  for (;;) {
    const int tile = drawTile(f);
    if (f.tileKinds[tile].empty()) return tile;
  }
}

void trace(std::string_view line) { std::cout << line << '\n'; }

const TileKindRow* findTileKind(std::string_view kind) {
  for (const TileKindRow& row : kTileKinds) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

void placeKind(Floor& f, int tile, std::string_view kind) {
  const TileKindRow* row = findTileKind(kind);
  if (row == nullptr) return;
  f.tileKinds[tile] = kind;
  f.tileTexts[tile] = row->text;
  trace(std::string(row->tracePrefix) + f.directionNames[tile] + std::string(row->traceSuffix));
}

std::string creatureWords(const Creature& c) { return c.quibblent + " " + c.type; }
std::string monsterText(const Creature& c) { return " stands a " + creatureWords(c) + "."; }

void placeFountain(Floor& f, int tile, std::string_view traceGap) {
  f.tileKinds[tile] = kFountain;
  f.tileOffers[tile] = QuibblentOffer();
  const std::string& word = f.tileOffers[tile].word;
  f.tileTexts[tile] = " is a mythical FOUNTAIN OF " + word + "!";
  trace("fount " + word + " loaded " + f.directionNames[tile] + std::string(traceGap) + "!!! hallelujah!!!!");
}

void placeScroll(Floor& f, int tile) {
  f.tileScrollTiers[tile] = rollScrollTier(f.scrollBonus, f.highScrollCount);
  if (f.tileScrollTiers[tile].tier >= 3) f.highScrollCount += 1;
  placeKind(f, tile, kScroll);
}

// --- the steps --------------------------------------------------------------

int rollMonsterCount(Floor& f, int floorNumber, int fateValue, int forcedMonsterCount) {
  int count = 0;
  for (const MonsterCountRow& row : kMonsterCounts) {
    if (floorNumber < row.firstFloor || floorNumber > row.lastFloor) continue;
    count = row.least;
    if (row.spread > 0) count += static_cast<int>(drawBelow(f, row.spread));
  }
  if (floorNumber < kBossFloor && fateValue == kHardModeFate && count < kHardModeMonsterCap) count += 1;
  if (forcedMonsterCount >= 0) count = std::min(forcedMonsterCount, kMostMonsters);
  return count;
}

bool appliesToClass(const PoolRow& row, const std::string& playerClass) {
  if (!row.exceptFor.empty() && row.exceptFor == playerClass) return false;
  if (row.onlyFor[0].empty() && row.onlyFor[1].empty()) return true;
  return row.onlyFor[0] == playerClass || row.onlyFor[1] == playerClass;
}

void updatePool(Floor& f, int floorNumber, PlayerRecord& player) {
  for (const PoolRow& row : kPoolChanges) {
    if (row.floor != floorNumber || !appliesToClass(row, player.playerClass)) continue;
    switch (row.change) {
      case PoolChange::Add:
        f.npcPool.emplace_back(row.name);
        break;
      case PoolChange::Remove:
        removeFromPool(f, std::string(row.name));
        break;
      case PoolChange::Johnny:
        if (player.drankJimmy == kJimmyDrunk) {
          f.npcPool.emplace_back(row.name);
          player.drankJimmy = kJohnnyLooking;
        }
        break;
    }
  }
  if (floorNumber == f.shop2Floor) removeFromPool(f, std::string(kShop2Rival));
}

void placeMonstersAndStairs(Floor& f, int floorNumber, int fateValue) {
  while (f.monsterCount > 0) {
    const int tile = drawEmptyTile(f);
    if (tile < 0) break;
    f.tileKinds[tile] = kMonster;
    f.tileCreatures[tile] = rollCreature(floorNumber, fateValue);
    f.tileTexts[tile] = monsterText(f.tileCreatures[tile]);
    trace("loaded a " + creatureWords(f.tileCreatures[tile]) + " at " + f.directionNames[tile]);
    f.monsterCount -= 1;
  }
  const int stairs = drawTile(f);
  if (f.tileKinds[stairs] == kMonster) {
    f.tileKinds[stairs] = kGuardedStairs;
    f.tileTexts[stairs] = ", a " + creatureWords(f.tileCreatures[stairs]) + " blocks the stairs.";
    trace("stairs loaded (with encounter) at " + f.directionNames[stairs]);
  } else {
    placeKind(f, stairs, kStairs);
  }
}

void placeGhasts(Floor& f, int floorNumber, int fateValue) {
  const bool deepEnough = floorNumber >= 13 || (floorNumber >= 11 && isHauntedRun(fateValue));
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (f.ghastsToPlace <= 0 || !deepEnough) continue;
    const int tile = drawTile(f);
    // The stairs' guard stays, and a ghast is never haunted by another.
    if (f.tileKinds[tile] != kMonster || f.tileCreatures[tile].type == "GHAST") continue;
    f.tileCreatures[tile] = rollCreature(kGhastTier, fateValue);
    f.tileTexts[tile] = monsterText(f.tileCreatures[tile]);
    f.ghastsToPlace -= 1;
    trace(f.directionNames[tile] + " updated to " + creatureWords(f.tileCreatures[tile]) + ".");
  }
}

void placeSpecial(Floor& f, std::string_view kind) {
  const int tile = drawEmptyTile(f);
  if (tile >= 0) placeKind(f, tile, kind);
}

void placeSpecialTiles(Floor& f, int floorNumber) {
  if (floorNumber == f.hintFloor) {
    placeSpecial(f, "Hint");
  } else if (floorNumber == f.doomFloor) {
    placeSpecial(f, "Doom");
  }
  if (floorNumber == f.shopFloor) placeSpecial(f, "Shop");
  if (floorNumber == f.shop2Floor) placeSpecial(f, "Shop2");
  if (floorNumber == f.healFloor) placeSpecial(f, "Heal");
}

void placeDragon(Floor& f, int floorNumber, int fateValue) {
  if (floorNumber != 12 || !fateBetween(fateValue, 40, 64)) return;
  // The dragon sleeps on the stairs: they move across to the north, quietly
  // (no trace line of their own).
  if (f.tileKinds[kSouth] == kStairs || f.tileKinds[kSouth] == kGuardedStairs) {
    f.tileKinds[kNorth] = kStairs;
    f.tileTexts[kNorth] = findTileKind(kStairs)->text;
  }
  f.tileKinds[kSouth] = kMonster;
  f.tileTexts[kSouth] = " is a mighty DRAGON...";
  f.tileCreatures[kSouth] = rollCreature(kDragonTier, fateValue);
  trace("south has been taken over by a mighty dragon!!");
}

void placeCharacter(Floor& f, const PlayerRecord& player) {
  std::vector<int> emptyTiles;
  for (int tile = 0; tile < kTileCount; ++tile) {
    if (f.tileKinds[tile].empty()) emptyTiles.push_back(tile);
  }
  const int score = static_cast<int>(drawBelow(f, 4)) + f.npcMissCount + (emptyTiles.size() > kRoomyFloor ? 1 : 0);
  if (f.npcPool.empty() || emptyTiles.empty() || score < kCharacterScoreNeeded) {
    f.npcMissCount += 1;
    return;
  }
  f.npcMissCount = 0;
  const int tile = emptyTiles[drawBelow(f, static_cast<unsigned>(emptyTiles.size()))];
  const auto pick = static_cast<std::ptrdiff_t>(drawBelow(f, static_cast<unsigned>(f.npcPool.size())));
  const std::string name = f.npcPool[pick];
  f.tileOccupants[tile] = TileOccupant(name, -1, -1);
  f.npcPool.erase(f.npcPool.begin() + pick);

  if (name == "Warlock") f.tileCreatures[tile] = Creature("VERY NORMAL", "WARLOCK", 0);
  f.tileKinds[tile] = "NPC";
  f.tileTexts[tile] = f.tileOccupants[tile].description;
  for (const ClassTextRow& row : kClassTexts) {
    if (row.character == name && row.metBy == player.playerClass) f.tileTexts[tile] = row.text;
  }
  trace(name + " loaded " + f.directionNames[tile] + "!!!");
}

std::string_view freeTileKind(int roll, int floorNumber, const PlayerRecord& player) {
  for (const FreeTileRow& row : kFreeTiles) {
    if (roll < row.lowRoll || roll > row.highRoll) continue;
    const std::string_view kind =
        floorNumber <= 1 ? row.firstFloor : (floorNumber < kFirstDeepFloor ? row.upperFloors : row.deepFloors);
    if (kind == kBonusItem && player.playerClass != "ACADEMIC") return "";
    return kind;
  }
  return "";
}

void fillFreeTiles(Floor& f, int floorNumber, const PlayerRecord& player) {
  for (int tile = 0; tile < kTileCount; ++tile) {
    if (!f.tileKinds[tile].empty()) continue;
    const int roll = static_cast<int>(drawBelow(f, 20)) + 1;
    const std::string_view kind = freeTileKind(roll, floorNumber, player);
    if (kind == kFountain) {
      placeFountain(f, tile, " ");
    } else if (kind == kScroll) {
      placeScroll(f, tile);
    } else {
      placeKind(f, tile, kind);
    }
  }
}

void layOutBossFloor(Floor& f, int fateValue) {
  f.tileKinds[kNorth] = "FinalMon";
  f.tileCreatures[kNorth] = rollCreature(kBossTier, fateValue);
  const std::string boss = creatureWords(f.tileCreatures[kNorth]);
  f.tileTexts[kNorth] = " stands the fearsome " + boss +
                        ", \n"
                        "blocking your one exit out of the dungeon!!";
  trace("loaded a " + boss + " at north.");
  for (int tile = 1; tile < kTileCount; ++tile) {
    if (tile != kSouth) placeKind(f, tile, "Statue");
  }
  placeFountain(f, kSouth, "");
}

void layOutLastFloor(Floor& f) {
  f.tileKinds[kNorth] = "ExitDoor";
  trace("loaded the final exit at North.");
  for (int tile = 1; tile < kTileCount; ++tile) {
    if (tile == kSouth) continue;
    f.tileKinds[tile] = "Wall";
    trace("loaded a wall at " + f.directionNames[tile]);
  }
  f.tileKinds[kSouth] = "ReturnStairs";
  trace("loaded the stairs back at NE.");
  f.tileTexts.fill("");
}

bool loreScrollAlreadyFound(const Floor& f, int index) {
  return (index == 3 && f.scroll3Found) || (index == 4 && f.scroll4Found) || (index == 5 && f.scroll5Found);
}

void chooseLoreScroll(Floor& f) {
  if (f.scrollsBelow3Found && f.scroll3Found && f.scroll4Found && f.scroll5Found) {
    f.secretScrollIndex = kFinalLoreScroll;
    return;
  }
  // Some scroll among the ones drawn is always still unread, so this ends.
  do {
    f.secretScrollIndex = f.scrollsBelow3Found ? static_cast<int>(drawBelow(f, 3)) + 3 : static_cast<int>(drawBelow(f, 6));
  } while (loreScrollAlreadyFound(f, f.secretScrollIndex));
}

void chooseSecretRoom(Floor& f, int floorNumber, int fateValue) {
  const int roll = static_cast<int>(drawBelow(f, floorNumber >= kFirstScrollRoomFloor ? 20 : 16)) + 1;
  if (floorNumber == kLastFloor) {
    f.secretRoomKind = "Secret";
  } else if (floorNumber == kBossFloor) {
    f.secretRoomKind = "Special";
  } else if (floorNumber == kGoblinFloor && fateBetween(fateValue, 65, 94)) {
    f.secretRoomKind = "Goblin";
  } else if (floorNumber == kWizardFloor && !f.wizardMet) {
    f.secretRoomKind = "Wizard";
  } else {
    for (const SecretRoomRow& row : kSecretRooms) {
      if (roll >= row.lowRoll && roll <= row.highRoll) f.secretRoomKind = row.kind;
    }
  }
  if (f.secretRoomKind == "Scroll") chooseLoreScroll(f);
  for (const SecretTraceRow& row : kSecretTraces) {
    if (row.kind == f.secretRoomKind) trace(row.trace);
  }
}

}  // namespace

void removeFromPool(Floor& floorRecord, std::string name) { std::erase(floorRecord.npcPool, name); }

void generateFloor(Floor& floorRecord, int floorNumber, int fateValue, PlayerRecord& player, int forcedMonsterCount) {
  Floor& f = floorRecord;
  trace("Loading a new level... " + std::to_string(floorNumber));

  f.secretRoomKnown = false;
  f.secret2Known = false;
  f.secretRoomEntered = false;
  f.tileKinds.fill("");
  f.tileTexts.fill("");
  f.secretRoomKind.clear();

  f.monsterCount = rollMonsterCount(f, floorNumber, fateValue, forcedMonsterCount);
  updatePool(f, floorNumber, player);
  placeMonstersAndStairs(f, floorNumber, fateValue);
  placeGhasts(f, floorNumber, fateValue);
  placeSpecialTiles(f, floorNumber);
  placeDragon(f, floorNumber, fateValue);
  placeCharacter(f, player);
  fillFreeTiles(f, floorNumber, player);
  if (floorNumber == kBossFloor) layOutBossFloor(f, fateValue);
  if (floorNumber == kLastFloor) layOutLastFloor(f);
  chooseSecretRoom(f, floorNumber, fateValue);
}
