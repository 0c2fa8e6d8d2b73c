#include "tools/assetgen/music.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr float kTau = 6.28318530718f;

enum class Voice { Pluck, Bell, Pad, Lead, Brass, Bass, Kick, Snare, Hat };

// One song in a key: the ambient tracks, the theme and the victory piece are
// rows of this table, and a fight layer uses its ambient track's row.
// Columns: name, beats per minute, bars, root (MIDI), scale, chord per bar
// (scale degrees), arpeggio voice, lead voice, lead rhythm (8 eighths, 1 =
// note), seed for the lead's melody, bars of intro before the loop.
struct Song {
  std::string_view name;
  float bpm;
  int bars;
  int root;
  std::array<int, 7> scale;
  std::array<int, 16> chords;
  Voice arpeggio;
  Voice lead;
  std::array<int, 8> rhythm;
  std::uint32_t seed;
  int introBars;
};

constexpr std::array<int, 7> kMinor = {0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian = {0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kPhrygian = {0, 1, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kHarmonicMinor = {0, 2, 3, 5, 7, 8, 11};
constexpr std::array<int, 7> kMajor = {0, 2, 4, 5, 7, 9, 11};

// The victory piece plays 8 bars of fanfare before its loop, and its loop
// starts exactly at the loop point the music player sets: 8 bars of
// 13.3 s / 8 each, i.e. 144.36 beats per minute.
constexpr float kVictoryBpm = 8 * 4 * 60.0f / kVictoryLoopStartSeconds;

const Song kSongs[] = {
    {"QuibblentDungeon", 104, 8, 50, kDorian, {0, 6, 5, 4, 0, 6, 3, 4}, Voice::Pluck, Voice::Lead, {1, 0, 1, 1, 0, 1, 1, 0}, 11, 0},
    {"SomewhatSpooked", 76, 8, 57, kMinor, {0, 3, 0, 4, 5, 3, 1, 4}, Voice::Bell, Voice::Bell, {1, 0, 0, 1, 0, 0, 1, 0}, 23, 0},
    {"TwistedLanguage", 90, 8, 52, kPhrygian, {0, 1, 0, 6, 5, 1, 3, 0}, Voice::Pluck, Voice::Lead, {1, 1, 0, 1, 0, 1, 0, 1}, 37, 0},
    {"Hexicon", 84, 8, 48, kHarmonicMinor, {0, 5, 3, 4, 0, 5, 1, 4}, Voice::Bell, Voice::Pluck, {1, 0, 1, 0, 1, 1, 0, 0}, 41, 0},
    {"Victory", kVictoryBpm, 16, 48, kMajor, {0, 3, 4, 0, 5, 3, 4, 4, 0, 5, 3, 4, 0, 5, 1, 4}, Voice::Pluck, Voice::Brass, {1, 0, 1, 1, 1, 0, 1, 0}, 7, 8},
};

const Song& songFor(std::string_view name) {
  for (const Song& song : kSongs)
    if (song.name == name) return song;
  throw std::logic_error("no song for " + std::string(name));
}

float midiToHz(int note) { return 440.0f * std::pow(2.0f, (note - 69) / 12.0f); }

// A small repeatable generator for melodies and noise.
struct Lcg {
  std::uint32_t state;
  std::uint32_t next() { return state = state * 1664525u + 1013904223u; }
  float noise() { return static_cast<float>(next() >> 8) / 8388608.0f - 1.0f; }
};

// A stereo mix whose notes ring on past the end by wrapping into the loop,
// so the file loops without a click.
class Mix {
 public:
  Mix(std::size_t frames, std::size_t loopStart) : left_(frames), right_(frames), loopStart_(loopStart) {}

  void add(std::size_t frame, float sample, float pan) {
    if (frame >= left_.size()) frame = loopStart_ + (frame - left_.size()) % (left_.size() - loopStart_);
    left_[frame] += sample * (1.0f - pan);
    right_[frame] += sample * (1.0f + pan);
  }

  std::vector<std::int16_t> finish() const {
    float peak = 1e-6f;
    for (std::size_t i = 0; i < left_.size(); ++i) peak = std::max({peak, std::abs(left_[i]), std::abs(right_[i])});
    const float gain = 0.8f * 32767.0f / peak;
    std::vector<std::int16_t> samples;
    samples.reserve(left_.size() * 2);
    for (std::size_t i = 0; i < left_.size(); ++i) {
      samples.push_back(static_cast<std::int16_t>(std::lround(left_[i] * gain)));
      samples.push_back(static_cast<std::int16_t>(std::lround(right_[i] * gain)));
    }
    return samples;
  }

 private:
  std::vector<float> left_, right_;
  std::size_t loopStart_;
};

// Renders one note of a voice into the mix.
void note(Mix& mix, Voice voice, float start, float length, int midi, float loudness, float pan, Lcg& noise) {
  const float hz = midiToHz(midi);
  float tail = 0.0f;
  switch (voice) {
    case Voice::Pluck: tail = 1.2f; break;
    case Voice::Bell: tail = 2.5f; break;
    case Voice::Pad: tail = 0.8f; break;
    case Voice::Lead: tail = 0.25f; break;
    case Voice::Brass: tail = 0.15f; break;
    case Voice::Bass: tail = 0.1f; break;
    case Voice::Kick: tail = 0.35f; break;
    case Voice::Snare: tail = 0.25f; break;
    case Voice::Hat: tail = 0.06f; break;
  }
  const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
  const std::size_t count = static_cast<std::size_t>((length + tail) * kSampleRate);
  float phase = 0.0f, previousNoise = 0.0f;
  for (std::size_t i = 0; i < count; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const float attack = std::min(1.0f, t / 0.004f);
    float s = 0.0f;
    switch (voice) {
      case Voice::Pluck:
        for (int h = 1; h <= 4; ++h) s += std::sin(kTau * hz * h * t) * std::exp(-t * 3.0f * h) / h;
        s *= attack;
        break;
      case Voice::Bell:
        s = (std::sin(kTau * hz * t) + 0.4f * std::sin(kTau * hz * 2.76f * t) * std::exp(-t * 3.0f)) * std::exp(-t * 1.6f) * attack;
        break;
      case Voice::Pad: {
        const float rise = std::min(1.0f, t / 0.6f);
        const float fall = t > length ? std::max(0.0f, 1.0f - (t - length) / tail) : 1.0f;
        const float wobble = 1.0f + 0.003f * std::sin(kTau * 5.0f * t);
        s = (std::sin(kTau * hz * wobble * t) + 0.3f * std::sin(kTau * hz * 2.003f * t) + 0.15f * std::sin(kTau * hz * 3.0f * t)) * rise * fall;
        break;
      }
      case Voice::Lead: {
        const float fall = t > length ? std::max(0.0f, 1.0f - (t - length) / tail) : 1.0f;
        const float vibrato = 1.0f + 0.006f * std::sin(kTau * 5.5f * t) * std::min(1.0f, t / 0.3f);
        phase += hz * vibrato / kSampleRate;
        s = (std::sin(kTau * phase) + 0.25f * std::sin(2 * kTau * phase) + 0.1f * std::sin(3 * kTau * phase)) * std::min(1.0f, t / 0.02f) * fall *
            (0.75f + 0.25f * std::exp(-t * 4.0f));
        break;
      }
      case Voice::Brass: {
        const float fall = t > length ? std::max(0.0f, 1.0f - (t - length) / tail) : 1.0f;
        const float open = std::min(1.0f, t / 0.04f);
        for (int h = 1; h <= 6; ++h) s += std::sin(kTau * hz * h * t) * (h == 1 ? 1.0f : open * 0.6f / h);
        s *= open * fall;
        break;
      }
      case Voice::Bass: {
        const float fall = t > length ? std::max(0.0f, 1.0f - (t - length) / tail) : 1.0f;
        s = (std::sin(kTau * hz * t) + 0.35f * std::sin(kTau * hz * 2 * t)) * std::min(1.0f, t / 0.006f) * fall * (0.6f + 0.4f * std::exp(-t * 8.0f));
        break;
      }
      case Voice::Kick:
        phase += (45.0f + 90.0f * std::exp(-t * 30.0f)) / kSampleRate;
        s = std::sin(kTau * phase) * std::exp(-t * 9.0f);
        break;
      case Voice::Snare:
        s = (noise.noise() * 0.8f + 0.5f * std::sin(kTau * 190.0f * t)) * std::exp(-t * 18.0f);
        break;
      case Voice::Hat: {
        const float white = noise.noise();
        s = (white - previousNoise) * 0.5f * std::exp(-t * 70.0f);
        previousNoise = white;
        break;
      }
    }
    mix.add(first + i, s * loudness, pan);
  }
}

// The MIDI notes of the triad on a scale degree, from the octave of `base`.
std::array<int, 3> triad(const Song& song, int degree, int base) {
  std::array<int, 3> notes{};
  for (int k = 0; k < 3; ++k) {
    const int step = degree + 2 * k;
    notes[k] = base + song.scale[step % 7] + 12 * (step / 7);
  }
  return notes;
}

// A scale step counted from the root, any number of steps up or down.
int scaleNote(const Song& song, int base, int step) {
  const int octave = step >= 0 ? step / 7 : -((-step + 6) / 7);
  return base + song.scale[step - octave * 7] + 12 * octave;
}

struct Timing {
  float beat;
  float bar;
  std::size_t frames;
  std::size_t loopStart;
};

Timing timingOf(const Song& song) {
  Timing t{};
  t.beat = 60.0f / song.bpm;
  t.bar = 4 * t.beat;
  t.frames = static_cast<std::size_t>(std::lround(song.bars * t.bar * kSampleRate));
  t.loopStart = static_cast<std::size_t>(std::lround(song.introBars * t.bar * kSampleRate));
  return t;
}

// The calm layer: pad chords, an arpeggio and a lead melody built from a
// two-bar motif that follows the chords.
std::vector<std::int16_t> composeAmbient(const Song& song) {
  const Timing time = timingOf(song);
  Mix mix(time.frames, time.loopStart);
  Lcg random{song.seed};
  Lcg noise{song.seed * 7 + 1};
  const bool fanfare = song.lead == Voice::Brass;

  // The motif: scale steps above the chord's root, one per eighth, rests where the rhythm says.
  std::array<int, 16> motif{};
  int step = 4;
  for (int i = 0; i < 16; ++i) {
    step += static_cast<int>(random.next() % 5) - 2;
    step = std::clamp(step, 0, 9);
    if (i % 8 == 0) step = (random.next() % 2) ? 2 : 4;  // land on a chord tone each bar
    motif[i] = step;
  }

  for (int bar = 0; bar < song.bars; ++bar) {
    const float barStart = bar * time.bar;
    const int degree = song.chords[bar];
    const auto pad = triad(song, degree, song.root);
    for (int k = 0; k < 3; ++k) note(mix, Voice::Pad, barStart, time.bar * 0.95f, pad[k], 0.09f, -0.3f + 0.3f * k, noise);
    note(mix, Voice::Bass, barStart, time.bar * 0.9f, triad(song, degree, song.root - 12)[0], 0.22f, 0.0f, noise);

    // Arpeggio in eighths over two octaves of the chord.
    const auto low = triad(song, degree, song.root + 12);
    static constexpr int kArpeggio[8] = {0, 1, 2, 4, 3, 2, 1, 2};
    for (int e = 0; e < 8; ++e) {
      const int index = kArpeggio[e];
      const int midi = low[index % 3] + 12 * (index / 3);
      note(mix, song.arpeggio, barStart + e * time.beat / 2, time.beat / 2, midi, song.arpeggio == Voice::Bell ? 0.1f : 0.13f, e % 2 ? 0.35f : -0.35f, noise);
    }

    // Lead: the motif on odd and even bars, moved to the chord; quiet in the first two bars of a loop.
    const bool leadRests = !fanfare && bar < 2;
    if (!leadRests) {
      for (int e = 0; e < 8; ++e) {
        if (!song.rhythm[e]) continue;
        const int length = (e + 1 < 8 && !song.rhythm[e + 1]) ? 2 : 1;
        const int midi = scaleNote(song, song.root + 12, degree + motif[(bar % 2) * 8 + e]);
        note(mix, song.lead, barStart + e * time.beat / 2, length * time.beat / 2 * 0.9f, midi, fanfare ? 0.16f : 0.15f, 0.1f, noise);
      }
    }

    // Light percussion keeps the theme and the fanfare moving.
    if (song.name == "QuibblentDungeon" || fanfare) {
      for (int e = 0; e < 8; ++e) note(mix, Voice::Hat, barStart + e * time.beat / 2, 0.02f, 0, e % 2 ? 0.05f : 0.09f, 0.4f, noise);
    }
    if (fanfare) {
      note(mix, Voice::Kick, barStart, 0.1f, 0, 0.45f, 0.0f, noise);
      note(mix, Voice::Kick, barStart + 2 * time.beat, 0.1f, 0, 0.35f, 0.0f, noise);
      if (bar >= song.introBars) {
        note(mix, Voice::Snare, barStart + time.beat, 0.1f, 0, 0.18f, 0.0f, noise);
        note(mix, Voice::Snare, barStart + 3 * time.beat, 0.1f, 0, 0.18f, 0.0f, noise);
      }
    }
  }
  return mix.finish();
}

// The fight layer: drums, a driving bass and off-beat stabs of the same
// chords, the same tempo and length as its ambient track.
std::vector<std::int16_t> composeFightLayer(const Song& song) {
  const Timing time = timingOf(song);
  Mix mix(time.frames, time.loopStart);
  Lcg noise{song.seed * 13 + 5};
  const float eighth = time.beat / 2;
  for (int bar = 0; bar < song.bars; ++bar) {
    const float barStart = bar * time.bar;
    const int degree = song.chords[bar];
    const auto bass = triad(song, degree, song.root - 12);
    const auto stab = triad(song, degree, song.root + 12);
    for (int e = 0; e < 8; ++e) {
      const float at = barStart + e * eighth;
      if (e == 0 || e == 4 || (e == 7 && bar % 2 == 1) || e == 5) note(mix, Voice::Kick, at, 0.1f, 0, 0.55f, 0.0f, noise);
      if (e == 2 || e == 6) note(mix, Voice::Snare, at, 0.1f, 0, 0.28f, 0.05f, noise);
      note(mix, Voice::Hat, at, 0.02f, 0, e % 2 ? 0.12f : 0.07f, -0.4f, noise);
      note(mix, Voice::Bass, at, eighth * 0.8f, e == 7 ? bass[2] - 12 : bass[0] - (e % 2 ? 0 : 12) + 12, 0.25f, 0.0f, noise);
      if (e % 2 == 1) {
        for (int k = 0; k < 3; ++k) note(mix, Voice::Brass, at, eighth * 0.4f, stab[k], 0.05f, 0.3f, noise);
      }
    }
  }
  return mix.finish();
}

}  // namespace

std::vector<std::int16_t> composeTrack(const TrackEntry& track) {
  switch (track.kind) {
    case TrackKind::Silence:
      return std::vector<std::int16_t>(static_cast<std::size_t>(kSilenceSeconds * kSampleRate) * kChannels, 0);
    case TrackKind::FightLayer:
      return composeFightLayer(songFor(track.partner));
    case TrackKind::Theme:
    case TrackKind::Ambient:
    case TrackKind::Victory:
      return composeAmbient(songFor(track.name));
  }
  throw std::logic_error("unknown track kind");
}
