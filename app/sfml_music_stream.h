#pragma once
// A music stream played through the multimedia library's streaming thread.
//
// A machine without a sound device must still play the game. The library
// reports a missing device only as text on its error stream and then keeps
// failing, from its streaming threads as well, loudly enough to bring the
// program down; so the device is probed once, when the first stream is made,
// and without one every stream stays silent and does nothing.
#include <SFML/Audio/Music.hpp>

#include <memory>

#include "app/music_player.h"

class SfmlMusicStream : public MusicStream {
 public:
  bool open(const std::string& file) override;
  void setLoop(bool loop) override;
  void setLoopSpan(float offsetSeconds, float lengthSeconds) override;
  void setPitch(float pitch) override;
  void setVolume(float volume) override;
  float volume() const override;
  float playingOffset() const override;
  void setPlayingOffset(float seconds) override;
  void play() override;
  void pause() override;
  void stop() override;
  bool paused() const override;

 private:
  // The library's stream, made on first use (not while the program's globals
  // are built); null when there is no sound device.
  sf::Music* music();

  std::unique_ptr<sf::Music> music_;
  bool probed_ = false;
  // Loop points only make sense for an opened file; the library complains
  // about any others.
  bool opened_ = false;
  // Kept here too, so fades run their course even without a device.
  float volume_ = 100.f;
};
