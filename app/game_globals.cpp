#include "app/game_globals.h"

#include "world/game_state.h"
#include "world/player_record.h"

SfmlMusicStream gCurrentMusic;
SfmlMusicStream gPreviousMusic;
SfmlMusicStream gCombatMusic;

GameState* gGameState = new GameState();
PlayerRecord gPlayer;

int gFrameStart = 0;
int gFrameMillis = 0;
int gFramesPerSecond = 0;

MusicStreams musicStreams() { return MusicStreams{gCurrentMusic, gPreviousMusic, gCombatMusic}; }

void deleteGameState() {
  delete gGameState;
  gGameState = nullptr;
}
