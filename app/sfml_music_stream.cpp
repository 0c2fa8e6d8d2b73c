#include "app/sfml_music_stream.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/System/Err.hpp>

#include <iostream>
#include <sstream>

namespace {

// The first stream made opens the library's device, which stays open while
// any stream exists. Its complaint, if any, is caught here.
std::unique_ptr<sf::Music> makeFirstMusic(bool& deviceFound) {
  std::ostringstream said;
  std::streambuf* errors = sf::err().rdbuf(said.rdbuf());
  auto music = std::make_unique<sf::Music>();
  sf::err().rdbuf(errors);
  deviceFound = said.str().find("Failed to open the audio device") == std::string::npos;
  if (!deviceFound) std::cerr << "No sound device: the game plays without music.\n";
  return music;
}

enum class Device { Unknown, Present, Missing };
Device gDevice = Device::Unknown;

}  // namespace

sf::Music* SfmlMusicStream::music() {
  if (!probed_) {
    probed_ = true;
    if (gDevice == Device::Unknown) {
      bool found = false;
      music_ = makeFirstMusic(found);
      gDevice = found ? Device::Present : Device::Missing;
    } else if (gDevice == Device::Present) {
      music_ = std::make_unique<sf::Music>();
    }
    // Without a device the stream stays null: nothing is ever streamed.
    if (gDevice == Device::Missing && music_) {
      std::ostringstream ignored;  // the library grumbles once more as it lets go
      std::streambuf* errors = sf::err().rdbuf(ignored.rdbuf());
      music_.reset();
      sf::err().rdbuf(errors);
    }
  }
  return music_.get();
}

bool SfmlMusicStream::open(const std::string& file) {
  sf::Music* stream = music();
  if (!stream) {
    // Nothing to play it on, but a missing or broken file is still told
    // about, as it would be with a device.
    sf::InputSoundFile probe;
    return probe.openFromFile(file);
  }
  // A failed open leaves the stream unusable; remember so no loop points are
  // set on it until a file opens again.
  opened_ = stream->openFromFile(file);
  if (opened_) stream->setVolume(volume_);
  return opened_;
}

void SfmlMusicStream::setLoop(bool loop) {
  if (sf::Music* stream = music()) stream->setLoop(loop);
}

void SfmlMusicStream::setLoopSpan(float offsetSeconds, float lengthSeconds) {
  sf::Music* stream = music();
  if (!stream || !opened_ || stream->getDuration() <= sf::seconds(offsetSeconds)) return;
  stream->setLoopPoints(sf::Music::TimeSpan(sf::seconds(offsetSeconds), sf::seconds(lengthSeconds)));
}

void SfmlMusicStream::setPitch(float pitch) {
  if (sf::Music* stream = music()) stream->setPitch(pitch);
}

void SfmlMusicStream::setVolume(float volume) {
  volume_ = volume < 0.f ? 0.f : (volume > 100.f ? 100.f : volume);
  if (sf::Music* stream = music()) stream->setVolume(volume_);
}

float SfmlMusicStream::volume() const { return volume_; }

float SfmlMusicStream::playingOffset() const {
  return music_ && opened_ ? music_->getPlayingOffset().asSeconds() : 0.f;
}

void SfmlMusicStream::setPlayingOffset(float seconds) {
  if (music_ && opened_) music_->setPlayingOffset(sf::seconds(seconds));
}

void SfmlMusicStream::play() {
  if (music_ && opened_) music_->play();
}

void SfmlMusicStream::pause() {
  if (music_) music_->pause();
}

void SfmlMusicStream::stop() {
  if (music_) music_->stop();
}

bool SfmlMusicStream::paused() const { return music_ && music_->getStatus() == sf::SoundSource::Paused; }
