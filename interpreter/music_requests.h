#pragma once
// Asking for music. The game step only leaves a request in the game state;
// the window's music player serves it after the next frame, and both sides
// number the tracks with the constants below.
struct GameState;

// Track numbers of a request. 1..3 bring back ambient track 0..2.
inline constexpr int kAmbientTrack = 9;  // a random ambient track, not the one just played
inline constexpr int kDungeonTheme = 10;
inline constexpr int kDungeonThemeSlowed = 11;
inline constexpr int kVictoryTrack = 12;
inline constexpr int kSilence = 99;

// Asks for `track`: the track playing now becomes the previous one and the
// request is stored negated, which is how the music player tells a request
// from a track being played.
void requestMusic(GameState& state, int track);
