#include "encounters/tile_events.h"

#include <array>
#include <string_view>

#include "encounters/character_tiles.h"
#include "encounters/feature_tiles.h"
#include "encounters/item_tiles.h"
#include "encounters/shop_tiles.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

constexpr const char* kTooFrightenedText = "You WANT to enter combat with this enemy, b-but, see, it's \n"
                                           "really sc-sc-scary! You are simply too FRIGHTENED to \n"
                                           "approach it.";

void beginCombat(GameState& state) {
  state.combatState = 1;
  state.messageBuffer = "Beginning combat with " + state.currentEnemy.quibblent + " " + state.currentEnemy.type +
                        "...\n"
                        "You have first go.\n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

bool scaresTheFrightened(const std::string& type) {
  return type == "GHAST" || type == "ZOMBIE" || type == "LICHE";
}

void fightTileMonster(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction,
                      bool onTheExit) {
  state.currentEnemy = floorRecord.tileCreatures[direction];
  if (player.quibblent == "FRIGHTENED" && !onTheExit && scaresTheFrightened(state.currentEnemy.type)) {
    state.messageBuffer = kTooFrightenedText;
    return;
  }
  beginCombat(state);
  // The hint on how fights work is shown until the profile's first fight.
  if (state.firstCombatHint) {
    state.firstCombatHint = false;
    state.saveMeta(false);
  }
}

void enterMonster(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  fightTileMonster(state, floorRecord, player, direction, false);
}

void enterMonsterOnExit(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  fightTileMonster(state, floorRecord, player, direction, true);
}

// The final monster always stands north; no fear holds the hero back from it.
void enterFinalMonster(GameState& state, Floor& floorRecord, PlayerRecord&, int) {
  state.currentEnemy = floorRecord.tileCreatures[0];
  beginCombat(state);
}

void enterNothing(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = kNothingImportantText; }

struct TileRow {
  std::string_view kind;
  TileHandler handler;
};

// Tried top to bottom; the first kind that matches decides.
constexpr std::array kTileRows = {
    TileRow{"Mon", enterMonster},
    TileRow{"MonExit", enterMonsterOnExit},
    TileRow{"Item", enterItemTile},
    TileRow{"BonusItem", enterBonusItemTile},
    TileRow{"Hat", enterHatTile},
    TileRow{"S.Potion", enterSpecialPotionTile},
    TileRow{"Fount", enterFountain},
    TileRow{"Barrel", enterBarrel},
    TileRow{"Scroll", enterScroll},
    TileRow{"Gold", enterGoldTile},
    TileRow{"Treasure", enterTreasureTile},
    TileRow{"Exit", enterStairsDown},
    TileRow{"NPC", enterCharacterTile},
    TileRow{"Hint", enterHintShop},
    TileRow{"Doom", enterHintHell},
    TileRow{"Shop", enterGerardShop},
    TileRow{"Shop2", enterWombletonShop},
    TileRow{"Heal", enterJimmyFirstVisit},
    TileRow{"Heal2", enterJimmyLaterVisit},
    TileRow{"DragTreasure", enterDragonHoard},
    TileRow{"DragTreasure2", enterDragonArtifact},
    TileRow{"FinalMon", enterFinalMonster},
    TileRow{"Statue", enterStatue},
    TileRow{"Wall", enterWall},
    TileRow{"ReturnStairs", enterReturnStairs},
    TileRow{"FinalExit", enterFinalExit},
    TileRow{"ExitDoor", enterExitDoor},
};

TileHandler handlerFor(const std::string& kind) {
  for (const TileRow& row : kTileRows) {
    if (row.kind == kind) return row.handler;
  }
  return enterNothing;
}

}  // namespace

void GameState::handleTileEvent(int direction, std::string roomKey, Floor& floorRecord, PlayerRecord& playerRecord) {
  if (direction < 0 || direction >= static_cast<int>(floorRecord.tileKinds.size())) {
    messageBuffer = kNothingImportantText;
    return;
  }
  handlerFor(roomKey)(*this, floorRecord, playerRecord, direction);
}
