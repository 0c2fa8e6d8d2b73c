// Makes the game's pictures and music: every picture of the catalog as a PNG
// under the graphics folder and every track as Ogg Vorbis under the audio
// folder. Needs neither a display nor a sound device.
//
//   quibblent-assetgen <graphics folder> <audio folder> [--sheet <png>]
//
// --sheet also writes one PNG with every picture on it, for looking them over.
#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/picture_catalog.h"
#include "app/track_catalog.h"
#include "tools/assetgen/music.h"
#include "tools/assetgen/pictures.h"

namespace {

bool savePng(const Canvas& canvas, const std::string& path) {
  sf::Image image;
  image.create(static_cast<unsigned>(canvas.width()), static_cast<unsigned>(canvas.height()));
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgba p = canvas.at(x, y);
      image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), sf::Color(p.r, p.g, p.b, p.a));
    }
  }
  return image.saveToFile(path);
}

// The name of the file the game opens, placed in the folder given here.
std::filesystem::path gameFileIn(const std::filesystem::path& folder, const std::string& gamePath) {
  return folder / std::filesystem::path(gamePath).filename();
}

bool writePictures(const std::filesystem::path& folder) {
  bool ok = true;
  for (const PictureEntry& entry : kPictureCatalog) {
    const Canvas canvas = paintPicture(entry);
    const std::string path = gameFileIn(folder, picturePath(entry.word)).string();
    if (!savePng(canvas, path)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  return ok;
}

bool writeTrack(const TrackEntry& track, const std::filesystem::path& folder) {
  const std::vector<std::int16_t> samples = composeTrack(track);
  const std::string path = gameFileIn(folder, trackPath(track.name)).string();
  sf::OutputSoundFile file;
  if (!file.openFromFile(path, kSampleRate, kChannels)) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  file.write(samples.data(), samples.size());
  return true;
}

// Every picture on a dark sheet, twice their size, ten to a row, the wide
// ones on rows of their own.
bool writeSheet(const std::string& path) {
  constexpr int kScale = 2, kCell = 44 * kScale, kColumns = 10;
  std::vector<const PictureEntry*> icons, wide;
  for (const PictureEntry& entry : kPictureCatalog) (entry.width == kIconSide && entry.height == kIconSide ? icons : wide).push_back(&entry);
  const int iconRows = static_cast<int>((icons.size() + kColumns - 1) / kColumns);
  int height = iconRows * kCell + 8;
  for (const PictureEntry* entry : wide) height += entry->height * kScale + 8;
  Canvas sheet(kColumns * kCell + 8, height, rgb(60, 64, 72));
  for (std::size_t i = 0; i < icons.size(); ++i) {
    const Canvas big = paintPicture(*icons[i]).scaledUp(kScale);
    sheet.stamp(big, 8 + static_cast<int>(i % kColumns) * kCell, 8 + static_cast<int>(i / kColumns) * kCell);
  }
  int y = iconRows * kCell + 8;
  for (const PictureEntry* entry : wide) {
    sheet.stamp(paintPicture(*entry).scaledUp(kScale), 8, y);
    y += entry->height * kScale + 8;
  }
  return savePng(sheet, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--sheet")) {
    std::fprintf(stderr, "usage: %s <graphics folder> <audio folder> [--sheet <png>]\n", argv[0]);
    return 2;
  }
  for (const PictureEntry& entry : kPictureCatalog) {
    if (!canPaint(entry.word)) {
      std::fprintf(stderr, "assetgen: no drawing for picture '%.*s'\n", static_cast<int>(entry.word.size()), entry.word.data());
      return 1;
    }
  }
  try {
    const std::filesystem::path graphics = argv[1], audio = argv[2];
    std::filesystem::create_directories(graphics);
    std::filesystem::create_directories(audio);

    // The tracks take longest; each is composed and encoded on its own thread.
    std::vector<char> trackOk(std::size(kTrackCatalog), 0);
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < std::size(kTrackCatalog); ++i)
      workers.emplace_back([&, i] { trackOk[i] = writeTrack(kTrackCatalog[i], audio) ? 1 : 0; });
    bool ok = writePictures(graphics);
    if (argc == 5) ok = writeSheet(argv[4]) && ok;
    for (std::thread& worker : workers) worker.join();
    ok = ok && std::all_of(trackOk.begin(), trackOk.end(), [](char good) { return good != 0; });
    return ok ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen: %s\n", error.what());
    return 1;
  }
}
