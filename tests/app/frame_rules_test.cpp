#include "app/frame_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameRules, ScreenModeOfTheTrance) {
  const std::pair<int, int> cases[] = {{0, -61}, {61, 0}, {62, 1}, {64, 3}, {66, 5}, {67, 6}, {68, 0}, {120, 0}};
  for (const auto& [stage, mode] : cases) {
    EXPECT_EQ(screenModeFor(stage), mode) << "stage " << stage;
  }
}

TEST(FrameRules, AFlashedColourFadesBackToWhite) {
  struct Case {
    std::vector<float> before;
    int frameMillis;
    std::vector<float> after;
  };
  const Case cases[] = {
      {{165, 42, 42}, 10, {168, 45, 45}},
      {{165, 42, 42}, 0, {165, 42, 42}},
      {{254, 255, 100}, 7, {255, 255, 102.1f}},  // capped at white
      {{0, 0, 0}, 1000, {255, 255, 255}},         // a long frame
  };
  for (const Case& c : cases) {
    std::vector<float> colour = c.before;
    fadeStatusColour(colour, c.frameMillis);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(colour[i], c.after[i], 1e-3) << "component " << i;
  }

  // From (165, 42, 42) at 60 frames a second the line is white within a second.
  std::vector<float> colour = {165, 42, 42};
  int millis = 0;
  while (colour[1] < 255.f) {
    fadeStatusColour(colour, 16);
    millis += 16;
  }
  EXPECT_GE(millis, 700);
  EXPECT_LE(millis, 900);
}

TEST(FrameRules, ColourBytesTakeTheIntegerPart) {
  const auto bytes = statusColourBytes({165.9f, 42.2f, 255.f});
  EXPECT_EQ(bytes[0], 165);
  EXPECT_EQ(bytes[1], 42);
  EXPECT_EQ(bytes[2], 255);
  EXPECT_EQ(bytes[3], 255);
}

TEST(FrameRules, HelpPictureAfterHalfAMinuteIdle) {
  struct Case {
    bool hint, namePrompt;
    int prompt;
    double idle;
    bool shown;
  };
  const Case cases[] = {
      {true, false, 2, 30.5, true},   {true, false, 2, 30.0, false}, {false, false, 2, 99, false},
      {true, true, 2, 99, false},     {true, false, 1, 99, false},   {true, false, 30, 99, false},
      {true, false, 0, 31, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(helpPictureDue(c.hint, c.namePrompt, c.prompt, c.idle), c.shown)
        << "hint " << c.hint << " name prompt " << c.namePrompt << " prompt " << c.prompt << " idle " << c.idle;
  }
}

}  // namespace
