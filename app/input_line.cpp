#include "app/input_line.h"

namespace {

constexpr std::uint32_t kBackspace = 8;
constexpr std::uint32_t kEnter = 13;
constexpr std::uint32_t kEscape = 27;
constexpr std::uint32_t kDelete = 127;

// The trance pages from which Enter and Escape stop submitting.
constexpr int kTranceScreenMode = 5;

bool isKeptCharacter(std::uint32_t code, int screenMode) {
  if (code >= 32 && code <= 126) return true;
  return screenMode >= kTranceScreenMode && (code == kEnter || code == kEscape);
}

}  // namespace

LineAction editInputLine(std::string& inputLine, std::uint32_t code, int screenMode) {
  const bool submits = screenMode < kTranceScreenMode;
  switch (code) {
    case kBackspace:
      if (!inputLine.empty()) inputLine.pop_back();
      return LineAction::None;
    case kDelete:
      inputLine.clear();
      return LineAction::None;
    case kEnter:
      if (submits) return LineAction::Submit;
      break;
    case kEscape:
      if (submits) return LineAction::SubmitEmpty;
      break;
    default:
      break;
  }
  if (isKeptCharacter(code, screenMode) && inputLine.size() < kInputLineLimit) {
    inputLine.push_back(static_cast<char>(code));
  }
  return LineAction::None;
}
