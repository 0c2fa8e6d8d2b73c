#include "interpreter/music_requests.h"

#include "world/game_state.h"

void requestMusic(GameState& state, int track) {
  state.previousMusicTrack = state.musicTrack;
  state.musicTrack = -track;
}
