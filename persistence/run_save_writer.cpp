// Writes a run save in one of its three forms. The whole text is made in
// memory and then put in place at once, so a crash or a full disk leaves the
// previous save as it was.
#include <iostream>
#include <string>
#include <utility>

#include "persistence/atomic_file.h"
#include "persistence/run_save_format.h"
#include "persistence/save_names.h"
#include "world/game_state.h"

namespace {

// The tile kinds whose descriptions may hold line breaks, which one value a
// line cannot carry; they are saved, and from then on shown, as kSnipped.
constexpr const char* kSnippedKinds[] = {"FinalMon", "MonExit"};
constexpr const char kSnipped[] = "-SNIP-";

// The death prompt's number: a save while it is open writes the dead memorial.
constexpr int kDeathPrompt = 16;
constexpr const char kVictoriousQuibblent[] = "VICTORIOUS";

class LineWriter {
 public:
  void header(const char* text) { line(text); }
  // A line break inside a value would shift every later line, so one that
  // slipped into a string is written as a space.
  void text(const std::string& value) {
    std::string clean = value;
    for (char& c : clean) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    line(clean);
  }
  void number(int value) { line(std::to_string(value)); }
  void flag(bool value) { line(value ? "1" : "0"); }
  void factor(float value) { line(std::to_string(value)); }
  void seconds(double value) { line(std::to_string(value)); }
  template <typename Bits>
  void bits(const Bits& values) {
    std::string digits;
    for (const bool value : values) digits += value ? '1' : '0';
    line(digits);
  }
  // The last line has no line end after it.
  std::string finish(const char* lastLine) {
    out_ += lastLine;
    return std::move(out_);
  }

 private:
  void line(const std::string& value) {
    out_ += value;
    out_ += '\n';
  }
  std::string out_;
};

void writeHero(LineWriter& out, const PlayerRecord& hero) {
  out.header("[PLAYER]");
  out.text(hero.name);
  out.text(hero.quibblent);
  out.number(hero.level);
  out.number(hero.maxHp);
  out.number(hero.hp);
  out.number(hero.dodges);
  out.number(hero.attack);
  out.number(hero.defence);
  out.number(hero.exp);
  out.number(hero.expForNextLevel);
  out.number(hero.gold);
  out.flag(hero.quibblentTimed);
  out.number(hero.quibblentTurnsLeft);
  for (std::size_t slot = 0; slot < kInventorySlots; ++slot) {
    out.text(slot < hero.inventoryNames.size() ? hero.inventoryNames[slot] : kEmptySlotName);
  }
  for (std::size_t slot = 0; slot < kInventorySlots; ++slot) {
    out.number(slot < hero.inventoryCounts.size() ? hero.inventoryCounts[slot] : 0);
  }
  for (std::size_t slot = 0; slot < kSkillLimit; ++slot) {
    out.text(slot < hero.skills.size() ? hero.skills[slot].name : kEmptySlotName);
  }
  for (std::size_t slot = 0; slot < kSkillLimit; ++slot) {
    if (slot < hero.skills.size()) {
      out.number(hero.skills[slot].cooldownLeft);
    } else {
      out.text(kEmptySlotName);
    }
  }
  out.text(hero.playerClass);
  out.flag(hero.poisoned);
  out.number(hero.spicyTolerance);
  out.number(hero.antibioticsUsed);
  out.number(hero.lsdLevel);
  out.flag(hero.willpower);
  out.number(hero.discoveryScore);
  out.number(hero.killScore);
  out.text(hero.imbuement);
  out.number(hero.hungerCountdown);
  out.factor(hero.attackFactor);
  out.factor(hero.damageTakenFactor);
}

void writeEquipment(LineWriter& out, const char* header, const ItemRecord& item) {
  out.header(header);
  out.text(item.name);
  out.text(item.quibblent);
  out.text(item.type);
  out.text(item.lootKind);
  out.number(item.attack);
  out.number(item.defence);
  out.flag(item.quibblentTimed);
  out.number(item.quibblentTurnsLeft);
}

void writeDungeon(LineWriter& out, const GameState& state, const Floor& floorRecord) {
  out.header("[DUNGEON]");
  out.number(state.gerardDealsLeft);
  out.number(state.wombletonOffersLeft);
  out.number(floorRecord.floorNumber);
  out.text(floorRecord.secretRoomKind);
  out.flag(floorRecord.secretRoomKnown);
  out.flag(floorRecord.goblinShopKnown);
  out.flag(floorRecord.wizardMet);
  out.number(state.fateValue);
  out.number(floorRecord.hintFloor);
  out.number(floorRecord.shopFloor);
  out.number(floorRecord.shop2Floor);
  out.number(floorRecord.doomFloor);
  out.number(floorRecord.secretScrollIndex);
}

void writeTile(LineWriter& out, const Floor& floorRecord, int tile) {
  const Creature& creature = floorRecord.tileCreatures[tile];
  const QuibblentOffer& offer = floorRecord.tileOffers[tile];
  const TileOccupant& occupant = floorRecord.tileOccupants[tile];
  out.header(("[TILE - " + std::to_string(tile) + "]").c_str());
  out.text(floorRecord.tileKinds[tile]);
  out.text(floorRecord.tileTexts[tile]);
  out.text(creature.type);
  out.text(creature.quibblent);
  out.number(creature.hp);
  out.number(creature.maxHp);
  out.flag(creature.confident);
  out.flag(creature.quibblentTimed);
  out.number(creature.quibblentTurnsLeft);
  out.factor(creature.attackFactor);
  out.factor(creature.damageTakenFactor);
  out.flag(creature.poisoned);
  out.number(creature.goldReward);
  out.text(offer.word);
  out.number(offer.timesUsed);
  out.number(floorRecord.tileScrollTiers[tile].tier);
  out.text(occupant.key);
  out.number(occupant.visitState);
  out.number(occupant.stateCode);
}

void writeMisc(LineWriter& out, const GameState& state, const Floor& floorRecord,
               const PlayerRecord& hero) {
  out.header("[MISC]");
  out.flag(floorRecord.scrollBonus);
  out.number(floorRecord.highScrollCount);
  out.number(state.defeatCount);
  out.number(floorRecord.ghastsToPlace);
  out.flag(floorRecord.secretRoomEntered);
  out.number(state.gerardRefusals);
  out.number(state.wombletonRefusals);
  out.flag(floorRecord.scrollsBelow3Found);
  out.flag(floorRecord.scroll3Found);
  out.flag(floorRecord.scroll4Found);
  out.flag(floorRecord.scroll5Found);
  out.number(floorRecord.healFloor);
  out.number(state.potionsForSale);
  out.number(state.weaponsFedToRats);
  out.bits(state.shopHintsGiven);
  out.bits(state.hellHintsGiven);
  out.bits(hero.curedDiseases);
  out.number(static_cast<int>(floorRecord.npcPool.size()));
  std::string pool;
  for (const std::string& key : floorRecord.npcPool) pool += key + " ";
  out.text(pool);
  out.number(state.cousinGreeting);
  out.number(hero.drankJimmy);
  out.flag(hero.wieldsSwordOfKings);
  out.flag(hero.boonOfConsumption);
  out.seconds(state.elapsedSeconds + state.storedPlayTime);
}

bool isSnippedKind(const std::string& kind) {
  for (const char* snipped : kSnippedKinds) {
    if (kind == snipped) return true;
  }
  return false;
}

void takeClock(GameState& state) {
  state.clockNow = GameState::Clock::now();
  state.elapsedSeconds = std::chrono::duration<double>(state.clockNow - state.clockStart).count();
}

}  // namespace

std::string resumableSaveText(const GameState& state, const Floor& floorRecord,
                              const PlayerRecord& hero) {
  static const ItemRecord kNoItem;
  LineWriter out;
  writeHero(out, hero);
  writeEquipment(out, "[WEAPON]", hero.equipment.size() > 0 ? hero.equipment[0] : kNoItem);
  writeEquipment(out, "[ARMOR]", hero.equipment.size() > 1 ? hero.equipment[1] : kNoItem);
  writeDungeon(out, state, floorRecord);
  for (int tile = 0; tile < kTileCount; ++tile) writeTile(out, floorRecord, tile);
  writeMisc(out, state, floorRecord, hero);
  return out.finish("[END]");
}

bool GameState::saveRun(Floor& floorRecord, PlayerRecord& playerRecord) {
  // The file name is the hero's name; one that could reach outside "saves/"
  // is never written.
  if (!isSafeSaveName(playerRecord.name)) return false;

  std::string text;
  if (playerRecord.quibblent == kVictoriousQuibblent) {
    text = victoriousMemorialText(*this, floorRecord, playerRecord);
  } else if (pendingPrompt == kDeathPrompt) {
    takeClock(*this);
    text = deadMemorialText(*this, floorRecord, playerRecord);
  } else {
    takeClock(*this);
    keepRunWithinSaveBounds(*this, floorRecord, playerRecord);
    for (int tile = 0; tile < kTileCount; ++tile) {
      if (isSnippedKind(floorRecord.tileKinds[tile])) floorRecord.tileTexts[tile] = kSnipped;
    }
    text = resumableSaveText(*this, floorRecord, playerRecord);
  }

  // A caller may still hold the save open for writing; the new file has
  // replaced it by now, and nothing may be written through the old handle.
  if (outFile.is_open()) outFile.close();

  if (!writeFileAtomically(savePathFor(playerRecord.name), text)) return false;
  std::cout << "save successful!";
  return true;
}
