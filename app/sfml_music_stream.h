#pragma once
// A music stream played through the multimedia library's streaming thread.
#include <SFML/Audio/Music.hpp>

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
  sf::Music music_;
  // Loop points only make sense for an opened file; the library complains
  // about any others.
  bool opened_ = false;
};
