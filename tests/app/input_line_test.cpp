#include "app/input_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct KeyCase {
  const char* what;
  std::string before;
  std::vector<std::uint32_t> codes;
  int screenMode;
  std::string after;
  LineAction lastAction;
};

TEST(InputLine, EditsTheLineKeyByKey) {
  const std::string full(49, 'a');
  const KeyCase cases[] = {
      {"letters are appended", "", {'n', 'o', 'r'}, 0, "nor", LineAction::None},
      {"backspace removes the last", "nort", {8}, 0, "nor", LineAction::None},
      {"backspace on an empty line", "", {8}, 0, "", LineAction::None},
      {"delete empties the line", "north", {127}, 0, "", LineAction::None},
      {"backspace then delete", "ab", {8, 127}, 0, "", LineAction::None},
      {"a 50th character is refused", full, {'b'}, 0, full, LineAction::None},
      {"the 49th character fits", std::string(48, 'a'), {'z'}, 0, std::string(48, 'a') + "z", LineAction::None},
      {"enter submits", "look", {13}, 0, "look", LineAction::Submit},
      {"escape submits an empty line", "look", {27}, 0, "look", LineAction::SubmitEmpty},
      {"enter still submits before the trance", "x", {13}, -61, "x", LineAction::Submit},
      {"enter submits on trance page 4", "x", {13}, 4, "x", LineAction::Submit},
      {"enter is typed on trance page 5", "x", {13}, 5, "x\r", LineAction::None},
      {"escape is typed on trance page 6", "x", {27}, 6, "x\x1b", LineAction::None},
      {"space and tilde are printable", "", {' ', '~'}, 0, " ~", LineAction::None},
      {"tab is refused", "a", {9}, 0, "a", LineAction::None},
      {"newline is refused", "a", {10}, 0, "a", LineAction::None},
      {"other control bytes are refused", "a", {1, 31, 0}, 0, "a", LineAction::None},
      {"non-ASCII letters are refused", "a", {0xE9, 0x4E2D, 0x1F600}, 0, "a", LineAction::None},
      {"a trance page still refuses control bytes", "a", {9, 0xE9}, 5, "a", LineAction::None},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string line = c.before;
    LineAction action = LineAction::None;
    for (std::uint32_t code : c.codes) action = editInputLine(line, code, c.screenMode);
    EXPECT_EQ(line, c.after);
    EXPECT_EQ(action, c.lastAction);
  }
}

}  // namespace
