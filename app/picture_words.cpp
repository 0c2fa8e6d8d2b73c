#include "app/picture_words.h"

#include <cstddef>
#include <string_view>

#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

// Columns: name in the records, picture word.
struct WordRow {
  std::string_view name;
  std::string_view word;
};

const WordRow kInventoryWords[] = {
    {"POTION", "potion"},           {"MATCH", "match"},
    {"KEROSENE", "kerosene"},       {"LSD", "lsd"},
    {"MORALITY", "morality"},       {"AIRHORN", "airhorn"},
    {"SALT SHAKER", "salt"},        {"POISON DART", "psnarrow"},
    {"GHOST PEPPER", "pepper"},     {"STAPLE REMOVER", "stapleremover"},
    {"ANTIBIOTICS", "antibiotics"}, {"ANTIBIOTICS?", "antibiotics"},
    {"CALCULATOR", "calculator"},   {"LAUGHING GAS", "laughgas"},
    {"CONTRACT", "contract"},       {"TOME OF WISDOM", "wistome"},
    {"VORTEX", "vortex"},           {"NECRONOMICON", "necronomicon"},
    {"TELEPOROMETER", "teleporter"}, {"GHAST-BUSTER", "ghostbuster"},
    {"HAT", "hat"},                 {"SPECIAL POTION", "potion2"},
    {"GROG", "grog"},
};

const WordRow kSkillWords[] = {
    {"BODY TACKLE", "tackle"},     {"PISS OFF", "pissoff"},     {"MEGATON PUNCH", "megapunch"},
    {"EXAMINE", "examine"},        {"INFERENCE", "infer"},      {"ANTIBIOTICS", "antibiotics"},
    {"PICKPOCKET", "pickpocket"},  {"NEGOTIATE", "negotiate"},  {"SNEAK ATTACK", "sneakatk"},
    {"MAGICBOLT", "magicbolt"},    {"STUNBOLT", "stunbolt"},    {"FIREBOLT", "firebolt"},
    {"HEAL", "heal"},              {"EAT", "eat"},              {"PREACH", "preach"},
    {"QBL.SWAP", "swap"},          {"PISS ON", "piss"},
};

const WordRow kWeaponWords[] = {
    {"DAGGER", "dagger"},         {"SWORD", "sword"},           {"SCIMITAR", "scimitar"},
    {"RAPIER", "rapier"},         {"KATANA", "katana"},         {"GREATSWORD", "greatsword"},
    {"LASER SWORD", "lsword"},    {"STABLORD(TM)", "stablord"}, {"DRAGON-TONGUE", "dragontongue"},
    {"FISTS", "empty"},
};

const WordRow kArmorWords[] = {
    {"SHIRT", "tunic"},         {"LEATHER", "leather"},     {"ARMOR", "armor"},
    {"CHAINMAIL", "chainmail"}, {"PLATEMAIL", "platemail"}, {"KEVLAR", "kevlar"},
    {"NUDITY", "empty"},        {"LOINCLOTH", "empty"},
};

// Tried in this order; the first match wins.
const WordRow kCreatureWords[] = {
    {"GOBLIN", "goblin"},
    {"MASS", "blob"},
    {"OGRE", "ogre"},
    {"WIZARD", "wizard"},
    {"COELOCANTH", "coelocanth"},
    {"ORC", "orc"},
    {"ACCOUNTANT", "accountant"},
    {"ROGUE", "rogue"},
    {"EXPLORER", "explorer"},
    {"CHEF", "chef"},
    {"WARLOCK", "warlock"},
    {"DEEP GOBLIN", "deepgoblin"},
    {"LICHE", "liche"},
    {"TROLL", "troll"},
    {"DEMON", "demon"},
    {"ARCH-ACCOUNTANT", "archaccountant"},
    {"NECROMANCER", "necromancer"},
    {"ZOMBIE", "zombie"},
    {"CTHULOID", "cthuloid"},
    {"DEEP TROLL", "deeptroll"},
    {"GHAST", "ghast"},
    {"DRAGON", "dragon"},
    {"ACADEMIC", "academic"},
    {"CONVICT", "convict"},
    {"OPPORTUNIST", "opportunist"},
    {"POTION", "johnny"},
    {"HELLSATAN", "hellsatan"},
    {"HELLFUCKER", "hellsatan"},
};

// Tile kinds with a fixed picture. Monsters, characters and fountains depend
// on what stands on the tile and are chosen in tilePicture.
const WordRow kTileWords[] = {
    {"BonusItem", "item"},     {"Exit", "exit"},           {"ReturnStairs", "exit"},
    {"FinalExit", "truexit"},  {"ExitDoor", "finaldoor"},  {"Hint", "hintman"},
    {"Doom", "doomhint"},      {"Shop2", "wombleton"},     {"Shop", "gerard"},
    {"Heal", "jimmy"},         {"Heal2", "jimmy"},         {"Scroll", "scroll"},
    {"Barrel", "barrel"},      {"Gold", "gold"},           {"DragTreasure", "gold"},
    {"Treasure", "treasure"},  {"Item", "item"},           {"DragTreasure2", "item"},
    {"Hat", "item"},           {"S.Potion", "item"},       {"Statue", "statue"},
};

const WordRow kSecretRoomWords[] = {
    {"Scroll", "sscroll"},      {"Scroll2", "sscroll"},      {"Scroll3", "sscroll"},
    {"Trap", "strap"},          {"TrapUsed", "strap"},       {"Abandoned", "sgold"},
    {"AbandonedUsed", "sgold"}, {"Treasure", "streasure"},   {"TreasureUsed", "streasure"},
    {"Fountain", "sfount"},     {"Barrel", "sbarrel"},       {"FountUsed", "sdry"},
    {"Special", "scorpse"},     {"SpecialUsed", "scorpse"},  {"Curse", "scurse"},
    {"Curse2", "scurse"},       {"Goblin", "sgary"},         {"Goblin1", "sgary"},
    {"Goblin2", "sgary"},       {"Goblin3", "sgary"},        {"Goblin4", "sgary"},
    {"Goblin5", "sgary"},       {"Goblin6", "sgary"},        {"Goblin7", "sgary"},
    {"Goblin8", "sgary"},       {"Goblin9", "sgary"},        {"Goblin10", "sgary"},
    {"Goblin11", "sgary"},      {"GoblinUsed", "sgary"},     {"Wizard", "sgargle"},
    {"WizardStop", "sgargle"},  {"Wizard2", "sgargle"},      {"Vortex", "sempty"},
    {"BarrelUsed", "sempty"},
};

// Slot k of the achievements; slot 6 depends on the potion's story.
const std::string_view kAchievementWords[18] = {
    "player",   "academic", "convict",   "opportunist", "zombie", "hellsatan",
    "",         "dragon",   "ghast",     "deeptroll",   "stablord", "undertale",
    "sgary2",   "sgargle2", "lvl10",     "lsd",         "scurse2",  "stapleremover",
};
constexpr int kPotionAchievementSlot = 6;

// Slot 6's picture by how far the potion's story has gone.
const std::string_view kPotionProgressWords[] = {"jimmysad", "johnny", "swap"};

const WordRow kClassPortraits[] = {
    {"", "player"},
    {"ACADEMIC", "academic"},
    {"CONVICT", "convict"},
    {"OPPORTUNIST", "opportunist"},
    {"ZOMBIE", "zombie"},
};

template <std::size_t N>
std::optional<std::string> lookUp(const WordRow (&table)[N], const std::string& name) {
  for (const WordRow& row : table) {
    if (row.name == name) return std::string(row.word);
  }
  return std::nullopt;
}

constexpr std::uint8_t kSeeThrough = 128;

}  // namespace

std::optional<std::string> inventoryWord(const std::string& itemName) { return lookUp(kInventoryWords, itemName); }

std::optional<std::string> skillWord(const std::string& skillName) { return lookUp(kSkillWords, skillName); }

std::string weaponWord(const PlayerRecord& player) {
  if (player.wieldsSwordOfKings) return "kingsword";
  if (player.equipment.empty()) return "blank";
  return lookUp(kWeaponWords, player.equipment[0].type).value_or("blank");
}

std::string armorWord(const PlayerRecord& player) {
  if (player.equipment.size() < 2) return "blank";
  return lookUp(kArmorWords, player.equipment[1].type).value_or("blank");
}

std::string creatureWord(const std::string& type) { return lookUp(kCreatureWords, type).value_or("generic"); }

std::optional<std::string> portraitWord(const GameState& state, const PlayerRecord& player) {
  if (state.gameOver || player.hp <= 0) return std::string("dead");
  return lookUp(kClassPortraits, player.playerClass);
}

std::string backgroundWord(int floorNumber) { return floorNumber == 16 ? "bground_2" : "bground"; }

EffectWords effectWords(bool poisoned, bool regenerating) {
  if (!poisoned) {
    if (regenerating) return {"regen", std::string("blank")};
    return {"blank", std::nullopt};
  }
  return {"poison", std::string(regenerating ? "regen" : "blank")};
}

EffectWords playerEffectWords(const PlayerRecord& player) {
  return effectWords(player.poisoned, player.imbuement == "POTION");
}

EffectWords enemyEffectWords(const GameState& state) {
  if (state.combatState < 1) return {"blank", std::string("blank")};
  return effectWords(state.currentEnemy.poisoned, state.currentEnemy.regenPerTurn >= 1);
}

TilePicture tilePicture(const Floor& floorRecord, int tile, int screenMode) {
  const std::string& kind = floorRecord.tileKinds[tile];
  const TileOccupant& occupant = floorRecord.tileOccupants[tile];
  TilePicture picture;
  if (kind == "BonusItem") picture.alpha = kSeeThrough;

  if (kind == "Mon" || kind == "MonExit" || kind == "FinalMon") {
    const Creature& creature = floorRecord.tileCreatures[tile];
    picture.file = picturePath(creatureWord(creature.type));
    picture.alpha = (creature.ghastly || creature.holographic) ? kSeeThrough : 255;
  } else if (kind == "NPC") {
    picture.file = "graphics/" + occupant.portraitFile;
    picture.alpha = (occupant.key == "BabyGhast" || occupant.key == "?") ? kSeeThrough : 255;
  } else if (kind == "Fount") {
    // A fountain dries up after its third drink.
    picture.file = picturePath(floorRecord.tileOffers[tile].timesUsed < 3 ? "fountain" : "dryfount");
  } else {
    picture.file = picturePath(lookUp(kTileWords, kind).value_or("blank"));
  }

  // In the trance only the mind flayer is left to look at.
  if (screenMode > 1 && !(kind == "NPC" && occupant.key == "Flayer")) picture.file = picturePath("blank");
  return picture;
}

std::optional<std::string> secretIconWord(const Floor& floorRecord) {
  if (floorRecord.secretRoomEntered) return lookUp(kSecretRoomWords, floorRecord.secretRoomKind);
  return std::string(floorRecord.secretRoomKnown ? "secret" : "blank");
}

std::optional<std::string> achievementWord(const GameState& state, int slot) {
  const bool earned = !state.achievements[slot].empty();
  if (slot != kPotionAchievementSlot) {
    if (!earned) return std::nullopt;
    return std::string(kAchievementWords[slot]);
  }
  if (earned) {
    const int progress = state.potionProgress;
    if (progress >= 0 && progress < 3) return std::string(kPotionProgressWords[progress]);
    return std::nullopt;
  }
  for (int other = 0; other < 18; ++other) {
    if (other != slot && state.achievements[other].empty()) return std::nullopt;
  }
  return std::string("jimmy");
}

std::vector<std::string> allPictureWords() {
  std::vector<std::string> words = {"dead",     "blank",   "bground", "bground_2", "regen",  "poison",
                                    "kingsword", "fountain", "dryfount", "generic", "secret", "jimmy"};
  const auto add = [&words](const auto& table) {
    for (const WordRow& row : table) words.emplace_back(row.word);
  };
  add(kInventoryWords);
  add(kSkillWords);
  add(kWeaponWords);
  add(kArmorWords);
  add(kCreatureWords);
  add(kTileWords);
  add(kSecretRoomWords);
  add(kClassPortraits);
  for (std::string_view word : kAchievementWords) {
    if (!word.empty()) words.emplace_back(word);
  }
  for (std::string_view word : kPotionProgressWords) words.emplace_back(word);
  return words;
}
