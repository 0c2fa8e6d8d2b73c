#include "app/music_player.h"

#include <iostream>

#include "app/track_catalog.h"
#include "interpreter/overwrite_death.h"
#include "world/game_state.h"
#include "world/player_record.h"

const std::array<std::string, 3> gAmbientTrackNames = {"SomewhatSpooked", "TwistedLanguage", "Hexicon"};
const std::string gDungeonTrackName = "QuibblentDungeon";
const std::string gVictoryTrackName = "Victory";

namespace {

constexpr int kAmbientTrackCount = 3;
const char* const kSilenceTrackName = "blank";

// Long enough to mean "to the end of the track".
constexpr float kWholeTrack = 9999.f;

void openOrComplain(MusicStream& stream, const std::string& name) {
  if (!stream.open(trackPath(name))) std::cout << "error!";
}

bool isAmbientRequest(int track) { return track >= 1 && track <= kAmbientTrackCount; }

bool isKnownRequest(int track) {
  return track == kAmbientTrack || isAmbientRequest(track) || track == kDungeonTheme ||
         track == kDungeonThemeSlowed || track == kVictoryTrack || track == kSilence;
}

// The number a served request leaves in the game state: requests 1..3 bring
// back ambient index 0..2, every other request is stored as it is.
int servedNumber(int track) { return isAmbientRequest(track) ? track - 1 : track; }

// The track that played before the request goes on in the previous stream.
void reopenOutgoing(int previousTrack, MusicStreams& streams) {
  if (previousTrack >= 0 && previousTrack < kAmbientTrackCount) {
    openOrComplain(streams.previous, gAmbientTrackNames[previousTrack]);
  } else if (previousTrack == kDungeonTheme || previousTrack == kDungeonThemeSlowed) {
    openOrComplain(streams.previous, gDungeonTrackName);
    if (previousTrack == kDungeonThemeSlowed) streams.previous.setPitch(0.5f);
  } else if (previousTrack == kVictoryTrack) {
    openOrComplain(streams.previous, gVictoryTrackName);
  } else {
    openOrComplain(streams.previous, kSilenceTrackName);
  }
}

void startAmbient(int ambientIndex, GameState& state, MusicStreams& streams) {
  state.musicTrack = ambientIndex;
  const std::string name = gAmbientTrackNames[ambientIndex];
  openOrComplain(streams.current, name);
  openOrComplain(streams.combat, name + "-D");
  streams.combat.setVolume(0.f);
  streams.combat.play();
}

// A long frame can take a fade past silence; a volume below 0 is no volume
// the library accepts, and a fade stuck there would never end.
void raise(MusicStream& stream, float by) {
  const float volume = stream.volume() + by;
  stream.setVolume(volume < 0.f ? 0.f : volume);
}

}  // namespace

void updateMusic(int track, GameState& state, const PlayerRecord& player, MusicStreams& streams) {
  streams.current.setLoopSpan(0.f, kWholeTrack);
  if (!isKnownRequest(track)) {
    // Nobody asks for such a number; keep whatever plays.
    state.musicTrack = state.previousMusicTrack >= 0 ? state.previousMusicTrack : kSilence;
    return;
  }
  state.musicTrack = servedNumber(track);
  // Compared in the served numbering, so that a request to bring back an
  // ambient track is not mistaken for the one now playing.
  if (state.previousMusicTrack == servedNumber(track)) return;

  streams.previous.stop();
  streams.previous.setPitch(1.f);
  reopenOutgoing(state.previousMusicTrack, streams);
  streams.previous.setVolume(streams.current.volume());
  const float offset = streams.current.playingOffset();
  if (state.musicOn) streams.previous.play();
  streams.previous.setPlayingOffset(offset);

  streams.current.stop();
  streams.current.setPitch(1.f);
  switch (track) {
    case kAmbientTrack: {
      int ambientIndex = 0;
      do {
        ambientIndex = static_cast<int>(state.random() % kAmbientTrackCount);
      } while (ambientIndex == state.previousMusicTrack);
      startAmbient(ambientIndex, state, streams);
      break;
    }
    case kDungeonTheme:
      openOrComplain(streams.current, gDungeonTrackName);
      break;
    case kDungeonThemeSlowed:
      openOrComplain(streams.current, gDungeonTrackName);
      streams.current.setPitch(0.5f);
      break;
    case kVictoryTrack:
      openOrComplain(streams.current, gVictoryTrackName);
      if (player.playerClass == "ZOMBIE") streams.current.setPitch(0.5f);
      streams.current.setLoopSpan(kVictoryLoopStartSeconds, kWholeTrack);
      break;
    case kSilence:
      openOrComplain(streams.current, kSilenceTrackName);
      break;
    default:
      startAmbient(track - 1, state, streams);
      break;
  }
  // Started even with the music off; the frame step pauses it then.
  streams.current.setVolume(0.f);
  streams.current.play();
}

void musicFrameStep(GameState& state, const PlayerRecord& player, MusicStreams& streams, int frameMillis) {
  const float step = static_cast<float>(frameMillis) * 0.02f;

  if (state.musicTrack < 0) {
    updateMusic(-state.musicTrack, state, player, streams);
  } else if (state.combatState != 0 && state.pendingPrompt != kDeathPrompt) {
    // On the death page the fight is not cleared yet, but its music goes.
    if (streams.combat.volume() < kMusicVolume) raise(streams.combat, step);
  } else if (streams.combat.volume() > 0.f) {
    if (streams.combat.volume() < 1.f) {
      streams.combat.setVolume(0.f);
    } else {
      raise(streams.combat, -2.f * step);
    }
  }

  if (state.musicOn && state.musicTrack >= 0) {
    for (MusicStream* stream : {&streams.current, &streams.previous, &streams.combat}) {
      if (stream->paused()) stream->play();
    }
    if (streams.previous.volume() > 0.f) {
      if (streams.previous.volume() < 1.f) {
        streams.previous.setVolume(0.f);
      } else {
        raise(streams.current, step);
        raise(streams.previous, -step);
      }
    }
    if (streams.previous.volume() == 0.f) {
      if (streams.current.volume() < kMusicVolume) raise(streams.current, step);
      streams.previous.stop();
    }
  } else if (!state.musicOn) {
    streams.current.pause();
    streams.previous.pause();
    streams.combat.pause();
  }

  for (MusicStream* stream : {&streams.current, &streams.previous, &streams.combat}) {
    if (stream->volume() > kMusicVolume) stream->setVolume(kMusicVolume);
  }
}
