#include "persistence/meta_save.h"

#include <climits>
#include <iostream>
#include <optional>
#include <string_view>

#include "persistence/atomic_file.h"
#include "persistence/regular_file.h"
#include "world/game_state.h"

const char kMetaSavePath[] = "saves/meta-save.txt";
const char kMetaNotSavedTail[] = "\n"
                                 "(The setting could not be saved and holds only until the game \n"
                                 "closes. Check that the saves folder can be written to.)";
const char kDefaultMetaSaveText[] = "[META]\n"
                                    "1\n"
                                    "0\n"
                                    "1\n"
                                    "1\n"
                                    "1\n"
                                    "[ACHIEVEMENTS]\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n"
                                    "\n";

namespace {

constexpr int kMetaLineCount = 28;
constexpr int kFirstAchievementLine = 7;

// A meta save is a few hundred bytes even with long hand-typed names; a file
// far larger is not one, and is not read to its end (nor is /dev/zero).
constexpr std::size_t kLargestMetaFile = 1 << 16;

// The byte-order mark some editors put before the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The decimal number at the start of a line: leading blanks, an optional
// sign, digits, and whatever follows ignored. Nothing when the line holds no
// digits there or the number does not fit, so a hand-edited file cannot
// stop the game from starting.
std::optional<int> leadingNumber(const std::string& line) {
  std::size_t at = 0;
  while (at < line.size() && (line[at] == ' ' || (line[at] >= '\t' && line[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < line.size() && (line[at] == '+' || line[at] == '-')) negative = line[at++] == '-';
  long long value = 0;
  std::size_t digits = 0;
  for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at, ++digits) {
    value = value * 10 + (line[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

void takeFlag(bool& field, const std::string& line) {
  if (const auto number = leadingNumber(line)) field = *number != 0;
}

void takeNumber(int& field, const std::string& line) {
  if (const auto number = leadingNumber(line)) field = *number;
}

// A window size the game has no mode for would close the window on every
// start; the smallest size is always safe.
void takeResolution(int& field, const std::string& line) {
  if (const auto number = leadingNumber(line)) field = (*number >= 1 && *number <= 3) ? *number : 1;
}

void takeLine(GameState& state, int index, const std::string& line) {
  switch (index) {
    case 1: takeFlag(state.autosave, line); break;
    case 2: takeFlag(state.fullscreen, line); break;
    case 3: takeFlag(state.musicOn, line); break;
    case 4: takeResolution(state.resolution, line); break;
    case 5: takeFlag(state.firstCombatHint, line); break;
    case 25: takeNumber(state.deepestFloor, line); break;
    case 26: takeNumber(state.victoryCount, line); break;
    case 27: takeNumber(state.potionProgress, line); break;
    default:
      if (index >= kFirstAchievementLine && index < kFirstAchievementLine + 18) {
        state.achievements[index - kFirstAchievementLine] = line;
      }
      break;
  }
}

}  // namespace

std::string metaSaveText(const GameState& state) {
  std::string text = "[META]\n";
  text += std::to_string(state.autosave ? 1 : 0) + "\n";
  text += std::to_string(state.fullscreen ? 1 : 0) + "\n";
  text += std::to_string(state.musicOn ? 1 : 0) + "\n";
  text += std::to_string(state.resolution) + "\n";
  text += std::to_string(state.firstCombatHint ? 1 : 0) + "\n";
  text += "[ACHIEVEMENTS]\n";
  for (const std::string& holder : state.achievements) text += holder + "\n";
  text += std::to_string(state.deepestFloor) + "\n";
  text += std::to_string(state.victoryCount) + "\n";
  text += std::to_string(state.potionProgress);
  return text;
}

void readMetaSaveText(GameState& state, const std::string& text, std::ostream& echo) {
  std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  // Lines as a line-by-line reader sees them: a last line needs no line
  // break, but nothing after the final line break is a line.
  for (int index = 0; index < kMetaLineCount && start < text.size(); ++index) {
    const std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = end == std::string::npos ? text.size() : end + 1;
    // A file passed through a Windows editor keeps its settings and names.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (index == 0 && line != "[META]") return;
    takeLine(state, index, line);
    echo << "variable: " << line << ", line num: " << index << "\n";
  }
}

void readOrCreateMetaSave(GameState& state) {
  std::string text;
  switch (readRegularFile(kMetaSavePath, kLargestMetaFile, text)) {
    case FileAccess::kOpen: readMetaSaveText(state, text, std::cout); return;
    case FileAccess::kMissing: writeFileAtomically(kMetaSavePath, kDefaultMetaSaveText); return;
    case FileAccess::kRefused:
      // Whatever stands there may hold every achievement of the profile; a
      // blank file written over it would lose them without a word.
      state.metaSaveHeld = true;
      return;
  }
}

bool GameState::claimAchievement(int number, const std::string& heroName) {
  if (number < 1 || number > static_cast<int>(achievements.size())) return false;
  std::string& slot = achievements[static_cast<std::size_t>(number - 1)];
  if (!slot.empty()) return false;
  slot = heroName;
  return true;
}

bool GameState::earnAchievement(int number, const std::string& heroName) {
  if (!claimAchievement(number, heroName)) return false;
  saveMeta(false);
  return true;
}

bool GameState::saveMeta(bool reopenWindow) {
  const bool written = !metaSaveHeld && writeFileAtomically(kMetaSavePath, metaSaveText(*this));
  if (reopenWindow) recreateWindow = true;
  if (written) {
    std::cout << "save successful!";
  } else {
    metaSaveMissed = true;
  }
  return written;
}
