#pragma once
// What the later characters' talks share: one row per dialogue stage, the
// way a yes/no page reads its line, and the tile the talk stands on.
#include <span>
#include <string>

#include "interpreter/prompt_answers.h"

struct GameState;
struct Floor;
struct PlayerRecord;
struct TileOccupant;

// A stage that always answers the line it is handed.
using LaterStageHandler = std::string (*)(GameState& state, Floor& floorRecord, PlayerRecord& player,
                                          const std::string& line);

struct LaterStageRow {
  int stage;
  LaterStageHandler handler;
};

// The consumption elemental, WORGLETON and WOMBLETON, the tiny skull and the early visitor.
std::span<const LaterStageRow> visitorStages();
// The ANGRY GUY, the PUGNACIOUS RUFFIAN, the SWORD OF KINGS and the curse maker.
std::span<const LaterStageRow> riskyStages();
// The mind flayer's trance and the Quibblex.
std::span<const LaterStageRow> tranceStages();

// The tile the hero last moved onto (0 north, clockwise); a stray value reads as north.
int talkTile(const GameState& state);
// The occupant the talk is with: the one the tile event linked, else the tile's own.
TileOccupant& talkOccupant(GameState& state, Floor& floorRecord);
// The talk's tile loses what stood on it; `text` is what the room description shows there.
void emptyTalkTile(GameState& state, Floor& floorRecord, const char* text);
