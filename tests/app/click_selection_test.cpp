#include "app/click_selection.h"

#include <gtest/gtest.h>

namespace {

const std::array<std::string, 8> kDirections = {"north", "northeast", "east", "southeast",
                                                "south", "southwest", "west", "northwest"};

// The panel as the game lays it out, every picture 40x40.
ClickLayout gameLayout() {
  ClickLayout layout;
  layout.portrait = {430, 136, 40, 40};
  for (int i = 0; i < 6; ++i) {
    layout.inventorySlots[i] = {24.f + 48.f * i, 16, 40, 40};
    layout.skillSlots[i] = {24.f + 48.f * i, 64, 40, 40};
  }
  const float compass[8][2] = {{430, 96},  {470, 96},  {470, 136}, {470, 176},
                               {430, 176}, {390, 176}, {390, 136}, {390, 96}};
  for (int i = 0; i < 8; ++i) layout.compassTiles[i] = {compass[i][0], compass[i][1], 40, 40};
  layout.secret = {573, 136, 40, 40};
  return layout;
}

struct Point {
  float x, y;
};

struct Player {
  std::vector<std::string> items = {"POTION", "MATCH", "HAT"};
  std::vector<std::string> skills = {"BODY TACKLE"};
  bool secretKnown = false;
};

std::vector<ClickTarget> targetsAt(Point p, const Player& player) {
  return clickTargetsAt(p.x, p.y, gameLayout(), player.items, player.skills, kDirections, player.secretKnown);
}

constexpr Point kPortrait{450, 156};
constexpr Point kSlot0{44, 36};
constexpr Point kSlot4{24 + 4 * 48 + 20, 36};
constexpr Point kSkill0{44, 84};
constexpr Point kSkill3{24 + 3 * 48 + 20, 84};
constexpr Point kEast{490, 156};
constexpr Point kSecret{590, 150};

TEST(ClickSelection, EachPictureTypesItsCommand) {
  struct Case {
    const char* what;
    Point at;
    Player player;
    std::vector<std::string> texts;
    std::vector<int> selections;
  };
  Player knowsSecret;
  knowsSecret.secretKnown = true;
  const Case cases[] = {
      {"portrait", kPortrait, {}, {"status"}, {1}},
      {"first inventory slot", kSlot0, {}, {"use POTION"}, {1}},
      {"skill slot", kSkill0, {}, {"use BODY TACKLE"}, {7}},
      {"compass east", kEast, {}, {"east"}, {15}},
      {"northwest corner", {390, 96}, {}, {"northwest"}, {20}},
      {"secret room once known", kSecret, knowsSecret, {"secret"}, {22}},
      {"secret room not yet known", kSecret, {}, {}, {}},
      {"an empty inventory slot", kSlot4, {}, {}, {}},
      {"an unlearned skill slot", kSkill3, {}, {}, {}},
      {"nothing there", {300, 300}, {}, {}, {}},
      // The portrait's right edge is the east tile's left edge: both are hit,
      // the portrait first.
      {"shared edge", {470, 150}, {}, {"status", "east"}, {1, 15}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<ClickTarget> targets = targetsAt(c.at, c.player);
    ASSERT_EQ(targets.size(), c.texts.size());
    for (std::size_t i = 0; i < targets.size(); ++i) {
      EXPECT_EQ(targets[i].text, c.texts[i]);
      EXPECT_EQ(targets[i].selection, c.selections[i]);
    }
  }
}

TEST(ClickSelection, ASecondClickOnTheSamePictureSubmits) {
  struct Case {
    const char* what;
    std::vector<Point> clicks;
    std::vector<std::string> submitted;
    std::string lineAfter;
    int selectionAfter;
  };
  const Case cases[] = {
      {"one click types", {kPortrait}, {}, "status", 1},
      {"two clicks submit", {kPortrait, kPortrait}, {"status"}, "", 0},
      {"three clicks type again", {kEast, kEast, kEast}, {"east"}, "east", 15},
      {"another picture replaces the line", {kEast, kSkill0}, {}, "use BODY TACKLE", 7},
      // The portrait and the first inventory slot share a number.
      {"portrait then first slot", {kPortrait, kSlot0}, {"status"}, "", 0},
      {"first slot then portrait", {kSlot0, kPortrait}, {"use POTION"}, "", 0},
      {"a miss keeps the selection", {kEast, {300, 300}, kEast}, {"east"}, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int selection = 0;
    std::string line;
    std::vector<std::string> submitted;
    for (Point p : c.clicks) {
      for (const std::string& s : applyClickTargets(targetsAt(p, Player{}), selection, line)) submitted.push_back(s);
    }
    EXPECT_EQ(submitted, c.submitted);
    EXPECT_EQ(line, c.lineAfter);
    EXPECT_EQ(selection, c.selectionAfter);
  }
}

TEST(ClickSelection, ClicksCountOnlyOnTheOpenFloorOncePerPress) {
  struct Case {
    const char* what;
    bool down, latch, namePrompt;
    int combat, prompt, dialogue;
    bool allowed;
  };
  const Case cases[] = {
      {"free commands", true, false, false, 0, 2, 0, true},
      {"no prompt at all", true, false, false, 0, 0, 0, true},
      {"button up", false, false, false, 0, 2, 0, false},
      {"button still held", true, true, false, 0, 2, 0, false},
      {"name prompt", true, false, true, 0, 2, 0, false},
      {"fight", true, false, false, 1, 2, 0, false},
      {"a yes/no prompt", true, false, false, 0, 5, 0, false},
      {"first prompt of a run", true, false, false, 0, 1, 0, false},
      {"dialogue", true, false, false, 0, 2, 12, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(clicksAllowed(c.down, c.latch, c.namePrompt, c.combat, c.prompt, c.dialogue), c.allowed);
  }
}

}  // namespace
