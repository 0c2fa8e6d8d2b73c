#include "persistence/save_names.h"

#include <array>

namespace {

// Characters that are path separators or wildcards on one platform or another.
constexpr std::string_view kForbiddenCharacters = "/\\:*?\"<>|";

// Windows opens these devices whatever extension follows, in any case.
constexpr std::array<std::string_view, 22> kReservedDeviceNames = {
    "CON",  "NUL",  "AUX",  "PRN",  "COM1", "COM2", "COM3", "COM4",
    "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
    "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

// "saves/meta-save.txt" holds the settings and achievements, never a run.
constexpr std::string_view kMetaSaveName = "meta-save";

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (upper(a[i]) != upper(b[i])) return false;
  }
  return true;
}

}  // namespace

SaveNameProblem checkSaveName(std::string_view name) {
  if (name.empty()) return SaveNameProblem::kEmpty;
  if (sameIgnoringCase(name, kMetaSaveName)) return SaveNameProblem::kMetaSaveName;
  if (name.size() > kLongestHeroName) return SaveNameProblem::kTooLong;
  for (const char c : name) {
    if (c < ' ' || c > '~') return SaveNameProblem::kUnprintable;
    if (kForbiddenCharacters.find(c) != std::string_view::npos) {
      return SaveNameProblem::kForbiddenCharacter;
    }
  }
  if (name == "." || name == "..") return SaveNameProblem::kDotsOnly;
  // Windows takes "CON.x" and "CON .x" for the device too: only the part
  // before the first dot, trailing spaces dropped, decides.
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const std::string_view device : kReservedDeviceNames) {
    if (sameIgnoringCase(stem, device)) return SaveNameProblem::kReservedDeviceName;
  }
  return SaveNameProblem::kFine;
}

bool isSafeSaveName(std::string_view name) {
  return checkSaveName(name) == SaveNameProblem::kFine;
}

std::string savePathFor(std::string_view name) {
  std::string path = "saves/";
  path += name;
  path += ".txt";
  return path;
}
