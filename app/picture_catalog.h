#pragma once
// Every picture the game can load, one row per file "graphics/Qbl_" + word +
// ".png". The drawing code picks words from the records, the asset generator
// paints one image per row, and a test checks that the generated files match
// this table, so a word missing here shows up as a failing test rather than
// as "error!" in the middle of a run.
//
// Sizes matter: a sprite keeps the rectangle of the first picture it was
// given, so every picture one sprite can show has the size of that first one.
// Tiles, icons, portraits and numbers are all 40x40; only the two panel
// backgrounds and the idle help bubble differ.
#include <string>
#include <string_view>

enum class PictureKind {
  Panel,        // frames, overlays, markers and backgrounds of the screen
  Number,       // slot and achievement numbers
  Portrait,     // the player, by class
  Item,         // inventory items
  Skill,        // skill icons
  Gear,         // weapons and armor
  TileFeature,  // things lying or standing on a compass tile
  Creature,     // monsters on a tile
  Character,    // people and oddities met on a tile
  SecretRoom,   // the secret room icon once the room was entered
  Achievement,  // achievement pictures that are not also used elsewhere
};

struct PictureEntry {
  std::string_view word;
  PictureKind kind;
  int width;
  int height;
};

inline constexpr int kIconSide = 40;
inline constexpr int kBackgroundSide = 200;
inline constexpr int kHelpWidth = 180;
inline constexpr int kHelpHeight = 72;

// Columns: word, kind, width, height. A word appears once, under the first
// kind that uses it (the achievement grid reuses portraits, creatures, items).
inline constexpr PictureEntry kPictureCatalog[] = {
    {"blank", PictureKind::Panel, 40, 40},
    {"bground", PictureKind::Panel, kBackgroundSide, kBackgroundSide},
    {"bground_2", PictureKind::Panel, kBackgroundSide, kBackgroundSide},
    {"needHelp", PictureKind::Panel, kHelpWidth, kHelpHeight},
    {"zero", PictureKind::Panel, 40, 40},
    {"locked", PictureKind::Panel, 40, 40},
    {"gcount", PictureKind::Panel, 40, 40},
    {"secret", PictureKind::Panel, 40, 40},
    {"regen", PictureKind::Panel, 40, 40},
    {"poison", PictureKind::Panel, 40, 40},

    {"one", PictureKind::Number, 40, 40},
    {"two", PictureKind::Number, 40, 40},
    {"three", PictureKind::Number, 40, 40},
    {"four", PictureKind::Number, 40, 40},
    {"five", PictureKind::Number, 40, 40},
    {"six", PictureKind::Number, 40, 40},
    {"seven", PictureKind::Number, 40, 40},
    {"eight", PictureKind::Number, 40, 40},
    {"nine", PictureKind::Number, 40, 40},
    {"ten", PictureKind::Number, 40, 40},
    {"eleven", PictureKind::Number, 40, 40},
    {"twelve", PictureKind::Number, 40, 40},
    {"thirteen", PictureKind::Number, 40, 40},
    {"fourteen", PictureKind::Number, 40, 40},
    {"fifteen", PictureKind::Number, 40, 40},
    {"sixteen", PictureKind::Number, 40, 40},
    {"seventeen", PictureKind::Number, 40, 40},
    {"eighteen", PictureKind::Number, 40, 40},

    {"player", PictureKind::Portrait, 40, 40},
    {"dead", PictureKind::Portrait, 40, 40},
    {"academic", PictureKind::Portrait, 40, 40},
    {"convict", PictureKind::Portrait, 40, 40},
    {"opportunist", PictureKind::Portrait, 40, 40},
    {"zombie", PictureKind::Portrait, 40, 40},

    {"potion", PictureKind::Item, 40, 40},
    {"match", PictureKind::Item, 40, 40},
    {"kerosene", PictureKind::Item, 40, 40},
    {"lsd", PictureKind::Item, 40, 40},
    {"morality", PictureKind::Item, 40, 40},
    {"airhorn", PictureKind::Item, 40, 40},
    {"salt", PictureKind::Item, 40, 40},
    {"psnarrow", PictureKind::Item, 40, 40},
    {"pepper", PictureKind::Item, 40, 40},
    {"stapleremover", PictureKind::Item, 40, 40},
    {"antibiotics", PictureKind::Item, 40, 40},
    {"calculator", PictureKind::Item, 40, 40},
    {"laughgas", PictureKind::Item, 40, 40},
    {"contract", PictureKind::Item, 40, 40},
    {"wistome", PictureKind::Item, 40, 40},
    {"vortex", PictureKind::Item, 40, 40},
    {"necronomicon", PictureKind::Item, 40, 40},
    {"teleporter", PictureKind::Item, 40, 40},
    {"ghostbuster", PictureKind::Item, 40, 40},
    {"hat", PictureKind::Item, 40, 40},
    {"potion2", PictureKind::Item, 40, 40},
    {"grog", PictureKind::Item, 40, 40},

    {"tackle", PictureKind::Skill, 40, 40},
    {"pissoff", PictureKind::Skill, 40, 40},
    {"megapunch", PictureKind::Skill, 40, 40},
    {"examine", PictureKind::Skill, 40, 40},
    {"infer", PictureKind::Skill, 40, 40},
    {"pickpocket", PictureKind::Skill, 40, 40},
    {"negotiate", PictureKind::Skill, 40, 40},
    {"sneakatk", PictureKind::Skill, 40, 40},
    {"magicbolt", PictureKind::Skill, 40, 40},
    {"stunbolt", PictureKind::Skill, 40, 40},
    {"firebolt", PictureKind::Skill, 40, 40},
    {"heal", PictureKind::Skill, 40, 40},
    {"eat", PictureKind::Skill, 40, 40},
    {"preach", PictureKind::Skill, 40, 40},
    {"swap", PictureKind::Skill, 40, 40},
    {"piss", PictureKind::Skill, 40, 40},

    {"dagger", PictureKind::Gear, 40, 40},
    {"sword", PictureKind::Gear, 40, 40},
    {"scimitar", PictureKind::Gear, 40, 40},
    {"rapier", PictureKind::Gear, 40, 40},
    {"katana", PictureKind::Gear, 40, 40},
    {"greatsword", PictureKind::Gear, 40, 40},
    {"lsword", PictureKind::Gear, 40, 40},
    {"stablord", PictureKind::Gear, 40, 40},
    {"dragontongue", PictureKind::Gear, 40, 40},
    {"kingsword", PictureKind::Gear, 40, 40},
    {"empty", PictureKind::Gear, 40, 40},
    {"tunic", PictureKind::Gear, 40, 40},
    {"leather", PictureKind::Gear, 40, 40},
    {"armor", PictureKind::Gear, 40, 40},
    {"chainmail", PictureKind::Gear, 40, 40},
    {"platemail", PictureKind::Gear, 40, 40},
    {"kevlar", PictureKind::Gear, 40, 40},

    {"item", PictureKind::TileFeature, 40, 40},
    {"exit", PictureKind::TileFeature, 40, 40},
    {"truexit", PictureKind::TileFeature, 40, 40},
    {"finaldoor", PictureKind::TileFeature, 40, 40},
    {"hintman", PictureKind::TileFeature, 40, 40},
    {"doomhint", PictureKind::TileFeature, 40, 40},
    {"wombleton", PictureKind::TileFeature, 40, 40},
    {"gerard", PictureKind::TileFeature, 40, 40},
    {"jimmy", PictureKind::TileFeature, 40, 40},
    {"scroll", PictureKind::TileFeature, 40, 40},
    {"barrel", PictureKind::TileFeature, 40, 40},
    {"fountain", PictureKind::TileFeature, 40, 40},
    {"dryfount", PictureKind::TileFeature, 40, 40},
    {"gold", PictureKind::TileFeature, 40, 40},
    {"treasure", PictureKind::TileFeature, 40, 40},
    {"statue", PictureKind::TileFeature, 40, 40},

    {"goblin", PictureKind::Creature, 40, 40},
    {"blob", PictureKind::Creature, 40, 40},
    {"ogre", PictureKind::Creature, 40, 40},
    {"wizard", PictureKind::Creature, 40, 40},
    {"coelocanth", PictureKind::Creature, 40, 40},
    {"orc", PictureKind::Creature, 40, 40},
    {"accountant", PictureKind::Creature, 40, 40},
    {"rogue", PictureKind::Creature, 40, 40},
    {"explorer", PictureKind::Creature, 40, 40},
    {"chef", PictureKind::Creature, 40, 40},
    {"warlock", PictureKind::Creature, 40, 40},
    {"deepgoblin", PictureKind::Creature, 40, 40},
    {"liche", PictureKind::Creature, 40, 40},
    {"troll", PictureKind::Creature, 40, 40},
    {"demon", PictureKind::Creature, 40, 40},
    {"archaccountant", PictureKind::Creature, 40, 40},
    {"necromancer", PictureKind::Creature, 40, 40},
    {"cthuloid", PictureKind::Creature, 40, 40},
    {"deeptroll", PictureKind::Creature, 40, 40},
    {"ghast", PictureKind::Creature, 40, 40},
    {"dragon", PictureKind::Creature, 40, 40},
    {"johnny", PictureKind::Creature, 40, 40},
    {"hellsatan", PictureKind::Creature, 40, 40},
    {"generic", PictureKind::Creature, 40, 40},

    {"worgleton", PictureKind::Character, 40, 40},
    {"seer", PictureKind::Character, 40, 40},
    {"nohat", PictureKind::Character, 40, 40},
    {"consoom", PictureKind::Character, 40, 40},
    {"skull", PictureKind::Character, 40, 40},
    {"peanut", PictureKind::Character, 40, 40},
    {"groggum", PictureKind::Character, 40, 40},
    {"flayer", PictureKind::Character, 40, 40},
    {"tex", PictureKind::Character, 40, 40},
    {"burger", PictureKind::Character, 40, 40},
    {"evil", PictureKind::Character, 40, 40},

    {"sscroll", PictureKind::SecretRoom, 40, 40},
    {"strap", PictureKind::SecretRoom, 40, 40},
    {"sgold", PictureKind::SecretRoom, 40, 40},
    {"streasure", PictureKind::SecretRoom, 40, 40},
    {"sfount", PictureKind::SecretRoom, 40, 40},
    {"sbarrel", PictureKind::SecretRoom, 40, 40},
    {"sdry", PictureKind::SecretRoom, 40, 40},
    {"scorpse", PictureKind::SecretRoom, 40, 40},
    {"scurse", PictureKind::SecretRoom, 40, 40},
    {"sgary", PictureKind::SecretRoom, 40, 40},
    {"sgargle", PictureKind::SecretRoom, 40, 40},
    {"sempty", PictureKind::SecretRoom, 40, 40},

    {"jimmysad", PictureKind::Achievement, 40, 40},
    {"undertale", PictureKind::Achievement, 40, 40},
    {"sgary2", PictureKind::Achievement, 40, 40},
    {"sgargle2", PictureKind::Achievement, 40, 40},
    {"lvl10", PictureKind::Achievement, 40, 40},
    {"scurse2", PictureKind::Achievement, 40, 40},
};

// The slot and achievement numbers: number n shows kNumberWords[n - 1].
inline constexpr std::string_view kNumberWords[] = {
    "one",      "two",      "three",   "four",    "five",      "six",
    "seven",    "eight",    "nine",    "ten",     "eleven",    "twelve",
    "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen",
};

// The file a word is loaded from, relative to the program's folder.
inline std::string picturePath(std::string_view word) {
  return "graphics/Qbl_" + std::string(word) + ".png";
}

// The catalog row of a word, or nullptr when the game has no such picture.
constexpr const PictureEntry* findPicture(std::string_view word) {
  for (const PictureEntry& entry : kPictureCatalog) {
    if (entry.word == word) return &entry;
  }
  return nullptr;
}
