#pragma once
// What stepping onto one of the eight tiles plays out. The entry is
// GameState::handleTileEvent; each tile kind has its handler.
struct GameState;
struct Floor;
struct PlayerRecord;

// Plays out the tile in `direction` (0 north, clockwise to 7 northwest),
// leaving the whole reply in GameState::messageBuffer.
using TileHandler = void (*)(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction);

// The reply of a tile that holds nothing (the empty kind and any kind no
// handler knows).
inline constexpr const char* kNothingImportantText = "You walk over to the tile but there is nothing important \n"
                                                     "there. You stand around twiddling your thumbs for a bit, \n"
                                                     "but eventually it starts to feel rather silly. \n"
                                                     "You return to the center.";
