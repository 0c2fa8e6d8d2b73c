#include "app/sfml_music_stream.h"

bool SfmlMusicStream::open(const std::string& file) {
  // A failed open leaves the stream unusable; remember so no loop points are
  // set on it until a file opens again.
  opened_ = music_.openFromFile(file);
  return opened_;
}

void SfmlMusicStream::setLoop(bool loop) { music_.setLoop(loop); }

void SfmlMusicStream::setLoopSpan(float offsetSeconds, float lengthSeconds) {
  if (!opened_ || music_.getDuration() <= sf::seconds(offsetSeconds)) return;
  music_.setLoopPoints(sf::Music::TimeSpan(sf::seconds(offsetSeconds), sf::seconds(lengthSeconds)));
}

void SfmlMusicStream::setPitch(float pitch) { music_.setPitch(pitch); }

void SfmlMusicStream::setVolume(float volume) { music_.setVolume(volume < 0.f ? 0.f : volume); }

float SfmlMusicStream::volume() const { return music_.getVolume(); }

float SfmlMusicStream::playingOffset() const { return music_.getPlayingOffset().asSeconds(); }

void SfmlMusicStream::setPlayingOffset(float seconds) {
  if (opened_) music_.setPlayingOffset(sf::seconds(seconds));
}

void SfmlMusicStream::play() {
  if (opened_) music_.play();
}

void SfmlMusicStream::pause() { music_.pause(); }

void SfmlMusicStream::stop() { music_.stop(); }

bool SfmlMusicStream::paused() const { return music_.getStatus() == sf::SoundSource::Paused; }
