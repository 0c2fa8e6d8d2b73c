#pragma once
// Composes the game's music: short loops of a few synthesised voices (plucked
// arpeggios, bells, a soft pad and a lead) over a chord progression, fight
// layers of drums and bass in the same tempo and length, a victory fanfare
// whose second half loops, and a second of silence.
#include <cstdint>
#include <vector>

#include "app/track_catalog.h"

inline constexpr unsigned kSampleRate = 44100;
inline constexpr unsigned kChannels = 2;

// Interleaved stereo samples of a catalog track.
std::vector<std::int16_t> composeTrack(const TrackEntry& track);
