#include "encounters/shop_tiles.h"

#include "world/game_state.h"

// Not in the game yet: each shop tile holds nothing.
void enterHintShop(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = kNothingImportantText; }
void enterHintHell(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = kNothingImportantText; }
void enterGerardShop(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = kNothingImportantText; }
void enterWombletonShop(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = kNothingImportantText; }
void enterJimmyFirstVisit(GameState& state, Floor&, PlayerRecord&, int) {
  state.messageBuffer = kNothingImportantText;
}
void enterJimmyLaterVisit(GameState& state, Floor&, PlayerRecord&, int) {
  state.messageBuffer = kNothingImportantText;
}
