// The pictures, music and fonts the build puts beside the program: each file
// the game can ask for exists, loads, and has the shape the screen and the
// music player rely on.
#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/picture_catalog.h"
#include "app/track_catalog.h"

namespace {

const std::filesystem::path kRuntime = QUIBBLENT_RUNTIME_DIR;

std::string runtimeFile(const std::string& relative) { return (kRuntime / relative).string(); }

bool loadPicture(std::string_view word, sf::Image& image) {
  return image.loadFromFile(runtimeFile(picturePath(word)));
}

TEST(GeneratedPictures, EveryCatalogPictureLoadsAtItsCatalogSize) {
  for (const PictureEntry& entry : kPictureCatalog) {
    SCOPED_TRACE(std::string(entry.word));
    sf::Image image;
    ASSERT_TRUE(loadPicture(entry.word, image));
    EXPECT_EQ(image.getSize().x, static_cast<unsigned>(entry.width));
    EXPECT_EQ(image.getSize().y, static_cast<unsigned>(entry.height));
  }
}

TEST(GeneratedPictures, CatalogWordsAreUniqueAndFileSafe) {
  std::set<std::string_view> seen;
  for (const PictureEntry& entry : kPictureCatalog) {
    EXPECT_TRUE(seen.insert(entry.word).second) << "twice: " << entry.word;
    EXPECT_FALSE(entry.word.empty());
    EXPECT_TRUE(std::all_of(entry.word.begin(), entry.word.end(), [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; }))
        << entry.word;
  }
}

// A sprite keeps the rectangle of the first picture it was given, so every
// picture it can later show must be exactly that size. Columns: the sprite's
// first picture, the kinds it can show, single words it can show besides.
struct SpriteGroup {
  const char* sprite;
  const char* first;
  std::vector<PictureKind> kinds;
  std::vector<std::string_view> words;
};

TEST(GeneratedPictures, EveryPictureASpriteCanShowHasTheSizeOfItsFirstPicture) {
  const SpriteGroup groups[] = {
      {"compass tile", "blank", {PictureKind::TileFeature, PictureKind::Creature, PictureKind::Character, PictureKind::Portrait}, {}},
      {"inventory icon", "blank", {PictureKind::Item}, {}},
      {"skill icon", "blank", {PictureKind::Skill}, {"antibiotics"}},
      {"weapon and armor", "blank", {PictureKind::Gear}, {}},
      {"effect marker", "blank", {}, {"regen", "poison"}},
      {"secret room", "blank", {PictureKind::SecretRoom}, {"secret"}},
      {"portrait", "player", {PictureKind::Portrait}, {}},
      {"background", "bground", {}, {"bground_2"}},
      {"achievement", "locked", {PictureKind::Achievement},
       {"player", "academic", "convict", "opportunist", "zombie", "hellsatan", "johnny", "swap", "jimmy", "dragon",
        "ghast", "deeptroll", "stablord", "lsd", "stapleremover"}},
      {"slot number", "one", {PictureKind::Number}, {}},
  };
  for (const SpriteGroup& group : groups) {
    SCOPED_TRACE(group.sprite);
    const PictureEntry* first = findPicture(group.first);
    ASSERT_NE(first, nullptr);
    std::vector<const PictureEntry*> members;
    for (const PictureEntry& entry : kPictureCatalog)
      if (std::find(group.kinds.begin(), group.kinds.end(), entry.kind) != group.kinds.end()) members.push_back(&entry);
    for (std::string_view word : group.words) {
      ASSERT_NE(findPicture(word), nullptr) << word;
      members.push_back(findPicture(word));
    }
    for (const PictureEntry* member : members) {
      EXPECT_EQ(member->width, first->width) << member->word;
      EXPECT_EQ(member->height, first->height) << member->word;
    }
  }
}

// Pictures are drawings, not placeholders: none is a flat box (one colour and
// perhaps a border) and no two are the same image, as they would be if a
// painter fell back to a default.
TEST(GeneratedPictures, PicturesAreDistinctDrawings) {
  std::map<std::vector<std::uint8_t>, std::string_view> byPixels;
  for (const PictureEntry& entry : kPictureCatalog) {
    if (entry.word == "blank") continue;
    SCOPED_TRACE(std::string(entry.word));
    sf::Image image;
    ASSERT_TRUE(loadPicture(entry.word, image));
    const std::uint8_t* data = image.getPixelsPtr();
    std::vector<std::uint8_t> pixels(data, data + image.getSize().x * image.getSize().y * 4);
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i < pixels.size(); i += 4)
      if (pixels[i + 3] != 0) colours.insert(pixels[i] << 24 | pixels[i + 1] << 16 | pixels[i + 2] << 8 | pixels[i + 3]);
    EXPECT_GE(colours.size(), 3u);
    const auto [where, added] = byPixels.emplace(pixels, entry.word);
    EXPECT_TRUE(added) << "same image as " << where->second;
  }
}

// How the screen layers its pictures asks for some clear pixels.
TEST(GeneratedPictures, OverlaysLeaveWhatIsBeneathThemVisible) {
  sf::Image image;
  // Blank stands for "nothing here" on every sprite that starts empty.
  ASSERT_TRUE(loadPicture("blank", image));
  for (unsigned y = 0; y < image.getSize().y; ++y)
    for (unsigned x = 0; x < image.getSize().x; ++x) ASSERT_EQ(image.getPixel(x, y).a, 0) << x << "," << y;

  // The effect markers overlap one another and the status line 20 pixels to
  // their right: only their top-left corner may be painted.
  for (const char* word : {"regen", "poison"}) {
    SCOPED_TRACE(word);
    ASSERT_TRUE(loadPicture(word, image));
    bool marked = false;
    for (unsigned y = 0; y < image.getSize().y; ++y) {
      for (unsigned x = 0; x < image.getSize().x; ++x) {
        const bool inCorner = x < 20 && y < 20;
        if (!inCorner) {
          ASSERT_EQ(image.getPixel(x, y).a, 0) << x << "," << y;
        }
        marked = marked || image.getPixel(x, y).a != 0;
      }
    }
    EXPECT_TRUE(marked);
  }

  // The lock lies over a skill icon or an achievement number, which must
  // still show through it where the numeral is drawn, dimmed.
  ASSERT_TRUE(loadPicture("locked", image));
  for (unsigned y = 10; y < 27; ++y) {
    for (unsigned x = 8; x < 32; ++x) {
      ASSERT_GT(image.getPixel(x, y).a, 0) << x << "," << y;
      ASSERT_LT(image.getPixel(x, y).a, 255) << x << "," << y;
    }
  }
}

struct Track {
  sf::Uint64 frames = 0;
  unsigned rate = 0;
  unsigned channels = 0;
  int peak = 0;
  double seconds() const { return rate ? static_cast<double>(frames) / rate : 0.0; }
};

Track readTrack(std::string_view name) {
  sf::InputSoundFile file;
  Track track;
  if (!file.openFromFile(runtimeFile(trackPath(name)))) return track;
  track.rate = file.getSampleRate();
  track.channels = file.getChannelCount();
  track.frames = file.getSampleCount() / std::max(1u, track.channels);
  std::vector<sf::Int16> buffer(4096);
  while (sf::Uint64 got = file.read(buffer.data(), buffer.size())) {
    for (sf::Uint64 i = 0; i < got; ++i) track.peak = std::max(track.peak, std::abs(static_cast<int>(buffer[i])));
  }
  return track;
}

TEST(GeneratedMusic, EveryTrackLoadsAndKeepsItsRule) {
  for (const TrackEntry& entry : kTrackCatalog) {
    SCOPED_TRACE(std::string(entry.name));
    const Track track = readTrack(entry.name);
    ASSERT_GT(track.rate, 0u) << "cannot open " << trackPath(entry.name);
    ASSERT_GT(track.frames, 0u);
    switch (entry.kind) {
      case TrackKind::Silence:
        EXPECT_NEAR(track.seconds(), kSilenceSeconds, 0.05);
        EXPECT_EQ(track.peak, 0);
        break;
      case TrackKind::Victory:
        // Looping from 13.3 s needs more track than that, with room to loop.
        EXPECT_GT(track.seconds(), kVictoryLoopStartSeconds + 5.0);
        EXPECT_GT(track.peak, 8000);
        break;
      case TrackKind::Ambient:
      case TrackKind::FightLayer: {
        const TrackEntry* partner = findTrack(entry.partner);
        ASSERT_NE(partner, nullptr) << entry.partner;
        EXPECT_EQ(partner->partner, entry.name);
        // Started together and looped apart, they only stay in step at equal length.
        const Track other = readTrack(partner->name);
        EXPECT_EQ(track.frames, other.frames);
        EXPECT_EQ(track.rate, other.rate);
        EXPECT_GT(track.seconds(), 8.0);
        EXPECT_GT(track.peak, 8000);
        break;
      }
      case TrackKind::Theme:
        EXPECT_GT(track.seconds(), 8.0);
        EXPECT_GT(track.peak, 8000);
        break;
    }
  }
}

TEST(GeneratedFonts, BothFontsAreBesideTheProgramAndLoad) {
  for (const char* path : {"Font/Monaco Regular.ttf", "Font/Monego-Italic.otf"}) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(std::filesystem::exists(runtimeFile(path)));
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(runtimeFile(path)));
    EXPECT_FALSE(font.getInfo().family.empty());
  }
}

}  // namespace
