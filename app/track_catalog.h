#pragma once
// The music files the game can play, one row per file "audio/" + name + ".ogg".
// The music player opens them by name, the asset generator composes one track
// per row, and a test checks the generated files against the rules below.
#include <string>
#include <string_view>

enum class TrackKind {
  Silence,     // played between tracks; loops forever
  Theme,       // the dungeon theme (also played at half pitch on the death page)
  Ambient,     // floor music; its fight layer starts with it and loops beside it
  FightLayer,  // drums and bass laid over an ambient track while a fight is on
  Victory,     // loops back to kVictoryLoopStartSeconds, not to its start
};

struct TrackEntry {
  std::string_view name;
  TrackKind kind;
  // For an ambient track, its fight layer; for a fight layer, its ambient
  // track. The two start together and loop on their own, so they must have
  // the same length to stay in step.
  std::string_view partner;
};

// The victory track's loop span starts here; the track must be longer.
inline constexpr float kVictoryLoopStartSeconds = 13.3f;
// Silence only needs to be long enough to loop.
inline constexpr float kSilenceSeconds = 1.0f;

// Columns: name, kind, partner.
inline constexpr TrackEntry kTrackCatalog[] = {
    {"blank", TrackKind::Silence, ""},
    {"QuibblentDungeon", TrackKind::Theme, ""},
    {"Victory", TrackKind::Victory, ""},
    {"SomewhatSpooked", TrackKind::Ambient, "SomewhatSpooked-D"},
    {"SomewhatSpooked-D", TrackKind::FightLayer, "SomewhatSpooked"},
    {"TwistedLanguage", TrackKind::Ambient, "TwistedLanguage-D"},
    {"TwistedLanguage-D", TrackKind::FightLayer, "TwistedLanguage"},
    {"Hexicon", TrackKind::Ambient, "Hexicon-D"},
    {"Hexicon-D", TrackKind::FightLayer, "Hexicon"},
};

// The file a track is opened from, relative to the program's folder.
inline std::string trackPath(std::string_view name) {
  return "audio/" + std::string(name) + ".ogg";
}

// The catalog row of a track, or nullptr when the game has no such track.
constexpr const TrackEntry* findTrack(std::string_view name) {
  for (const TrackEntry& entry : kTrackCatalog) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}
