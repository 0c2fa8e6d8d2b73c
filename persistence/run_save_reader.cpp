// Reads a run save back into the records. The whole file is read and every
// line checked before anything changes: the lines are applied to copies of
// the floor, the hero and the run's counters, and only a file that proves
// whole and sound replaces the run in play. A damaged, truncated or foreign
// file leaves every record as it was.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "persistence/run_save_format.h"
#include "persistence/save_names.h"
#include "world/game_state.h"

namespace {

// A run save is a few kilobytes; anything far larger is not one.
constexpr std::size_t kLargestSaveFile = 1 << 20;

// Inclusive bounds of a number line. Plain counters and stats take the
// bounds that keepRunWithinSaveBounds holds the game to.
struct Range {
  int low;
  int high;
};
constexpr Range kAnyNumber = {-kLargestRunNumber, kLargestRunNumber};
constexpr Range kFloorNumber = {1, 16};
constexpr Range kSpecialFloor = {0, 16};  // 0: not rolled yet
constexpr Range kFateValue = {0, 99};
constexpr Range kLoreScroll = {0, 6};
constexpr Range kLsdLevel = {0, 3};
constexpr Range kStackCount = {0, kStackLimit};
constexpr Range kErrandProgress = {0, 2};  // cousinGreeting, drankJimmy
constexpr Range kPoolSize = {0, 64};

// The fields of GameState that a run save carries.
struct RunCounters {
  int gerardDealsLeft;
  int wombletonOffersLeft;
  int fateValue;
  int defeatCount;
  int gerardRefusals;
  int wombletonRefusals;
  int potionsForSale;
  int weaponsFedToRats;
  int cousinGreeting;
  std::vector<bool> shopHintsGiven;
  std::vector<bool> hellHintsGiven;
  double storedPlayTime;
};

RunCounters countersOf(const GameState& state) {
  return {state.gerardDealsLeft, state.wombletonOffersLeft, state.fateValue,
          state.defeatCount,     state.gerardRefusals,      state.wombletonRefusals,
          state.potionsForSale,  state.weaponsFedToRats,    state.cousinGreeting,
          state.shopHintsGiven,  state.hellHintsGiven,      state.storedPlayTime};
}

void putCounters(GameState& state, RunCounters counters) {
  state.gerardDealsLeft = counters.gerardDealsLeft;
  state.wombletonOffersLeft = counters.wombletonOffersLeft;
  state.fateValue = counters.fateValue;
  state.defeatCount = counters.defeatCount;
  state.gerardRefusals = counters.gerardRefusals;
  state.wombletonRefusals = counters.wombletonRefusals;
  state.potionsForSale = counters.potionsForSale;
  state.weaponsFedToRats = counters.weaponsFedToRats;
  state.cousinGreeting = counters.cousinGreeting;
  state.shopHintsGiven = std::move(counters.shopHintsGiven);
  state.hellHintsGiven = std::move(counters.hellHintsGiven);
  state.storedPlayTime = counters.storedPlayTime;
}

// Lines without their line ends; a file written on Windows ends each in
// "\r\n", and one line end after the last line is forgiven.
std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  if (lines.size() == 1 && lines.front().empty()) lines.clear();
  return lines;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

template <typename Number>
bool parseWhole(std::string_view text, Number& value) {
  text = trimmed(text);
  // The game has always read numbers with an optional sign, "+" included.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// Hands out the lines in order. The first line that does not hold what its
// place asks for is remembered; from then on every read gives a harmless
// default, and the caller throws the copies away.
class LineReader {
 public:
  explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

  bool sound() const { return firstBadLine_ < 0; }
  int firstBadLine() const { return firstBadLine_; }

  void header(std::string_view expected) {
    if (take() != expected) fail();
  }
  std::string text() { return take(); }
  std::string heroName() {
    const std::string name = take();
    if (!isSafeSaveName(name)) fail();
    return name;
  }
  int number(Range range = kAnyNumber) {
    int value = 0;
    if (!parseWhole(take(), value) || value < range.low || value > range.high) {
      fail();
      return range.low;
    }
    return value;
  }
  bool flag() { return number() != 0; }
  // A tier a scroll is rolled with, or one a read spell scroll leaves.
  int scrollTier() {
    const int tier = number({0, kLearnedScrollTier});
    if (tier > kHighestRolledScrollTier && tier != kGibberishScrollTier && tier != kLearnedScrollTier) fail();
    return tier;
  }
  // A skill's cooldown, or "NONE" where no skill stands.
  bool numberOrEmptySlot(int& value) {
    if (peek() == kEmptySlotName) {
      take();
      return false;
    }
    value = number();
    return true;
  }
  float factor() {
    float value = 0.0f;
    if (!parseWhole(take(), value) || !std::isfinite(value) || value < 0.0f ||
        value > kLargestFactor) {
      fail();
      return 1.0f;
    }
    return value;
  }
  // Any finite time is taken: the game only ever adds a session's seconds to
  // it, and that sum stays finite (near the largest double the seconds are
  // lost to rounding), so no time the game writes is ever refused.
  double seconds() {
    double value = 0.0;
    if (!parseWhole(take(), value) || !std::isfinite(value) || value < 0.0) {
      fail();
      return 0.0;
    }
    return value;
  }
  // A whole count written as a decimal; truncated toward zero.
  int truncatedNumber() {
    double value = 0.0;
    if (!parseWhole(take(), value) || !std::isfinite(value) || value < kAnyNumber.low ||
        value > kAnyNumber.high) {
      fail();
      return 0;
    }
    return static_cast<int>(value);
  }
  // One digit per entry, exactly `count` of them.
  std::vector<bool> bits(std::size_t count) {
    const std::string digits = take();
    std::vector<bool> values(count, false);
    if (digits.size() != count) {
      fail();
      return values;
    }
    for (std::size_t i = 0; i < count; ++i) {
      if (digits[i] != '0' && digits[i] != '1') fail();
      values[i] = digits[i] == '1';
    }
    return values;
  }
  // A line of `count` keys, each followed by one space.
  std::vector<std::string> poolKeys(int count) {
    const std::string line = take();
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < line.size()) {
      const std::size_t space = line.find(' ', start);
      if (space == std::string::npos || space == start) {
        fail();
        return {};
      }
      keys.push_back(line.substr(start, space - start));
      start = space + 1;
    }
    if (static_cast<int>(keys.size()) != count) fail();
    return keys;
  }
  void fail() {
    if (firstBadLine_ < 0) firstBadLine_ = next_ - 1;
  }

 private:
  const std::string& peek() const { return lines_[next_]; }
  const std::string& take() { return lines_[next_++]; }

  const std::vector<std::string>& lines_;
  int next_ = 0;
  int firstBadLine_ = -1;
};

void readHero(LineReader& in, PlayerRecord& hero) {
  in.text();  // "[PLAYER]", though any first line but a memorial's is taken
  hero.name = in.heroName();
  hero.quibblent = in.text();
  hero.level = in.number();
  hero.maxHp = in.number();
  hero.hp = in.number();
  hero.dodges = in.number();
  hero.attack = in.number();
  hero.defence = in.number();
  hero.exp = in.number();
  hero.expForNextLevel = in.number();
  hero.gold = in.number();
  hero.quibblentTimed = in.flag();
  hero.quibblentTurnsLeft = in.number();

  // Names fill the slots from the first, each name once. All six counts are
  // read as they stand: one past the last name is never looked at, and the
  // game may well leave one there.
  hero.inventoryNames.clear();
  bool slotsEnded = false;
  for (int slot = 0; slot < kInventorySlots; ++slot) {
    const std::string itemName = in.text();
    if (itemName == kEmptySlotName) {
      slotsEnded = true;
      continue;
    }
    for (const std::string& held : hero.inventoryNames) {
      if (held == itemName) in.fail();
    }
    if (slotsEnded) in.fail();
    hero.inventoryNames.push_back(itemName);
  }
  hero.inventoryCounts.assign(kInventorySlots, 0);
  for (int slot = 0; slot < kInventorySlots; ++slot) {
    hero.inventoryCounts[slot] = in.number(kStackCount);
  }

  // Skills are learned in order, so the class held before the load decides
  // whether a repeated skill is kept. Each cooldown belongs to the skill at
  // its position in the list as learned.
  hero.skills.clear();
  bool skillsEnded = false;
  std::vector<bool> skillNamed(kSkillLimit, false);
  for (int slot = 0; slot < kSkillLimit; ++slot) {
    const std::string skillName = in.text();
    skillNamed[slot] = skillName != kEmptySlotName;
    if (skillNamed[slot] && skillsEnded) in.fail();
    if (!skillNamed[slot]) skillsEnded = true;
    hero.learnSkill(skillName);
  }
  for (int slot = 0; slot < kSkillLimit; ++slot) {
    int cooldownLeft = 0;
    const bool hasNumber = in.numberOrEmptySlot(cooldownLeft);
    if (skillNamed[slot] != hasNumber) in.fail();
    if (hasNumber && slot < static_cast<int>(hero.skills.size())) {
      hero.skills[slot].cooldownLeft = cooldownLeft;
    }
  }

  hero.playerClass = in.text();
  hero.poisoned = in.flag();
  hero.spicyTolerance = in.number();
  hero.antibioticsUsed = in.number();
  hero.lsdLevel = in.number(kLsdLevel);
  hero.willpower = in.flag();
  hero.discoveryScore = in.number();
  hero.killScore = in.number();
  hero.imbuement = in.text();
  hero.hungerCountdown = in.number();
  hero.attackFactor = in.factor();
  hero.damageTakenFactor = in.factor();
}

void readEquipment(LineReader& in, std::string_view header, ItemRecord& item) {
  in.header(header);
  item.name = in.text();
  item.quibblent = in.text();
  item.type = in.text();
  item.lootKind = in.text();
  item.attack = in.number();
  item.defence = in.number();
  item.quibblentTimed = in.flag();
  item.quibblentTurnsLeft = in.number();
}

void readDungeon(LineReader& in, RunCounters& counters, Floor& floorRecord) {
  in.header("[DUNGEON]");
  counters.gerardDealsLeft = in.number();
  counters.wombletonOffersLeft = in.number();
  floorRecord.floorNumber = in.number(kFloorNumber);
  floorRecord.secretRoomKind = in.text();
  floorRecord.secretRoomKnown = in.flag();
  floorRecord.goblinShopKnown = in.flag();
  floorRecord.wizardMet = in.flag();
  counters.fateValue = in.number(kFateValue);
  floorRecord.hintFloor = in.number(kSpecialFloor);
  floorRecord.shopFloor = in.number(kSpecialFloor);
  floorRecord.shop2Floor = in.number(kSpecialFloor);
  floorRecord.doomFloor = in.number(kSpecialFloor);
  floorRecord.secretScrollIndex = in.number(kLoreScroll);
}

// What a tile's creature held in the file; its type's rebuild rolls these
// anew, so they are put back afterwards.
struct HeldCreatureNumbers {
  int hp = 0;
  int maxHp = 0;
  int goldReward = 0;
};

void readTile(LineReader& in, Floor& floorRecord, int tile, HeldCreatureNumbers& held) {
  in.header("[TILE - " + std::to_string(tile) + "]");
  Creature& creature = floorRecord.tileCreatures[tile];
  creature = Creature();
  floorRecord.tileKinds[tile] = in.text();
  floorRecord.tileTexts[tile] = in.text();
  creature.type = in.text();
  creature.quibblent = in.text();
  held.hp = in.number();
  held.maxHp = in.number();
  creature.confident = in.flag();
  creature.quibblentTimed = in.flag();
  creature.quibblentTurnsLeft = in.number();
  creature.attackFactor = in.factor();
  creature.damageTakenFactor = in.factor();
  creature.poisoned = in.flag();
  held.goldReward = in.number();
  floorRecord.tileOffers[tile].word = in.text();
  floorRecord.tileOffers[tile].timesUsed = in.number();
  floorRecord.tileScrollTiers[tile].tier = in.scrollTier();
  std::string occupantKey = in.text();
  const int visitState = in.number();
  const int stateCode = in.number();
  if (in.sound()) {
    floorRecord.tileOccupants[tile] = TileOccupant(std::move(occupantKey), visitState, stateCode);
  }
}

void readMisc(LineReader& in, RunCounters& counters, Floor& floorRecord, PlayerRecord& hero) {
  in.header("[MISC]");
  floorRecord.scrollBonus = in.flag();
  floorRecord.highScrollCount = in.number();
  counters.defeatCount = in.number();
  floorRecord.ghastsToPlace = in.truncatedNumber();
  floorRecord.secretRoomEntered = in.flag();
  counters.gerardRefusals = in.number();
  counters.wombletonRefusals = in.number();
  floorRecord.scrollsBelow3Found = in.flag();
  floorRecord.scroll3Found = in.flag();
  floorRecord.scroll4Found = in.flag();
  floorRecord.scroll5Found = in.flag();
  floorRecord.healFloor = in.number(kSpecialFloor);
  counters.potionsForSale = in.number();
  counters.weaponsFedToRats = in.number();
  counters.shopHintsGiven = in.bits(kShopHintCount);
  counters.hellHintsGiven = in.bits(kHellHintCount);
  const std::vector<bool> cured = in.bits(hero.curedDiseases.size());
  for (std::size_t i = 0; i < hero.curedDiseases.size(); ++i) hero.curedDiseases[i] = cured[i];
  const int poolSize = in.number(kPoolSize);
  floorRecord.npcPool = in.poolKeys(poolSize);
  counters.cousinGreeting = in.number(kErrandProgress);
  hero.drankJimmy = in.number(kErrandProgress);
  hero.wieldsSwordOfKings = in.flag();
  hero.boonOfConsumption = in.flag();
  counters.storedPlayTime = in.seconds();
  in.header("[END]");
}

int loadRunLines(const std::vector<std::string>& lines, GameState& state, Floor& floorRecord,
                 PlayerRecord& playerRecord, int& badLine) {
  badLine = -1;
  const bool dead = !lines.empty() && lines.front() == kDeadFileMarker;
  const bool victorious = !lines.empty() && lines.front() == kVictoriousFileMarker;
  if (dead || victorious) {
    // Meeting an ended run wipes the hints given so far, as every load does
    // before it reads a line; nothing else changes.
    state.shopHintsGiven.assign(kShopHintCount, false);
    state.hellHintsGiven.assign(kHellHintCount, false);
    return dead ? kLoadedDeadMemorial : kLoadedVictoriousMemorial;
  }
  if (lines.size() != static_cast<std::size_t>(kRunSaveLineCount)) {
    badLine = static_cast<int>(std::min(lines.size(), std::size_t{kRunSaveLineCount}));
    return kLoadRefused;
  }

  // Everything is read into copies; the run in play is touched only once the
  // whole file has proved sound.
  Floor floorCopy = floorRecord;
  PlayerRecord heroCopy = playerRecord;
  RunCounters counters = countersOf(state);
  floorCopy.npcPool.clear();

  LineReader in(lines);
  readHero(in, heroCopy);
  heroCopy.equipment.resize(2);
  readEquipment(in, "[WEAPON]", heroCopy.equipment[0]);
  readEquipment(in, "[ARMOR]", heroCopy.equipment[1]);
  readDungeon(in, counters, floorCopy);
  HeldCreatureNumbers held[kTileCount];
  for (int tile = 0; tile < kTileCount; ++tile) readTile(in, floorCopy, tile, held[tile]);
  readMisc(in, counters, floorCopy, heroCopy);
  if (!in.sound()) {
    badLine = in.firstBadLine();
    return kLoadRefused;
  }

  // The tile creatures get their moves and stats from their type and word
  // again; only their wounds and purses come from the file.
  for (int tile = 0; tile < kTileCount; ++tile) {
    Creature& creature = floorCopy.tileCreatures[tile];
    applyTypeStats(creature, 0);
    creature.maxHp = held[tile].maxHp;
    creature.hp = held[tile].hp;
    creature.goldReward = held[tile].goldReward;
  }

  floorRecord = std::move(floorCopy);
  playerRecord = std::move(heroCopy);
  putCounters(state, std::move(counters));
  return kLoadedRun;
}

}  // namespace

int loadRunText(const std::string& text, GameState& state, Floor& floorRecord,
                PlayerRecord& playerRecord, int& badLine) {
  return loadRunLines(splitLines(text), state, floorRecord, playerRecord, badLine);
}

int GameState::loadRun(Floor& floorRecord, PlayerRecord& playerRecord) {
  loadLineNumber = 0;
  if (!loadFile.is_open()) return kLoadRefused;

  // Read whole, but never much more than a save can be.
  std::string text;
  char chunk[4096];
  while (text.size() <= kLargestSaveFile) {
    loadFile.read(chunk, sizeof chunk);
    text.append(chunk, static_cast<std::size_t>(loadFile.gcount()));
    if (!loadFile) break;
  }
  const bool readFailed = loadFile.bad();
  loadFile.close();
  if (readFailed || text.size() > kLargestSaveFile) return kLoadRefused;

  const std::vector<std::string> lines = splitLines(text);
  int badLine = -1;
  const int result = loadRunLines(lines, *this, floorRecord, playerRecord, badLine);
  if (result == kLoadRefused) {
    loadLineNumber = badLine;
    return result;
  }
  if (result != kLoadedRun) return result;

  for (const std::string& line : lines) {
    loadLine = line;
    std::cout << "variable: " << line << ", line num: " << loadLineNumber << "\n";
    ++loadLineNumber;
  }
  return result;
}
