#pragma once
// The program's globals: the three music streams, the one game state and the
// one player (the track names live with the music player). They are built
// before the entry runs, in the order declared here.

#include "app/sfml_music_stream.h"

struct GameState;
struct PlayerRecord;

extern SfmlMusicStream gCurrentMusic;   // the track asked for last
extern SfmlMusicStream gPreviousMusic;  // the outgoing track of a cross-fade
extern SfmlMusicStream gCombatMusic;    // the fight layer of the ambient track

// The one game state. It lives until the window closes, when the close path
// deletes it; nothing reads it after that.
extern GameState* gGameState;
extern PlayerRecord gPlayer;

// Frame timing: the start of this frame in milliseconds of real time, the
// length of the last frame, and the frame rate it gives.
extern int gFrameStart;
extern int gFrameMillis;
extern int gFramesPerSecond;

// The three streams as the music player takes them.
MusicStreams musicStreams();

// Deletes the game state and forgets it.
void deleteGameState();
