#pragma once
// The music: one track at a time, cross-faded from the last one, with the
// ambient track's fight layer laid over it while a fight is on.
//
// Anyone asks for a track with requestMusic (interpreter/music_requests.h);
// the frame loop serves the request after the frame is shown and moves the
// three streams' volumes a step each frame.
#include <array>
#include <string>

#include "interpreter/music_requests.h"

struct GameState;
struct PlayerRecord;

// One looping music stream. The game only opens, starts, pauses, stops, seeks
// and sets the volume of its streams, so that is all a stream offers; a test
// puts a recording stand-in in its place.
class MusicStream {
 public:
  virtual ~MusicStream() = default;
  virtual bool open(const std::string& file) = 0;
  virtual void setLoop(bool loop) = 0;
  // The span the stream loops over, in seconds from its start.
  virtual void setLoopSpan(float offsetSeconds, float lengthSeconds) = 0;
  virtual void setPitch(float pitch) = 0;
  virtual void setVolume(float volume) = 0;
  virtual float volume() const = 0;
  virtual float playingOffset() const = 0;
  virtual void setPlayingOffset(float seconds) = 0;
  virtual void play() = 0;
  virtual void pause() = 0;
  virtual void stop() = 0;
  virtual bool paused() const = 0;
};

// The track now asked for, the one fading out, and the fight layer.
struct MusicStreams {
  MusicStream& current;
  MusicStream& previous;
  MusicStream& combat;
};

// Track names: the three ambient tracks by ambient index, the dungeon theme
// and the victory track; each plays from "audio/" + name + ".ogg".
extern const std::array<std::string, 3> gAmbientTrackNames;
extern const std::string gDungeonTrackName;
extern const std::string gVictoryTrackName;

// The loudest the game ever plays (the library's scale is 0..100).
constexpr float kMusicVolume = 30.f;

// Serves the request for `track`: the outgoing track goes on in the previous
// stream from the same place and loudness, the new one starts silent in the
// current stream. Files that fail to open print "error!" and the switch goes on.
void updateMusic(int track, GameState& state, const PlayerRecord& player, MusicStreams& streams);

// Once per frame, after the window is shown: serve a pending request, or fade
// the fight layer in or out; then cross-fade, and pause or resume everything
// as the music setting says. Fades scale with the last frame's length.
void musicFrameStep(GameState& state, const PlayerRecord& player, MusicStreams& streams, int frameMillis);
