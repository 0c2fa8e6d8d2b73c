#include <string_view>
#include <utility>

#include "world/floor.h"

namespace {

// One row per character or object that can stand on a tile.
// Columns: key, description (follows the direction word), dialogue stage, portrait.
struct OccupantRow {
  std::string_view key;
  std::string_view description;
  int stateCode;
  std::string_view portrait;
};

constexpr OccupantRow kOccupants[] = {
    {"", "", 0, "blank.png"},
    {"Academic", " is an ANNOYING NERD.", 1, "Qbl_academic.png"},
    {"Convict", " is some ANGRY GUY.", 4, "Qbl_convict.png"},
    {"Opportunist", " is a ROGUISHLY HANDSOME FELLOW.", 5, "Qbl_opportunist.png"},
    {"Wise1", " stands a WISE GOBLIN.", 7, "Qbl_goblin.png"},
    {"Wise2", " stands a WISE ORC.", 9, "Qbl_orc.png"},
    {"Wise3", " stands a WISE TROLL.", 11, "Qbl_troll.png"},
    {"Worgleton", " is WORGLETON WINNLEFLAP THE BARBER THING!", 13, "Qbl_worgleton.png"},
    {"Warlock", " stands a VERY NORMAL WARLOCK.", 50, "Qbl_warlock.png"},
    {"Seer", " stands the rare QUIBBLENT SEER.", 15, "Qbl_seer.png"},
    {"KingSword", ", some kind of ITEM is lying on the ground.", 18, "Qbl_item.png"},
    {"Chef", " stands a HATLESS CHEF.", 19, "Qbl_nohat.png"},
    {"Accountant", " stands a being with a POWERFUL PRESENCE.", 21, "Qbl_archaccountant.png"},
    {"Consoom", " is a rare and exotic CONSUMPTION ELEMENTAL.", 23, "Qbl_consoom.png"},
    {"BabyGhast", " floats an adorable TINY SKULL!", 27, "Qbl_skull.png"},
    {"Peanut", "... my god... it's a GIANT PEANUT!", 55, "Qbl_peanut.png"},
    {"Johnny", " is what looks to be a POTION!", 40, "Qbl_johnny.png"},
    {"Groggum", ", someone appears to have set up a business?", 57, "Qbl_groggum.png"},
    {"Flayer", " stands a MIND FLAYER.", 59, "Qbl_flayer.png"},
    {"Quibblex", " is the mystical QUIBBLEX!", 69, "Qbl_tex.png"},
    {"Burger", ", someone left a CHEESEBURGER lying around.", 71, "Qbl_burger.png"},
    {"Ogre", " stands a LOST OGRE.", 72, "Qbl_ogre.png"},
    {"?", "?????????????????", 31, "Qbl_evil.png"},
};

// Once the ACADEMIC has handed over his item, his tile shows the item instead.
constexpr int kAcademicGaveItem = 2;
constexpr std::string_view kAcademicItemPortrait = "Qbl_item.png";

// A tier-3 scroll or better is one of the ten rare scrolls; which one depends
// on how many rare scrolls the run has already seen.
constexpr int kFirstRareTier = 3;
constexpr int kRareScrollKinds = 10;
constexpr int kHighScrollsBeforeLift = 10;
static_assert(kFirstRareTier + kRareScrollKinds - 1 == kHighestRolledScrollTier);

}  // namespace

TileOccupant::TileOccupant(std::string occupantKey, int visitStateArg, int stateCodeArg)
    : key(std::move(occupantKey)), portraitFile() {
  for (const OccupantRow& row : kOccupants) {
    if (row.key != key) continue;
    description = row.description;
    stateCode = row.stateCode;
    portraitFile = row.portrait;
    break;
  }
  if (key == "Academic" && visitStateArg == kAcademicGaveItem) portraitFile = kAcademicItemPortrait;
  if (stateCodeArg != -1) stateCode = stateCodeArg;
  if (visitStateArg != -1) visitState = visitStateArg;
}

ScrollTier rollScrollTier(bool bonus, int highScrollCount) {
  // A count below zero can only come from a damaged save; read as none seen,
  // so the tier stays one a scroll can have.
  if (highScrollCount < 0) highScrollCount = 0;
  ScrollTier scroll;
  scroll.tier = static_cast<int>(dice::draw() % 3u);
  if (bonus) scroll.tier += 1;
  if (highScrollCount >= kHighScrollsBeforeLift && scroll.tier == 2) scroll.tier = kFirstRareTier;
  if (scroll.tier == kFirstRareTier) scroll.tier = kFirstRareTier + highScrollCount % kRareScrollKinds;
  return scroll;
}

void Floor::clearTile(int direction, std::string text) {
  if (direction < 0 || direction >= kTileCount) return;
  tileKinds[static_cast<std::size_t>(direction)].clear();
  tileTexts[static_cast<std::size_t>(direction)] = std::move(text);
}
