#pragma once
// The typed line: what each key the player types does to it.
#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t kInputLineLimit = 49;

// What the frame loop must do after a key.
enum class LineAction {
  None,        // the line was edited (or the key ignored)
  Submit,      // Enter: hand the line to the command step
  SubmitEmpty  // Escape: hand an empty line to the command step
};

// Applies one typed character code to `inputLine`. 8 removes the last
// character, 13 submits, 27 submits an empty line, 127 empties the line. In the
// last pages of the mind flayer's trance (screen mode 5 and above) Enter and
// Escape do not submit: they are kept as characters like any other, and the
// trance's own timer throws the line away. Otherwise only printable ASCII
// (32..126) is kept, so control bytes and accented letters never reach a hero's
// name or a save file's path; the line holds at most 49 characters.
LineAction editInputLine(std::string& inputLine, std::uint32_t code, int screenMode);
