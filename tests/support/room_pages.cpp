#include "tests/support/room_pages.h"

#include <cctype>

const char* const kDirectionWords[8] = {"north", "northeast", "east", "southeast",
                                        "south", "southwest", "west", "northwest"};

namespace {

const char* const kDirectionLabels[8] = {"To the NORTH", "To the NORTHEAST", "To the EAST", "To the SOUTHEAST",
                                         "To the SOUTH", "To the SOUTHWEST", "To the WEST", "To the NORTHWEST"};

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::vector<std::string> tileLines(const std::string& pages) {
  std::vector<std::string> lines(8);
  for (std::size_t d = 0; d < 8; ++d) {
    const std::string label = kDirectionLabels[d];
    std::size_t at = 0;
    while ((at = pages.find(label, at)) != std::string::npos) {
      const std::size_t after = at + label.size();
      // "To the NORTH" also begins "To the NORTHEAST": the label ends where its text begins.
      if (after < pages.size() && std::isupper(static_cast<unsigned char>(pages[after]))) {
        at = after;
        continue;
      }
      const std::size_t end = pages.find("\n"
                                         "To the ",
                                         after);
      lines[d] = lowered(pages.substr(after, end - after));
      break;
    }
  }
  return lines;
}
